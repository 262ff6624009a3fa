#include "measure/lecture_position.h"

#include "commun/nombres.h"
#include "document/image_document.h"

#include <cmath>
#include <numbers>

namespace {

QString Nombre(double v)
{
    return FormatGeneral(v, 3);
}

LecturePosition LireCartesien(const TEchelle &e, int x, int y)
{
    LecturePosition l;
    if (x < e.CadreX1 || x > e.CadreX2 || y < e.CadreY1 || y > e.CadreY2)
        return l;
    std::array<double, 4> v{};
    v[0] = (double(x) - e.OrigineX) * e.FacteurX;
    const int axes = qMin(int(e.NbAxesY), TEchelle::NbAxesYMax);
    for (int k = 0; k < axes; ++k)
        v[std::size_t(k) + 1] = (double(y) - e.OrigineY[k]) * e.FacteurY[k];
    l.valeursRepere = v;
    if (axes == 0)
        return l;
    l.texte = Nombre(v[0]) + QLatin1Char(' ') + e.UniteX;
    for (int k = 0; k < axes; ++k)
        l.texte += QStringLiteral("   ") + Nombre(v[std::size_t(k) + 1]) + QLatin1Char(' ') + e.UniteY[k];
    return l;
}

LecturePosition LireTriangle(const TEchelle &e, int x, int y)
{
    LecturePosition l;
    // A side of 0 cannot come from the scale window; a hand-edited file could hold one.
    if (e.CoteTriangle <= 0)
        return l;
    const double c = e.CoteTriangle;
    const double racine3 = std::numbers::sqrt3;
    // Height above the base in percent of the triangle's height.
    const double a = (double(e.CoinY) - y) / c * 200.0 / racine3;
    double X = 0;
    double Y = 0;
    double Z = 0;
    if (e.Sens == 0) {
        X = a;
        Y = ((double(y) - e.CoinY) / racine3 + e.CoinX + c - x) / c * 100.0;
        Z = 100.0 - X - Y;
    } else {
        Z = a;
        Y = ((double(y) - e.CoinY) / racine3 + x - double(e.CoinX)) / c * 100.0;
        X = 100.0 - Y - Z;
    }
    if (X < 0 || Y < 0 || Z < 0)
        return l;
    l.texte = e.NomX + QStringLiteral(": ") + Nombre(X) + QStringLiteral("%  ") + e.NomY + QStringLiteral(": ")
        + Nombre(Y) + QStringLiteral("%  ") + e.NomZ + QStringLiteral(": ") + Nombre(Z) + QLatin1Char('%');
    return l;
}

LecturePosition LirePolaire(const TEchelle &e, int x, int y)
{
    LecturePosition l;
    const double dx = double(x) - e.CentreX;
    const double dy = double(e.CentreY) - y; // upwards positive
    double r = std::sqrt(dx * dx + dy * dy) * e.FacteurRayon;
    if (!std::isfinite(r)) {
        l.erreurRayon = true;
        r = 1;
    }
    l.texte = QStringLiteral("R=") + Nombre(r) + QLatin1Char(' ') + e.UniteRayon;
    if (dx == 0 && dy == 0)
        return l;

    double theta = 0;
    if (dx != 0) {
        theta = std::atan(dy / dx);
        if (dx < 0)
            theta = theta >= 0 ? theta - std::numbers::pi : theta + std::numbers::pi;
    } else {
        theta = y > e.CentreY ? -std::numbers::pi / 2 : std::numbers::pi / 2;
    }
    if (!std::isfinite(theta)) {
        l.erreurAngle = true;
        theta = 0;
    }
    const bool degres = e.UniteAngle == QLatin1String("de");
    if (degres)
        theta = theta * 180.0 / std::numbers::pi;
    theta -= e.AngleZero;
    const double demiTour = degres ? 180.0 : std::numbers::pi;
    if (theta < -demiTour)
        theta += 2 * demiTour;
    else if (theta > demiTour)
        theta -= 2 * demiTour;
    l.texte += QStringLiteral("  A=") + Nombre(theta) + (degres ? QStringLiteral("°") : QStringLiteral(" Rd"));
    return l;
}

} // namespace

LecturePosition LirePosition(const TEchelle &echelle, int x, int y)
{
    if (!echelle.Definie)
        return {};
    switch (echelle.Mode) {
    case TEchelle::Cartesien:
        return LireCartesien(echelle, x, y);
    case TEchelle::Triangle:
        return LireTriangle(echelle, x, y);
    case TEchelle::Polaire:
        return LirePolaire(echelle, x, y);
    default:
        return {};
    }
}

LecturePosition LirePosition(ImageDocument &document, int x, int y)
{
    LecturePosition l = LirePosition(document.echelle, x, y);
    document.mesure.texteMesure = l.texte;
    if (l.valeursRepere)
        document.mesure.valeursRepere = *l.valeursRepere;
    return l;
}

double LongueurMesuree(const TEchelle &echelle, QPoint depart, QPoint arrivee)
{
    const double dx = double(arrivee.x()) - depart.x();
    const double dy = double(arrivee.y()) - depart.y();
    return std::sqrt(dx * dx + dy * dy) * echelle.Facteur;
}

QString TexteLongueur(const TEchelle &echelle, QPoint depart, QPoint arrivee)
{
    return Nombre(LongueurMesuree(echelle, depart, arrivee)) + QLatin1Char(' ') + echelle.Unite;
}
