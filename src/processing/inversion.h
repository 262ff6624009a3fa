#pragma once
// "&Inverser": every colour component v becomes 255 − v; alpha is kept.
// Inverting twice gives the picture back.

#include <QImage>

// Inverts the picture in place (converted to Format_ARGB32 first when it has
// another format).
void Inverser(QImage &image);
