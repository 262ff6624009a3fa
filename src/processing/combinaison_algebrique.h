#pragma once
// Algebraic combination of two or three pictures ("Composer une image"):
// over the common area (the smallest width and height among the pictures
// taking part, from the top-left corner), with a1 = coef1, a2 = ±coef2
// (negative to subtract), a3 = ±coef3:
//  - as colour channels (CRVB): red = round(r3 × a3) (0 without image 3),
//    green = round(g2 × a2), blue = round(b1 × a1);
//  - "multiplier": each component round(c1 × c2 / 255);
//  - otherwise each component round(c1 × a1 + c2 × a2), plus round(c3 × a3)
//    with image 3.
// Components are clamped to 0..255 and counted in a histogram; the result is
// opaque. "etaler" (not with CRVB) then spreads the levels: with N pixels
// and T = round(N × FractionEtalement), each component's low is the largest
// level l of 0..127 with fewer than T pixels at l or below (0 when none), its
// high the smallest level h of 255 down to 128 with fewer than T pixels at h
// or above (255 when none); with the smallest low, the largest high and
// range = max(1, high − low), every v becomes round((v − low) × 255 / range),
// clamped.

#include <QImage>

#include <array>
#include <cstdint>

inline constexpr double FractionEtalement = 0.05;

enum class OperationImage2 { Ajouter, Soustraire, Multiplier };

struct ParametresCombinaison {
    double coef1 = 0.5;
    double coef2 = 0.5;
    double coef3 = 1.0;
    OperationImage2 operation2 = OperationImage2::Ajouter;
    bool soustraire3 = false;
    bool canauxRVB = false;  // CRVB
    bool etaler = true;
};

using HistogrammeRVB = std::array<std::array<std::uint32_t, 256>, 3>; // red, green, blue

struct ResultatCombinaison {
    QImage image;            // Format_ARGB32, opaque
    HistogrammeRVB histogramme{}; // of the combined levels, before the spreading
    bool etale = false;
    int bas = 0;             // the spreading's common low and high
    int haut = 255;
};

// The common area of the pictures taking part (image3 may be null).
[[nodiscard]] QSize TailleCommune(const QImage &image1, const QImage &image2, const QImage *image3);

// The bounds of the spreading for a histogram of n pixels.
void BornesEtalement(const HistogrammeRVB &histogramme, std::int64_t n, int &bas, int &haut);

// Combines the pictures (image3 null when not taking part). An empty common
// area gives a null picture.
[[nodiscard]] ResultatCombinaison CombinerAlgebrique(const QImage &image1, const QImage &image2, const QImage *image3,
                                                     const ParametresCombinaison &parametres);
