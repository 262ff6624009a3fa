#include "processing/niveaux_gris.h"

#include "commun/travail_parallele.h"
#include "processing/image_resultat.h"

#include <QRgb>

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
        for (int y = debut; y < fin; ++y) {
            const auto *s = reinterpret_cast<const QRgb *>(source.constScanLine(y));
            auto *d = reinterpret_cast<QRgb *>(bits + pas * y);
            for (int x = 0; x < w; ++x) {
                const QRgb c = s[x];
                const std::uint32_t i = (61u * qRed(c) + 174u * qGreen(c) + 21u * qBlue(c)) >> 8;
                d[x] = 0xFF000000u | (i << 16) | (i << 8) | i;
            }
        }
    });
    return gris;
}
