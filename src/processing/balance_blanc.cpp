#include "processing/balance_blanc.h"

#include "commun/erreur.h"
#include "commun/tables_pixels.h"
#include "commun/travail_parallele.h"

#include <QCoreApplication>
#include <QRgb>

#include <cmath>
#include <cstdint>

QRect RectangleBlanc(QPoint coin1, QPoint coin2, QSize taille)
{
    const QRect r(QPoint(std::min(coin1.x(), coin2.x()), std::min(coin1.y(), coin2.y())),
                  QPoint(std::max(coin1.x(), coin2.x()), std::max(coin1.y(), coin2.y())));
    return r & QRect(QPoint(0, 0), taille);
}

std::array<double, 3> MoyennesRectangle(const QImage &image, const QRect &r)
{
    std::array<std::uint64_t, 3> sommes{};
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            sommes[0] += qRed(ligne[x]);
            sommes[1] += qGreen(ligne[x]);
            sommes[2] += qBlue(ligne[x]);
        }
    }
    const double n = static_cast<double>(r.width()) * r.height();
    return {sommes[0] / n, sommes[1] / n, sommes[2] / n};
}

void FaireBlanc(QImage &image, QPoint coin1, QPoint coin2)
{
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    const QRect r = RectangleBlanc(coin1, coin2, image.size());
    if (r.isEmpty())
        throw ErreurKaptori(QCoreApplication::translate(
            "Traitements", "Le rectangle choisi est hors de l'image : délimitez une zone blanche de l'image."));
    const std::array<double, 3> m = MoyennesRectangle(image, r);
    if (m[0] <= 0 || m[1] <= 0 || m[2] <= 0)
        throw ErreurKaptori(QCoreApplication::translate(
            "Traitements", "Le blanc ne peut être fait sur cette zone : une de ses composantes est nulle "
                           "(zone noire ou de couleur pure). Choisissez une zone blanche ou grise."));
    // One table per component: the rule depends on c alone.
    std::array<TableOctets, 3> tables{};
    for (int k = 0; k < 3; ++k)
        for (int c = 0; c < 256; ++c) {
            const double v = std::nearbyint(255.0 * c / m[static_cast<std::size_t>(k)]);
            tables[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)] =
                static_cast<std::uint8_t>(std::min(v, 255.0));
        }
    const int w = image.width();
    uchar *bits = image.bits();
    const qsizetype pas = image.bytesPerLine();
    ParcourirEnParallele(image.height(), PartsParalleles(image.sizeInBytes()), [&](int debut, int fin) {
        for (int y = debut; y < fin; ++y) {
            auto *ligne = reinterpret_cast<std::uint32_t *>(bits + pas * y);
            AppliquerTablesPixels(ligne, ligne, w, tables[0], tables[1], tables[2]);
        }
    });
}
