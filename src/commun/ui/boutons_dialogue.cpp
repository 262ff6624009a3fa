#include "commun/ui/boutons_dialogue.h"

#include <QDialog>
#include <QDialogButtonBox>

QDialogButtonBox *BoutonsOkAnnuler(QDialog *dialogue, const QString &ok, const QString &annuler)
{
    auto *boutons = new QDialogButtonBox(dialogue);
    boutons->addButton(ok, QDialogButtonBox::AcceptRole);
    boutons->addButton(annuler, QDialogButtonBox::RejectRole);
    QObject::connect(boutons, &QDialogButtonBox::accepted, dialogue, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::rejected, dialogue, &QDialog::reject);
    return boutons;
}
