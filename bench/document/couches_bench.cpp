// Combining the layers of a 24-megapixel document (6000 × 4000): merging the
// provisional layer into the drawing layer, and flattening everything over
// the image. References, measured side by side: a plain copy of the image
// into a new picture (one read and one write of every pixel, plus the first
// touch of the new memory), and a memcpy of the same bytes into a buffer
// already in use.

#include "document/image_document.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int kLargeur = 6000;
constexpr int kHauteur = 4000;

// A drawing on a tenth of the pixels, alpha and colours varied.
QImage CoucheDessinee(unsigned graine)
{
    QImage couche(kLargeur, kHauteur, QImage::Format_ARGB32);
    couche.fill(Qt::transparent);
    std::mt19937 alea(graine);
    for (int y = 0; y < kHauteur; ++y) {
        auto *l = reinterpret_cast<QRgb *>(couche.scanLine(y));
        for (int x = 0; x < kLargeur; ++x)
            if (alea() % 10 == 0)
                l[x] = alea() | 0x01000000u;
    }
    return couche;
}

ImageDocument &Document()
{
    static ImageDocument doc = [] {
        ImageDocument d;
        d.image = QImage(kLargeur, kHauteur, QImage::Format_ARGB32);
        d.image.fill(0xFF808080);
        d.coucheDessin = CoucheDessinee(1);
        d.alphaProvisoire = 200;
        return d;
    }();
    return doc;
}

void BM_CopieImage(benchmark::State &etat)
{
    const ImageDocument &doc = Document();
    for (auto _ : etat) {
        QImage copie = doc.image.copy();
        benchmark::DoNotOptimize(copie.constBits());
    }
}
BENCHMARK(BM_CopieImage)->Unit(benchmark::kMillisecond);

void BM_Memcpy(benchmark::State &etat)
{
    const ImageDocument &doc = Document();
    std::vector<uchar> tampon(static_cast<std::size_t>(doc.image.sizeInBytes()), 1);
    for (auto _ : etat) {
        std::memcpy(tampon.data(), doc.image.constBits(), tampon.size());
        benchmark::DoNotOptimize(tampon.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

// Merges a fresh copy of the provisional layer at each iteration.
void MesurerFusion(benchmark::State &etat, const QImage &provisoire)
{
    ImageDocument &doc = Document();
    for (auto _ : etat) {
        etat.PauseTiming();
        doc.coucheProvisoire = provisoire.copy();
        etat.ResumeTiming();
        doc.FusionnerProvisoire();
        benchmark::DoNotOptimize(doc.coucheDessin.constBits());
    }
}

void BM_FusionnerProvisoire(benchmark::State &etat)
{
    static const QImage provisoire = CoucheDessinee(2);
    MesurerFusion(etat, provisoire);
}
BENCHMARK(BM_FusionnerProvisoire)->Unit(benchmark::kMillisecond)->Iterations(10);

// The usual case: one stroke, here a band 40 pixels high across the picture,
// merged after it was drawn.
void BM_FusionnerProvisoireTrait(benchmark::State &etat)
{
    QImage provisoire(kLargeur, kHauteur, QImage::Format_ARGB32);
    provisoire.fill(Qt::transparent);
    for (int y = 2000; y < 2040; ++y) {
        auto *l = reinterpret_cast<QRgb *>(provisoire.scanLine(y));
        std::fill_n(l, kLargeur, 0xFF2040C0u);
    }
    MesurerFusion(etat, provisoire);
}
BENCHMARK(BM_FusionnerProvisoireTrait)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_Aplatir(benchmark::State &etat)
{
    ImageDocument &doc = Document();
    doc.coucheProvisoire = CoucheDessinee(3);
    for (auto _ : etat) {
        QImage plat = doc.Aplatir();
        benchmark::DoNotOptimize(plat.constBits());
    }
}
BENCHMARK(BM_Aplatir)->Unit(benchmark::kMillisecond);

// Flattening into a destination of the right size that is used again.
void BM_AplatirDansDestination(benchmark::State &etat)
{
    ImageDocument &doc = Document();
    doc.coucheProvisoire = CoucheDessinee(3);
    QImage plat;
    doc.Aplatir(plat);
    for (auto _ : etat) {
        doc.Aplatir(plat);
        benchmark::DoNotOptimize(plat.constBits());
    }
}
BENCHMARK(BM_AplatirDansDestination)->Unit(benchmark::kMillisecond);

// Flattening with a pasted picture of 1000 × 800 being placed and a few
// counting marks.
void BM_AplatirAvecCouchesPlacees(benchmark::State &etat)
{
    ImageDocument &doc = Document();
    doc.coucheProvisoire = CoucheDessinee(3);
    doc.coucheFlottante.image = QImage(1000, 800, QImage::Format_ARGB32);
    doc.coucheFlottante.image.fill(0xC0FF8000);
    doc.coucheFlottante.position = QPointF(2500, 1500);
    for (int i = 0; i < 20; ++i) {
        CouchePositionnee marque;
        marque.image = QImage(9, 9, QImage::Format_ARGB32);
        marque.image.fill(0xFFFF0000);
        marque.position = QPointF(250 * i, 180 * i);
        doc.marquesComptage[i % 10].push_back(marque);
    }
    for (auto _ : etat) {
        QImage plat = doc.Aplatir();
        benchmark::DoNotOptimize(plat.constBits());
    }
    doc.coucheFlottante = CouchePositionnee();
    for (auto &categorie : doc.marquesComptage)
        categorie.clear();
}
BENCHMARK(BM_AplatirAvecCouchesPlacees)->Unit(benchmark::kMillisecond);

} // namespace
