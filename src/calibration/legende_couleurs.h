#pragma once
// The key of a colour code, painted in a white strip to the right of the
// image by "&Ajouter la légende des couleurs". Its layout is designed for a
// nominal height a (240, or 16n + 92 for a table of n entries, with rows of
// 16, 15 or 14 pixels so that the table fits the image when it can) and its
// vertical positions are stretched by f = H / a when the image is taller.

#include "calibration/code_couleur.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <array>

struct LegendeCouleurs {
    QImage image;           // W × H, Format_ARGB32, opaque, white background
    int hauteurNominale = 0; // a
    int hauteurLigne = 16;   // h, the row height of a table
    double f = 1.0;          // H / a
    int yTitre = 0;          // top of "Code"
    int yGrandeur = 0;       // top of the quantity name (kinds 1 to 3)
    int yRampe = 0;          // top of the ramp (kinds 1, 2) or of the table (kind 3)
};

// Width of the key when no table label needs more.
inline constexpr int LargeurLegendeCouleurs = 75;

// The narrow bold font of the key.
[[nodiscard]] QFont PoliceLegendeCouleurs();

// The five tick labels of a rainbow or two-colour key from the bottom up:
// the values at 0, 1/4, 1/2, 3/4 and 1 of the scale (logarithmic steps for a
// logarithmic code), FormatGeneral at 4 digits; empty where a logarithmic
// scale with a bound at 0 or below has no value.
[[nodiscard]] std::array<QString, 5> TextesGraduations(const TCodeCouleur &code);

// The key of `code` for an image of height `hauteurImage`: heading "Code" /
// "des couleurs" framed; for three channels, each channel's name, ramp from
// black and bounds; for a rainbow or two-colour code, the quantity, its unit,
// a vertical ramp 17 × 145 with its first colour at the bottom and five ticks
// labelled with FormatGeneral at 4 digits (logarithmic steps for a
// logarithmic code); for a table, the quantity, its unit and one row per
// entry, the last entry at the top. An undefined code is drawn with the fields
// it holds.
[[nodiscard]] LegendeCouleurs ComposerLegendeCouleurs(const TCodeCouleur &code, int hauteurImage);
