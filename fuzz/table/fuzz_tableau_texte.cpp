// Table texts on arbitrary bytes: reading refuses or gives a sane table;
// totals, means and a graph refresh with its drawing and scale then run on
// it without a crash, a hang or an infinite axis.

#include "commun/erreur.h"
#include "commun/nombres.h"
#include "plot/graphe.h"
#include "plot/rendu_graphe.h"
#include "table/graphe_tableau.h"
#include "table/lecture_tableau.h"
#include "table/tableau_resultats.h"

#include <QGuiApplication>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray octets(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const bool virgule = size > 0 && (data[0] & 1);
    DefinirSepDecimal(virgule ? QLatin1Char(',') : QLatin1Char('.'));
    TexteTableauLu lu;
    try {
        lu = LireTexteTableau(octets);
    } catch (const ErreurKaptori &) {
        return 0;
    }
    // Small tables only: the fuzzer looks for faults, not for slow inputs.
    if (static_cast<qint64>(lu.colonnes) * static_cast<qint64>(lu.lignes.size()) > 20000)
        return 0;
    TableauResultats t;
    t.SepDecimal = SepDecimal();
    t.SepAutre = SepAutre();
    const bool series = size > 1 && (data[1] & 1);
    t.ModeSeries = series;
    ChargerTableau(t, lu, series ? 3 : 2);
    t.NbY = std::clamp(t.NbColonnes() - 1, 1, 2);
    t.NbSeries = std::max(1, t.NbColonnes() - 1);

    TGraphe graphe;
    PreparerGrapheTableau(graphe);
    graphe.DefinirTaille(QSize(160, 120));
    AppliquerAxesTableau(t, graphe);
    for (int passe = 0; passe < 3; ++passe) {
        if (passe == 1)
            t.BasculerTotaux();
        if (passe == 2)
            t.BasculerMoyennes();
        RafraichirGraphe(t, graphe);
        for (AxeId id : {AxeId::X, AxeId::Y, AxeId::Y2}) {
            const AxeCalcule &a = graphe.Axe(id).affiche;
            if (!std::isfinite(a.Min) || !std::isfinite(a.Max) || !std::isfinite(a.Pas))
                std::abort();
        }
        (void)RendreGraphe(graphe);
        (void)EchelleDuGraphe(graphe, t);
        (void)t.TexteTableau();
    }
    return 0;
}
