#include "drawing/remplissages.h"

#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

bool MotifSelectionne(int motif, int x, int y, int espacement)
{
    const int s = motif >= 5 ? static_cast<int>(std::nearbyint(espacement * std::sqrt(2.0))) : espacement;
    if (s <= 0)
        return motif >= 0 && motif <= 7;
    switch (motif) {
    case 0:
    case 1:
        return true;
    case 2:
        return x % s == 0;
    case 3:
        return y % s == 0;
    case 4:
        return x % s == 0 || y % s == 0;
    case 5:
        return (x - y) % s == 0;
    case 6:
        return (x + y) % s == 0;
    case 7:
        return (x - y) % s == 0 || (x + y) % s == 0;
    default:
        return false;
    }
}

namespace {

struct Point {
    int x;
    int y;
};

// Direct access to a Format_ARGB32 bitmap's pixels.
class Pixels {
public:
    explicit Pixels(QImage &image)
        : base_(image.bits()), ligne_(image.bytesPerLine()) {}
    explicit Pixels(const QImage &image)
        : base_(const_cast<uchar *>(image.constBits())), ligne_(image.bytesPerLine()) {}

    [[nodiscard]] QRgb &at(int x, int y) const
    {
        return reinterpret_cast<QRgb *>(base_ + static_cast<std::ptrdiff_t>(y) * ligne_)[x];
    }

private:
    uchar *base_;
    qsizetype ligne_;
};

bool FormatAccepte(const QImage &image)
{
    return image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32;
}

QRgb Ecrire(int motif, int x, int y, QRgb couleur)
{
    return MotifSelectionne(motif, x, y) ? couleur : PresqueTransparent(couleur);
}

// Writes the pixels [g, d] of one row of a fill: the plain patterns 0 and 1
// as one run of the colour, the others pixel by pixel.
void EcrireRun(QRgb *ligne, int g, int d, int y, int motif, QRgb couleur)
{
    if (motif == 0 || motif == 1) {
        std::fill(ligne + g, ligne + d + 1, couleur);
        return;
    }
    for (int x = g; x <= d; ++x)
        ligne[x] = Ecrire(motif, x, y, couleur);
}

// Marks of the visited map.
constexpr std::uint8_t Inconnu = 0;
constexpr std::uint8_t Echoue = 1; // tested and failing: the test would fail again
constexpr std::uint8_t Pris = 255;

// The visited map of a growth, all Inconnu: calloc's pages come zeroed from
// the system, so a large map costs no pass of its own.
struct CarteVisites {
    explicit CarteVisites(std::size_t n) : octets(static_cast<std::uint8_t *>(std::calloc(n == 0 ? 1 : n, 1)))
    {
        if (octets == nullptr)
            throw std::bad_alloc();
    }
    ~CarteVisites() { std::free(octets); }
    CarteVisites(const CarteVisites &) = delete;
    CarteVisites &operator=(const CarteVisites &) = delete;
    std::uint8_t *octets;
};

// The first x from x on, up to fin, whose mark is not Pris: taken runs are
// skipped eight marks at a time.
int SauterPris(const std::uint8_t *marques, int x, int fin)
{
    while (x + 8 <= fin + 1) {
        std::uint64_t huit;
        std::memcpy(&huit, marques + x, 8);
        if (huit != ~std::uint64_t{0})
            break;
        x += 8;
    }
    while (x <= fin && marques[x] == Pris)
        ++x;
    return x;
}

// A run of taken pixels whose lines above and below remain to be looked at.
struct Run {
    int y;
    int g;
    int d;
};

// Grows from the seed over the 4-connected pixels for which `passe(x, y)`
// holds; each is tested once, then marked, written and counted once. The
// seed is tested like the others but starts the growth whether or not it
// passed. The region reached does not depend on the order of visit, so the
// growth runs along scan lines: a passing pixel found next to a taken run is
// extended at once to the whole passing run of its line, which is taken and
// written in one go and stacked so that its own neighbours are looked at.
// Every test happens before any write of that pixel, so the tested and the
// written bitmap may be the same.
template <typename Passe, typename EcritureRun>
int Croissance(int x0, int y0, int largeur, int hauteur, Passe &&passe, EcritureRun &&ecrireRun)
{
    const std::size_t l = static_cast<std::size_t>(largeur);
    const CarteVisites vu(l * static_cast<std::size_t>(hauteur));
    auto ligneVu = [&](int y) { return vu.octets + static_cast<std::size_t>(y) * l; };
    // True when the pixel passes and has not been taken; failing pixels are
    // remembered so that they are tested once.
    auto libre = [&](std::uint8_t *marques, int x, int y) {
        if (marques[x] != Inconnu)
            return false;
        if (passe(x, y))
            return true;
        marques[x] = Echoue;
        return false;
    };
    int compte = 0;
    std::vector<Run> pile;
    // Takes the passing run through (x, y), known to pass and be free.
    auto prendre = [&](std::uint8_t *marques, int x, int y) {
        int g = x, d = x;
        while (g > 0 && libre(marques, g - 1, y))
            --g;
        while (d < largeur - 1 && libre(marques, d + 1, y))
            ++d;
        std::fill(marques + g, marques + d + 1, Pris);
        ecrireRun(y, g, d);
        compte += d - g + 1;
        pile.push_back({y, g, d});
        return d;
    };
    if (libre(ligneVu(y0), x0, y0)) {
        prendre(ligneVu(y0), x0, y0);
    } else {
        // A failing seed still starts the growth from its four neighbours.
        const Point voisins[] = {{x0 - 1, y0}, {x0, y0 - 1}, {x0 + 1, y0}, {x0, y0 + 1}};
        for (const Point v : voisins)
            if (v.x >= 0 && v.y >= 0 && v.x < largeur && v.y < hauteur && libre(ligneVu(v.y), v.x, v.y))
                prendre(ligneVu(v.y), v.x, v.y);
    }
    while (!pile.empty()) {
        const Run r = pile.back();
        pile.pop_back();
        for (const int y : {r.y - 1, r.y + 1}) {
            if (y < 0 || y >= hauteur)
                continue;
            std::uint8_t *marques = ligneVu(y);
            for (int x = SauterPris(marques, r.g, r.d); x <= r.d; x = SauterPris(marques, x + 1, r.d)) {
                if (libre(marques, x, y))
                    x = prendre(marques, x, y) + 1;
            }
        }
    }
    return compte;
}

} // namespace

