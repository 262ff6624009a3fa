#include "plot/ui/vue_graphe.h"

#include "plot/rendu_graphe.h"
#include "plot/ui/choix_graphe.h"

#include <QMouseEvent>
#include <QPainter>

TVueGraphe::TVueGraphe(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    graphe_.DefinirTaille(size());
    graphe_.AuRedessin = [this] { update(); };
}

QImage TVueGraphe::Rendre() const
{
    return RendreGraphe(graphe_);
}

bool TVueGraphe::EditerPresentation()
{
    const bool accepte = EditerReglagesGraphe(window(), graphe_);
    graphe_.DefinirTaille(size());
    graphe_.Redessiner();
    return accepte;
}

void TVueGraphe::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    DessinerGraphe(p, graphe_);
}

void TVueGraphe::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    graphe_.DefinirTaille(size());
}

void TVueGraphe::mousePressEvent(QMouseEvent *event)
{
    emit pointeurPresse(event->position().toPoint(), event->button());
}

void TVueGraphe::mouseMoveEvent(QMouseEvent *event)
{
    emit pointeurDeplace(event->position().toPoint());
}

void TVueGraphe::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClic(event->position().toPoint());
}
