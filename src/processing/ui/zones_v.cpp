#include "processing/ui/zones_v.h"

#include <QMouseEvent>
#include <QPainter>

TZonesV::TZonesV(QWidget *parent) : QWidget(parent)
{
    resize(100, 50);
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void TZonesV::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(CouleurPen, 1));
    for (int i = 0; i < modele_.nombre(); ++i) {
        p.setBrush(QBrush(QColor::fromRgb(modele_.Teinte(i)), BrushStyle));
        const int x1 = modele_.Position(i), x2 = modele_.Position(i + 1);
        p.drawRect(QRect(x1, 0, x2 - x1, height() - 1));
    }
}

void TZonesV::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && modele_.Appui(event->position().toPoint().x()))
        setCursor(Qt::SizeHorCursor);
}

void TZonesV::mouseMoveEvent(QMouseEvent *event)
{
    const int x = event->position().toPoint().x();
    if ((event->buttons() & Qt::LeftButton) && modele_.limiteTiree() && modele_.Deplacement(x))
        update();
    setCursor(modele_.PresDUneLimite(x) ? Qt::SizeHorCursor : Qt::ArrowCursor);
}

void TZonesV::mouseReleaseEvent(QMouseEvent *)
{
    if (const std::optional<int> k = modele_.Relachement())
        emit Changement(*k);
}
