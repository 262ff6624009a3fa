#include "processing/peinture_composantes.h"

void ColorerComposantes(QImage &image, const LimitesComposantes &limites, QRgb couleur)
{
    if (image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_RGB32)
        image = ImageVingtQuatreBits(image);
    const QRgb peinture = 0xFF000000u | (couleur & 0xFFFFFFu);
    const auto dans = [&](int k, int v) { return limites.basse[k] <= v && v <= limites.haute[k]; };
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto *p = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = p[x];
            if (dans(0, qBlue(c)) && dans(1, qGreen(c)) && dans(2, qRed(c)))
                p[x] = peinture;
        }
    }
}
