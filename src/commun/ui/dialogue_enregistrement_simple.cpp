#include "commun/ui/dialogue_enregistrement_simple.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("DialogueEnregistrementSimple", texte);
}

} // namespace

QString DemanderFichierAEnregistrer(QWidget *parent, const QString &titre, const QString &filtre,
                                    const QString &suffixe, const QString &propose)
{
    QFileDialog dialogue(parent, titre);
    dialogue.setOption(QFileDialog::DontUseNativeDialog, true);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setNameFilter(filtre);
    dialogue.setDefaultSuffix(suffixe);
    dialogue.setLabelText(QFileDialog::Accept, Tr("&Enregistrer"));
    dialogue.setLabelText(QFileDialog::Reject, Tr("Annuler"));
    dialogue.setLabelText(QFileDialog::FileName, Tr("Nom du fichier :"));
    dialogue.setLabelText(QFileDialog::FileType, Tr("Type :"));
    dialogue.setLabelText(QFileDialog::LookIn, Tr("Dans :"));
    if (!propose.isEmpty())
        dialogue.selectFile(propose);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return {};
    return dialogue.selectedFiles().first();
}
