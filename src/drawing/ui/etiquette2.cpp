#include "drawing/ui/etiquette2.h"

#include "drawing/etiquette_balisee.h"

#include <QEvent>
#include <QPainter>

TEtiquette2::TEtiquette2(QWidget *parent) : QWidget(parent), couleur_(palette().color(QPalette::Window))
{
    setAutoSize(true);
}

void TEtiquette2::setCaption(const QString &legende)
{
    legende_ = legende;
    Redimensionner();
    update();
}

void TEtiquette2::setAutoSize(bool oui)
{
    autoTaille_ = oui;
    setSizePolicy(oui ? QSizePolicy::Fixed : QSizePolicy::Preferred, oui ? QSizePolicy::Fixed : QSizePolicy::Preferred);
    Redimensionner();
}

void TEtiquette2::setAlignment(Qt::Alignment alignement)
{
    alignement_ = alignement & Qt::AlignHorizontal_Mask;
    update();
}

void TEtiquette2::setColor(const QColor &couleur)
{
    couleur_ = couleur;
    update();
}

double TEtiquette2::PixelsParPouce() const
{
    return logicalDpiY() > 0 ? logicalDpiY() : 96.0;
}

QSize TEtiquette2::sizeHint() const
{
    const MesureEtiquette m = MesurerEtiquette(font(), PixelsParPouce(), legende_);
    return {m.largeurTexte + 2, m.hauteur + 2};
}

void TEtiquette2::Redimensionner()
{
    updateGeometry();
    if (autoTaille_)
        resize(sizeHint());
}

void TEtiquette2::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), couleur_);
    const MesureEtiquette m = MesurerEtiquette(font(), PixelsParPouce(), legende_);
    int x = 0;
    if (alignement_ & Qt::AlignRight)
        x = width() - m.largeurTexte;
    else if (!(alignement_ & Qt::AlignLeft))
        x = (width() - m.largeurTexte) / 2;
    p.setPen(palette().color(QPalette::WindowText));
    PeindreEtiquette(p, font(), PixelsParPouce(), legende_, x, 2 + m.descenteLigne);
}

void TEtiquette2::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        Redimensionner();
        update();
    }
    QWidget::changeEvent(event);
}
