#include "schema/ui/vue_schema.h"

#include <QMouseEvent>
#include <QPainter>

VueSchema::VueSchema(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void VueSchema::DefinirDecalage(int x)
{
    decalage_ = std::max(0, x);
    update();
}

void VueSchema::DefinirElastique(Elastique genre, QPoint a, QPoint b)
{
    elastique_ = genre;
    a_ = a;
    b_ = b;
    update();
}

void VueSchema::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), palette().window());
    peintre.drawImage(QPoint(-decalage_, 0), image);
    if (elastique_ == Elastique::Aucun)
        return;
    // Inverted white: drawn over any colour it stays visible.
    peintre.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    peintre.setPen(QPen(Qt::white, 1));
    peintre.setBrush(Qt::NoBrush);
    const QPoint a = VersWidget(a_), b = VersWidget(b_);
    switch (elastique_) {
    case Elastique::Ligne:
        peintre.drawLine(a, b);
        break;
    case Elastique::Rectangle:
        peintre.drawRect(QRect(a, b).normalized());
        break;
    case Elastique::Ellipse:
        peintre.drawEllipse(QRect(a, b).normalized());
        break;
    case Elastique::Aucun:
        break;
    }
}

void VueSchema::mousePressEvent(QMouseEvent *event)
{
    emit Appui(VersImage(event->position().toPoint()), event->button());
}

void VueSchema::mouseMoveEvent(QMouseEvent *event)
{
    emit Deplacement(VersImage(event->position().toPoint()), event->buttons());
}

void VueSchema::mouseReleaseEvent(QMouseEvent *event)
{
    emit Relachement(VersImage(event->position().toPoint()), event->button());
}
