#pragma once
// Region fills over 32-bit 0xAARRGGBB bitmaps (QImage::Format_ARGB32): they
// grow 4-connected regions from a seed with an 8-bit visited map and frontier
// vectors (no recursion). The region and the pixels written do not depend on
// the order of visit: the conditional and shape fills grow along scan lines,
// the polygon fill by frontiers of neighbours (left, up, right, down).
//
// Every fill writes a pixel with the colour when the pattern selects it and
// with the colour at alpha 1 (almost transparent) otherwise; writing replaces
// the pixel, it does not blend.

#include "drawing/tester_pixel.h"

#include <QImage>
#include <QPoint>
#include <QRgb>

#include <vector>

// Hatch spacing of patterns 0..4; patterns 5..7 use Round(6·√2) = 8.
inline constexpr int EspacementMotifDefaut = 6;

// True when pattern `motif` gives the pixel (x, y) the fill colour: 0 and 1
// always, 2 vertical, 3 horizontal, 4 grid, 5 and 6 oblique, 7 oblique grid;
// codes above 7 never. x mod s keeps the sign of x.
[[nodiscard]] bool MotifSelectionne(int motif, int x, int y, int espacement = EspacementMotifDefaut);

// The colour with its alpha set to 1.
[[nodiscard]] constexpr QRgb PresqueTransparent(QRgb c)
{
    return (c & 0x00FFFFFFu) | 0x01000000u;
}

// Conditional flood fill from the seed: the seed is written when the tested
// pixel there passes; from it (whether it passed or not) every 4-connected
// pixel passing TesterPixel is written into `ecrit`. Returns the number of
// pixels written; 0 when the seed lies outside the image or the two bitmaps
// differ in size. `teste` and `ecrit` may be the same bitmap.
int RemplirConditionnel(int x, int y, QRgb couleur, int motif, const TTableaudeTableaudeCondicoul &groupes,
                        const QImage &teste, QImage &ecrit, const PlansCanaux *canaux = nullptr);

// Fills the 4-connected region of alpha-0 pixels around the seed in the same
// bitmap; it stops at any pixel of alpha 1 or more. Returns the count.
int RemplirForme(int x, int y, QRgb couleur, int motif, QImage &bitmap);

// Writes the closed outline through the points in the outline colour, then
// grows from the seed (or, when the seed lies on the outline, from an inside
// pixel next to the outline, near the seed when one is) bounded only by the
// outline, writing the pixels that pass the conditions in the fill colour.
// Points spanning fewer than 3 pixels in either direction give the outline
// alone. Returns the pixels filled.
int RemplirPolygone(int x, int y, const std::vector<QPoint> &points, QRgb couleurContour, QRgb couleurRemplissage,
                    int motif, const TTableaudeTableaudeCondicoul &groupes, const QImage &teste, QImage &ecrit,
                    const PlansCanaux *canaux = nullptr);
