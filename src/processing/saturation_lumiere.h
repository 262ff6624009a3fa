#pragma once
// "Tester" of the "TSL" tab: with fs = 1 + saturation / 100 and
// fl = 1 + lumière / 100, each pixel's S becomes S × fs and V becomes
// V × fl (each clamped to 0..1) through RvbVersTsv / TsvVersRvb; the
// components are written back as round(255 × value), at most 255.
// Saturation −100 gives grey at each pixel's largest component.

#include <QImage>

// Throws ErreurKaptori when a value lies outside −100..100.
[[nodiscard]] QImage SaturationLumiere(const QImage &image, int saturation, int lumiere);
