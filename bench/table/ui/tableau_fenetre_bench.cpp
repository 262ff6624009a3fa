// Enter in the grid of the results window at 10,000 rows, totals shown:
// the totals recomputed, the graph refreshed and the window repainted, as
// a key typed by the user runs them; once in a middle cell, once in the
// last cell, which adds a line.

#include "support/application_bench.h"

#include "commun/nombres.h"
#include "table/tableau_resultats.h"
#include "table/ui/grille_tableau.h"
#include "table/ui/tableau_modif.h"

#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int kLignes = 10000;

void Remplir(TTableauModif &f)
{
    DefinirSepDecimal(QLatin1Char(','));
    TableauResultats &t = f.tableau();
    t.DemanderReglage = false;
    t.SepDecimal = QLatin1Char(',');
    t.SepAutre = QLatin1Char('.');
    t.NbY = 2;
    t.DefinirTaille(3, kLignes + 3);
    for (int i = 0; i < kLignes; ++i) {
        t.DefinirCellule(0, i + 2, FormatGeneral(i * 0.01, 6));
        t.DefinirCellule(1, i + 2, FormatGeneral(0.5 * i * i / 1000.0, 6));
        t.DefinirCellule(2, i + 2, FormatGeneral(20 + 5 * std::sin(i / 300.0), 6));
    }
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
