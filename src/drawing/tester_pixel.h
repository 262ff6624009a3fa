#pragma once
// Pixel conditions: the test of a pixel against groups of TCondicoul, used by
// the fills, the surface measurement and the object delimitation.

#include "drawing/dessin.h"

#include <QRgb>

#include <cstddef>
#include <cstdint>
#include <vector>

// The 8-bit channel planes of a multichannel document made available to the
// conditions on channels (component codes 10 and above) while a region
// algorithm runs: for each, its first row and the distance between rows;
// all are largeur pixels wide.
struct PlanCanal {
    const std::uint8_t *debut = nullptr;
    std::ptrdiff_t pas = 0;
};
struct PlansCanaux {
    std::vector<PlanCanal> plans;
    int largeur = 0;
};

// Hue (0..359), saturation and lightness (0..255) of the standard RGB-to-HSL
// conversion in single precision, each rounded halves to even; a hue that
// rounds to 360 is 0. Grey gives hue 0 and saturation 0.
struct Tsl {
    int teinte = 0;
    int saturation = 0;
    int luminosite = 0;
};
[[nodiscard]] Tsl RvbVersTslCondition(QRgb pixel);

// Value of a component code (0 B, 1 G, 2 R, 3 A, 4..6 HSL, 7 HSV hue in
// degrees, 8 HSV saturation scaled to 0..255, 9 HSV value 0..255, 10 and
// above a channel byte of valeursCanaux); -1 when a channel code lies beyond
// the array.
[[nodiscard]] int ValeurComposante(QRgb pixel, int composante, const std::uint8_t *valeursCanaux,
                                   int nbCanaux);

// True when the pixel satisfies the groups: an empty list or an empty group
// gives false; within a group each condition's connector combines the
// running result with the next test (0 and, 1 or, 2 exclusive or, 3 and not);
// groups combine likewise through the connector of the last condition of the
// group before. Hue bounds with Mini > Maxi wrap around.
[[nodiscard]] bool TesterPixel(QRgb pixel, const std::uint8_t *valeursCanaux, int nbCanaux,
                               const TTableaudeTableaudeCondicoul &groupes);

// The same test prepared once for a run over many pixels: it computes the
// HSL and HSV components only when a condition needs them.
class TesteurConditions {
public:
    TesteurConditions(const TTableaudeTableaudeCondicoul &groupes, const PlansCanaux *canaux);

    [[nodiscard]] bool Tester(QRgb pixel, int x, int y) const
    {
        if (rapide_)
            return (masques_[0][pixel & 0xFF] & masques_[1][(pixel >> 8) & 0xFF] & masques_[2][(pixel >> 16) & 0xFF]
                    & masques_[3][pixel >> 24])
                   != 0;
        return TesterGeneral(pixel, x, y);
    }

    // True when the answer depends on the pixel's colour alone, not on its
    // position (no condition reads a channel plane).
    [[nodiscard]] bool SelonLaCouleurSeule() const { return !besoinCanaux_ || canaux_ == nullptr || canaux_->plans.empty(); }

private:
    [[nodiscard]] bool TesterGeneral(QRgb pixel, int x, int y) const;
    [[nodiscard]] bool TesterCondition(const TCondicoul &c, QRgb pixel, const Tsl &tsl, const int *tsv,
                                       const std::uint8_t *valeurs, int nb) const;

    TTableaudeTableaudeCondicoul groupes_;
    const PlansCanaux *canaux_;
    bool besoinTsl_ = false;
    bool besoinTsv_ = false;
    bool besoinCanaux_ = false;
    // One group of conditions joined by "and" on the blue, green, red and
    // alpha bytes: the test is four table look-ups.
    bool rapide_ = false;
    std::uint8_t masques_[4][256] = {};
};
