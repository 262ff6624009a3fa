// Paint bucket over a 24-megapixel region against a plain scan-line flood
// fill of the same region and OpenCV's floodFill (4-connected, fixed range),
// and the rebuild of a drawing layer of 200 elements on a 24-megapixel
// document. The fills time the fill alone: clearing the layer (or copying
// OpenCV's picture, which it fills in place) is left out of the timing.

#include "document/dessins_document.h"
#include "drawing/remplissages.h"

#include <benchmark/benchmark.h>
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <vector>

namespace {

constexpr int Largeur = 6000, Hauteur = 4000;

const QImage &ImageUnie()
{
    static const QImage image = [] {
        QImage i(Largeur, Hauteur, QImage::Format_ARGB32);
        i.fill(0xFFFFFFFFu);
        return i;
    }();
    return image;
}

// The reference: a span-based flood fill of the pixels equal to the seed's
// colour, with its own visited map, writing the fill colour.
int RemplissageParLignes(const QImage &teste, QImage &ecrit, int x0, int y0, QRgb couleur)
{
    const int l = teste.width(), h = teste.height();
    const QRgb cible = reinterpret_cast<const QRgb *>(teste.constScanLine(y0))[x0];
    std::vector<std::uint8_t> vu(static_cast<std::size_t>(l) * h, 0);
    std::vector<std::pair<int, int>> pile{{x0, y0}};
    int compte = 0;
    while (!pile.empty()) {
        auto [x, y] = pile.back();
        pile.pop_back();
        const QRgb *src = reinterpret_cast<const QRgb *>(teste.constScanLine(y));
        std::uint8_t *v = vu.data() + static_cast<std::size_t>(y) * l;
        if (v[x] || src[x] != cible)
            continue;
        int g = x, d = x;
        while (g > 0 && !v[g - 1] && src[g - 1] == cible)
            --g;
        while (d < l - 1 && !v[d + 1] && src[d + 1] == cible)
            ++d;
        QRgb *dst = reinterpret_cast<QRgb *>(ecrit.scanLine(y));
        for (int i = g; i <= d; ++i) {
            v[i] = 1;
            dst[i] = couleur;
        }
        compte += d - g + 1;
        for (int ny : {y - 1, y + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            const QRgb *s2 = reinterpret_cast<const QRgb *>(teste.constScanLine(ny));
            const std::uint8_t *v2 = vu.data() + static_cast<std::size_t>(ny) * l;
            bool dansSpan = false;
            for (int i = g; i <= d; ++i) {
                const bool ok = !v2[i] && s2[i] == cible;
                if (ok && !dansSpan)
                    pile.push_back({i, ny});
                dansSpan = ok;
            }
        }
    }
    return compte;
}

void BM_RemplissageParLignes(benchmark::State &state)
{
    QImage couche(Largeur, Hauteur, QImage::Format_ARGB32);
    for (auto _ : state) {
        state.PauseTiming();
        couche.fill(0u);
        state.ResumeTiming();
        benchmark::DoNotOptimize(RemplissageParLignes(ImageUnie(), couche, 10, 10, 0xFFFF0000));
    }
}
BENCHMARK(BM_RemplissageParLignes)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PotDePeinture(benchmark::State &state)
{
    QImage couche(Largeur, Hauteur, QImage::Format_ARGB32);
    // The paint bucket "with the pen colour, on the image": B, G, R within 15 of the background colour.
    const TTableaudeTableaudeCondicoul conditions = {{{0, 0, 0, 240, 255}, {0, 1, 0, 240, 255}, {0, 2, 0, 240, 255}}};
    for (auto _ : state) {
        state.PauseTiming();
        couche.fill(0u);
        state.ResumeTiming();
        benchmark::DoNotOptimize(RemplirConditionnel(10, 10, 0xFFFF0000, 1, conditions, ImageUnie(), couche));
    }
}
BENCHMARK(BM_PotDePeinture)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same region in OpenCV: B, G, R within 15 below the seed's white.
void BM_FloodFillOpenCV(benchmark::State &state)
{
    const cv::Mat blanche(Hauteur, Largeur, CV_8UC3, cv::Scalar(255, 255, 255));
    cv::Mat image;
    int compte = 0;
    for (auto _ : state) {
        state.PauseTiming();
        blanche.copyTo(image);
        state.ResumeTiming();
        compte = cv::floodFill(image, cv::Point(10, 10), cv::Scalar(0, 0, 255), nullptr, cv::Scalar(15, 15, 15),
                               cv::Scalar(0, 0, 0), 4 | cv::FLOODFILL_FIXED_RANGE);
        benchmark::DoNotOptimize(image.data);
    }
    if (compte != Largeur * Hauteur)
        state.SkipWithError("floodFill n'a pas rempli toute l'image");
}
BENCHMARK(BM_FloodFillOpenCV)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RedessinerCalque200(benchmark::State &state)
{
    ImageDocument doc;
    doc.image = ImageUnie();
    for (int i = 0; i < 200; ++i) {
        auto d = std::make_unique<TDessin>();
        d->Genre = static_cast<std::uint8_t>(i % 4);
        d->Opacite = 255;
        d->Epaisseur = static_cast<std::uint8_t>(i % 5);
        const int x = (i * 293) % (Largeur - 400), y = (i * 157) % (Hauteur - 400);
        d->X1 = static_cast<std::int16_t>(x);
        d->Y1 = static_cast<std::int16_t>(y);
        d->X2 = static_cast<std::int16_t>(x + 300);
        d->Y2 = static_cast<std::int16_t>(y + 200);
        d->XAncre = static_cast<std::int16_t>(x + 150);
        d->YAncre = static_cast<std::int16_t>(y + 150);
        d->Rayon = 120;
        d->Motif = static_cast<std::uint8_t>(i % 8);
        for (int k = 0; k < 50; ++k)
            d->Trace.listes.front().push_back({(x + k * 6) * 65536, (y + (k * k) % 200) * 65536});
        AjouterElementNomme(doc, std::move(d));
    }
    for (auto _ : state)
        ReconstruireCalque(doc, ContexteDessin{});
}
BENCHMARK(BM_RedessinerCalque200)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
