// Combining the layers of a 24-megapixel document (6000 × 4000): merging the
// provisional layer into the drawing layer, and flattening everything over
// the image. Reference: a plain copy of the image (one read and one write of
// every pixel), measured side by side.

#include "document/image_document.h"

#include <benchmark/benchmark.h>

#include <random>

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
        d.coucheProvisoire = CoucheDessinee(2);
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

void BM_FusionnerProvisoire(benchmark::State &etat)
{
    ImageDocument &doc = Document();
    const QImage provisoire = doc.coucheProvisoire;
    for (auto _ : etat) {
        etat.PauseTiming();
        doc.coucheProvisoire = provisoire.copy();
        etat.ResumeTiming();
        doc.FusionnerProvisoire();
        benchmark::DoNotOptimize(doc.coucheDessin.constBits());
    }
}
BENCHMARK(BM_FusionnerProvisoire)->Unit(benchmark::kMillisecond);

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

} // namespace
