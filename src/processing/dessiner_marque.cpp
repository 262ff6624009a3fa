#include "processing/dessiner_marque.h"

#include "drawing/remplissages.h"
#include "drawing/rendu_dessin.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

static_assert(CentreMarque == DecalagePointe, "the marks are drawn around the stamp's centre");

namespace {

int Arrondir(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

// A line one pixel wide from a to b, both ends included: one pixel per step
// along the longer direction, the other coordinate rounded (halves to even).
void Ligne(QImage &image, int xa, int ya, int xb, int yb, QRgb c)
{
    const int dx = xb - xa, dy = yb - ya;
    const int n = std::max(std::abs(dx), std::abs(dy));
    if (n == 0) {
        MelangerPixel(image, xa, ya, c);
        return;
    }
    for (int k = 0; k <= n; ++k)
        MelangerPixel(image, xa + Arrondir(static_cast<double>(k) * dx / n), ya + Arrondir(static_cast<double>(k) * dy / n),
                      c);
}

void Polygone(QImage &image, std::initializer_list<QPoint> sommets, QRgb c)
{
    const QPoint *p = sommets.begin();
    const std::size_t n = sommets.size();
    for (std::size_t i = 0; i < n; ++i) {
        const QPoint a = p[i], b = p[(i + 1) % n];
        Ligne(image, a.x(), a.y(), b.x(), b.y(), c);
    }
    RemplirForme(CentreMarque, CentreMarque, c, 1, image);
}

void CerclePlein(QImage &image, int s, QRgb c)
{
    // The circle of the drawn elements at width 0: n = 7r points blended.
    constexpr int o = CentreMarque;
    const int n = 7 * s;
    for (int u = 0; u < n; ++u) {
        const double t = u * 2.0 * std::numbers::pi / n;
        MelangerPixel(image, o + Arrondir(s * std::cos(t)), o + Arrondir(s * std::sin(t)), c);
    }
}

} // namespace

int DemiTailleMarque(int epaisseurCrayon)
{
    return std::max(epaisseurCrayon, 3);
}

void DessinerMarque(int s, QRgb couleur, int forme, QImage &image)
{
    if (image.size() != QSize(CoteMarque, CoteMarque) || image.format() != QImage::Format_ARGB32)
        image = QImage(CoteMarque, CoteMarque, QImage::Format_ARGB32);
    image.fill(0x00FFFFFFu);
    if (s < 0 || s >= CentreMarque || forme < 0 || forme >= NbFormesMarque)
        return;
    constexpr int o = CentreMarque;
    const QRgb c = couleur;
    switch (forme) {
    case Rond:
        DessinerRayons(image, s, 4 * s + 1, c);
        break;
    case Plus:
        DessinerRayons(image, s, 0, c);
        break;
    case Etoile:
        DessinerRayons(image, s, 1, c);
        break;
    case Etoile2:
        DessinerRayons(image, s, 2, c);
        break;
    case Carre:
        Polygone(image, {{o - s, o - s}, {o + s, o - s}, {o + s, o + s}, {o - s, o + s}}, c);
        break;
    case Cercle:
        CerclePlein(image, s, c);
        break;
    case Triangle1:
        Polygone(image, {{o - s, o - s}, {o + s, o - s}, {o, o + s}}, c);
        break;
    case Triangle2:
        Polygone(image, {{o - s, o + s}, {o + s, o + s}, {o, o - s}}, c);
        break;
    case Losange:
        Polygone(image, {{o - s, o}, {o, o - s}, {o + s, o}, {o, o + s}}, c);
        break;
    case Croix:
        Ligne(image, o - s, o - s, o + s, o + s, c);
        Ligne(image, o + s, o - s, o - s, o + s, c);
        break;
    default:
        break;
    }
}

QImage ImageMarque(int s, QRgb couleur, int forme)
{
    // Each look is drawn once and its picture shared by every mark of that
    // look (a picture is copied before being written to): thousands of
    // marks then take the memory of a few, and flattening them reads the
    // few from the cache. A handful of looks are in use at a time.
    struct Vue {
        int s;
        QRgb couleur;
        int forme;
        QImage image;
    };
    thread_local std::vector<Vue> vues;
    for (const Vue &v : vues)
        if (v.s == s && v.couleur == couleur && v.forme == forme)
            return v.image;
    QImage image;
    DessinerMarque(s, couleur, forme, image);
    constexpr std::size_t kVuesGardees = 64;
    if (vues.size() >= kVuesGardees)
        vues.erase(vues.begin());
    vues.push_back({s, couleur, forme, image});
    return image;
}

std::optional<int> FormeDeNom(const QString &nom)
{
    static const QStringList noms = {QStringLiteral("rond"),      QStringLiteral("plus"),      QStringLiteral("etoile"),
                                     QStringLiteral("etoile2"),   QStringLiteral("carre"),     QStringLiteral("cercle"),
                                     QStringLiteral("triangle1"), QStringLiteral("triangle2"), QStringLiteral("losange"),
                                     QStringLiteral("croix")};
    const QString n = nom.trimmed().toLower();
    const int i = static_cast<int>(noms.indexOf(n));
    if (i >= 0)
        return i;
    bool ok = false;
    const int v = n.toInt(&ok);
    if (ok && n.size() == 1 && v >= 0 && v < NbFormesMarque)
        return v;
    return std::nullopt;
}
