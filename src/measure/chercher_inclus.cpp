#include "measure/chercher_inclus.h"

#include <algorithm>

namespace {

constexpr std::uint32_t Couleur = 0x00FFFFFFu;
constexpr std::uint32_t Marque = 0xFF000000u;
constexpr std::uint32_t Atteint = 0x80000000u;

std::uint32_t Alpha(std::uint32_t v)
{
    return v >> 24;
}

} // namespace

ObjetsInclus ChercherInclus(QPoint germe, const std::vector<QPoint> &contour, ImageEtiquettes &etiquettes)
{
    ObjetsInclus resultat;
    const int l = etiquettes.largeur, h = etiquettes.hauteur;
    auto dansImage = [&](QPoint p) { return p.x() >= 0 && p.y() >= 0 && p.x() < l && p.y() < h; };
    if (contour.empty() || !dansImage(germe) || Alpha(etiquettes.at(germe.x(), germe.y())) != 0)
        return resultat;
    const std::uint32_t propre = etiquettes.at(germe.x(), germe.y());
    int minX = contour[0].x(), maxX = minX, minY = contour[0].y(), maxY = minY;
    for (const QPoint &p : contour) {
        if (dansImage(p))
            etiquettes.at(p.x(), p.y()) = propre | Marque;
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    if (maxX - minX <= 3 || maxY - minY <= 3)
        return resultat;

    QPoint depart = germe;
    if (Alpha(etiquettes.at(germe.x(), germe.y())) != 0) {
        bool trouve = false;
        const int n = static_cast<int>(contour.size());
        for (int j = 0; j + 1 < n && !trouve; ++j) {
            const QPoint p = contour[static_cast<std::size_t>(j)];
            if (std::count(contour.begin(), contour.end(), p) != 1)
                continue;
            const QPoint avant = contour[static_cast<std::size_t>((j + n - 1) % n)];
            const QPoint apres = contour[static_cast<std::size_t>((j + 1) % n)];
            if (avant == apres)
                continue;
            QPoint interieur;
            if (p.x() < apres.x() && p.y() <= apres.y())
                interieur = QPoint(p.x(), p.y() + 1);
            else if (p.x() > apres.x() && p.y() >= apres.y())
                interieur = QPoint(p.x(), p.y() - 1);
            else if (p.y() < apres.y() && p.x() >= apres.x())
                interieur = QPoint(p.x() - 1, p.y());
            else if (p.y() > apres.y() && p.x() <= apres.x())
                interieur = QPoint(p.x() + 1, p.y());
            else
                continue;
            if (dansImage(interieur) && etiquettes.at(interieur.x(), interieur.y()) == propre) {
                depart = interieur;
                trouve = true;
            }
        }
        if (!trouve)
            return resultat;
        resultat.nouveauGerme = depart;
    }

    auto ajouter = [&](std::uint32_t valeur) {
        const int autre = static_cast<int>(valeur & Couleur);
        if (autre != 0 && autre != static_cast<int>(propre & Couleur)
            && std::find(resultat.numeros.begin(), resultat.numeros.end(), autre) == resultat.numeros.end())
            resultat.numeros.push_back(autre);
    };
    std::vector<QPoint> front{depart}, suivant;
    etiquettes.at(depart.x(), depart.y()) |= Atteint;
    static constexpr int Dx[4] = {-1, 0, 1, 0};
    static constexpr int Dy[4] = {0, -1, 0, 1};
    while (!front.empty()) {
        suivant.clear();
        for (const QPoint &p : front)
            for (int d = 0; d < 4; ++d) {
                const QPoint q(p.x() + Dx[d], p.y() + Dy[d]);
                if (!dansImage(q))
                    continue;
                std::uint32_t &v = etiquettes.at(q.x(), q.y());
                const std::uint32_t alpha = Alpha(v);
                if (alpha == 0) {
                    v |= Atteint;
                    suivant.push_back(q);
                    ajouter(v);
                } else if (alpha == 255) {
                    ajouter(v);
                }
            }
        front.swap(suivant);
    }
    return resultat;
}
