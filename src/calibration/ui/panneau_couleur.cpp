#include "calibration/ui/panneau_couleur.h"

#include <QMouseEvent>
#include <QPainter>

PanneauCouleur::PanneauCouleur(const QString &texte, QWidget *parent) : QFrame(parent), texte_(texte)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setCursor(Qt::PointingHandCursor);
    setMinimumHeight(24);
}

void PanneauCouleur::DefinirCouleur(CouleurWin couleur)
{
    couleur_ = couleur & 0x00FFFFFFu;
    update();
}

void PanneauCouleur::DefinirTexte(const QString &texte)
{
    texte_ = texte;
    update();
}

void PanneauCouleur::DefinirEnfonce(bool enfonce)
{
    enfonce_ = enfonce;
    setFrameShadow(enfonce ? QFrame::Sunken : QFrame::Raised);
    update();
}

QSize PanneauCouleur::sizeHint() const
{
    const QSize texte = fontMetrics().size(Qt::TextSingleLine, texte_);
    return {std::max(90, texte.width() + 16), std::max(24, texte.height() + 10)};
}

void PanneauCouleur::paintEvent(QPaintEvent *event)
{
    {
        QPainter p(this);
        const QColor fond(RougeWin(couleur_), VertWin(couleur_), BleuWin(couleur_));
        p.fillRect(contentsRect(), fond);
        p.setPen(RougeWin(couleur_) + VertWin(couleur_) + BleuWin(couleur_) > 253 ? Qt::black : Qt::white);
        p.drawText(contentsRect(), Qt::AlignCenter, texte_);
    }
    QFrame::paintEvent(event);
}

void PanneauCouleur::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint()))
        emit clique();
    QFrame::mouseReleaseEvent(event);
}

void PanneauCouleur::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled())
        emit doubleClique();
    QFrame::mouseDoubleClickEvent(event);
}
