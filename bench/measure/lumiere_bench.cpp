// The means the light values are computed from, on a 6000 × 4000 photo:
// the mean colour of the whole picture beside a plain loop summing the same
// bytes, the mean under what is coloured on two layers beside a plain loop
// summing the same bytes under the same masks, and a series of ten
// rectangles beside one.

#include "calibration/couleur_moyenne.h"
#include "document/image_document.h"
#include "measure/moyenne_lumiere.h"
#include "table/serie_lumiere.h"
#include "table/tableau_resultats.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

const ImageDocument &Document()
{
    static const ImageDocument *doc = [] {
        auto *d = new ImageDocument;
        d->image = QImage(6000, 4000, QImage::Format_ARGB32);
        for (int y = 0; y < d->image.height(); ++y) {
            auto *ligne = reinterpret_cast<QRgb *>(d->image.scanLine(y));
            for (int x = 0; x < d->image.width(); ++x)
                ligne[x] = qRgb(x & 255, y & 255, (x + y) & 255);
        }
        d->CreerCoucheDessin();
        d->CreerCoucheProvisoire();
        // A third of the picture coloured on each layer, in stripes.
        for (int y = 0; y < 4000; ++y) {
            auto *dessin = reinterpret_cast<QRgb *>(d->coucheDessin.scanLine(y));
            auto *provisoire = reinterpret_cast<QRgb *>(d->coucheProvisoire.scanLine(y));
            for (int x = 0; x < 6000; ++x) {
                if (x % 3 == 0)
                    dessin[x] = 0x80FF0000;
                if ((x + y) % 3 == 1)
                    provisoire[x] = 0x01FFFFFF;
            }
        }
        return d;
    }();
    return *doc;
}

void BM_CouleurMoyenneImage(benchmark::State &state)
{
    const QImage &image = Document().image;
    for (auto _ : state)
        benchmark::DoNotOptimize(CouleurMoyenne(image, {0, 0}, {5999, 3999}));
    state.SetItemsProcessed(state.iterations() * 6000 * 4000);
}
BENCHMARK(BM_CouleurMoyenneImage)->Unit(benchmark::kMillisecond);

// The least any mean must do: the three bytes of every pixel summed.
void BM_SommePlaineImage(benchmark::State &state)
{
    const QImage &image = Document().image;
    for (auto _ : state) {
        std::uint64_t r = 0, g = 0, b = 0;
        const int largeur = image.width();
        const int hauteur = image.height();
        for (int y = 0; y < hauteur; ++y) {
            const auto *p = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < largeur; ++x) {
                r += (p[x] >> 16) & 0xFF;
                g += (p[x] >> 8) & 0xFF;
                b += p[x] & 0xFF;
            }
        }
        benchmark::DoNotOptimize(r + g + b);
    }
    state.SetItemsProcessed(state.iterations() * 6000 * 4000);
}
BENCHMARK(BM_SommePlaineImage)->Unit(benchmark::kMillisecond);

void BM_MoyenneZoneColoree(benchmark::State &state)
{
    const ImageDocument &doc = Document();
    for (auto _ : state)
        benchmark::DoNotOptimize(MoyenneZoneColoree(doc));
    state.SetItemsProcessed(state.iterations() * 6000 * 4000);
}
BENCHMARK(BM_MoyenneZoneColoree)->Unit(benchmark::kMillisecond);

// The same bytes under the same masks, summed without anything else.
void BM_SommePlaineZone(benchmark::State &state)
{
    const ImageDocument &doc = Document();
    for (auto _ : state) {
        std::uint64_t r = 0, g = 0, b = 0, n = 0;
        for (int y = 0; y < 4000; ++y) {
            const auto *p = reinterpret_cast<const QRgb *>(doc.image.constScanLine(y));
            const auto *a = reinterpret_cast<const QRgb *>(doc.coucheDessin.constScanLine(y));
            const auto *c = reinterpret_cast<const QRgb *>(doc.coucheProvisoire.constScanLine(y));
            for (int x = 0; x < 6000; ++x) {
                if (((a[x] | c[x]) >> 24) == 0)
                    continue;
                r += (p[x] >> 16) & 0xFF;
                g += (p[x] >> 8) & 0xFF;
                b += p[x] & 0xFF;
                ++n;
            }
        }
        benchmark::DoNotOptimize(r + g + b + n);
    }
    state.SetItemsProcessed(state.iterations() * 6000 * 4000);
}
BENCHMARK(BM_SommePlaineZone)->Unit(benchmark::kMillisecond);

// A series measures the rectangle once per document and fills the table:
// Arg(1) one document, Arg(10) ten.
void BM_SerieRectangles(benchmark::State &state)
{
    const QImage &image = Document().image;
    const QRect rectangle(500, 500, 4000, 3000);
    const auto n = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        std::vector<std::optional<CouleurWin>> moyennes;
        for (std::size_t i = 0; i < n; ++i)
            moyennes.push_back(MoyenneRectangle(image, rectangle));
        TableauResultats t;
        RemplirSerieLumiere(t, ParametresSerie{}, {}, moyennes);
        benchmark::DoNotOptimize(t.NbLignes());
    }
}
BENCHMARK(BM_SerieRectangles)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
