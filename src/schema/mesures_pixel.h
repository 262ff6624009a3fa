#pragma once
// The measures priming compares between two pixels: the colour components,
// the saturation, the hue and the luminosity. For components R, G, B with
// Mx the largest and Mn the smallest:
//   Lum    = Mx
//   Sat    = 0 when Mx = 0, else round((Mx - Mn) * 255 / Mx)
//   Teinte = only when Sat > the hue's saturation threshold:
//            round(90 (G - B) / (Mx - Mn)) when R = Mx, else
//            180 + round(90 (B - R) / (Mx - Mn)) when G = Mx, else
//            360 + round(90 (R - G) / (Mx - Mn)); plus 360 when negative.
// Rounding sends halves to the even integer.

#include "schema/param_style_des.h"

#include <QRgb>

#include <array>
#include <cstdint>

// n / d rounded to the nearest integer, halves to the even one; d > 0.
[[nodiscard]] constexpr std::int64_t ArrondiQuotient(std::int64_t n, std::int64_t d)
{
    std::int64_t q = n / d;
    std::int64_t r = n % d;
    if (r < 0) {
        r += d;
        --q;
    }
    if (2 * r > d || (2 * r == d && (q & 1) != 0))
        ++q;
    return q;
}

inline constexpr int kTeinteIndefinie = -1;

// The six measures of a pixel in component order (Bleu, Vert, Rouge, Teinte,
// Sat, Lum); Teinte is kTeinteIndefinie for a pixel without hue.
struct MesuresPixel {
    std::array<int, kComposantesSchema> v{};
};

[[nodiscard]] constexpr int SatPixel(int mx, int mn)
{
    return mx == 0 ? 0 : static_cast<int>(ArrondiQuotient(std::int64_t{mx - mn} * 255, mx));
}

[[nodiscard]] constexpr int TeintePixel(int r, int g, int b, int seuilTeinteSat)
{
    const int mx = std::max({r, g, b});
    const int mn = std::min({r, g, b});
    if (SatPixel(mx, mn) <= seuilTeinteSat)
        return kTeinteIndefinie;
    const int d = mx - mn;
    int t = 0;
    if (r == mx)
        t = static_cast<int>(ArrondiQuotient(std::int64_t{90} * (g - b), d));
    else if (g == mx)
        t = 180 + static_cast<int>(ArrondiQuotient(std::int64_t{90} * (b - r), d));
    else
        t = 360 + static_cast<int>(ArrondiQuotient(std::int64_t{90} * (r - g), d));
    return t < 0 ? t + 360 : t;
}

[[nodiscard]] constexpr MesuresPixel MesurerPixel(QRgb c, int seuilTeinteSat)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    const int mx = std::max({r, g, b});
    const int mn = std::min({r, g, b});
    return {{b, g, r, TeintePixel(r, g, b, seuilTeinteSat), SatPixel(mx, mn), mx}};
}

// Luminosity used by the dark and light markings: mode 0 (R + G + B) div 3,
// mode 1 max(R, G, B), mode 2 (max + min) div 2.
[[nodiscard]] constexpr int LuminositeMarquage(int r, int g, int b, int modeLum)
{
    switch (modeLum) {
    case 1:
        return std::max({r, g, b});
    case 2:
        return (std::max({r, g, b}) + std::min({r, g, b})) / 2;
    default:
        return (r + g + b) / 3;
    }
}
