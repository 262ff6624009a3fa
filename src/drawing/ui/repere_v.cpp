#include "drawing/ui/repere_v.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TRepereV::TRepereV(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setMinimumSize(10, 10);
    resize(50, 50);
}

void TRepereV::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(couleurTrait);
    p.setBrush(QBrush(couleurMotif, Qt::DiagCrossPattern));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TRepereV::mousePressEvent(QMouseEvent *event)
{
    if (!isVisible() || event->button() != Qt::LeftButton)
        return;
    const int x = event->position().toPoint().x();
    if (x < 3)
        mode_ = Mode::Gauche;
    else if (x >= width() - 3)
        mode_ = Mode::Droite;
    else
        mode_ = Mode::Deplacer;
    prise_ = mapToParent(event->position().toPoint()).x();
    depart_ = geometry();
}

void TRepereV::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint ici = event->position().toPoint();
    if (mode_ == Mode::Aucun) {
        setCursor(ici.x() < 3 || ici.x() >= width() - 3 ? Qt::SizeHorCursor : Qt::SizeAllCursor);
        emit OnMouseMove(ici);
        return;
    }
    const int d = mapToParent(ici).x() - prise_;
    QRect g = depart_;
    if (mode_ == Mode::Deplacer)
        g.translate(d, 0);
    else if (mode_ == Mode::Gauche)
        g.setLeft(std::min(depart_.left() + d, depart_.right() - 9));
    else
        g.setRight(std::max(depart_.right() + d, depart_.left() + 9));
    setGeometry(g);
    emit OnMouseMove(ici);
}

void TRepereV::mouseReleaseEvent(QMouseEvent *)
{
    if (mode_ == Mode::Aucun)
        return;
    mode_ = Mode::Aucun;
    emit OnChange();
}
