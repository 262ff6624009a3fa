#pragma once
// "Colorer": every pixel whose three components all lie within their marked
// limits (low ≤ value ≤ high) takes the chosen colour. Works on the picture
// in place, so it adds to what was done before.

#include "processing/histogrammes.h"

#include <QImage>
#include <QRgb>

// The picture must be Format_ARGB32 or RGB32; the colour is written opaque.
void ColorerComposantes(QImage &image, const LimitesComposantes &limites, QRgb couleur);
