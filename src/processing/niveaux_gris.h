#pragma once
// "&Niveaux de gris": every pixel becomes (I, I, I), opaque, with
// I = (61 R + 174 G + 21 B) div 256, so pure red gives 60, pure green 173,
// pure blue 20 and white 255.

#include <QImage>

// The grey picture of an image (any format; the result is Format_ARGB32).
[[nodiscard]] QImage NiveauxGris(const QImage &image);
