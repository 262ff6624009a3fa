// kaptori-cli rgba on a 6000 x 4000 JPEG photograph, next to libjpeg-turbo's
// djpeg writing its PPM, both run as processes writing a file into the same
// folder of the same file system (the system's temporary folder). Each
// figure is the wall time of the whole process: start, reading, decoding,
// writing (djpeg writes 72 MB of PPM, rgba 96 MB of R, G, B, A). The ratio
// rgba / djpeg is the figure the command is held to (at most 1.5).
//
// BM_RgbaEnProcessus measures the same work inside this process (opening the
// document, then the rows written through one row buffer), without the cost
// of starting a program.

#include "app/cli/commandes_cli.h"
#include "commun/ecriture_sortie.h"
#include "document/ouverture_document.h"
#include "document/photo_bench.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

QString Sortie(const char *nom)
{
    return QDir::temp().filePath(QString::fromLatin1(nom));
}

void Lancer(benchmark::State &state, const QByteArray &commande, const QString &sortie)
{
    for (auto _ : state) {
        if (std::system(commande.constData()) != 0) {
            state.SkipWithError("the command failed");
            break;
        }
    }
    state.counters["Mo"] = static_cast<double>(QFile(sortie).size()) / 1e6;
    QFile::remove(sortie);
}

void BM_DjpegVersFichier(benchmark::State &state)
{
    const QString sortie = Sortie("kaptori_bench_djpeg.ppm");
    Lancer(state, "djpeg -outfile '" + sortie.toLocal8Bit() + "' '" + FichierPhotoBench().toLocal8Bit() + "'",
           sortie);
}
BENCHMARK(BM_DjpegVersFichier)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8);

void BM_KaptoriCliRgbaVersFichier(benchmark::State &state)
{
    const QString sortie = Sortie("kaptori_bench_cli.rgba");
    Lancer(state,
           "QT_QPA_PLATFORM=offscreen '" KAPTORI_CLI "' rgba '" + FichierPhotoBench().toLocal8Bit() + "' '"
               + sortie.toLocal8Bit() + "'",
           sortie);
}
BENCHMARK(BM_KaptoriCliRgbaVersFichier)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8);

void BM_RgbaEnProcessus(benchmark::State &state)
{
    const QString sortie = Sortie("kaptori_bench_processus.rgba");
    for (auto _ : state) {
        const auto document = OuvrirDocument(FichierPhotoBench(), 5);
        EcrireSortie(sortie, [&](QIODevice &flux) { EcrireRgba(document->image, flux); });
    }
    QFile::remove(sortie);
}
BENCHMARK(BM_RgbaEnProcessus)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8);

} // namespace
