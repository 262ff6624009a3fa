#pragma once
// The new picture an operation writes whole, row after row: Format_ARGB32,
// its memory made present in large pages before the first row is written
// (each page fault of a fresh 100 MB picture otherwise costs more than the
// operation itself).

#include <QImage>
#include <QSize>

// Throws ErreurKaptori ("Mémoire insuffisante…") when it cannot be allocated.
[[nodiscard]] QImage ImageResultat(QSize taille);
