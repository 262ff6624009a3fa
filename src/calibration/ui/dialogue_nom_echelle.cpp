#include "calibration/ui/dialogue_nom_echelle.h"
#include "commun/ui/boutons_dialogue.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TNomEch::TNomEch(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Nom de l'échelle"));
    setModal(true);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto *l = new QVBoxLayout(this);
    auto *titre = new QLabel(tr("Ajouter à la liste des échelles standard"), this);
    QFont gras = titre->font();
    gras.setBold(true);
    titre->setFont(gras);
    non = new QRadioButton(tr("Ne pas garder en mémoire"), this);
    RadioButton1 = new QRadioButton(tr("Ajout temporaire"), this);
    Enregistre = new QRadioButton(tr("Enregistrer dans le fichier"), this);
    titreNom_ = new QLabel(tr("Taper le nom choisi"), this);
    NomEchelle = new QLineEdit(this);
    l->addWidget(titre);
    l->addWidget(non);
    l->addWidget(RadioButton1);
    l->addWidget(Enregistre);
    l->addSpacing(8);
    l->addWidget(titreNom_);
    l->addWidget(NomEchelle);
    auto *boutons = BoutonsOkAnnuler(this, tr("OK"), tr("Abandonner"));
    l->addWidget(boutons);
    for (QRadioButton *b : {non, RadioButton1, Enregistre})
        connect(b, &QRadioButton::toggled, this, &TNomEch::MettreAJour);
    Preparer();
}

void TNomEch::Preparer()
{
    non->setChecked(true);
    NomEchelle->clear();
    MettreAJour();
}

void TNomEch::MettreAJour()
{
    const bool nommer = !non->isChecked();
    titreNom_->setEnabled(nommer);
    NomEchelle->setEnabled(nommer);
}
