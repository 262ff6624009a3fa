#include "processing/inversion.h"

#include <QRgb>

void Inverser(QImage &image)
{
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            ligne[x] ^= 0x00FFFFFFu;
    }
}
