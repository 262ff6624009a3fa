#include "drawing/ui/ch_grille.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TCh_grille::TCh_grille(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Choix du quadrillage"));
    auto *grille = new QGridLayout(this);
    grille->addWidget(new QLabel(tr("Largeur des mailles"), this), 0, 0, 1, 3);
    ValeurMaille = new QDoubleSpinBox(this);
    ValeurMaille->setDecimals(4);
    ValeurMaille->setMinimumWidth(110);
    grille->addWidget(ValeurMaille, 1, 0);
    grille->addWidget(new QLabel(tr("en"), this), 1, 1);
    unite = new QLabel(tr("pixels"), this);
    grille->addWidget(unite, 1, 2);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    grille->addWidget(boutons, 2, 0, 1, 3);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TCh_grille::Preparer(const ReglageMaille &reglage)
{
    unite->setText(reglage.unite);
    ValeurMaille->setDecimals(reglage.decimales);
    ValeurMaille->setRange(reglage.minimum, reglage.maximum);
    ValeurMaille->setSingleStep(reglage.pas);
    ValeurMaille->setValue(reglage.valeur);
}

double TCh_grille::Valeur() const
{
    return ValeurMaille->value();
}