int RemplirConditionnel(int x, int y, QRgb couleur, int motif, const TTableaudeTableaudeCondicoul &groupes,
                        const QImage &teste, QImage &ecrit, const PlansCanaux *canaux)
{
    if (teste.size() != ecrit.size() || !FormatAccepte(teste) || !FormatAccepte(ecrit))
        return 0;
    const int largeur = ecrit.width(), hauteur = ecrit.height();
    if (x < 0 || y < 0 || x >= largeur || y >= hauteur)
        return 0;
    if (canaux && canaux->largeur != largeur)
        canaux = nullptr;
    // Writing first detaches the written bitmap; the tested one is then read
    // through its own (possibly identical) buffer.
    const Pixels dest(ecrit);
    const Pixels source(static_cast<const QImage &>(&teste == &ecrit ? ecrit : teste));
    const TesteurConditions testeur(groupes, canaux);
    if (testeur.SelonLaCouleurSeule()) {
        // Regions are mostly runs of one colour: the last answer is reused
        // for the same colour.
        QRgb dernier = ~source.at(x, y);
        bool resultat = false;
        return Croissance(
            x, y, largeur, hauteur,
            [&](int px, int py) {
                const QRgb p = source.at(px, py);
                if (p != dernier) {
                    dernier = p;
                    resultat = testeur.Tester(p, px, py);
                }
                return resultat;
            },
            [&](int py, int g, int d) { EcrireRun(&dest.at(0, py), g, d, py, motif, couleur); });
    }
    return Croissance(
        x, y, largeur, hauteur, [&](int px, int py) { return testeur.Tester(source.at(px, py), px, py); },
        [&](int py, int g, int d) { EcrireRun(&dest.at(0, py), g, d, py, motif, couleur); });
}

int RemplirForme(int x, int y, QRgb couleur, int motif, QImage &bitmap)
{
    if (!FormatAccepte(bitmap))
        return 0;
    const int largeur = bitmap.width(), hauteur = bitmap.height();
    if (x < 0 || y < 0 || x >= largeur || y >= hauteur)
        return 0;
    const Pixels pixels(bitmap);
    return Croissance(
        x, y, largeur, hauteur, [&](int px, int py) { return qAlpha(pixels.at(px, py)) == 0; },
        [&](int py, int g, int d) { EcrireRun(&pixels.at(0, py), g, d, py, motif, couleur); });
}

