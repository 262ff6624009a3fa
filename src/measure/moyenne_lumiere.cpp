#include "measure/moyenne_lumiere.h"

#include "calibration/couleur_moyenne.h"
#include "commun/nombres.h"
#include "document/image_document.h"

#include <QImage>

#include <algorithm>

std::optional<QRect> RectangleDansImage(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                                        QSize image)
{
    const std::int64_t gauche = std::max<std::int64_t>(std::min(x0, x1), 0);
    const std::int64_t haut = std::max<std::int64_t>(std::min(y0, y1), 0);
    const std::int64_t droite = std::min<std::int64_t>(std::max(x0, x1), image.width() - 1);
    const std::int64_t bas = std::min<std::int64_t>(std::max(y0, y1), image.height() - 1);
    if (gauche > droite || haut > bas)
        return std::nullopt;
    return QRect(QPoint(static_cast<int>(gauche), static_cast<int>(haut)),
                 QPoint(static_cast<int>(droite), static_cast<int>(bas)));
}

std::optional<CouleurWin> MoyenneRectangle(const QImage &image, const QRect &rectangle)
{
    const auto zone = RectangleDansImage(rectangle.left(), rectangle.top(), rectangle.right(), rectangle.bottom(),
                                         image.size());
    if (!zone)
        return std::nullopt;
    return CouleurMoyenne(image, zone->topLeft(), zone->bottomRight());
}

std::optional<CouleurWin> MesurerRectangleLumiere(ImageDocument &document, QPoint appui, QPoint relache)
{
    const auto zone = RectangleDansImage(appui.x(), appui.y(), relache.x(), relache.y(), document.image.size());
    if (!zone)
        return std::nullopt;
    document.RectangleLumiere = *zone;
    return CouleurMoyenne(document.image, zone->topLeft(), zone->bottomRight());
}

namespace {

bool CoucheUtilisable(const QImage &couche, const QImage &image)
{
    return !couche.isNull() && couche.size() == image.size() && couche.format() == QImage::Format_ARGB32;
}

} // namespace

std::optional<CouleurWin> MoyenneZoneColoree(const ImageDocument &document)
{
    const QImage &image = document.image;
    if (image.isNull())
        return std::nullopt;
    const QImage source = image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32
                              ? image
                              : image.convertToFormat(QImage::Format_ARGB32);
    const bool avecProvisoire = CoucheUtilisable(document.coucheProvisoire, image);
    const bool avecDessin = CoucheUtilisable(document.coucheDessin, image);
    if (!avecProvisoire && !avecDessin)
        return std::nullopt;

    std::uint64_t r = 0, g = 0, b = 0, n = 0;
    const int largeur = source.width();
    for (int y = 0; y < source.height(); ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        const auto *provisoire =
            avecProvisoire ? reinterpret_cast<const QRgb *>(document.coucheProvisoire.constScanLine(y)) : nullptr;
        const auto *dessin =
            avecDessin ? reinterpret_cast<const QRgb *>(document.coucheDessin.constScanLine(y)) : nullptr;
        for (int x = 0; x < largeur; ++x) {
            const QRgb alphas = (provisoire ? provisoire[x] : 0u) | (dessin ? dessin[x] : 0u);
            if ((alphas & 0xFF000000u) == 0)
                continue;
            const QRgb p = pixels[x];
            r += (p >> 16) & 0xFFu;
            g += (p >> 8) & 0xFFu;
            b += p & 0xFFu;
            ++n;
        }
    }
    if (n == 0)
        return std::nullopt;
    const double total = static_cast<double>(n);
    return CouleurRvb(ArrondiBorne(r / total, 0, 255), ArrondiBorne(g / total, 0, 255),
                      ArrondiBorne(b / total, 0, 255));
}

SignatureSpectrale SignatureLumiere(const TCodeCouleur &code, CouleurWin moyenne)
{
    const int r = RougeWin(moyenne);
    const int g = VertWin(moyenne);
    const int b = BleuWin(moyenne);
    SignatureSpectrale s = SignatureDeCouleur(code, r, g, b);
    s.hauteurs = {b / 4, g / 4, r / 4};
    return s;
}
