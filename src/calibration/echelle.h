#pragma once
// The spatial scale of an image: how pixel positions turn into quantities.
// Four modes: 0 lengths (units per pixel), 1 a cartesian frame with one to
// three Y axes, 2 a triangular (ternary) diagram, 3 polar coordinates.
// A record holds the fields of all modes but only those of its Mode mean
// anything; the stored forms (text, binary image) carry only those.

#include <QString>

#include <array>
#include <cstdint>

struct TEchelle {
    // Modes of a scale.
    static constexpr std::uint8_t Longueur = 0;
    static constexpr std::uint8_t Cartesien = 1;
    static constexpr std::uint8_t Triangle = 2;
    static constexpr std::uint8_t Polaire = 3;

    // Longest text field (units and names); UniteAngle holds at most 2.
    static constexpr int LongueurTexteMax = 20;
    static constexpr int NbAxesYMax = 3;

    std::uint8_t Definie = 0; // 1 when the record holds a usable scale
    std::uint8_t Mode = Longueur;

    // Mode 0: lengths.
    double Facteur = 1.0; // units per pixel
    QString Unite;

    // Mode 1: cartesian frame. The active frame's bounds are included.
    std::int32_t CadreX1 = 0;
    std::int32_t CadreY1 = 0;
    std::int32_t CadreX2 = 0;
    std::int32_t CadreY2 = 0;
    std::int32_t OrigineX = 0; // pixel column at which X = 0
    double FacteurX = 1.0;     // X units per pixel column
    QString UniteX;
    std::uint8_t NbAxesY = 1;  // 0..3 axes are read; the scale window sets 1..3
    std::array<double, NbAxesYMax> FacteurY{1.0, 1.0, 1.0}; // Y units per pixel row (negative upwards)
    std::array<QString, NbAxesYMax> UniteY;
    std::array<std::int32_t, NbAxesYMax> OrigineY{0, 0, 0}; // pixel row at which Y = 0

    // Mode 2: equilateral triangle with a horizontal base.
    std::int32_t CoinX = 0; // lower-left corner
    std::int32_t CoinY = 0;
    std::int32_t CoteTriangle = 0; // side in pixels
    std::int32_t Sens = 0;         // 0: X at the apex; 1: Z at the apex
    QString NomX;
    QString NomY;
    QString NomZ;

    // Mode 3: polar coordinates.
    std::int32_t CentreX = 0;
    std::int32_t CentreY = 0;
    QString UniteAngle;    // "de" degrees, "Rd" radians
    double AngleZero = 0;  // direction of angle 0, counter-clockwise from the right, in UniteAngle
    double FacteurRayon = 1.0; // radius units per pixel
    QString UniteRayon;

    [[nodiscard]] bool operator==(const TEchelle &) const = default;
};

// The scale of a document that has none of its own: 1 "pixels" per pixel.
[[nodiscard]] TEchelle EchelleParDefaut();

// Length scale of a scanned picture: 25,4 / dpi millimetres per pixel;
// EchelleParDefaut for a resolution of 0 or less.
[[nodiscard]] TEchelle EchelleDeResolution(int dpi);

// One-line text form: "<SCALE=" mode ";" the fields of the mode, each followed
// by ";", then ">". Reals with FormatGeneral at 4 significant digits and the
// user's decimal separator, integers in decimal, texts as they stand.
// Example: <SCALE=0;0,0254;mm;>
[[nodiscard]] QString EchelleEnTexte(const TEchelle &echelle);

// Parses a text form; also accepts the fields without the "<SCALE=" head and
// without the final ">". Reals may use either decimal separator. Text fields
// are cut to 20 characters (UniteAngle to 2). The result's Definie is 1 on
// success and 0 on any failure (unknown mode, a field that does not convert,
// an integer outside 32 bits, more than three Y axes).
[[nodiscard]] TEchelle TexteEnEchelle(const QString &texte);

// Cuts a text to the length a scale's text field can hold.
[[nodiscard]] QString CouperTexteEchelle(const QString &texte, int longueurMax = TEchelle::LongueurTexteMax);
