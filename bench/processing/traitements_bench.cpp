// Point and geometric operations and the combination of pictures on a
// 24-megapixel picture (6000 × 4000), each beside a memcpy of the same bytes
// in the same run, one thread on both sides unless KAPTORI_BANC_PARTS says: BM_Memcpy copies the picture's 96 MB into a buffer
// already in use, BM_CopieNeuve into fresh memory as an operation that makes
// a new picture must; the resizing references copy the bytes of the result.

#include "commun/travail_parallele.h"
#include "processing/balance_blanc.h"
#include "processing/combinaison_algebrique.h"
#include "processing/combinaison_logique.h"
#include "processing/inversion.h"
#include "processing/niveaux_gris.h"
#include "processing/pixellisation.h"
#include "processing/redimensionnement.h"
#include "processing/transformation.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace {

// One thread, like the memcpy beside it, unless KAPTORI_BANC_PARTS names
// the most parts a pass may be split into.
void PartsDuBanc()
{
    const char *parts = std::getenv("KAPTORI_BANC_PARTS");
    PartsParallelesMaxi() = parts ? std::max(1, std::atoi(parts)) : 1;
}

constexpr int kLargeur = 6000;
constexpr int kHauteur = 4000;

// A photo-like picture: smooth gradients with noise.
QImage Photo(unsigned graine)
{
    QImage image(kLargeur, kHauteur, QImage::Format_ARGB32);
    std::mt19937 alea(graine);
    for (int y = 0; y < kHauteur; ++y) {
        auto *l = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < kLargeur; ++x) {
            const unsigned bruit = alea();
            l[x] = qRgb((x / 24 + (bruit & 31)) & 255, (y / 16 + ((bruit >> 5) & 31)) & 255, ((x + y) / 40 + ((bruit >> 10) & 31)) & 255);
        }
    }
    return image;
}

const QImage &Image1()
{
    PartsDuBanc();
    static const QImage image = Photo(1);
    return image;
}

const QImage &Image2()
{
    static const QImage image = Photo(2);
    return image;
}

void Copier(benchmark::State &etat, std::size_t octets)
{
    std::vector<char> source(octets, 1), destination(octets, 2);
    for (auto _ : etat) {
        std::memcpy(destination.data(), source.data(), octets);
        benchmark::DoNotOptimize(destination.data());
        benchmark::ClobberMemory();
    }
    etat.SetBytesProcessed(static_cast<std::int64_t>(etat.iterations()) * static_cast<std::int64_t>(octets));
}

constexpr std::size_t kOctets = std::size_t{4} * kLargeur * kHauteur;

void BM_Memcpy(benchmark::State &etat) { Copier(etat, kOctets); }
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

void BM_CopieNeuve(benchmark::State &etat)
{
    const QImage &image = Image1();
    for (auto _ : etat) {
        QImage copie = image.copy();
        benchmark::DoNotOptimize(copie.constBits());
    }
}
BENCHMARK(BM_CopieNeuve)->Unit(benchmark::kMillisecond);

void BM_Transformation(benchmark::State &etat)
{
    const auto t = static_cast<Transformation>(etat.range(0));
    const QImage &image = Image1();
    for (auto _ : etat) {
        QImage r = TransformerImage(image, t);
        benchmark::DoNotOptimize(r.constBits());
    }
}
BENCHMARK(BM_Transformation)
    ->ArgName("t")
    ->Arg(static_cast<int>(Transformation::SymetrieHorizontale))
    ->Arg(static_cast<int>(Transformation::SymetrieVerticale))
    ->Arg(static_cast<int>(Transformation::Rotation180))
    ->Arg(static_cast<int>(Transformation::Rotation90))
    ->Arg(static_cast<int>(Transformation::Rotation270))
    ->Unit(benchmark::kMillisecond);

