#include "drawing/ui/gestion_dessins.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TGestionDessins::TGestionDessins(const QStringList &noms, QWidget *parent)
    : QDialog(parent), liste_(new QListWidget(this))
{
    setWindowTitle(tr("Gestion des dessins"));
    auto *consigne = new QLabel(tr("Choisir l'élément de dessin à supprimer") + QLatin1Char('\n') + tr("et cliquer sur OK"), this);
    liste_->addItems(noms);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    auto *colonne = new QVBoxLayout(this);
    colonne->addWidget(consigne);
    colonne->addWidget(liste_);
    colonne->addWidget(boutons);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(liste_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(300, 320);
}

int TGestionDessins::Choix() const
{
    return liste_->currentItem() && liste_->currentItem()->isSelected() ? liste_->currentRow() : -1;
}
