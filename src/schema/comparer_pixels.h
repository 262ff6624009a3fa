#pragma once
// ComparerPixels: how dark a pair of pixels makes the schema, 0..255.
// Starting from 255 (white), every component ticked in the style whose two
// values are defined (a hue may be missing) gives E = |P - Q|; above the
// component's threshold E darkens to 255 - round(E * 255 / Degrad), and
// above the gradient to 0. The smallest result wins.

#include "schema/mesures_pixel.h"
#include "schema/param_style_des.h"

#include <array>
#include <cstdint>

[[nodiscard]] int ComparerPixels(const TParamStyleDes &p, const MesuresPixel &centre, const MesuresPixel &voisin);
[[nodiscard]] int ComparerPixels(const TParamStyleDes &p, QRgb centre, QRgb voisin);

// The darkness of one component for every difference E = 0..511: 255 up to
// the threshold, then falling, 0 above the gradient. It never rises with E,
// which lets priming keep only each component's largest difference.
using TableAssombrissement = std::array<std::uint8_t, 512>;
[[nodiscard]] TableAssombrissement TableComposante(int seuil, int degrad);
