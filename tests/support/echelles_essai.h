#pragma once
// Defined scales of each mode, built from the values a test names, in the
// order the record lists its fields. Texts are UTF-8.

#include "calibration/echelle.h"

#include <QString>

#include <cstddef>
#include <initializer_list>

namespace echelle_essai {

inline TEchelle Longueur(double facteur, const char *unite)
{
    TEchelle e;
    e.Definie = 1;
    e.Mode = TEchelle::Longueur;
    e.Facteur = facteur;
    e.Unite = QString::fromUtf8(unite);
    return e;
}

struct AxeY {
    double facteur;
    const char *unite;
    int origine;
};

// Frame (x1, y1)-(x2, y2), X from column origineX, and as many Y axes as given.
inline TEchelle Cartesien(int x1, int y1, int x2, int y2, int origineX, double facteurX, const char *uniteX,
                          std::initializer_list<AxeY> axes)
{
    TEchelle e;
    e.Definie = 1;
    e.Mode = TEchelle::Cartesien;
    e.CadreX1 = x1;
    e.CadreY1 = y1;
    e.CadreX2 = x2;
    e.CadreY2 = y2;
    e.OrigineX = origineX;
    e.FacteurX = facteurX;
    e.UniteX = QString::fromUtf8(uniteX);
    e.NbAxesY = static_cast<std::uint8_t>(axes.size());
    std::size_t k = 0;
    for (const AxeY &a : axes) {
        e.FacteurY[k] = a.facteur;
        e.UniteY[k] = QString::fromUtf8(a.unite);
        e.OrigineY[k] = a.origine;
        ++k;
    }
    return e;
}

inline TEchelle Triangle(int coinX, int coinY, int cote, int sens, const char *nomX, const char *nomY,
                         const char *nomZ)
{
    TEchelle e;
    e.Definie = 1;
    e.Mode = TEchelle::Triangle;
    e.CoinX = coinX;
    e.CoinY = coinY;
    e.CoteTriangle = cote;
    e.Sens = sens;
    e.NomX = QString::fromUtf8(nomX);
    e.NomY = QString::fromUtf8(nomY);
    e.NomZ = QString::fromUtf8(nomZ);
    return e;
}

inline TEchelle Polaire(int centreX, int centreY, const char *uniteAngle, double angleZero, double facteurRayon,
                        const char *uniteRayon)
{
    TEchelle e;
    e.Definie = 1;
    e.Mode = TEchelle::Polaire;
    e.CentreX = centreX;
    e.CentreY = centreY;
    e.UniteAngle = QString::fromUtf8(uniteAngle);
    e.AngleZero = angleZero;
    e.FacteurRayon = facteurRayon;
    e.UniteRayon = QString::fromUtf8(uniteRayon);
    return e;
}

} // namespace echelle_essai
