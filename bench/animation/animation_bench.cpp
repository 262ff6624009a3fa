// The animation beside its references, in one run: loading a list of 20
// photos of 1920 x 1080 against decoding them with the program's reader and
// reducing them with the GIF writer's palette reduction; writing their
// animated GIF against 20 single-frame GIF files of the same frames; and
// what one tick of the player converts (the visible part of a frame).

#include "animation/liste_animation.h"
#include "animation/partie_visible.h"
#include "document/formats/ecriture_gif.h"
#include "document/formats/ecriture_gif_anime.h"
#include "document/formats/lecteur_image.h"
#include "document/formats/reduction_palette.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include <benchmark/benchmark.h>

namespace {

constexpr int kImages = 20;

// The photos and their list, written once into the temporary folder: smooth
// gradients that move from frame to frame, with some grain.
const QString &ListeBench()
{
    static const QString liste = [] {
        const QDir dossier(QDir::temp().filePath(QStringLiteral("kaptori_bench_animation")));
        dossier.mkpath(QStringLiteral("."));
        QByteArray lignes;
        for (int k = 0; k < kImages; ++k) {
            const QString nom = QStringLiteral("photo%1.jpg").arg(k);
            lignes += nom.toLatin1() + "\r\n";
            if (QFile::exists(dossier.filePath(nom)))
                continue;
            QImage image(1920, 1080, QImage::Format_RGB32);
            quint32 etat = 7u + static_cast<quint32>(k);
            for (int y = 0; y < image.height(); ++y) {
                auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    etat = etat * 1664525u + 1013904223u;
                    const int grain = static_cast<int>(etat >> 28) - 8;
                    ligne[x] = qRgb(qBound(0, (x + 20 * k) / 8 + grain, 255), qBound(0, y / 5 + grain, 255),
                                    qBound(0, (x + y + 30 * k) / 12 + grain, 255));
                }
            }
            QImageWriter ecrivain(dossier.filePath(nom), "jpeg");
            ecrivain.setQuality(90);
            ecrivain.write(image);
        }
        const QString chemin = dossier.filePath(QStringLiteral("serie.anm"));
        QFile f(chemin);
        if (f.open(QIODevice::WriteOnly))
            f.write(lignes);
        return chemin;
    }();
    return liste;
}

const QList<QImage> &ImagesBench()
{
    static const QList<QImage> images = [] {
        QList<QImage> l;
        for (const ImageAnimation &i : ChargerAnimation(ListeBench()).images)
            l.append(i.image);
        return l;
    }();
    return images;
}

void BM_ChargerListe(benchmark::State &state)
{
    const QString liste = ListeBench();
    for (auto _ : state)
        benchmark::DoNotOptimize(ChargerAnimation(liste));
}
BENCHMARK(BM_ChargerListe)->Unit(benchmark::kMillisecond);

void BM_Reference_DecoderEtReduire(benchmark::State &state)
{
    const QDir dossier = QFileInfo(ListeBench()).absoluteDir();
    for (auto _ : state)
        for (int k = 0; k < kImages; ++k)
            benchmark::DoNotOptimize(ReduireEnPalette(LireImage(dossier.filePath(QStringLiteral("photo%1.jpg").arg(k)))));
}
BENCHMARK(BM_Reference_DecoderEtReduire)->Unit(benchmark::kMillisecond);

void BM_EcrireGifAnime(benchmark::State &state)
{
    const QList<QImage> &images = ImagesBench();
    for (auto _ : state) {
        QByteArray octets;
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        EcrireGifAnime(images, tampon, 10, true);
        benchmark::DoNotOptimize(octets);
    }
}
BENCHMARK(BM_EcrireGifAnime)->Unit(benchmark::kMillisecond);

void BM_Reference_VingtGif(benchmark::State &state)
{
    const QList<QImage> &images = ImagesBench();
    for (auto _ : state)
        for (const QImage &image : images) {
            QByteArray octets;
            QBuffer tampon(&octets);
            tampon.open(QIODevice::WriteOnly);
            EcrireGif(image, tampon);
            benchmark::DoNotOptimize(octets);
        }
}
BENCHMARK(BM_Reference_VingtGif)->Unit(benchmark::kMillisecond);

// One tick at 1920 x 1080: the whole frame visible.
void BM_TicPartieVisible(benchmark::State &state)
{
    const QImage &image = ImagesBench().first();
    for (auto _ : state)
        benchmark::DoNotOptimize(PartieVisible(image, image.rect()));
}
BENCHMARK(BM_TicPartieVisible)->Unit(benchmark::kMillisecond);

} // namespace
