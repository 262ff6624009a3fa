#include "document/fenetre_placement.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TContLegEch::TContLegEch(QWidget *parent) : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Disposer la légende"));
    setModal(false);

    auto *groupe = new QGroupBox(tr("Transparent "), this);
    boutonOui = new QRadioButton(tr("Oui"), groupe);
    boutonNon = new QRadioButton(tr("Non"), groupe);
    boutonOui->setChecked(true);
    auto *dispositionGroupe = new QVBoxLayout(groupe);
    dispositionGroupe->addWidget(boutonOui);
    dispositionGroupe->addWidget(boutonNon);

    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(boutonOui, &QRadioButton::toggled, this, [this](bool oui) { emit TransparenceChangee(oui); });

    auto *disposition = new QVBoxLayout(this);
    disposition->addWidget(groupe);
    disposition->addWidget(boutons);
}

bool TContLegEch::transparent() const
{
    return boutonOui->isChecked();
}

void TContLegEch::DefinirTransparent(bool oui)
{
    (oui ? boutonOui : boutonNon)->setChecked(true);
}

void TContLegEch::done(int resultat)
{
    const bool etaitVisible = isVisible();
    QDialog::done(resultat);
    if (etaitVisible)
        emit PlacementTermine(resultat == QDialog::Accepted);
}
