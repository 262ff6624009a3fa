#include "drawing/ui/ed_shape.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

TEdShape::TEdShape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    resize(50, 50);
}

TEdShape::Zone TEdShape::ZoneEn(QPoint p) const
{
    const int x = p.x(), y = p.y(), w = width(), h = height();
    if (x <= 5 && y <= 5)
        return Zone::HautGauche;
    if (x > w - 6 && y > h - 6)
        return Zone::BasDroite;
    if (x < 6 && y > h - 6)
        return Zone::BasGauche;
    if (x > w - 6 && y < 6)
        return Zone::HautDroite;
    if (x <= 2)
        return Zone::Gauche;
    if (x > w - 3)
        return Zone::Droite;
    if (y <= 2)
        return Zone::Haut;
    if (y > h - 3)
        return Zone::Bas;
    return Zone::Deplacer;
}

void TEdShape::AppliquerCurseur(Zone zone)
{
    switch (zone) {
    case Zone::HautGauche:
    case Zone::BasDroite:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case Zone::BasGauche:
    case Zone::HautDroite:
        setCursor(Qt::SizeBDiagCursor);
        break;
    case Zone::Gauche:
    case Zone::Droite:
        setCursor(Qt::SizeHorCursor);
        break;
    case Zone::Haut:
    case Zone::Bas:
        setCursor(Qt::SizeVerCursor);
        break;
    case Zone::Deplacer:
        setCursor(Qt::SizeAllCursor);
        break;
    }
}

void TEdShape::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (width() < 10 || height() < 10)
        resize(std::max(width(), 10), std::max(height(), 10));
}

void TEdShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (xorMode)
        p.setCompositionMode(QPainter::CompositionMode_Difference);
    p.setPen(Pen);
    p.setBrush(Qt::NoBrush);
    QRect r = rect().adjusted(0, 0, -1, -1);
    if (Shape == 1 || Shape == 3 || Shape == 5) {
        const int cote = std::min(r.width(), r.height());
        r = QRect(r.center().x() - cote / 2, r.center().y() - cote / 2, cote, cote);
    }
    const int demi = Pen.width() / 2;
    r.adjust(demi, demi, -demi, -demi);
    if (Shape <= 1)
        p.drawRect(r);
    else if (Shape <= 3)
        p.drawRoundedRect(r, r.width() / 5.0, r.height() / 5.0);
    else
        p.drawEllipse(r);
    if (editable) {
        p.setPen(Qt::NoPen);
        p.setBrush(Pen.color());
        for (QPoint c : {QPoint(0, 0), QPoint(width() - 5, 0), QPoint(0, height() - 5), QPoint(width() - 5, height() - 5)})
            p.drawRect(QRect(c, QSize(5, 5)));
    }
}

void TEdShape::mousePressEvent(QMouseEvent *event)
{
    if (!editable || event->button() != Qt::LeftButton)
        return;
    actif_ = true;
    zone_ = ZoneEn(event->position().toPoint());
    AppliquerCurseur(zone_);
    prise_ = mapToParent(event->position().toPoint());
    depart_ = geometry();
}

void TEdShape::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint ici = event->position().toPoint();
    if (!actif_) {
        if (editable)
            AppliquerCurseur(ZoneEn(ici));
        emit OnMouseMove(ici);
        return;
    }
    const QPoint d = mapToParent(ici) - prise_;
    QRect g = depart_;
    auto gauche = [&] { g.setLeft(std::min(depart_.left() + d.x(), depart_.right() - 9)); };
    auto droite = [&] { g.setRight(std::max(depart_.right() + d.x(), depart_.left() + 9)); };
    auto haut = [&] { g.setTop(std::min(depart_.top() + d.y(), depart_.bottom() - 9)); };
    auto bas = [&] { g.setBottom(std::max(depart_.bottom() + d.y(), depart_.top() + 9)); };
    switch (zone_) {
    case Zone::Deplacer:
        g.translate(d);
        break;
    case Zone::HautGauche:
        gauche();
        haut();
        break;
    case Zone::BasDroite:
        droite();
        bas();
        break;
    case Zone::BasGauche:
        gauche();
        bas();
        break;
    case Zone::HautDroite:
        droite();
        haut();
        break;
    case Zone::Gauche:
        gauche();
        break;
    case Zone::Droite:
        droite();
        break;
    case Zone::Haut:
        haut();
        break;
    case Zone::Bas:
        bas();
        break;
    }
    setGeometry(g);
    update();
    emit OnMouseMove(ici);
}

void TEdShape::mouseReleaseEvent(QMouseEvent *)
{
    if (!actif_)
        return;
    actif_ = false;
    emit OnChange();
}

void TEdShape::mouseDoubleClickEvent(QMouseEvent *)
{
    if (!editable)
        return;
    actif_ = false;
    TChoixForme choix(*this, this);
    if (choix.exec() == QDialog::Accepted) {
        choix.Appliquer(*this);
        update();
    }
}

TChoixForme::TChoixForme(const TEdShape &forme, QWidget *parent)
    : QDialog(parent), type(new QComboBox(this)), largeur(new QSpinBox(this)), trace(new QComboBox(this)),
      couleur(forme.Pen.color())
{
    setWindowTitle(tr("Choix d'une forme"));
    type->addItems({tr("Rectangle"), tr("Carré"), tr("RectArrondi"), tr("Carré Arrondi"), tr("Ellipse"), tr("Cercle")});
    type->setCurrentIndex(std::clamp(forme.Shape, 0, 5));
    largeur->setRange(1, 10);
    largeur->setValue(std::clamp(forme.Pen.width(), 1, 10));
    trace->addItems({tr("Continu"), tr("Tirets"), tr("Points"), tr("TiretPoint"), tr("TiretPointPoi"), tr("Aucun"),
                     tr("Continu")});
    const int style = forme.Pen.style() == Qt::NoPen ? 5 : static_cast<int>(forme.Pen.style()) - 1;
    trace->setCurrentIndex(std::clamp(style, 0, 6));
    auto *boutonCouleur = new QPushButton(tr("couleur"), this);
    connect(boutonCouleur, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(couleur, this);
        if (c.isValid())
            couleur = c;
    });
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *forme_ = new QFormLayout(this);
    forme_->addRow(tr("Type :"), type);
    forme_->addRow(tr("Largeur du trait :"), largeur);
    forme_->addRow(tr("Type de tracé :"), trace);
    forme_->addRow(boutonCouleur);
    forme_->addRow(boutons);
}

void TChoixForme::Appliquer(TEdShape &forme) const
{
    forme.Shape = type->currentIndex();
    forme.Pen.setColor(couleur);
    forme.Pen.setWidth(largeur->value());
    static constexpr Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                              Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
    forme.Pen.setStyle(styles[std::clamp(trace->currentIndex(), 0, 6)]);
}
