#include "processing/ui/param_ag.h"
#include "commun/ui/boutons_dialogue.h"

#include "document/formats/lecteur_image.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

TParam_ag::TParam_ag(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Choisir les paramètres"));
    auto *l = new QVBoxLayout(this);
    auto *f = new QFormLayout;
    largeur = new QSpinBox(this);
    hauteur = new QSpinBox(this);
    for (QSpinBox *s : {largeur, hauteur})
        s->setRange(1, kCoteMaxImage);
    f->addRow(tr("Largeur (en pixels) :"), largeur);
    f->addRow(tr("Hauteur (en pixels) :"), hauteur);
    l->addLayout(f);
    centrer = new QCheckBox(tr("Centrer"), this);
    centrer->setChecked(true);
    l->addWidget(centrer);
    auto *vertical = new QGroupBox(this);
    auto *lv = new QHBoxLayout(vertical);
    enHaut = new QRadioButton(tr("aligner en haut"), vertical);
    enBas = new QRadioButton(tr("aligner en bas"), vertical);
    enHaut->setChecked(true);
    lv->addWidget(enHaut);
    lv->addWidget(enBas);
    auto *horizontal = new QGroupBox(this);
    auto *lh = new QHBoxLayout(horizontal);
    aGauche = new QRadioButton(tr("aligner à gauche"), horizontal);
    aDroite = new QRadioButton(tr("aligner à droite"), horizontal);
    aGauche->setChecked(true);
    lh->addWidget(aGauche);
    lh->addWidget(aDroite);
    l->addWidget(vertical);
    l->addWidget(horizontal);
    auto *boutons = BoutonsOkAnnuler(this, tr("OK"), tr("Abandonner"));
    l->addWidget(boutons);
    auto activer = [this](bool centre) {
        for (QRadioButton *b : {enHaut, enBas, aGauche, aDroite})
            b->setEnabled(!centre);
    };
    connect(centrer, &QCheckBox::toggled, this, activer);
    activer(true);
}

void TParam_ag::DefinirTaille(QSize taille)
{
    largeur->setMinimum(std::max(1, taille.width()));
    hauteur->setMinimum(std::max(1, taille.height()));
    largeur->setValue(taille.width());
    hauteur->setValue(taille.height());
}

QSize TParam_ag::Taille() const
{
    return {largeur->value(), hauteur->value()};
}

AlignementCanevas TParam_ag::Alignement() const
{
    if (centrer->isChecked())
        return AlignementCanevas::Centre;
    if (enHaut->isChecked())
        return aGauche->isChecked() ? AlignementCanevas::HautGauche : AlignementCanevas::HautDroite;
    return aGauche->isChecked() ? AlignementCanevas::BasGauche : AlignementCanevas::BasDroite;
}
