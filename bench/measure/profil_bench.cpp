// The band sampling of the intensity profile on a 6000 × 4000 photo with a
// band of 101 pixels, beside a plain loop summing the same pixels from a
// precomputed list of offsets (the least any sampler must do), and the
// drawing of the graph that "Mesurer" ends with.

#include "measure/courbes_profil.h"
#include "measure/profil_intensite.h"
#include "plot/rendu_graphe.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

const QImage &Photo()
{
    static const QImage image = [] {
        QImage im(6000, 4000, QImage::Format_ARGB32);
        for (int y = 0; y < im.height(); ++y) {
            auto *ligne = reinterpret_cast<QRgb *>(im.scanLine(y));
            for (int x = 0; x < im.width(); ++x)
                ligne[x] = qRgb(x & 255, y & 255, (x + y) & 255);
        }
        return im;
    }();
    return image;
}

struct Ligne {
    QPoint a;
    QPoint b;
};

const Ligne kHorizontale{{0, 2000}, {5999, 2000}};
const Ligne kDiagonale{{0, 0}, {5999, 3999}};

const Ligne &Choix(int i)
{
    return i == 0 ? kHorizontale : kDiagonale;
}

void BM_EchantillonnerBande(benchmark::State &state)
{
    const Ligne &l = Choix(int(state.range(0)));
    SommesBande s;
    for (auto _ : state) {
        EchantillonnerBande(Photo(), l.a, l.b, 50, s);
        benchmark::DoNotOptimize(s.canaux[0].data());
    }
    state.SetItemsProcessed(state.iterations() * (s.n + 1) * 101);
}
BENCHMARK(BM_EchantillonnerBande)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same pixels as offsets into the picture, per sample, worked out once.
void BM_SommeListePrecalculee(benchmark::State &state)
{
    const Ligne &l = Choix(int(state.range(0)));
    const QImage &image = Photo();
    // Pixel positions through the sampler's own rule, on a picture whose
    // pixels hold their own offsets would be circular; recompute them here.
    const double dx = l.b.x() - l.a.x();
    const double dy = l.b.y() - l.a.y();
    const bool h = std::abs(dx) > std::abs(dy);
    const double s = h ? dy / dx : dx / dy;
    const double c = std::cos(std::atan(s));
    const int n = int(std::nearbyint(std::abs(h ? dx : dy) / c));
    std::vector<std::int64_t> offsets;
    std::vector<int> debut{0};
    const std::int64_t ligne = image.bytesPerLine() / 4;
    auto ajouter = [&](double col, double row) {
        const auto x = std::int64_t(std::nearbyint(col));
        const auto y = std::int64_t(std::nearbyint(row));
        if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
            offsets.push_back(y * ligne + x);
    };
    for (int i = 0; i <= n; ++i) {
        double col = 0;
        double row = 0;
        if (h) {
            const double x = l.a.x() + i * c;
            col = std::nearbyint(x);
            row = std::nearbyint(l.a.y() + s * (x - l.a.x()));
        } else {
            const double y = l.a.y() + i * c;
            row = std::nearbyint(y);
            col = std::nearbyint(l.a.x() + s * (y - l.a.y()));
        }
        ajouter(col, row);
        for (int j = 1; j <= 50; ++j) {
            if (h) {
                ajouter(col - s * j * c, row + j * c);
                ajouter(col + s * j * c, row - j * c);
            } else {
                ajouter(col + j * c, row - s * j * c);
                ajouter(col - j * c, row + s * j * c);
            }
        }
        debut.push_back(int(offsets.size()));
    }
    const auto *pixels = reinterpret_cast<const QRgb *>(image.constBits());
    std::vector<std::uint16_t> r(std::size_t(n) + 1), v(std::size_t(n) + 1), b(std::size_t(n) + 1);
    for (auto _ : state) {
        for (int i = 0; i <= n; ++i) {
            std::uint32_t sr = 0, sv = 0, sb = 0;
            for (int k = debut[std::size_t(i)]; k < debut[std::size_t(i) + 1]; ++k) {
                const QRgb p = pixels[offsets[std::size_t(k)]];
                sr += qRed(p);
                sv += qGreen(p);
                sb += qBlue(p);
            }
            r[std::size_t(i)] = std::uint16_t(sr);
            v[std::size_t(i)] = std::uint16_t(sv);
            b[std::size_t(i)] = std::uint16_t(sb);
        }
        benchmark::DoNotOptimize(r.data());
        benchmark::DoNotOptimize(v.data());
        benchmark::DoNotOptimize(b.data());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(offsets.size()));
}
BENCHMARK(BM_SommeListePrecalculee)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// "Mesurer" after sampling: rebuilding the graph, drawing the curve and
// rendering the picture of a 6000-sample profile.
void BM_MesurerJusquAuGraphe(benchmark::State &state)
{
    // The picture's fonts need a GUI application (offscreen).
    static int argc = 1;
    static char nom[] = "bench_profil";
    static char *argv[] = {nom, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    TCourbesProfil m;
    EchantillonnerBande(Photo(), kHorizontale.a, kHorizontale.b, 50, m.SommesCourbe);
    m.LargeurBande = 101;
    for (auto _ : state) {
        m.Redessiner();
        const QImage image = RendreGraphe(m.Graphe);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_MesurerJusquAuGraphe)->Unit(benchmark::kMillisecond);

} // namespace
