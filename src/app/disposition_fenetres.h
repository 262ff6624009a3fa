#pragma once
// Arrangement of the document windows in the frame's client area: the
// "Fe&nêtre" menu's "&Cascade", "Mosaïque &horizontale", "Mosaïque
// &verticale" and "&Tout réorganiser". Pure geometry, so that each rule can
// be checked without windows.
//
// Minimised windows ("icons") sit in rows along the bottom of the client
// area; the cascade and the mosaics use only the part above those rows, so
// that an arranged window never hides an icon.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Top-left corners of the icons, in the given order: the first row starts at
// the bottom-left corner and runs left to right; an icon that would cross the
// right edge starts a new row above the previous one (a row always takes at
// least one icon). A row is as tall as its tallest icon.
[[nodiscard]] QList<QPoint> PositionsIcones(QSize zone, const QList<QSize> &icones);

// Height of the rows that PositionsIcones fills (0 without icons).
[[nodiscard]] int HauteurRangeesIcones(QSize zone, const QList<QSize> &icones);

// Mosaic of n windows over the area: horizontale stacks full-width strips
// from top to bottom, otherwise full-height columns run from left to right.
// The strips share the area exactly; the last one takes what the integer
// division leaves.
[[nodiscard]] QList<QRect> RectanglesMosaique(QRect zone, int n, bool horizontale);

// Cascade of n windows: window i is offset by i × pas to the right and down
// from the area's top-left corner and all have the same size, the area less
// the whole stagger, never below half the area. When the stagger would push
// a window past that half, the next ones start again from the top-left.
[[nodiscard]] QList<QRect> RectanglesCascade(QRect zone, int n, int pas);
