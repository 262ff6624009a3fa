// The results table at 10,000 rows of X and two Y: totals beside the plain
// parsing of the same cell texts, and a graph refresh with its drawing
// beside the parsing of the same texts and one polyline per series of the
// same points on the same bitmap.

#include "support/tableau_exemple.h"

#include "plot/graphe.h"
#include "plot/rendu_graphe.h"
#include "table/graphe_tableau.h"
#include "table/tableau_resultats.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPolygonF>

#include <benchmark/benchmark.h>

#include <charconv>
#include <string>
#include <vector>

namespace {

constexpr int kLignes = kLignesExemple;

QGuiApplication &Application()
{
    static int argc = 1;
    static char nom[] = "kaptori-bench";
    static char *argv[] = {nom, nullptr};
    static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    return *app;
}

TableauResultats Tableau()
{
    TableauResultats t;
    RemplirTableauExemple(t);
    return t;
}

// The data cells of the table as UTF-8 with a point, parsed by from_chars.
std::vector<std::string> Textes(const TableauResultats &t, int colonneDebut, int colonneFin)
{
    std::vector<std::string> textes;
    for (int r = 2; r < t.NbLignes(); ++r)
        for (int c = colonneDebut; c <= colonneFin; ++c) {
            std::string s = t.Cellule(c, r).toStdString();
            for (char &ch : s)
                if (ch == ',')
                    ch = '.';
            textes.push_back(s);
        }
    return textes;
}

// The plain parsing every reference does: the texts summed by from_chars.
void SommerFromChars(const std::vector<std::string> &textes)
{
    double somme = 0;
    for (const std::string &s : textes) {
        double v = 0;
        std::from_chars(s.data(), s.data() + s.size(), v);
        somme += v;
    }
    benchmark::DoNotOptimize(somme);
}

// The example table and its graph as the results window prepares it, on a
// 640 × 480 bitmap unless `dimensionne` is false.
struct GrapheExemple {
    QGuiApplication &application = Application(); // before the graph and its fonts
    TableauResultats t = Tableau();
    TGraphe g;
    QImage image{640, 480, QImage::Format_ARGB32};

    explicit GrapheExemple(bool dimensionne = true)
    {
        PreparerGrapheTableau(g);
        AppliquerAxesTableau(t, g);
        if (dimensionne)
            g.DefinirTaille(image.size());
    }

    // The graph drawn on a white bitmap.
    void Rendre()
    {
        image.fill(Qt::white);
        QPainter p(&image);
        DessinerGraphe(p, g);
    }
};

void BM_CalculerTotaux(benchmark::State &state)
{
    TableauResultats t = Tableau();
    t.BasculerTotaux();
    for (auto _ : state)
        t.CalculerTotaux();
}
BENCHMARK(BM_CalculerTotaux)->Unit(benchmark::kMillisecond);

// Enter after one value was typed: the grand total moves, so every
// percentage is written again.
void BM_CalculerTotauxApresSaisie(benchmark::State &state)
{
    TableauResultats t = Tableau();
    t.BasculerTotaux();
    int i = 0;
    for (auto _ : state) {
        t.DefinirCellule(1, 2 + (i * 7919) % kLignes, QString::number(i % 97));
        ++i;
        t.CalculerTotaux();
    }
}
BENCHMARK(BM_CalculerTotauxApresSaisie)->Unit(benchmark::kMillisecond);

// Totals of a table read from a file: every cell parsed, every computed cell
// written (the copy of the table is made outside the timing).
void BM_CalculerTotauxPremiereFois(benchmark::State &state)
{
    TableauResultats modele = Tableau();
    modele.BasculerTotaux();
    for (auto _ : state) {
        state.PauseTiming();
        TableauResultats t = modele;
        for (int r = 2; r < t.NbLignes() - 1; ++r)
            for (int c = 1; c <= 2; ++c)
                t.DefinirCellule(c, r, t.Cellule(c, r) + QString());
        state.ResumeTiming();
        t.CalculerTotaux();
    }
}
BENCHMARK(BM_CalculerTotauxPremiereFois)->Unit(benchmark::kMillisecond);

void BM_ReferenceFromChars(benchmark::State &state)
{
    const std::vector<std::string> textes = Textes(Tableau(), 1, 2);
    for (auto _ : state)
        SommerFromChars(textes);
}
BENCHMARK(BM_ReferenceFromChars)->Unit(benchmark::kMillisecond);

void BM_RafraichirEtRendre(benchmark::State &state)
{
    GrapheExemple e;
    for (auto _ : state) {
        RafraichirGraphe(e.t, e.g);
        e.Rendre();
    }
}
BENCHMARK(BM_RafraichirEtRendre)->Unit(benchmark::kMillisecond);

// The same when every refresh moves the axes (a last value alternately
// inside and far beyond the others): the background is drawn each time.
void BM_RafraichirEtRendreAxesChangeants(benchmark::State &state)
{
    GrapheExemple e;
    int i = 0;
    for (auto _ : state) {
        e.t.DefinirCellule(1, kLignes + 1, QString::number(++i % 2 ? 1e6 : 10));
        RafraichirGraphe(e.t, e.g);
        e.Rendre();
    }
}
BENCHMARK(BM_RafraichirEtRendreAxesChangeants)->Unit(benchmark::kMillisecond);

// The two parts of the refresh and drawing, apart.
void BM_RafraichirSeul(benchmark::State &state)
{
    GrapheExemple e(false);
    for (auto _ : state)
        RafraichirGraphe(e.t, e.g);
}
BENCHMARK(BM_RafraichirSeul)->Unit(benchmark::kMillisecond);

void BM_RendreSeul(benchmark::State &state)
{
    GrapheExemple e;
    RafraichirGraphe(e.t, e.g);
    for (auto _ : state)
        e.Rendre();
}
BENCHMARK(BM_RendreSeul)->Unit(benchmark::kMillisecond);

// The reference of a refresh and its drawing: the same cell texts parsed
// by from_chars and the same points drawn as two polylines on the bitmap.
void BM_ReferencePolyligne(benchmark::State &state)
{
    GrapheExemple e;
    const std::vector<std::string> textes = Textes(e.t, 0, 2);
    TGraphe &g = e.g;
    RafraichirGraphe(e.t, g);
    QPolygonF traits[2];
    for (int k = 1; k <= 2; ++k)
        for (const QPointF &pt : g.TrouverSerie(k)->PointsOrdonnes())
            traits[k - 1].append(QPointF(g.ColonneDeX(pt.x()), g.LigneDeY(pt.y(), k == 1 ? AxeId::Y : AxeId::Y2)));
    for (auto _ : state) {
        SommerFromChars(textes);
        e.image.fill(Qt::white);
        QPainter p(&e.image);
        p.setPen(Qt::blue);
        p.drawPolyline(traits[0]);
        p.setPen(Qt::red);
        p.drawPolyline(traits[1]);
    }
}
BENCHMARK(BM_ReferencePolyligne)->Unit(benchmark::kMillisecond);

} // namespace
