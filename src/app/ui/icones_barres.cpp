#include "app/ui/icones_barres.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <functional>

namespace {

const QColor kTrait(40, 40, 40);

// Draws one icon in a 24 × 24 frame at both sizes of the icon.
QIcon Icone(const std::function<void(QPainter &)> &dessin)
{
    QIcon icone;
    for (int cote : {24, 48}) {
        QPixmap image(cote, cote);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(cote / 24.0, cote / 24.0);
        p.setPen(QPen(kTrait, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        dessin(p);
        p.end();
        icone.addPixmap(image);
    }
    return icone;
}

void Crayon(QPainter &p)
{
    p.setBrush(QColor(240, 190, 40));
    p.drawPolygon(QPolygonF({QPointF(15, 3), QPointF(21, 9), QPointF(9, 21), QPointF(3, 15)}));
    p.setBrush(QColor(240, 215, 170));
    p.drawPolygon(QPolygonF({QPointF(3, 15), QPointF(9, 21), QPointF(2, 22)}));
    p.setBrush(kTrait);
    p.drawPolygon(QPolygonF({QPointF(2.8, 19.5), QPointF(4.5, 21.2), QPointF(2, 22)}));
}

void Ligne(QPainter &p)
{
    p.setPen(QPen(kTrait, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 20), QPointF(20, 4));
    p.setBrush(kTrait);
    p.drawEllipse(QPointF(4, 20), 1.5, 1.5);
    p.drawEllipse(QPointF(20, 4), 1.5, 1.5);
}

void Forme(QPainter &p)
{
    p.setBrush(QColor(120, 170, 230));
    p.drawRect(QRectF(2.5, 3.5, 12, 10));
    p.setBrush(QColor(240, 150, 120));
    p.drawEllipse(QRectF(9.5, 9.5, 12, 12));
}

void Gomme(QPainter &p)
{
    p.setBrush(QColor(245, 160, 180));
    p.drawPolygon(QPolygonF({QPointF(12, 3), QPointF(21, 12), QPointF(14, 19), QPointF(5, 10)}));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(5, 10), QPointF(14, 19), QPointF(11, 22), QPointF(2, 13)}));
    p.drawLine(QPointF(11, 22), QPointF(22, 22));
}

void Texte(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kTrait);
    p.drawRect(QRectF(4, 3, 16, 3));
    p.drawRect(QRectF(10.5, 3, 3, 17));
    p.drawRect(QRectF(8, 19, 8, 2));
}

void Mesure(QPainter &p)
{
    p.save();
    p.translate(12, 12);
    p.rotate(-35);
    p.setBrush(QColor(250, 225, 120));
    p.drawRect(QRectF(-11, -4, 22, 8));
    for (int i = 0; i < 9; ++i) {
        const double x = -9 + i * 2.25;
        p.drawLine(QPointF(x, -4), QPointF(x, i % 2 == 0 ? -0.5 : -2));
    }
    p.restore();
}

void Pot(QPainter &p)
{
    p.setBrush(QColor(200, 200, 210));
    p.drawPolygon(QPolygonF({QPointF(4, 9), QPointF(13, 3), QPointF(20, 12), QPointF(11, 18)}));
    p.setBrush(QColor(60, 120, 220));
    QPainterPath goutte;
    goutte.moveTo(20, 12);
    goutte.cubicTo(23, 16, 23, 21, 20.5, 21);
    goutte.cubicTo(18, 21, 18, 16, 20, 12);
    p.drawPath(goutte);
    p.drawLine(QPointF(4, 9), QPointF(9, 5));
}

void Pipette(QPainter &p)
{
    p.setPen(QPen(kTrait, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 20), QPointF(14, 10));
    p.setPen(QPen(kTrait, 1.4));
    p.setBrush(kTrait);
    p.drawEllipse(QPointF(17.5, 6.5), 3.5, 3.5);
    p.drawLine(QPointF(11, 9), QPointF(15, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 120, 220));
    p.drawEllipse(QPointF(3.5, 21), 1.6, 1.6);
}

void Selection(QPainter &p)
{
    p.setPen(QPen(kTrait, 1.4, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3.5, 5.5, 17, 13));
}

void Comptage(QPainter &p)
{
    p.setPen(QPen(QColor(200, 40, 40), 2, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF c : {QPointF(6, 7), QPointF(17, 9), QPointF(10, 18)}) {
        p.drawLine(c + QPointF(-3, 0), c + QPointF(3, 0));
        p.drawLine(c + QPointF(0, -3), c + QPointF(0, 3));
    }
}

void Page(QPainter &p, QRectF cadre)
{
    p.setBrush(Qt::white);
    p.drawRect(cadre);
    for (double y = cadre.top() + 3; y < cadre.bottom() - 1.5; y += 3)
        p.drawLine(QPointF(cadre.left() + 2, y), QPointF(cadre.right() - 2, y));
}

void Imprimer(QPainter &p)
{
    Page(p, QRectF(6.5, 2.5, 11, 8));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
    Page(p, QRectF(6.5, 14.5, 11, 7));
}

void Copier(QPainter &p)
{
    Page(p, QRectF(3.5, 2.5, 11, 14));
    Page(p, QRectF(9.5, 7.5, 11, 14));
}

void CopierSelection(QPainter &p)
{
    Selection(p);
    p.setPen(QPen(kTrait, 1.4));
    Page(p, QRectF(11.5, 10.5, 9, 11));
}

void Coller(QPainter &p)
{
    p.setBrush(QColor(190, 140, 80));
    p.drawRoundedRect(QRectF(3.5, 4.5, 14, 17), 1.5, 1.5);
    p.setBrush(QColor(150, 150, 160));
    p.drawRect(QRectF(7.5, 2.5, 6, 4));
    Page(p, QRectF(10.5, 9.5, 10, 12));
}

void Recadrer(QPainter &p)
{
    p.setPen(QPen(kTrait, 2.2, Qt::SolidLine, Qt::SquareCap));
    p.drawPolyline(QPolygonF({QPointF(6, 2), QPointF(6, 18), QPointF(22, 18)}));
    p.drawPolyline(QPolygonF({QPointF(2, 6), QPointF(18, 6), QPointF(18, 22)}));
}

void Loupe(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 60, 140));
    p.drawRoundedRect(QRectF(0, 0, 24, 24), 4, 4);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 10), 5.5, 5.5);
    p.drawLine(QPointF(14, 14), QPointF(19.5, 19.5));
}

} // namespace

QIcon IconeProgramme()
{
    return Icone(Loupe);
}

QIcon IconeOutil(int outil)
{
    static void (*const dessins[])(QPainter &) = {Crayon, Ligne, Forme, Gomme, Texte,
                                                   Mesure, Pot,   Pipette, Selection, Comptage};
    if (outil < 0 || outil >= 10)
        return {};
    return Icone(dessins[outil]);
}

QIcon IconeCommande(CommandeBarre commande)
{
    switch (commande) {
    case CommandeBarre::Imprimer:
        return Icone(Imprimer);
    case CommandeBarre::Copier:
        return Icone(Copier);
    case CommandeBarre::CopierSelection:
        return Icone(CopierSelection);
    case CommandeBarre::Coller:
        return Icone(Coller);
    case CommandeBarre::Recadrer:
        return Icone(Recadrer);
    }
    return {};
}
