#pragma once
// "&Pixellisation": the picture shown as blocks of one colour. At step n
// (0 .. trunc(log2(max(W, H)))) there are W' = max(1, trunc(W / 2^n)) blocks
// across and H' = max(1, trunc(H / 2^n)) down. Block column c covers the
// columns round(W·c/W') to round(W·(c+1)/W') − 1, block row r likewise with
// H and H' (halves to even): the blocks tile the picture without overlap or
// gap, so with W = 11 at n = 2 the columns 0..5 and 6..10 form the two
// blocks. Every pixel of a block takes, per component, the rounded mean of
// the block's pixels (halves to even); alpha too.

#include <QImage>
#include <QSize>

#include <vector>

// The largest step for a picture of this size (0 for a one-pixel picture).
[[nodiscard]] int PasMaxPixellisation(QSize taille);

// Number of blocks across and down at step n.
[[nodiscard]] QSize BlocsPixellisation(QSize taille, int n);

// First column (or row) of each block, followed by the side W (or H): block
// b covers [bornes[b], bornes[b + 1]).
[[nodiscard]] std::vector<int> BornesBlocs(int cote, int blocs);

// The pixelised picture at step n (Format_ARGB32); n = 0 gives the picture
// unchanged. Throws ErreurKaptori when n is outside 0 .. PasMaxPixellisation.
[[nodiscard]] QImage Pixelliser(const QImage &image, int n);
