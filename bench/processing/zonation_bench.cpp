// Zonation and recolouring on a 6000 × 4000 picture. The zonation of eight
// categories in "RVB" without growth is set beside a plain pass that gives
// each pixel the nearest of eight mean colours; "TSL" beside "RVB"; the
// recolouring operations beside a copy of the picture's bytes.

#include "calibration/recoloration.h"
#include "commun/travail_parallele.h"
#include "processing/classes_couleurs.h"
#include "processing/zonation.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int W = 6000, H = 4000;

// A landscape-like picture: smooth gradients with a little noise.
const QImage &Photo()
{
    static const QImage image = [] {
        QImage i(W, H, QImage::Format_ARGB32);
        std::uint32_t graine = 12345;
        for (int y = 0; y < H; ++y) {
            auto *l = reinterpret_cast<QRgb *>(i.scanLine(y));
            for (int x = 0; x < W; ++x) {
                graine = graine * 1664525u + 1013904223u;
                const int bruit = static_cast<int>(graine >> 29);
                l[x] = qRgb((x * 255 / W + bruit) & 0xFF, (y * 255 / H + bruit) & 0xFF, ((x + y) / 40 + bruit) & 0xFF);
            }
        }
        return i;
    }();
    return image;
}

// Eight painted squares spread over the picture.
const QImage &Peinture()
{
    static const QImage peinture = [] {
        QImage p(W, H, QImage::Format_ARGB32);
        p.fill(0u);
        for (int k = 0; k < 8; ++k)
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x)
                    p.setPixel(300 + k * 700 + x, 400 + (k % 4) * 900 + y, qRgb(30 * k, 255 - 30 * k, 100));
        return p;
    }();
    return peinture;
}

void Zonation(benchmark::State &state, int codage)
{
    ParametresZonation p;
    p.codage = codage;
    for (auto _ : state) {
        ResultatZonation r = CalculerZonation(Photo(), Peinture(), p, [](int) { return true; });
        benchmark::DoNotOptimize(r.image.constBits());
    }
}
BENCHMARK_CAPTURE(Zonation, rvb, int{CodageRvb})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Zonation, tsl, int{CodageTsl})->Unit(benchmark::kMillisecond);

// The reference: each pixel to the nearest of eight means, squared distances.
void PlusProcheDeHuit(benchmark::State &state)
{
    const CategoriesZonation c = StatistiquesClasses(Photo(), Peinture(), 2.0, 0.1, CodageRvb);
    QImage sortie(W, H, QImage::Format_ARGB32);
    for (auto _ : state) {
        for (int y = 0; y < H; ++y) {
            const auto *l = reinterpret_cast<const QRgb *>(Photo().constScanLine(y));
            auto *s = reinterpret_cast<QRgb *>(sortie.scanLine(y));
            for (int x = 0; x < W; ++x) {
                int meilleure = 0, b = 1 << 30;
                for (int k = 0; k < c.NbCategories; ++k) {
                    const QRgb m = c.CouleursMoyennes[static_cast<std::size_t>(k)];
                    const int dr = qRed(l[x]) - qRed(m), dg = qGreen(l[x]) - qGreen(m), db = qBlue(l[x]) - qBlue(m);
                    const int d = dr * dr + dg * dg + db * db;
                    if (d < b) {
                        b = d;
                        meilleure = k;
                    }
                }
                s[x] = c.CouleursPeintes[static_cast<std::size_t>(meilleure)];
            }
        }
        benchmark::DoNotOptimize(sortie.constBits());
    }
}
BENCHMARK(PlusProcheDeHuit)->Unit(benchmark::kMillisecond);

void Copie(benchmark::State &state)
{
    QImage sortie(W, H, QImage::Format_ARGB32);
    for (auto _ : state) {
        std::memcpy(sortie.bits(), Photo().constBits(), static_cast<std::size_t>(Photo().sizeInBytes()));
        benchmark::DoNotOptimize(sortie.constBits());
    }
}
BENCHMARK(Copie)->Unit(benchmark::kMillisecond);

void Aligner(benchmark::State &state)
{
    TCodeCouleur code;
    code.TypeCodage = CodageTableau;
    code.NbCouleurs = 16;
    for (int e = 0; e < 16; ++e)
        code.CouleurTable[static_cast<std::size_t>(e)] = CouleurRvb(e * 16, 255 - e * 16, 128);
    QImage image = Photo().copy();
    // One thread, like the copy beside it, unless KAPTORI_BANC_PARTS names
    // the most parts the pass may be split into.
    const int avant = PartsParallelesMaxi();
    const char *parts = std::getenv("KAPTORI_BANC_PARTS");
    PartsParallelesMaxi() = parts ? std::max(1, std::atoi(parts)) : 1;
    for (auto _ : state) {
        AlignerTeintes(code, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    PartsParallelesMaxi() = avant;
}
BENCHMARK(Aligner)->Unit(benchmark::kMillisecond);

void MettreEnCouleurs(benchmark::State &state)
{
    TCodeCouleur code;
    code.TypeCodage = CodageDeuxCouleurs;
    code.CouleurMin = CouleurRvb(0, 0, 255);
    code.CouleurMax = CouleurRvb(255, 255, 0);
    QImage image = Photo().copy();
    for (auto _ : state) {
        ColorerNiveauxGris(code, image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(MettreEnCouleurs)->Unit(benchmark::kMillisecond);

void ColorierClasses(benchmark::State &state)
{
    ClassesCouleurs c;
    c.NbClasses = 8;
    MemeLargeur(c);
    QImage image = Photo().copy();
    for (auto _ : state) {
        Colorier(c, image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(ColorierClasses)->Unit(benchmark::kMillisecond);

} // namespace
