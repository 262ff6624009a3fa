// Decoding a 6000 x 4000 JPEG photograph: the program's decoder next to
// libjpeg-turbo's own djpeg on the same file (djpeg's time includes starting
// the process and writing its PPM output to /dev/null).

#include "document/decodeurs_image.h"
#include "document/lecteur_image.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// A photograph-like picture: smooth gradients with some grain, written once.
const QString &FichierPhoto()
{
    static const QString chemin = [] {
        const QString c = QDir::temp().filePath(QStringLiteral("kaptori_bench_6000x4000.jpg"));
        if (!QFile::exists(c)) {
            QImage image(6000, 4000, QImage::Format_RGB32);
            quint32 etat = 1;
            for (int y = 0; y < image.height(); ++y) {
                auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    etat = etat * 1664525u + 1013904223u;
                    const int grain = static_cast<int>(etat >> 27) - 16;
                    ligne[x] = qRgb(qBound(0, x / 24 + grain, 255), qBound(0, y / 16 + grain, 255),
                                    qBound(0, (x + y) / 40 + grain, 255));
                }
            }
            QImageWriter ecrivain(c, "jpeg");
            ecrivain.setQuality(90);
            ecrivain.write(image);
        }
        return c;
    }();
    return chemin;
}

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

void BM_Djpeg(benchmark::State &state)
{
    const QByteArray commande = "djpeg -outfile /dev/null '" + FichierPhoto().toLocal8Bit() + "'";
    for (auto _ : state) {
        if (std::system(commande.constData()) != 0) {
            state.SkipWithError("djpeg is not available");
            break;
        }
    }
}
BENCHMARK(BM_Djpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
