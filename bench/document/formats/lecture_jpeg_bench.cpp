// Decoding a 6000 x 4000 JPEG photograph: the program's decoder next to
// libjpeg-turbo's own djpeg on the same file (djpeg's time includes starting
// the process, reading the file and writing its PPM output to /dev/null; the
// decoder's includes the first touch of the 96 MB picture it returns).

#include "document/formats/decodeurs_image.h"
#include "document/formats/lecteur_image.h"
#include "document/photo_bench.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>

#include <benchmark/benchmark.h>

#include <cstdlib>

#include <sys/resource.h>

namespace {

const QString &FichierPhoto() { return FichierPhotoBench(); }

void BM_DecoderJpeg(benchmark::State &state)
{
    QFile f(FichierPhoto());
    f.open(QIODevice::ReadOnly);
    const QByteArray octets = f.readAll();
    for (auto _ : state) {
        QImage image = DecoderJpeg(octets);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_DecoderJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LireImageJpeg(benchmark::State &state)
{
    const QString chemin = FichierPhoto();
    for (auto _ : state) {
        QImage image = LireImage(chemin);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_LireImageJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

double SecondesProcessusFils()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// The wall time of the process, and its own processor time (user and system,
// which the CPU column cannot see in a child process) as the counter cpu_ms.
void BM_Djpeg(benchmark::State &state)
{
    const QByteArray commande = "djpeg -outfile /dev/null '" + FichierPhoto().toLocal8Bit() + "'";
    const double avant = SecondesProcessusFils();
    for (auto _ : state) {
        if (std::system(commande.constData()) != 0) {
            state.SkipWithError("djpeg is not available");
            break;
        }
    }
    state.counters["cpu_ms"] =
        benchmark::Counter((SecondesProcessusFils() - avant) * 1000.0, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Djpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
