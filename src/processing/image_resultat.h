#pragma once
// The new picture an operation writes whole, row after row: Format_ARGB32,
// its memory made present in large pages before the first row is written
// (each page fault of a fresh 100 MB picture otherwise costs more than the
// operation itself).
//
// The memory of a large result (16 MB to 256 MB) goes back, when its last
// copy is destroyed, to a reserve holding one block: the next large result
// of about the same size takes it, already present, instead of new memory.
// A block that does not fit is freed. Its previous contents are not cleared.

#include <QImage>
#include <QSize>

// Throws ErreurKaptori ("Mémoire insuffisante…") when it cannot be allocated.
[[nodiscard]] QImage ImageResultat(QSize taille);