int RemplirPolygone(int x, int y, const std::vector<QPoint> &points, QRgb couleurContour, QRgb couleurRemplissage,
                    int motif, const TTableaudeTableaudeCondicoul &groupes, const QImage &teste, QImage &ecrit,
                    const PlansCanaux *canaux)
{
    if (points.empty() || teste.size() != ecrit.size() || !FormatAccepte(teste) || !FormatAccepte(ecrit))
        return 0;
    const int largeur = ecrit.width(), hauteur = ecrit.height();
    if (canaux && canaux->largeur != largeur)
        canaux = nullptr;
    const Pixels dest(ecrit);
    const Pixels source(static_cast<const QImage &>(&teste == &ecrit ? ecrit : teste));
    const std::size_t l = static_cast<std::size_t>(largeur);
    std::vector<std::uint8_t> vu(l * static_cast<std::size_t>(hauteur), Inconnu);
    auto dedans = [&](int px, int py) { return px >= 0 && py >= 0 && px < largeur && py < hauteur; };
    auto marque = [&](int px, int py) -> std::uint8_t & {
        return vu[static_cast<std::size_t>(py) * l + static_cast<std::size_t>(px)];
    };
    std::vector<Point> pixelsContour;
    auto contour = [&](int px, int py) {
        if (!dedans(px, py))
            return;
        marque(px, py) = Pris;
        dest.at(px, py) = couleurContour;
        pixelsContour.push_back({px, py});
    };

    contour(points[0].x(), points[0].y());
    int minX = points[0].x(), maxX = minX, minY = points[0].y(), maxY = minY;
    for (std::size_t k = 1; k < points.size(); ++k) {
        const int x0 = points[k - 1].x(), y0 = points[k - 1].y();
        const int dx = points[k].x() - x0, dy = points[k].y() - y0;
        minX = std::min(minX, points[k].x());
        maxX = std::max(maxX, points[k].x());
        minY = std::min(minY, points[k].y());
        maxY = std::max(maxY, points[k].y());
        if (std::abs(dx) >= std::abs(dy) && dx != 0) {
            const int n = std::abs(dx), sx = dx > 0 ? 1 : -1;
            for (int j = 1; j <= n; ++j)
                contour(x0 + j * sx, y0 + static_cast<int>(std::nearbyint(static_cast<double>(j) * dy / n)));
        } else if (dx == 0 && dy == 0) {
            if (dedans(x0, y0))
                marque(x0, y0) = Pris;
        } else {
            const int n = std::abs(dy), sy = dy > 0 ? 1 : -1;
            for (int j = 1; j <= n; ++j)
                contour(x0 + static_cast<int>(std::nearbyint(static_cast<double>(j) * dx / n)), y0 + j * sy);
        }
    }
    if (maxX - minX < 3 || maxY - minY < 3)
        return 0;

    // The start pixel: the seed, or when it lies on the outline (or outside
    // the image) a pixel inside the polygon and off the outline, next to the
    // seed when one is; otherwise, for a seed on the outline at a sharp
    // corner whose neighbours are all outline or outside, next to the first
    // outline pixel that has one.
    QPolygon polygone;
    for (const QPoint &p : points)
        polygone << p;
    int sx = x, sy = y;
    if (!dedans(sx, sy) || marque(sx, sy) == Pris) {
        bool trouve = false;
        auto candidat = [&](int cx, int cy) {
            if (!trouve && dedans(cx, cy) && marque(cx, cy) != Pris
                && polygone.containsPoint(QPoint(cx, cy), Qt::OddEvenFill)) {
                sx = cx;
                sy = cy;
                trouve = true;
            }
        };
        for (int dy = -1; dy <= 1 && !trouve; ++dy)
            for (int dx = -1; dx <= 1 && !trouve; ++dx)
                candidat(x + dx, y + dy);
        // Each pixel is put to the polygon test once, however many outline
        // pixels it touches.
        std::vector<char> essaye;
        if (!trouve && dedans(x, y))
            essaye.assign(vu.size(), 0);
        for (std::size_t k = 0; !essaye.empty() && k < pixelsContour.size() && !trouve; ++k)
            for (int dy = -1; dy <= 1 && !trouve; ++dy)
                for (int dx = -1; dx <= 1 && !trouve; ++dx) {
                    const int cx = pixelsContour[k].x + dx, cy = pixelsContour[k].y + dy;
                    if (!dedans(cx, cy) || marque(cx, cy) == Pris)
                        continue;
                    char &fait = essaye[static_cast<std::size_t>(cy) * l + static_cast<std::size_t>(cx)];
                    if (!fait) {
                        fait = 1;
                        candidat(cx, cy);
                    }
                }
        if (!trouve)
            return 0;
    }

    const TesteurConditions testeur(groupes, canaux);
    int compte = 0;
    std::vector<Point> courant, suivant;
    auto atteindre = [&](int px, int py) {
        std::uint8_t &m = marque(px, py);
        if (m != Inconnu)
            return;
        suivant.push_back({px, py});
        if (!testeur.Tester(source.at(px, py), px, py)) {
            m = 128;
            return;
        }
        m = Pris;
        dest.at(px, py) = Ecrire(motif, px, py, couleurRemplissage);
        ++compte;
    };
    atteindre(sx, sy);
    std::swap(courant, suivant);
    while (!courant.empty()) {
        suivant.clear();
        for (const Point p : courant) {
            if (p.x > 0)
                atteindre(p.x - 1, p.y);
            if (p.y > 0)
                atteindre(p.x, p.y - 1);
            if (p.x < largeur - 1)
                atteindre(p.x + 1, p.y);
            if (p.y < hauteur - 1)
                atteindre(p.x, p.y + 1);
        }
        std::swap(courant, suivant);
    }
    for (const QPoint &p : points)
        if (dedans(p.x(), p.y()))
            dest.at(p.x(), p.y()) = couleurContour;
    return compte;
}
