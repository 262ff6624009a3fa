// A 300-dpi A4 colour page from SANE's test backend: the program's reading
// and assembling (SessionSane::Acquerir, a picture ready for a document)
// beside a plain sane_read loop into a new buffer of the page's size, the
// least any reader that keeps the page does. Both go through the same
// library and device.

#include "app/session_sane.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sane/sane.h>

#include <cstdlib>
#include <vector>

namespace {

// A private configuration: only the test backend, its area up to A4, an A4
// colour page at 300 dpi, solid white.
bool Configurer()
{
    static const bool pret = [] {
        static QTemporaryDir dossier;
        if (!dossier.isValid())
            return false;
        QFile dll(dossier.filePath(QStringLiteral("dll.conf")));
        QFile test(dossier.filePath(QStringLiteral("test.conf")));
        if (!dll.open(QIODevice::WriteOnly) || !test.open(QIODevice::WriteOnly))
            return false;
        dll.write("test\n");
        test.write("number_of_devices 1\nmode Color\ndepth 8\nresolution 300\ngeometry_max 300\n"
                   "br_x 210\nbr_y 297\ntest-picture Solid white\n");
        setenv("SANE_CONFIG_DIR", QFile::encodeName(dossier.path()).constData(), 1);
        return true;
    }();
    return pret;
}

void BM_LectureSimple(benchmark::State &state)
{
    if (!Configurer()) {
        state.SkipWithError("configuration de SANE impossible");
        return;
    }
    SANE_Int version = 0;
    sane_init(&version, nullptr);
    SANE_Handle h = nullptr;
    if (sane_open("test:0", &h) != SANE_STATUS_GOOD) {
        sane_exit();
        state.SkipWithError("test:0 introuvable");
        return;
    }
    for (auto _ : state) {
        if (sane_start(h) != SANE_STATUS_GOOD)
            break;
        SANE_Parameters p{};
        sane_get_parameters(h, &p);
        std::vector<SANE_Byte> page(std::size_t(p.bytes_per_line) * std::size_t(p.lines));
        std::size_t recus = 0;
        SANE_Int n = 0;
        while (recus < page.size()
               && sane_read(h, page.data() + recus, SANE_Int(std::min<std::size_t>(65536, page.size() - recus)), &n)
                      == SANE_STATUS_GOOD)
            recus += std::size_t(n);
        while (sane_read(h, page.data(), 1, &n) == SANE_STATUS_GOOD) {
        }
        benchmark::DoNotOptimize(page.data());
        state.counters["octets"] = double(recus);
    }
    sane_cancel(h);
    sane_close(h);
    sane_exit();
}
BENCHMARK(BM_LectureSimple)->Unit(benchmark::kMillisecond);

void BM_AcquisitionProgramme(benchmark::State &state)
{
    if (!Configurer()) {
        state.SkipWithError("configuration de SANE impossible");
        return;
    }
    SessionSane session;
    session.Ouvrir(QStringLiteral("test:0"));
    for (auto _ : state) {
        QImage image;
        session.Acquerir([&image](QImage i) { image = std::move(i); });
        benchmark::DoNotOptimize(image.constBits());
        state.counters["pixels"] = double(image.width()) * image.height();
    }
}
BENCHMARK(BM_AcquisitionProgramme)->Unit(benchmark::kMillisecond);

} // namespace
