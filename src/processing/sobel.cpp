#include "processing/sobel.h"

#include "processing/histogrammes.h"

#include <algorithm>
#include <array>
#include <cmath>

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

} // namespace

std::uint8_t MagnitudeSobel(int gx, int gy)
{
    return Table()[static_cast<std::size_t>(std::clamp(gx, 0, 255))][static_cast<std::size_t>(std::clamp(gy, 0, 255))];
}

QImage Sobel(const QImage &image)
{
    const QImage source = ImageVingtQuatreBits(image);
    QImage resultat = source.copy();
    const int w = source.width();
    const int h = source.height();
    if (w < 3 || h < 3)
        return resultat;
    const TableSobel &t = Table();
    for (int y = 1; y < h - 1; ++y) {
        const auto *haut = reinterpret_cast<const QRgb *>(source.constScanLine(y - 1));
        const auto *mil = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        const auto *bas = reinterpret_cast<const QRgb *>(source.constScanLine(y + 1));
        auto *d = reinterpret_cast<QRgb *>(resultat.scanLine(y));
        for (int x = 1; x < w - 1; ++x) {
            QRgb c = 0xFF000000u;
            for (int k = 0; k < 3; ++k) {
                const int dec = 8 * k;
                const auto p = [dec](const QRgb *ligne, int i) { return static_cast<int>((ligne[i] >> dec) & 0xFF); };
                const int gx = (p(haut, x + 1) + 2 * p(mil, x + 1) + p(bas, x + 1)) -
                               (p(haut, x - 1) + 2 * p(mil, x - 1) + p(bas, x - 1));
                const int gy = (p(bas, x - 1) + 2 * p(bas, x) + p(bas, x + 1)) -
                               (p(haut, x - 1) + 2 * p(haut, x) + p(haut, x + 1));
                c |= static_cast<QRgb>(t[static_cast<std::size_t>(std::clamp(gx, 0, 255))]
                                        [static_cast<std::size_t>(std::clamp(gy, 0, 255))])
                     << dec;
            }
            d[x] = c;
        }
    }
    return resultat;
}
