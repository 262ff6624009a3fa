#include "processing/sobel.h"

#include "processing/histogrammes.h"
#include "processing/image_resultat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using TableSobel = std::array<std::array<std::uint8_t, 256>, 256>;

const TableSobel &Table()
{
    static const TableSobel table = [] {
        TableSobel t{};
        for (int i = 0; i < 256; ++i)
            for (int j = 0; j < 256; ++j)
                t[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
                    static_cast<std::uint8_t>(std::min(255.0, std::nearbyint(std::sqrt(double(i * i + j * j)))));
        return t;
    }();
    return table;
}

// The magnitude of gradients already clamped to 0..255: squares in 16 bits,
// their sum and root in single precision.
inline std::uint8_t MagnitudeEnVecteurs(std::int16_t gx, std::int16_t gy)
{
    const auto gx2 = static_cast<std::uint16_t>(gx * gx);
    const auto gy2 = static_cast<std::uint16_t>(gy * gy);
    const float racine = std::sqrt(static_cast<float>(gx2) + static_cast<float>(gy2));
    return static_cast<std::uint8_t>(static_cast<int>(std::min(255.0f, racine + 0.5f)));
}

// Whether that computation gives the table's byte for every pair (checked
// once; else the rows read the table).
bool RacineExacte()
{
    static const bool exacte = [] {
        const TableSobel &t = Table();
        for (std::int16_t i = 0; i < 256; ++i)
            for (std::int16_t j = 0; j < 256; ++j)
                if (MagnitudeEnVecteurs(i, j) != t[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)])
                    return false;
        return true;
    }();
    return exacte;
}

} // namespace

std::uint8_t MagnitudeSobel(int gx, int gy)
{
    return Table()[static_cast<std::size_t>(std::clamp(gx, 0, 255))][static_cast<std::size_t>(std::clamp(gy, 0, 255))];
}

QImage Sobel(const QImage &image)
{
    QImage converti;
    const QImage &source = LectureVingtQuatreBits(image, converti);
    QImage resultat = ImageResultat(source.size());
    const int w = source.width();
    const int h = source.height();
    const auto ligneSource = [&](int y) { return reinterpret_cast<const QRgb *>(source.constScanLine(y)); };
    const auto ligneResultat = [&](int y) { return reinterpret_cast<QRgb *>(resultat.scanLine(y)); };
    const auto copierOpaque = [](const QRgb *s, QRgb *d, int debut, int fin) {
        for (int x = debut; x < fin; ++x)
            d[x] = s[x] | 0xFF000000u;
    };
    if (w < 3 || h < 3) {
        for (int y = 0; y < h; ++y)
            copierOpaque(ligneSource(y), ligneResultat(y), 0, w);
        return resultat;
    }
    copierOpaque(ligneSource(0), ligneResultat(0), 0, w);
    copierOpaque(ligneSource(h - 1), ligneResultat(h - 1), 0, w);
    // The bytes of a row side by side, four per pixel (alpha too, overwritten
    // at the end): a neighbour's component lies 4 bytes away. Per byte, the
    // vertical smoothing top + 2 × middle + bottom and the difference
    // bottom − top; Gx and Gy are then their horizontal difference and
    // smoothing. The magnitude min(round(√(Gx² + Gy²)), 255) is the table's
    // when computed in single precision (a square root of an integer is never
    // a half, and the single-precision root lies well on the same side of
    // it), which RacineExacte confirms once.
    const auto octets = static_cast<std::size_t>(4) * static_cast<std::size_t>(w);
    std::vector<std::int16_t> lissage(octets), difference(octets);
    const bool parRacine = RacineExacte();
    const TableSobel &t = Table();
    for (int y = 1; y < h - 1; ++y) {
        const auto *haut = reinterpret_cast<const std::uint8_t *>(ligneSource(y - 1));
        const auto *mil = reinterpret_cast<const std::uint8_t *>(ligneSource(y));
        const auto *bas = reinterpret_cast<const std::uint8_t *>(ligneSource(y + 1));
        std::int16_t *l = lissage.data();
        std::int16_t *dv = difference.data();
        for (std::size_t i = 0; i < octets; ++i) {
            l[i] = static_cast<std::int16_t>(haut[i] + 2 * mil[i] + bas[i]);
            dv[i] = static_cast<std::int16_t>(bas[i] - haut[i]);
        }
        QRgb *d = ligneResultat(y);
        auto *o = reinterpret_cast<std::uint8_t *>(d);
        for (std::size_t i = 4; i < octets - 4; ++i) {
            const auto gx = std::clamp(static_cast<std::int16_t>(l[i + 4] - l[i - 4]), std::int16_t{0}, std::int16_t{255});
            const auto gy = std::clamp(static_cast<std::int16_t>(dv[i - 4] + 2 * dv[i] + dv[i + 4]), std::int16_t{0},
                                       std::int16_t{255});
            o[i] = parRacine ? MagnitudeEnVecteurs(gx, gy) : t[static_cast<std::size_t>(gx)][static_cast<std::size_t>(gy)];
        }
        for (int x = 1; x < w - 1; ++x)
            d[x] |= 0xFF000000u;
        copierOpaque(ligneSource(y), d, 0, 1);
        copierOpaque(ligneSource(y), d, w - 1, w);
    }
    return resultat;
}
