// Enter in the grid of the results window at 10,000 rows, totals shown:
// the totals recomputed, the graph refreshed and the window repainted, as
// a key typed by the user runs them; once in a middle cell, once in the
// last cell, which adds a line.

#include "support/application_bench.h"
#include "support/tableau_exemple.h"

#include "table/tableau_resultats.h"
#include "table/ui/grille_tableau.h"
#include "table/ui/tableau_modif.h"

#include <QKeyEvent>

#include <benchmark/benchmark.h>

namespace {

void Remplir(TTableauModif &f)
{
    TableauResultats &t = f.tableau();
    t.DemanderReglage = false;
    RemplirTableauExemple(t);
    f.TableauModifie();
    f.BasculerTotaux();
    f.show();
    QApplication::processEvents();
}

void Entree(TTableauModif &f, int colonne, int ligne)
{
    f.StringGrid1->setCurrentIndex(f.StringGrid1->model()->index(ligne, colonne));
    QKeyEvent touche(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(f.StringGrid1, &touche);
    f.repaint();
}

void BM_EntreeDansLaGrille(benchmark::State &state)
{
    ApplicationHorsEcran();
    TTableauModif f;
    Remplir(f);
    for (auto _ : state)
        Entree(f, 1, 5000);
}
BENCHMARK(BM_EntreeDansLaGrille)->Unit(benchmark::kMillisecond);

void BM_EntreeAjoutantUneLigne(benchmark::State &state)
{
    ApplicationHorsEcran();
    TTableauModif f;
    Remplir(f);
    for (auto _ : state)
        Entree(f, 2, f.tableau().DerniereLigneDonnees());
}
BENCHMARK(BM_EntreeAjoutantUneLigne)->Unit(benchmark::kMillisecond);

} // namespace
