#include "animation/partie_visible.h"

#include <array>

QImage PartieVisible(const QImage &image, const QRect &zone)
{
    const QRect partie = zone.intersected(image.rect());
    if (partie.isEmpty())
        return {};
    if (image.format() != QImage::Format_Indexed8)
        return image.copy(partie).convertToFormat(QImage::Format_RGB32);
    std::array<QRgb, 256> couleurs{};
    const QList<QRgb> table = image.colorTable();
    for (qsizetype i = 0; i < table.size() && i < 256; ++i)
        couleurs[static_cast<std::size_t>(i)] = table[i] | 0xFF000000u;
    QImage resultat(partie.size(), QImage::Format_RGB32);
    for (int y = 0; y < partie.height(); ++y) {
        const uchar *source = image.constScanLine(partie.top() + y) + partie.left();
        auto *cible = reinterpret_cast<QRgb *>(resultat.scanLine(y));
        for (int x = 0; x < partie.width(); ++x)
            cible[x] = couleurs[source[x]];
    }
    return resultat;
}
