#include "calibration/rampes_couleurs.h"

#include "commun/nombres.h"

#include <QImage>

#include <array>
#include <vector>

namespace {

using Composantes = std::array<int, 3>; // R, G, B

Composantes EnComposantes(CouleurWin c)
{
    return {RougeWin(c), VertWin(c), BleuWin(c)};
}

// One stretch of the scale: positions debut .. fin - 1 of the colours, from
// key a with the given slope per position and component.
void RemplirTroncon(std::vector<QRgb> &couleurs, int debut, int fin, const Composantes &a,
                    const std::array<double, 3> &pente)
{
    for (int q = debut; q < fin; ++q) {
        std::array<int, 3> v{};
        for (std::size_t k = 0; k < 3; ++k)
            v[k] = ArrondiBorne(a[k] + static_cast<double>(Arrondi((q - debut) * pente[k])), 0, 255);
        couleurs[static_cast<std::size_t>(q)] = qRgb(v[0], v[1], v[2]);
    }
}

// Paints the colour of each position along the scale: position 0 is the left
// column of a horizontal ramp and the bottom row of a vertical one.
void Peindre(QImage &image, const std::vector<QRgb> &couleurs, bool horizontal)
{
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    const int l = image.width();
    const int h = image.height();
    for (int y = 0; y < h; ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        if (horizontal) {
            for (int x = 0; x < l; ++x)
                ligne[x] = couleurs[static_cast<std::size_t>(x)];
        } else {
            const QRgb c = couleurs[static_cast<std::size_t>(h - 1 - y)];
            for (int x = 0; x < l; ++x)
                ligne[x] = c;
        }
    }
}

int Longueur(const QImage &image, bool horizontal)
{
    return horizontal ? image.width() : image.height();
}

// The mixture between two neighbouring keys: full where the two keys add up
// to a full component, twice the first otherwise (blue + green give cyan).
Composantes Melange(const Composantes &a, const Composantes &b)
{
    Composantes m{};
    for (std::size_t k = 0; k < 3; ++k)
        m[k] = a[k] + b[k] > 254 ? 255 : 2 * a[k];
    return m;
}

} // namespace

void RampeArcEnCiel(QImage &image, CouleurWin c1, CouleurWin c2, CouleurWin c3, bool horizontal)
{
    const int n = Longueur(image, horizontal);
    if (n <= 0 || image.isNull())
        return;
    const Composantes k0 = EnComposantes(c1), k2 = EnComposantes(c2), k4 = EnComposantes(c3);
    const std::array<Composantes, 5> cles = {k0, Melange(k0, k2), k2, Melange(k2, k4), k4};
    std::vector<QRgb> couleurs(static_cast<std::size_t>(n));
    for (int j = 0; j < 4; ++j) {
        const int debut = static_cast<int>(Arrondi(static_cast<double>(j) * n / 4));
        const int fin = static_cast<int>(Arrondi(static_cast<double>(j + 1) * n / 4));
        std::array<double, 3> pente{};
        for (std::size_t k = 0; k < 3; ++k)
            pente[k] = static_cast<double>(cles[static_cast<std::size_t>(j) + 1][k] - cles[static_cast<std::size_t>(j)][k]) * 4 / n;
        RemplirTroncon(couleurs, debut, fin, cles[static_cast<std::size_t>(j)], pente);
    }
    Peindre(image, couleurs, horizontal);
}

void RampeDeuxCouleurs(QImage &image, CouleurWin c1, CouleurWin c2, bool horizontal)
{
    const int n = Longueur(image, horizontal);
    if (n <= 0 || image.isNull())
        return;
    const Composantes a = EnComposantes(c1), b = EnComposantes(c2);
    std::array<double, 3> pente{};
    for (std::size_t k = 0; k < 3; ++k)
        pente[k] = static_cast<double>(b[k] - a[k]) / n;
    std::vector<QRgb> couleurs(static_cast<std::size_t>(n));
    RemplirTroncon(couleurs, 0, n, a, pente);
    Peindre(image, couleurs, horizontal);
}