void BM_NiveauxGris(benchmark::State &etat)
{
    const QImage &image = Image1();
    for (auto _ : etat) {
        QImage r = NiveauxGris(image);
        benchmark::DoNotOptimize(r.constBits());
    }
}
// The symmetries and the half turn as a document does them, in place.
void BM_TransformationEnPlace(benchmark::State &etat)
{
    const auto t = static_cast<Transformation>(etat.range(0));
    QImage image = Image1().copy();
    for (auto _ : etat) {
        TransformerEnPlace(image, t);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_TransformationEnPlace)
    ->ArgName("t")
    ->Arg(static_cast<int>(Transformation::SymetrieHorizontale))
    ->Arg(static_cast<int>(Transformation::SymetrieVerticale))
    ->Arg(static_cast<int>(Transformation::Rotation180))
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_NiveauxGris)->Unit(benchmark::kMillisecond);

void BM_Inverser(benchmark::State &etat)
{
    QImage image = Image1().copy();
    for (auto _ : etat) {
        Inverser(image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Inverser)->Unit(benchmark::kMillisecond);

void BM_FaireBlanc(benchmark::State &etat)
{
    QImage image = Image1().copy();
    for (auto _ : etat) {
        etat.PauseTiming();
        std::memcpy(image.bits(), Image1().constBits(), kOctets);
        etat.ResumeTiming();
        FaireBlanc(image, {100, 100}, {300, 200});
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FaireBlanc)->Unit(benchmark::kMillisecond);

void BM_CombinerLogique(benchmark::State &etat)
{
    for (auto _ : etat) {
        QImage r = CombinerLogique(Image1(), Image2(), MethodeLogique::SrcInvert);
        benchmark::DoNotOptimize(r.constBits());
    }
}
BENCHMARK(BM_CombinerLogique)->Unit(benchmark::kMillisecond);

void BM_CombinerAlgebrique(benchmark::State &etat)
{
    ParametresCombinaison p;
    p.etaler = etat.range(0) != 0;
    for (auto _ : etat) {
        ResultatCombinaison r = CombinerAlgebrique(Image1(), Image2(), nullptr, p);
        benchmark::DoNotOptimize(r.image.constBits());
    }
}
BENCHMARK(BM_CombinerAlgebrique)->ArgName("etaler")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// One change of a control in the combination dialog: the reduced copies
// (at most 480 pixels a side) combined and spread.
void BM_ApercuCombinaison(benchmark::State &etat)
{
    const QImage a = Image1().scaled(480, 320, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage b = Image2().scaled(480, 320, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    ParametresCombinaison p;
    for (auto _ : etat) {
        p.coef1 = p.coef1 == 0.5 ? 0.6 : 0.5;
        ResultatCombinaison r = CombinerAlgebrique(a, b, nullptr, p);
        benchmark::DoNotOptimize(r.image.constBits());
    }
}
BENCHMARK(BM_ApercuCombinaison)->Unit(benchmark::kMillisecond);

// A step of the pixelisation window on the whole picture.
void BM_Pixelliser(benchmark::State &etat)
{
    for (auto _ : etat) {
        QImage r = Pixelliser(Image1(), static_cast<int>(etat.range(0)));
        benchmark::DoNotOptimize(r.constBits());
    }
}
BENCHMARK(BM_Pixelliser)->ArgName("n")->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond);

void BM_Redimensionner(benchmark::State &etat)
{
    const double p = static_cast<double>(etat.range(0));
    const QSize taille = TailleRedimensionnee(Image1().size(), p);
    for (auto _ : etat) {
        QImage r = Redimensionner(Image1(), taille);
        benchmark::DoNotOptimize(r.constBits());
    }
}
BENCHMARK(BM_Redimensionner)->ArgName("pourcent")->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

// The bytes of the resized results.
void BM_MemcpyResultat(benchmark::State &etat)
{
    const auto p = static_cast<std::size_t>(etat.range(0));
    Copier(etat, kOctets * p * p / 10000);
}
BENCHMARK(BM_MemcpyResultat)->ArgName("pourcent")->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace
