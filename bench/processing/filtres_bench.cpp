// Histograms and filters on a 24-megapixel photo (6000 × 4000), one thread
// on both sides (the program's passes are held to one part, OpenCV to one
// thread; KAPTORI_BANC_PARTS=n lets the program's passes use up to n), each beside the OpenCV operation it is measured against: "Accentuer",
// Sobel and "Evide" against cv::filter2D 3 × 3, "flou gaussien" against
// cv::filter2D 7 × 7, CalculerHistogrammes against cv::calcHist on three
// channels.

#include "commun/travail_parallele.h"
#include "processing/convolution.h"
#include "processing/evide.h"
#include "processing/histogrammes.h"
#include "processing/sobel.h"

#include <benchmark/benchmark.h>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cstdlib>
#include <random>

namespace {

constexpr int kLargeur = 6000;
constexpr int kHauteur = 4000;

const QImage &Photo()
{
    static const QImage image = [] {
        const char *parts = std::getenv("KAPTORI_BANC_PARTS");
        PartsParallelesMaxi() = parts ? std::max(1, std::atoi(parts)) : 1;
        QImage i(kLargeur, kHauteur, QImage::Format_ARGB32);
        std::mt19937 alea(7);
        for (int y = 0; y < kHauteur; ++y) {
            auto *l = reinterpret_cast<QRgb *>(i.scanLine(y));
            for (int x = 0; x < kLargeur; ++x) {
                const unsigned bruit = alea();
                l[x] = qRgb((x / 24 + (bruit & 31)) & 255, (y / 16 + ((bruit >> 5) & 31)) & 255,
                            ((x + y) / 40 + ((bruit >> 10) & 31)) & 255);
            }
        }
        return i;
    }();
    return image;
}

cv::Mat MatPhoto()
{
    const QImage &p = Photo();
    cv::Mat m(p.height(), p.width(), CV_8UC4, const_cast<uchar *>(p.constBits()), static_cast<size_t>(p.bytesPerLine()));
    cv::Mat bgr;
    cv::cvtColor(m, bgr, cv::COLOR_BGRA2BGR);
    return bgr;
}

void Filtre(benchmark::State &state, FiltreConvolution f)
{
    const QImage &p = Photo();
    for (auto _ : state)
        benchmark::DoNotOptimize(AppliquerFiltre(p, f));
}

void BM_Accentuer(benchmark::State &state) { Filtre(state, FiltreConvolution::Accentuer); }
void BM_FlouGaussien(benchmark::State &state) { Filtre(state, FiltreConvolution::FlouGaussien); }

void BM_Sobel(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Sobel(Photo()));
}

void BM_Evide(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Evider(Photo()));
}

void BM_CalculerHistogrammes(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CalculerHistogrammes(Photo()));
}

void OpenCvFiltre(benchmark::State &state, int cote)
{
    cv::setNumThreads(1);
    const cv::Mat m = MatPhoto();
    const cv::Mat noyau = cv::Mat::ones(cote, cote, CV_32F) / static_cast<float>(cote * cote);
    cv::Mat sortie;
    for (auto _ : state) {
        cv::filter2D(m, sortie, -1, noyau);
        benchmark::DoNotOptimize(sortie.data);
    }
}

void BM_OpenCvFilter2D3x3(benchmark::State &state) { OpenCvFiltre(state, 3); }
void BM_OpenCvFilter2D7x7(benchmark::State &state) { OpenCvFiltre(state, 7); }

void BM_OpenCvCalcHist(benchmark::State &state)
{
    cv::setNumThreads(1);
    const cv::Mat m = MatPhoto();
    const int taille = 256;
    const float plage[] = {0, 256};
    const float *plages[] = {plage};
    cv::Mat h;
    for (auto _ : state)
        for (int c = 0; c < 3; ++c) {
            cv::calcHist(&m, 1, &c, cv::Mat(), h, 1, &taille, plages);
            benchmark::DoNotOptimize(h.data);
        }
}

} // namespace

BENCHMARK(BM_Accentuer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenCvFilter2D3x3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlouGaussien)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenCvFilter2D7x7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sobel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Evide)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculerHistogrammes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenCvCalcHist)->Unit(benchmark::kMillisecond);
