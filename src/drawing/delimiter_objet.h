#pragma once
// Growth of one object from a seed and tracing of its outer contour, used by
// the object measurement: the object is the 4-connected region of pixels that
// pass the conditions around the seed.

#include "drawing/tester_pixel.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <vector>

// The growth gives up when its front holds this many points.
inline constexpr int LimiteFrontObjet = 32000;
// A contour never holds more points than this; a longer outline is cut.
inline constexpr int LimitePointsContour = 29999;

// Values of the visited map shared by the successive objects of a scan:
// 0 unknown, 1..4 reached moving left, up, right, down, 5 a seed, 6 tested and
// failing; a border pixel adds the bits of its outside sides.
namespace Visite {
inline constexpr std::uint8_t Inconnu = 0;
inline constexpr std::uint8_t Germe = 5;
inline constexpr std::uint8_t Echoue = 6;
inline constexpr std::uint8_t CoteGauche = 8;
inline constexpr std::uint8_t CoteHaut = 16;
inline constexpr std::uint8_t CoteDroit = 32;
inline constexpr std::uint8_t CoteBas = 64;
inline constexpr std::uint8_t Cotes = CoteGauche | CoteHaut | CoteDroit | CoteBas;
} // namespace Visite

struct ObjetDelimite {
    int pixels = 0;           // 0 when the growth was abandoned
    int largeur = 0;          // bounding box of the object
    int hauteur = 0;
    QRect boite;              // holds every pixel written, even when abandoned
    // Clockwise on the screen from the start point S (the first border point
    // of the leftmost column); it ends on S again when it closes. A single
    // border point gives the list S, S.
    std::vector<QPoint> contour;
    bool abandonne = false;   // growth front too large: no size, no contour
    bool contourPerdu = false; // a step found no next point
    bool contourCoupe = false; // the outline was cut at LimitePointsContour
    std::vector<QString> messages; // French messages to show, in order

    [[nodiscard]] bool ContourFerme() const
    {
        return contour.size() >= 2 && contour.front() == contour.back() && !contourCoupe && !contourPerdu;
    }
};

// Message of an abandoned growth and of a lost contour.
[[nodiscard]] QString MessageTropComplique();
[[nodiscard]] QString MessageContourPerdu();

// Grows the object of the seed (which must pass the conditions and be 0 in
// the visited map), writes its pixels in `couleur` into `ecrit`, marks the
// visited map (largeur × hauteur bytes, row after row) and traces the
// contour. `teste` and `ecrit` have the same size. A seed outside the image,
// already visited or failing gives an empty result.
ObjetDelimite DelimiterObjet(int x, int y, const TesteurConditions &testeur, QRgb couleur, const QImage &teste,
                             QImage &ecrit, std::vector<std::uint8_t> &visite);
