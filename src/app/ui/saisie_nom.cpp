#include "app/ui/saisie_nom.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSaisieNom::TSaisieNom(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Saisie du nom"));
    champ = new QLineEdit(this);
    champ->setMinimumWidth(260);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Abort, this);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    boutons->button(QDialogButtonBox::Abort)->setText(tr("Abandon"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons->button(QDialogButtonBox::Abort), &QPushButton::clicked, this, &QDialog::reject);
    auto *disposition = new QVBoxLayout(this);
    disposition->addWidget(new QLabel(tr("Taper le nom"), this));
    disposition->addWidget(champ);
    disposition->addWidget(boutons);
}
