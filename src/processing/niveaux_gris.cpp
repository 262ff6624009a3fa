#include "processing/niveaux_gris.h"

#include <QRgb>

QImage NiveauxGris(const QImage &image)
{
    QImage gris = image.convertToFormat(QImage::Format_ARGB32);
    if (gris.isNull())
        return gris;
    const int w = gris.width();
    for (int y = 0; y < gris.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(gris.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = ligne[x];
            const std::uint32_t i = (61u * qRed(c) + 174u * qGreen(c) + 21u * qBlue(c)) >> 8;
            ligne[x] = 0xFF000000u | (i << 16) | (i << 8) | i;
        }
    }
    return gris;
}
