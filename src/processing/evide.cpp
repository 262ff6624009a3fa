#include "processing/evide.h"

#include "processing/histogrammes.h"
#include "processing/image_resultat.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

constexpr QRgb Opaque = 0xFF000000u;

// The row as it is, made opaque.
void CopierOpaque(const QRgb *s, QRgb *d, int debut, int fin)
{
    for (int x = debut; x < fin; ++x)
        d[x] = s[x] | Opaque;
}

} // namespace

QImage Evider(const QImage &image)
{
    QImage converti;
    const QImage &source = LectureVingtQuatreBits(image, converti);
    QImage resultat = ImageResultat(source.size());
    const int w = source.width();
    const int h = source.height();
    const auto ligneSource = [&](int y) { return reinterpret_cast<const QRgb *>(source.constScanLine(y)); };
    const auto ligneResultat = [&](int y) { return reinterpret_cast<QRgb *>(resultat.scanLine(y)); };
    if (w <= 2 * RayonEvide || h <= 2 * RayonEvide) {
        for (int y = 0; y < h; ++y)
            CopierOpaque(ligneSource(y), ligneResultat(y), 0, w);
        return resultat;
    }
    constexpr int Cote = 2 * RayonEvide + 1;
    static_assert(RayonEvide == 2, "the row loop below reads two columns either side");
    const auto largeur = static_cast<std::size_t>(w);
    // Per row, 1 where the blue reaches the threshold: the last Cote rows
    // read, in turn. Per column, whether one of the Cote rows around the
    // current one reaches it.
    std::array<std::vector<std::uint8_t>, Cote> clairs;
    for (auto &c : clairs)
        c.resize(largeur);
    std::vector<std::uint8_t> colonneClaire(largeur);
    const auto marquer = [&](int y) {
        const QRgb *s = ligneSource(y);
        std::uint8_t *c = clairs[static_cast<std::size_t>(y % Cote)].data();
        for (int x = 0; x < w; ++x)
            c[x] = (s[x] & 0xFFu) >= static_cast<QRgb>(SeuilEvide) ? 1 : 0;
    };
    for (int y = 0; y < RayonEvide; ++y)
        CopierOpaque(ligneSource(y), ligneResultat(y), 0, w);
    for (int y = 0; y < Cote - 1; ++y)
        marquer(y);
    for (int y = RayonEvide; y < h - RayonEvide; ++y) {
        marquer(y + RayonEvide);
        std::uint8_t *col = colonneClaire.data();
        std::copy(clairs[0].begin(), clairs[0].end(), colonneClaire.begin());
        for (std::size_t k = 1; k < Cote; ++k) {
            const std::uint8_t *c = clairs[k].data();
            for (int x = 0; x < w; ++x)
                col[x] |= c[x];
        }
        const std::uint8_t *centre = clairs[static_cast<std::size_t>(y % Cote)].data();
        const QRgb *s = ligneSource(y);
        QRgb *d = ligneResultat(y);
        CopierOpaque(s, d, 0, RayonEvide);
        // Black where the pixel is dark with a bright one within the radius, else white.
        for (int x = RayonEvide; x < w - RayonEvide; ++x) {
            const std::uint32_t voisin = col[x - 2] | col[x - 1] | col[x] | col[x + 1] | col[x + 2];
            const std::uint32_t noir = voisin & (centre[x] ^ 1u);
            d[x] = Opaque | ((noir - 1u) & 0x00FFFFFFu);
        }
        CopierOpaque(s, d, w - RayonEvide, w);
    }
    for (int y = h - RayonEvide; y < h; ++y)
        CopierOpaque(ligneSource(y), ligneResultat(y), 0, w);
    return resultat;
}
