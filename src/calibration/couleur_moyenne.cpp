#include "calibration/couleur_moyenne.h"

#include "commun/nombres.h"

#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdint>

std::optional<CouleurWin> CouleurMoyenne(const QImage &image, QPoint a, QPoint b)
{
    const QRect zone = QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                             QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())))
                           .intersected(image.rect());
    if (zone.isEmpty())
        return std::nullopt;
    const bool direct = image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32;
    const QImage source = direct ? image : image.copy(zone).convertToFormat(QImage::Format_ARGB32);
    const QRect lue = direct ? zone : source.rect();

    std::uint64_t r = 0, g = 0, bl = 0;
    for (int y = lue.top(); y <= lue.bottom(); ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = lue.left(); x <= lue.right(); ++x) {
            r += qRed(ligne[x]);
            g += qGreen(ligne[x]);
            bl += qBlue(ligne[x]);
        }
    }
    const double n = static_cast<double>(zone.width()) * zone.height();
    return CouleurRvb(ArrondiBorne(r / n, 0, 255), ArrondiBorne(g / n, 0, 255), ArrondiBorne(bl / n, 0, 255));
}
