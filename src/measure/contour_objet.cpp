#include "measure/contour_objet.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

float Distance(QPoint a, QPoint b)
{
    const float dx = static_cast<float>(b.x() - a.x()), dy = static_cast<float>(b.y() - a.y());
    return std::sqrt(dx * dx + dy * dy);
}

std::int64_t Carre(QPoint a, QPoint b)
{
    const std::int64_t dx = b.x() - a.x(), dy = b.y() - a.y();
    return dx * dx + dy * dy;
}

int Arrondi(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

// Code of a step whose components both lie in −2..2; −1 for any other.
int CodePas(QPoint a, QPoint b)
{
    const int dx = b.x() - a.x(), dy = b.y() - a.y();
    if (dx < -2 || dx > 2 || dy < -2 || dy > 2)
        return -1;
    return (dx + 2) * 5 + (dy + 2);
}


std::int64_t Vectoriel(QPoint o, QPoint a, QPoint b)
{
    return static_cast<std::int64_t>(a.x() - o.x()) * (b.y() - o.y())
           - static_cast<std::int64_t>(a.y() - o.y()) * (b.x() - o.x());
}

struct Corde {
    int i = 0;
    int j = 0;
    std::int64_t carre = 0;
};

// The longest chord and the first pair of the contour (lowest i, then
// lowest j) that reaches it. Its ends are vertices of the convex hull, so
// the length is found over the hull and only points at the ends of a
// longest chord are paired along the contour.
Corde PlusLongueCorde(const std::vector<QPoint> &contour)
{
    std::vector<QPoint> points(contour);
    auto ordre = [](QPoint a, QPoint b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); };
    std::sort(points.begin(), points.end(), ordre);
    points.erase(std::unique(points.begin(), points.end()), points.end());
    std::vector<QPoint> enveloppe;
    if (points.size() < 3) {
        enveloppe = points;
    } else {
        std::vector<QPoint> h(2 * points.size());
        std::size_t k = 0;
        for (const QPoint &p : points) {
            while (k >= 2 && Vectoriel(h[k - 2], h[k - 1], p) <= 0)
                --k;
            h[k++] = p;
        }
        for (std::size_t i = points.size() - 1, t = k + 1; i-- > 0;) {
            while (k >= t && Vectoriel(h[k - 2], h[k - 1], points[i]) <= 0)
                --k;
            h[k++] = points[i];
        }
        h.resize(k - 1);
        enveloppe = std::move(h);
    }
    std::int64_t meilleur = 0;
    for (std::size_t i = 0; i < enveloppe.size(); ++i)
        for (std::size_t j = i + 1; j < enveloppe.size(); ++j)
            meilleur = std::max(meilleur, Carre(enveloppe[i], enveloppe[j]));
    std::vector<QPoint> bouts;
    for (std::size_t i = 0; i < enveloppe.size(); ++i)
        for (std::size_t j = i + 1; j < enveloppe.size(); ++j)
            if (Carre(enveloppe[i], enveloppe[j]) == meilleur) {
                bouts.push_back(enveloppe[i]);
                bouts.push_back(enveloppe[j]);
            }
    auto estBout = [&](QPoint p) { return std::find(bouts.begin(), bouts.end(), p) != bouts.end(); };
    const int n = static_cast<int>(contour.size());
    for (int i = 0; i < n; ++i) {
        if (!estBout(contour[static_cast<std::size_t>(i)]))
            continue;
        for (int j = i + 1; j < n; ++j)
            if (Carre(contour[static_cast<std::size_t>(i)], contour[static_cast<std::size_t>(j)]) == meilleur)
                return {i, j, meilleur};
    }
    return {0, 1, Carre(contour[0], contour[1])};
}

} // namespace

