#include "drawing/quadrillage.h"

#include "commun/erreur.h"
#include "commun/nombres.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <vector>

bool ReglageMaille::Admet(double v) const
{
    const double tolerance = 0.5 * std::pow(10.0, -decimales);
    return std::isfinite(v) && v >= minimum - tolerance && v <= maximum + tolerance;
}

std::optional<ReglageMaille> PreparerMaille(const TEchelle &echelle, int largeur)
{
    if (echelle.Mode != TEchelle::Longueur)
        return std::nullopt;
    ReglageMaille r;
    r.unite = echelle.Unite;
    if (echelle.Unite.trimmed().compare(QStringLiteral("pixels"), Qt::CaseInsensitive) == 0) {
        r.facteur = 1;
        r.decimales = 0;
        r.minimum = 5;
        r.maximum = largeur / 2;
        r.pas = 1;
        r.valeur = 20;
        return r;
    }
    const double f = echelle.Facteur;
    if (!std::isfinite(f) || f <= 0)
        throw ErreurKaptori(QCoreApplication::translate(
                                "Quadrillage", "Le facteur de l'échelle (%1 %2 par pixel) n'est pas un nombre positif : "
                                               "impossible de tracer un quadrillage.")
                                .arg(FormatGeneral(f, 6), echelle.Unite));
    r.facteur = f;
    r.decimales = f > 1 ? 0 : static_cast<int>(std::clamp<std::int64_t>(Arrondi(std::log10(1 / f)), 0, 15));
    r.minimum = 5 * f;
    r.maximum = largeur * f * 0.5;
    r.pas = f;
    r.valeur = 20 * f;
    return r;
}

QRgb CouleurQuadrillage(QRgb couleurCrayon)
{
    return (couleurCrayon & 0x00FFFFFFu) | ((qAlpha(couleurCrayon) & 0x40u) << 24);
}

LignesQuadrillage TracerQuadrillage(QImage &couche, double s, QRgb couleur)
{
    LignesQuadrillage lignes;
    lignes.maille = s;
    if (couche.isNull() || couche.format() != QImage::Format_ARGB32 || !std::isfinite(s))
        return lignes;
    const int w = couche.width(), h = couche.height();
    const std::int64_t pas = Arrondi(s);
    if (pas < 1)
        return lignes;
    std::vector<int> colonnes;
    for (std::int64_t m = 1; m <= w / pas; ++m) {
        const std::int64_t x = Arrondi(static_cast<double>(m) * s);
        if (x >= 0 && x < w)
            colonnes.push_back(static_cast<int>(x));
    }
    std::vector<char> rangees(static_cast<std::size_t>(h), 0);
    for (std::int64_t v = 1; v <= h / pas; ++v) {
        const std::int64_t y = Arrondi(static_cast<double>(v) * s);
        if (y >= 0 && y < h) {
            rangees[static_cast<std::size_t>(y)] = 1;
            ++lignes.horizontales;
        }
    }
    lignes.verticales = static_cast<int>(colonnes.size());
    for (int y = 0; y < h; ++y) {
        auto *l = reinterpret_cast<QRgb *>(couche.scanLine(y));
        if (rangees[static_cast<std::size_t>(y)]) {
            std::fill_n(l, w, couleur);
            continue;
        }
        for (int x : colonnes)
            l[x] = couleur;
    }
    return lignes;
}
