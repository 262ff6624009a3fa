// Counting marks and the grid on a 24-megapixel picture (6000 × 4000) with a
// drawn provisional layer: "Copier avec les points" with 2000 marks beside
// the flattening of the same document without marks; a click that adds a
// mark and composes only its 25 × 25 square; restyling 2000 marks; the grid
// of mesh 20 beside a plain pass writing the same line pixels.

#include "document/composition_vue.h"
#include "drawing/quadrillage.h"
#include "processing/comptage_document.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int kLargeurComptage = 6000;
constexpr int kHauteurComptage = 4000;

ImageDocument &DocumentComptage()
{
    static ImageDocument *doc = [] {
        auto *d = new ImageDocument;
        d->image = QImage(kLargeurComptage, kHauteurComptage, QImage::Format_ARGB32);
        d->image.fill(0xFF408060);
        d->coucheProvisoire = QImage(d->image.size(), QImage::Format_ARGB32);
        d->coucheProvisoire.fill(Qt::transparent);
        for (int y = 100; y < kHauteurComptage; y += 400)
            for (int k = 0; k < 3; ++k) {
                auto *l = reinterpret_cast<QRgb *>(d->coucheProvisoire.scanLine(y + k));
                std::fill_n(l, kLargeurComptage, 0xFF2040C0u);
            }
        return d;
    }();
    return *doc;
}

void PoserMarques(ImageDocument &doc, int n)
{
    std::mt19937 alea(7);
    TCompteurs compteurs;
    compteurs.NbCompteurs = 8;
    for (int i = 0; i < n; ++i) {
        compteurs.CompteurCourant = 1 + i % 8;
        compteurs.FormesMarque[static_cast<std::size_t>(i % 8)] = i % 10;
        AjouterMarque(doc, compteurs, 0,
                      QPoint(static_cast<int>(alea() % kLargeurComptage), static_cast<int>(alea() % kHauteurComptage)));
    }
}

void RetirerMarques(ImageDocument &doc)
{
    for (auto &categorie : doc.marquesComptage)
        categorie.clear();
    doc.derniereMarque.fill(-1);
}

void BM_AplatirSansMarques(benchmark::State &etat)
{
    ImageDocument &doc = DocumentComptage();
    for (auto _ : etat) {
        QImage plat = doc.Aplatir();
        benchmark::DoNotOptimize(plat.constBits());
    }
}
BENCHMARK(BM_AplatirSansMarques)->Unit(benchmark::kMillisecond);

void BM_CopierAvecLesPoints2000(benchmark::State &etat)
{
    ImageDocument &doc = DocumentComptage();
    PoserMarques(doc, 2000);
    for (auto _ : etat) {
        QImage copie = CopierAvecLesPoints(doc);
        benchmark::DoNotOptimize(copie.constBits());
    }
    RetirerMarques(doc);
}
BENCHMARK(BM_CopierAvecLesPoints2000)->Unit(benchmark::kMillisecond);

// A click among 2000 marks: the mark is added and its square composed for
// the screen; the mark is taken away again after each click.
void BM_ClicMarque(benchmark::State &etat)
{
    ImageDocument &doc = DocumentComptage();
    PoserMarques(doc, 2000);
    TCompteurs compteurs;
    for (auto _ : etat) {
        const QRect zone = AjouterMarque(doc, compteurs, 0, QPoint(3001, 2001));
        QImage vue = ComposerVue(doc, zone, 1.0);
        benchmark::DoNotOptimize(vue.constBits());
        doc.marquesComptage[0].pop_back();
    }
    RetirerMarques(doc);
}
BENCHMARK(BM_ClicMarque)->Unit(benchmark::kMicrosecond);

void BM_RestylerMarques2000(benchmark::State &etat)
{
    ImageDocument &doc = DocumentComptage();
    TCompteurs compteurs;
    for (int i = 0; i < 2000; ++i)
        AjouterMarque(doc, compteurs, 0, QPoint(i, i));
    int forme = 0;
    for (auto _ : etat) {
        compteurs.FormesMarque[0] = forme++ % 10;
        RestylerMarques(doc, compteurs, 5);
        benchmark::DoNotOptimize(doc.marquesComptage[0].back().image.constBits());
    }
    RetirerMarques(doc);
}
BENCHMARK(BM_RestylerMarques2000)->Unit(benchmark::kMicrosecond);

QImage &CoucheGrille()
{
    static QImage couche = [] {
        QImage c(kLargeurComptage, kHauteurComptage, QImage::Format_ARGB32);
        c.fill(Qt::transparent);
        return c;
    }();
    return couche;
}

void BM_Quadrillage20(benchmark::State &etat)
{
    QImage &couche = CoucheGrille();
    for (auto _ : etat) {
        const LignesQuadrillage l = TracerQuadrillage(couche, 20, 0x40000000);
        benchmark::DoNotOptimize(l.verticales);
        benchmark::DoNotOptimize(couche.constBits());
    }
}
BENCHMARK(BM_Quadrillage20)->Unit(benchmark::kMillisecond);

// The same pixels written by a plain pass: full rows every 20 rows, and one
// pixel every 20 in the others.
void BM_PasseLignes20(benchmark::State &etat)
{
    QImage &couche = CoucheGrille();
    for (auto _ : etat) {
        for (int y = 0; y < kHauteurComptage; ++y) {
            auto *l = reinterpret_cast<QRgb *>(couche.scanLine(y));
            if (y > 0 && y % 20 == 0) {
                std::fill_n(l, kLargeurComptage, 0x40000000u);
                continue;
            }
            for (int x = 20; x < kLargeurComptage; x += 20)
                l[x] = 0x40000000u;
        }
        benchmark::DoNotOptimize(couche.constBits());
    }
}
BENCHMARK(BM_PasseLignes20)->Unit(benchmark::kMillisecond);

} // namespace
