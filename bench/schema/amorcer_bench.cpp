// Priming a 24-megapixel photograph (6000 × 4000): the style "normal" (four
// neighbours, the three colour components) beside a memcpy of the picture's
// bytes, which it should stay within six times of, into the former schema
// and into a new one; and the heaviest style, all 48 neighbours and the six
// components.

#include "schema/amorcer.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int kLargeur = 6000;
constexpr int kHauteur = 4000;

// Smooth colour bands with noise, as a photograph has.
const QImage &Photo()
{
    static const QImage image = [] {
        QImage p(kLargeur, kHauteur, QImage::Format_ARGB32);
        std::mt19937 alea(26);
        for (int y = 0; y < kHauteur; ++y) {
            auto *l = reinterpret_cast<QRgb *>(p.scanLine(y));
            for (int x = 0; x < kLargeur; ++x) {
                const int bruit = static_cast<int>(alea() % 24);
                l[x] = qRgb((x / 7 + bruit) & 255, (y / 5 + bruit) & 255, ((x + y) / 11) & 255);
            }
        }
        return p;
    }();
    return image;
}

void BM_CopieMemoire(benchmark::State &state)
{
    const QImage &image = Photo();
    std::vector<uchar> copie(static_cast<std::size_t>(image.sizeInBytes()));
    for (auto _ : state) {
        std::memcpy(copie.data(), image.constBits(), copie.size());
        benchmark::DoNotOptimize(copie.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * image.sizeInBytes());
}
BENCHMARK(BM_CopieMemoire)->Unit(benchmark::kMillisecond)->UseRealTime();

// Into the schema of the previous priming, as a re-priming of the same picture.
void BM_AmorcerNormal(benchmark::State &state)
{
    const QImage &image = Photo();
    const TParamStyleDes style = StylesIntegres().front().param;
    QImage schema;
    (void)Amorcer(image, style, schema);
    for (auto _ : state) {
        (void)Amorcer(image, style, schema);
        benchmark::DoNotOptimize(schema.constBits());
    }
    state.SetBytesProcessed(state.iterations() * image.sizeInBytes());
}
BENCHMARK(BM_AmorcerNormal)->Unit(benchmark::kMillisecond)->UseRealTime();

// Into a new picture each time: the first priming of a picture.
void BM_AmorcerNormalNouveauSchema(benchmark::State &state)
{
    const QImage &image = Photo();
    const TParamStyleDes style = StylesIntegres().front().param;
    for (auto _ : state)
        benchmark::DoNotOptimize(Amorcer(image, style));
    state.SetBytesProcessed(state.iterations() * image.sizeInBytes());
}
BENCHMARK(BM_AmorcerNormalNouveauSchema)->Unit(benchmark::kMillisecond)->UseRealTime();

// On one thread: its processor time compares with the copy's on a loaded machine.
void BM_AmorcerNormalUnFil(benchmark::State &state)
{
    const QImage &image = Photo();
    const TParamStyleDes style = StylesIntegres().front().param;
    OptionsAmorcage options;
    options.parts = 1;
    QImage schema;
    for (auto _ : state) {
        (void)Amorcer(image, style, schema, options);
        benchmark::DoNotOptimize(schema.constBits());
    }
    state.SetBytesProcessed(state.iterations() * image.sizeInBytes());
}
BENCHMARK(BM_AmorcerNormalUnFil)->Unit(benchmark::kMillisecond);

void BM_AmorcerToutVoisinage(benchmark::State &state)
{
    const QImage &image = Photo();
    TParamStyleDes style = StylesIntegres().front().param;
    style.Actif.fill(true);
    style.MarquerNoir = false;
    style.MarquerBlanc = false;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            style.DefinirPoint(dx, dy, dx != 0 || dy != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(Amorcer(image, style));
    state.SetBytesProcessed(state.iterations() * image.sizeInBytes());
}
BENCHMARK(BM_AmorcerToutVoisinage)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
