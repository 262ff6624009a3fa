#pragma once
// TParamStyleDes: one set of priming parameters (a "style"), and the three
// built-in styles. Components are numbered 0 Bleu, 1 Vert, 2 Rouge,
// 3 Teinte, 4 Sat, 5 Lum everywhere.

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

enum ComposanteSchema : int { Bleu = 0, Vert = 1, Rouge = 2, Teinte = 3, Sat = 4, Lum = 5 };
inline constexpr int kComposantesSchema = 6;

class TParamStyleDes {
public:
    std::array<std::uint8_t, kComposantesSchema> Seuil{};  // threshold per component
    std::array<std::uint8_t, kComposantesSchema> Degrad{}; // gradient per component
    std::array<bool, kComposantesSchema> Actif{};          // component taken into account
    std::uint8_t SeuilTeinteSat = 0; // saturation above which a pixel has a hue
    bool GrouperRVB = false;         // the colour components share threshold and gradient
    std::uint8_t ModeLum = 0;        // luminosity for marking: 0 mean, 1 max, 2 (max + min) / 2
    bool MarquerNoir = false;
    std::uint8_t SeuilNoir = 0;  // luminosity at or below which a marked pixel is black
    std::uint8_t DegradNoir = 0; // luminosity from which dark marking stops
    bool MarquerBlanc = false;
    std::uint8_t LimiteBlanc = 0; // luminosity above which a marked pixel is white
    // Neighbours compared: [dx + 3][dy + 3] for offsets -3..3; the centre is never used.
    std::array<std::array<bool, 7>, 7> PointsTest{};

    [[nodiscard]] bool Point(int dx, int dy) const { return PointsTest[dx + 3][dy + 3]; }
    void DefinirPoint(int dx, int dy, bool actif) { PointsTest[dx + 3][dy + 3] = actif; }

    friend bool operator==(const TParamStyleDes &, const TParamStyleDes &) = default;
};

// A named style of the list.
struct StyleDes {
    QString nom;
    TParamStyleDes param;

    friend bool operator==(const StyleDes &, const StyleDes &) = default;
};

// "normal", "fond noir" and "micro contrasté", in that order.
[[nodiscard]] std::vector<StyleDes> StylesIntegres();
