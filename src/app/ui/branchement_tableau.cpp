// The results table in the frame: its two windows ("Résultats", the table
// that computes and plots, and the simple grid the profile hands its values
// to) are created once, hidden; "&Tableau" of "&Outils" shows the first,
// handing it the decimal separators.

#include "app/ui/main_window.h"
#include "commun/nombres.h"
#include "table/ui/tableau1.h"
#include "table/ui/tableau_modif.h"

#include <QAction>

void TMainForm::BrancherTableau()
{
    Tableau1 = new TTableau1(this);
    TableauModif = new TTableauModif(this);
    actTableau->setEnabled(true);
    connect(actTableau, &QAction::triggered, this, [this] { TableauModif->Montrer(SepDecimal(), SepAutre()); });
}
