#include "schema/trace_schema.h"

#include <QPainter>

#include <vector>

namespace {

QPen Plume(QRgb couleur, int epaisseur, bool tirets)
{
    QPen plume{QColor::fromRgb(couleur)};
    plume.setWidth(std::max(1, epaisseur / 2));
    plume.setStyle(tirets ? Qt::DotLine : Qt::SolidLine);
    plume.setCapStyle(Qt::RoundCap);
    plume.setJoinStyle(Qt::RoundJoin);
    return plume;
}

} // namespace

QRect RectangleEntre(QPoint a, QPoint b)
{
    return QRect(a, b).normalized();
}

void PointCrayon(QImage &image, QPoint p, QRgb couleur, int epaisseur)
{
    const int rayon = epaisseur / 3;
    if (rayon == 0) {
        if (image.rect().contains(p))
            reinterpret_cast<QRgb *>(image.scanLine(p.y()))[p.x()] = couleur | 0xFF000000u;
        return;
    }
    QPainter peintre(&image);
    peintre.setPen(QColor::fromRgb(couleur));
    peintre.setBrush(QColor::fromRgb(couleur));
    peintre.drawEllipse(p, rayon, rayon);
}

void SegmentCrayon(QImage &image, QPoint a, QPoint b, QRgb couleur, int epaisseur)
{
    QPainter peintre(&image);
    peintre.setPen(Plume(couleur, epaisseur, false));
    peintre.drawLine(a, b);
}

void LigneSchema(QImage &image, QPoint a, QPoint b, const PinceauSchema &pinceau)
{
    QPainter peintre(&image);
    peintre.setPen(Plume(pinceau.couleur, pinceau.epaisseur, pinceau.tirets));
    peintre.drawLine(a, b);
}

void FormeSchema(QImage &image, QPoint a, QPoint b, bool ellipse, int remplissage, const PinceauSchema &pinceau)
{
    const QRect r = RectangleEntre(a, b);
    QPainter peintre(&image);
    QPen plume = Plume(pinceau.couleur, pinceau.epaisseur, pinceau.tirets);
    plume.setJoinStyle(Qt::MiterJoin);
    peintre.setPen(plume);
    switch (remplissage) {
    case Plein:
        peintre.setBrush(QColor::fromRgb(pinceau.fond));
        break;
    case Rayure1:
        peintre.setBrush(QBrush(QColor::fromRgb(pinceau.fond), Qt::BDiagPattern));
        break;
    case Rayure2:
        peintre.setBrush(QBrush(QColor::fromRgb(pinceau.fond), Qt::FDiagPattern));
        break;
    default:
        peintre.setBrush(Qt::NoBrush);
        break;
    }
    if (ellipse)
        peintre.drawEllipse(r);
    else
        peintre.drawRect(r);
}

int RemplirZone(QImage &image, QPoint p, QRgb couleur)
{
    if (!image.rect().contains(p))
        return 0;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb nouvelle = couleur | 0xFF000000u;
    const QRgb ancienne = reinterpret_cast<const QRgb *>(image.constScanLine(p.y()))[p.x()];
    // In an RGB32 picture the alpha byte is always 0xFF, so compare colours alone there.
    const QRgb masque = image.format() == QImage::Format_RGB32 ? 0x00FFFFFFu : 0xFFFFFFFFu;
    if ((ancienne & masque) == (nouvelle & masque))
        return 0;
    const int w = image.width(), h = image.height();
    int peints = 0;
    std::vector<QPoint> pile{p};
    while (!pile.empty()) {
        const QPoint graine = pile.back();
        pile.pop_back();
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(graine.y()));
        if ((ligne[graine.x()] & masque) != (ancienne & masque))
            continue;
        int g = graine.x(), d = graine.x();
        while (g > 0 && (ligne[g - 1] & masque) == (ancienne & masque))
            --g;
        while (d + 1 < w && (ligne[d + 1] & masque) == (ancienne & masque))
            ++d;
        for (int x = g; x <= d; ++x)
            ligne[x] = nouvelle;
        peints += d - g + 1;
        for (const int yy : {graine.y() - 1, graine.y() + 1}) {
            if (yy < 0 || yy >= h)
                continue;
            const auto *voisine = reinterpret_cast<const QRgb *>(image.constScanLine(yy));
            bool dansZone = false;
            for (int x = g; x <= d; ++x) {
                const bool pareil = (voisine[x] & masque) == (ancienne & masque);
                if (pareil && !dansZone)
                    pile.emplace_back(x, yy);
                dansZone = pareil;
            }
        }
    }
    return peints;
}
