// The results table in the frame: its two windows ("Résultats", the table
// that computes and plots, and the simple grid the profile hands its values
// to) are created once, hidden; "&Tableau" of "&Outils" shows the first,
// handing it the decimal separators.

#include "app/ui/boites_message.h"
#include "app/ui/gestimp.h"
#include "app/ui/gestion_erreurs.h"
#include "app/ui/main_window.h"
#include "commun/nombres.h"
#include "table/ui/tableau1.h"
#include "table/ui/tableau_modif.h"

#include <QAction>

namespace {

// The frame's boxes, error handler and print choices for the table windows.
ServicesTableau ServicesDuCadre()
{
    ServicesTableau s;
    s.PoserQuestion = [](QWidget *parent, const QString &texte, bool information) {
        return AfficherMessage(parent, information ? TypeMessage::Information : TypeMessage::Avertissement, texte,
                               BoutonsMessage::OuiNon)
               == QMessageBox::Yes;
    };
    s.Executer = [](QWidget *parent, const std::function<void()> &commande) { return ExecuterCommande(parent, commande); };
    s.ImprimerImage = [](QWidget *parent, double rapport, const QImage &image) {
        ImprimerImage(parent, rapport, [image] { return image; }, image);
    };
    return s;
}

} // namespace

void TMainForm::BrancherTableau()
{
    Tableau1 = new TTableau1(this);
    TableauModif = new TTableauModif(this);
    Tableau1->services = ServicesDuCadre();
    TableauModif->services = ServicesDuCadre();
    actTableau->setEnabled(true);
    connect(actTableau, &QAction::triggered, this, [this] { TableauModif->Montrer(SepDecimal(), SepAutre()); });
}

bool TMainForm::ConfirmerFermetureTableau()
{
    if (TableauModif == nullptr || !TableauModif->DonneesNonEnregistrees())
        return true;
    // The table shows, so that the user sees what the question is about.
    TableauModif->show();
    TableauModif->raise();
    switch (AfficherMessage(TableauModif, TypeMessage::Confirmation,
                            tr("Enregistrer les valeurs du tableau « %1 » ?").arg(TableauModif->windowTitle()),
                            BoutonsMessage::OuiNonAnnuler)) {
    case QMessageBox::Yes: return TableauModif->EnregistrerTableau();
    case QMessageBox::No: return true;
    default: return false;
    }
}
