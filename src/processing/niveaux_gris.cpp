#include "processing/niveaux_gris.h"

#include "commun/travail_parallele.h"
#include "processing/image_resultat.h"

#include <QRgb>

#include <cstdint>

QImage NiveauxGris(const QImage &image)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    if (source.isNull())
        return source;
    QImage gris = ImageResultat(source.size());
    const int w = gris.width();
    uchar *bits = gris.bits();
    const qsizetype pas = gris.bytesPerLine();
    ParcourirEnParallele(gris.height(), PartsParalleles(gris.sizeInBytes()), [&](int debut, int fin) {
        // The width in a local: the stores to the pixels could otherwise alias it.
        const int largeur = w;
        for (int y = debut; y < fin; ++y) {
            // The components read as bytes (blue, green, red, alpha): the
            // weighted sum stays below 65536, so 16-bit lanes hold it.
            const auto *__restrict s = source.constScanLine(y);
            auto *__restrict d = reinterpret_cast<QRgb *>(bits + pas * y);
            for (int x = 0; x < largeur; ++x) {
                const auto i = static_cast<std::uint16_t>(
                    (61u * s[4 * x + 2] + 174u * s[4 * x + 1] + 21u * s[4 * x]) & 0xFFFFu);
                const std::uint32_t g = static_cast<std::uint32_t>(i >> 8);
                d[x] = 0xFF000000u | (g << 16) | (g << 8) | g;
            }
        }
    });
    return gris;
}
