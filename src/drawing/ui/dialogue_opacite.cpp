#include "drawing/ui/dialogue_opacite.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

TChoixOpacite::TChoixOpacite(QWidget *parent)
    : QDialog(parent), curseur_(new QSlider(Qt::Horizontal, this)), echo_(new QLabel(this))
{
    setWindowTitle(tr("Choix de l'opacité (0 à 255)"));
    curseur_->setRange(0, 255);
    curseur_->setMinimumWidth(255);
    echo_->setMinimumWidth(30);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    auto *ligne = new QHBoxLayout;
    ligne->addWidget(curseur_);
    ligne->addWidget(echo_);
    auto *colonne = new QVBoxLayout(this);
    colonne->addLayout(ligne);
    colonne->addWidget(ok, 0, Qt::AlignHCenter);
    connect(curseur_, &QSlider::valueChanged, echo_, [this](int v) { echo_->setNum(v); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    DefinirValeur(255);
}

int TChoixOpacite::Valeur() const
{
    return curseur_->value();
}

void TChoixOpacite::DefinirValeur(int valeur)
{
    curseur_->setValue(valeur);
    echo_->setNum(curseur_->value());
}

int TChoixOpacite::Demander(QWidget *parent)
{
    TChoixOpacite dialogue(parent);
    return dialogue.exec() == QDialog::Accepted ? dialogue.Valeur() : -1;
}