MesureContour MesurerContour(const std::vector<QPoint> &contour)
{
    MesureContour m;
    const int n = static_cast<int>(contour.size());
    if (n < 3)
        return m;
    const int dernier = n - 1;
    float perimetre = 0.0f;
    for (int i = 0; i < dernier; ++i)
        perimetre += Distance(contour[static_cast<std::size_t>(i)],
                              contour[static_cast<std::size_t>((i + 1) % dernier)]);
    m.perimetre = perimetre;

    const auto [ia, ib, meilleur] = PlusLongueCorde(contour);
    const QPoint a = contour[static_cast<std::size_t>(ia)], b = contour[static_cast<std::size_t>(ib)];
    m.longueur = std::sqrt(static_cast<float>(meilleur));
    m.reperes[0] = a;
    m.reperes[1] = b;

    if (a.x() != b.x() && a.y() != b.y()) {
        const double ux = b.x() - a.x(), uy = b.y() - a.y();
        const double norme2 = ux * ux + uy * uy;
        // cross < 0: above the line when B lies right of A, below otherwise.
        auto produit = [&](QPoint p) { return ux * (p.y() - a.y()) - uy * (p.x() - a.x()); };
        double plusLoin[2] = {-1.0, -1.0};
        int indice[2] = {-1, -1};
        auto examiner = [&](int cote, int k) {
            const QPoint p = contour[static_cast<std::size_t>(k)];
            const double c = produit(p);
            if ((cote == 0 && c < 0.0) || (cote == 1 && c > 0.0)) {
                const double d = c * c / norme2;
                if (d > plusLoin[cote]) {
                    plusLoin[cote] = d;
                    indice[cote] = k;
                }
            }
        };
        for (int k = ia + 1; k < ib; ++k)
            examiner(0, k);
        for (int k = ib + 1; k % dernier != ia && k < ib + dernier; ++k)
            examiner(1, k % dernier);
        float largeur = 0.0f;
        for (int cote = 0; cote < 2; ++cote) {
            QPoint loin = a, pied = a;
            if (indice[cote] >= 0) {
                largeur += static_cast<float>(std::sqrt(plusLoin[cote]));
                loin = contour[static_cast<std::size_t>(indice[cote])];
                const double t = ((loin.x() - a.x()) * ux + (loin.y() - a.y()) * uy) / norme2;
                pied = QPoint(Arrondi(a.x() + t * ux), Arrondi(a.y() + t * uy));
            }
            m.reperes[static_cast<std::size_t>(2 + 2 * cote)] = loin;
            m.reperes[static_cast<std::size_t>(3 + 2 * cote)] = pied;
        }
        m.largeur = largeur;
        return m;
    }
    const bool ligne = a.y() == b.y();
    auto coordonnee = [&](QPoint p) { return ligne ? p.y() : p.x(); };
    int iMin = 0, iMax = 0;
    for (int k = 1; k < n; ++k) {
        if (coordonnee(contour[static_cast<std::size_t>(k)]) < coordonnee(contour[static_cast<std::size_t>(iMin)]))
            iMin = k;
        if (coordonnee(contour[static_cast<std::size_t>(k)]) > coordonnee(contour[static_cast<std::size_t>(iMax)]))
            iMax = k;
    }
    const QPoint pMin = contour[static_cast<std::size_t>(iMin)], pMax = contour[static_cast<std::size_t>(iMax)];
    m.largeur = static_cast<float>(coordonnee(pMax) - coordonnee(pMin));
    m.reperes[2] = pMin;
    m.reperes[3] = ligne ? QPoint(pMin.x(), a.y()) : QPoint(a.x(), pMin.y());
    m.reperes[4] = pMax;
    m.reperes[5] = ligne ? QPoint(pMax.x(), a.y()) : QPoint(a.x(), pMax.y());
    return m;
}

float PerimetreParSegments(std::vector<QPoint> &contour)
{
    const int n = static_cast<int>(contour.size());
    if (n < 9)
        return MesurerContour(contour).perimetre;
    auto P = [&](int i) { return contour[static_cast<std::size_t>(i)]; };

    // Runs: a point continues the run while it stays within one pixel of the
    // first step's line and, so that a run never turns back on itself along
    // a thin object, while it moves farther from the run's start.
    float perimetre = 0.0f;
    QPoint coin = P(0);
    int a = 0;
    while (a < n - 2) {
        const int e = a + 1;
        const int dx1 = P(e).x() - P(a).x(), dy1 = P(e).y() - P(a).y();
        int fin = e;
        std::int64_t distance = Carre(P(a), P(e));
        int t = e + 1;
        for (; t <= n - 1; ++t) {
            const int dx = P(t).x() - P(a).x(), dy = P(t).y() - P(a).y();
            const bool aligne = (std::abs(dx) <= 1 && std::abs(dx - dx1) <= 1)
                                || (std::abs(dy) <= 1 && std::abs(dy - dy1) <= 1);
            const std::int64_t d = Carre(P(a), P(t));
            if (!aligne || d <= distance)
                break;
            distance = d;
        }
        if (t > e + 1)
            fin = t - 1;
        if (t > n - 1 && t > e + 1)
            fin = n - 2;
        fin = std::max(fin, e);
        perimetre += Distance(coin, P(fin));
        coin = P(fin);
        a = fin + 1;
    }
    perimetre += Distance(coin, P(0));

    std::vector<QPoint> simplifie{P(0)};
    int i = 0;
    while (i < n - 2) {
        const int code = CodePas(P(i), P(i + 1));
        int j = i + 1;
        while (code >= 0 && j <= n - 2 && CodePas(P(j), P(j + 1)) == code)
            ++j;
        simplifie.push_back(P(j));
        i = j;
    }
    if (simplifie.back() != P(0))
        simplifie.push_back(P(0));
    contour.swap(simplifie);
    return perimetre;
}

bool EstComplet(const std::vector<QPoint> &contour, int largeurImage, int hauteurImage)
{
    if (contour.size() <= 3)
        return true;
    int gauche = 0, droite = 0, haut = 0, bas = 0;
    int minX = std::numeric_limits<int>::max(), maxX = std::numeric_limits<int>::min();
    int minY = minX, maxY = maxX;
    for (const QPoint &p : contour) {
        gauche += p.x() == 0;
        droite += p.x() == largeurImage - 1;
        haut += p.y() == 0;
        bas += p.y() == hauteurImage - 1;
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    if ((haut > 0 && bas > 0) || (gauche > 0 && droite > 0))
        return true;
    // The chord that a disc of diameter h cuts one pixel deep.
    auto limite = [](int c, int h) {
        if (h < 4)
            return true;
        const double r = h / 2.0;
        return c <= Arrondi(h * std::sin(std::acos((r - 1.0) / r)));
    };
    bool complet = true;
    if (gauche > 0 || droite > 0)
        complet = limite(gauche + droite, maxY - minY + 1);
    if (haut > 0 || bas > 0)
        complet = complet && limite(haut + bas, maxX - minX + 1);
    return complet;
}
