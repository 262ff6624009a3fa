#include "processing/evide.h"

#include "processing/histogrammes.h"

#include <vector>

QImage Evider(const QImage &image)
{
    const QImage source = ImageVingtQuatreBits(image);
    QImage resultat = source.copy();
    const int w = source.width();
    const int h = source.height();
    if (w <= 2 * RayonEvide || h <= 2 * RayonEvide)
        return resultat;
    // Per column, whether one of the 5 rows around the current one reaches the threshold.
    std::vector<int> colonneClaire(static_cast<std::size_t>(w));
    constexpr QRgb Noir = 0xFF000000u;
    constexpr QRgb Blanc = 0xFFFFFFFFu;
    for (int y = RayonEvide; y < h - RayonEvide; ++y) {
        for (int x = 0; x < w; ++x) {
            int clair = 0;
            for (int dy = -RayonEvide; dy <= RayonEvide; ++dy)
                clair |= qBlue(reinterpret_cast<const QRgb *>(source.constScanLine(y + dy))[x]) >= SeuilEvide;
            colonneClaire[static_cast<std::size_t>(x)] = clair;
        }
        const auto *s = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *d = reinterpret_cast<QRgb *>(resultat.scanLine(y));
        for (int x = RayonEvide; x < w - RayonEvide; ++x) {
            if (qBlue(s[x]) >= SeuilEvide) {
                d[x] = Blanc;
                continue;
            }
            int voisinClair = 0;
            for (int dx = -RayonEvide; dx <= RayonEvide; ++dx)
                voisinClair |= colonneClaire[static_cast<std::size_t>(x + dx)];
            d[x] = voisinClair ? Noir : Blanc;
        }
    }
    return resultat;
}
