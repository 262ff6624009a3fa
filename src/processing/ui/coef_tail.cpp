#include "processing/ui/coef_tail.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

TCoefTail::TCoefTail(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Taille de la nouvelle image"));
    auto *l = new QVBoxLayout(this);
    auto *f = new QFormLayout;
    pourcentage = new QSpinBox(this);
    pourcentage->setRange(10, 500);
    pourcentage->setValue(100);
    largeur = new QLabel(this);
    hauteur = new QLabel(this);
    f->addRow(tr("% de la taille d'origine :"), pourcentage);
    f->addRow(tr("Largeur (en pixels)  :"), largeur);
    f->addRow(tr("Hauteur en (pixels)  :"), hauteur);
    l->addLayout(f);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    l->addWidget(boutons);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pourcentage, &QSpinBox::valueChanged, this, [this] { Afficher(); });
}

void TCoefTail::DefinirTaille(QSize taille)
{
    taille_ = taille;
    Afficher();
}

int TCoefTail::Pourcentage() const
{
    return pourcentage->value();
}

void TCoefTail::Afficher()
{
    const double f = pourcentage->value() / 100.0;
    auto cote = [f](int c) { return std::max(1.0, std::nearbyint(f * c)); };
    largeur->setText(QString::number(cote(taille_.width()), 'f', 0));
    hauteur->setText(QString::number(cote(taille_.height()), 'f', 0));
}
