#include "app/ui/taille_nouvelle_image.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TTaillIm::TTaillIm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Taille de la nouvelle image"));
    auto creerChamp = [this](int *valeur) {
        auto *champ = new QSpinBox(this);
        champ->setRange(10, 1000);
        champ->setValue(*valeur);
        // Three typed characters at most; a text that is not a number in
        // range keeps the previous value.
        if (QLineEdit *edition = champ->findChild<QLineEdit *>())
            edition->setMaxLength(3);
        connect(champ, &QSpinBox::valueChanged, this, [valeur](int v) { *valeur = v; });
        return champ;
    };
    champLargeur = creerChamp(&largeur_);
    champHauteur = creerChamp(&hauteur_);
    auto *formulaire = new QFormLayout;
    formulaire->addRow(tr("Largeur (en pixels)  :"), champLargeur);
    formulaire->addRow(tr("Hauteur (en pixels)  :"), champHauteur);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *disposition = new QVBoxLayout(this);
    disposition->addLayout(formulaire);
    disposition->addWidget(boutons);
}
