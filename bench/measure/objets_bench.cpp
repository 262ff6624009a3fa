// Object measurement on a generated 6000 × 4000 photo holding 10,000 dark
// blobs on a noisy light background, beside OpenCV doing the same work on
// the same pixels, one thread: inRange, connectedComponentsWithStats
// (4-connected) and findContours; with details, plus the longest chord of
// each contour's convex hull.

#include "measure/mesure_objets.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr int Largeur = 6000, Hauteur = 4000, NbTaches = 10000;

const QImage &Photo()
{
    static const QImage photo = [] {
        QImage image(Largeur, Hauteur, QImage::Format_ARGB32);
        std::uint32_t graine = 2026;
        auto aleatoire = [&graine] {
            graine = graine * 1664525u + 1013904223u;
            return graine >> 8;
        };
        for (int y = 0; y < Hauteur; ++y) {
            auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < Largeur; ++x) {
                const int v = 170 + static_cast<int>(aleatoire() % 60);
                ligne[x] = qRgb(v, v - 20, v - 60);
            }
        }
        for (int t = 0; t < NbTaches; ++t) {
            const int cx = 20 + static_cast<int>(aleatoire() % (Largeur - 40));
            const int cy = 20 + static_cast<int>(aleatoire() % (Hauteur - 40));
            const int r = 4 + static_cast<int>(aleatoire() % 14);
            for (int y = cy - r; y <= cy + r; ++y) {
                auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int x = cx - r; x <= cx + r; ++x)
                    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r)
                        ligne[x] = qRgb(60 + static_cast<int>(aleatoire() % 40), 40, 30);
            }
        }
        return image;
    }();
    return photo;
}

const TTableaudeTableaudeCondicoul Sombre = {{{0, 2, 0, 0, 120}}};

void MesurerObjetsPhoto(benchmark::State &state)
{
    const QImage &photo = Photo();
    OptionsObjets options;
    options.ResuStat = state.range(0) != 0;
    QImage provisoire;
    for (auto _ : state) {
        TableauTailles tableau;
        const ResultatObjets r = MesurerObjets(photo, nullptr, Sombre, options, EchelleObjets{}, provisoire, tableau);
        benchmark::DoNotOptimize(r.pixelsTotal);
        state.counters["objets"] = static_cast<double>(r.objets.size());
    }
}
BENCHMARK(MesurerObjetsPhoto)->Arg(0)->Arg(1)->ArgNames({"details"})->Unit(benchmark::kMillisecond);

void OpenCvPhoto(benchmark::State &state)
{
    cv::setNumThreads(1);
    const QImage &photo = Photo();
    const cv::Mat image(Hauteur, Largeur, CV_8UC4, const_cast<uchar *>(photo.constBits()),
                        static_cast<std::size_t>(photo.bytesPerLine()));
    const bool details = state.range(0) != 0;
    for (auto _ : state) {
        cv::Mat masque, etiquettes, stats, centres;
        // Bytes B, G, R, A: red 0..120.
        cv::inRange(image, cv::Scalar(0, 0, 0, 0), cv::Scalar(255, 255, 120, 255), masque);
        const int n = cv::connectedComponentsWithStats(masque, etiquettes, stats, centres, 4);
        std::vector<std::vector<cv::Point>> contours;
        cv::findContours(masque, contours, cv::RETR_CCOMP, cv::CHAIN_APPROX_NONE);
        double somme = 0;
        if (details)
            for (const auto &contour : contours) {
                std::vector<cv::Point> enveloppe;
                cv::convexHull(contour, enveloppe);
                std::int64_t meilleur = 0;
                for (std::size_t i = 0; i < enveloppe.size(); ++i)
                    for (std::size_t j = i + 1; j < enveloppe.size(); ++j) {
                        const cv::Point d = enveloppe[j] - enveloppe[i];
                        meilleur = std::max<std::int64_t>(meilleur, std::int64_t{d.x} * d.x + std::int64_t{d.y} * d.y);
                    }
                somme += static_cast<double>(meilleur);
            }
        benchmark::DoNotOptimize(somme);
        state.counters["objets"] = n - 1;
    }
}
BENCHMARK(OpenCvPhoto)->Arg(0)->Arg(1)->ArgNames({"details"})->Unit(benchmark::kMillisecond);

} // namespace
