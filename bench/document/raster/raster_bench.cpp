// Opening a large Landsat scene (7 bands of 7000 × 7000 pixels, 343 MB) and
// showing it stretched, side by side with reading the same bytes with
// `cat FILE > /dev/null`. The file is generated in the temporary folder on
// first use and removed at exit; both measures run warm (file in the cache).
//
// Beside them: the reading alone, the display alone, and the cost of merely
// obtaining and writing once the fresh memory that the channels and the
// bitmap need (343 MB + 196 MB), which no reader of the scene can avoid, and
// the least work of reading the scene and writing a whole bitmap of it.
// The counter peak_mb is the process's peak resident memory. KAPTORI_SCENE
// names another scene to measure instead.

#include "commun/grandes_pages.h"
#include "document/image_document.h"
#include "document/raster/ouverture_raster.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int Bandes = 7;
constexpr int Cote = 7000;

class SceneTemporaire {
public:
    SceneTemporaire() : chemin_(QDir::temp().filePath(QStringLiteral("kaptori_bench_scene.lan")))
    {
        QFile f(chemin_);
        if (!f.open(QIODevice::WriteOnly))
            std::abort();
        QByteArray entete(128, '\0');
        entete[8] = Bandes;
        entete[16] = static_cast<char>(Cote & 0xFF);
        entete[17] = static_cast<char>(Cote >> 8);
        entete[20] = static_cast<char>(Cote & 0xFF);
        entete[21] = static_cast<char>(Cote >> 8);
        f.write(entete);
        QByteArray ligne(Bandes * Cote, '\0');
        for (int y = 0; y < Cote; ++y) {
            for (int i = 0; i < ligne.size(); ++i)
                ligne[i] = static_cast<char>(40 + ((i * 7 + y * 13) % 160));
            f.write(ligne);
        }
        // Written in rows, the file sits in the cache in small pieces, which
        // makes reading it slower than it will be once read back from the
        // disk, as any scene opened a second time is: it is written out,
        // dropped from the cache, and read back once.
        f.flush();
        (void)fdatasync(f.handle());
        (void)posix_fadvise(f.handle(), 0, 0, POSIX_FADV_DONTNEED);
        f.close();
        QFile relue(chemin_);
        if (relue.open(QIODevice::ReadOnly))
            while (!relue.read(1 << 20).isEmpty()) {
            }
    }
    ~SceneTemporaire() { QFile::remove(chemin_); }
    [[nodiscard]] const QString &chemin() const { return chemin_; }

private:
    QString chemin_;
};

// User + system processor time, in milliseconds, of this process or of its
// finished children: under a loaded machine it tells the work done apart
// from the waiting.
double TempsProcesseurMs(int qui)
{
    rusage u{};
    getrusage(qui, &u);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(u.ru_utime) + ms(u.ru_stime);
}

double PicMemoireMo()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0;
}

// The scene measured: the file KAPTORI_SCENE names (a real Landsat scene,
// say), or the generated one.
const QString &Scene()
{
    static const QString donnee = qEnvironmentVariable("KAPTORI_SCENE");
    if (!donnee.isEmpty())
        return donnee;
    static SceneTemporaire scene;
    return scene.chemin();
}

void BM_cat_du_fichier(benchmark::State &state)
{
    const QByteArray commande = "cat '" + QFile::encodeName(Scene()) + "' > /dev/null";
    (void)std::system(commande.constData()); // warm the cache
    const double avant = TempsProcesseurMs(RUSAGE_CHILDREN);
    for (auto _ : state)
        if (std::system(commande.constData()) != 0)
            state.SkipWithError("cat failed");
    state.counters["cpu_ms"] = (TempsProcesseurMs(RUSAGE_CHILDREN) - avant) / static_cast<double>(state.iterations());
    state.SetBytesProcessed(state.iterations() * QFileInfo(Scene()).size());
}
BENCHMARK(BM_cat_du_fichier)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ouvrir_lan_et_afficher(benchmark::State &state)
{
    const int etirement = static_cast<int>(state.range(0));
    (void)Scene();
    const double avant = TempsProcesseurMs(RUSAGE_SELF);
    for (auto _ : state) {
        ImageDocument document;
        (void)ChargerRaster(document, Scene(), etirement);
        benchmark::DoNotOptimize(document.image.constBits());
    }
    state.counters["cpu_ms"] = (TempsProcesseurMs(RUSAGE_SELF) - avant) / static_cast<double>(state.iterations());
    state.counters["peak_mb"] = PicMemoireMo();
    state.SetBytesProcessed(state.iterations() * QFileInfo(Scene()).size());
}
BENCHMARK(BM_ouvrir_lan_et_afficher)->Arg(5)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(5);

// Reading alone, without the display, to show where the time goes.
void BM_lire_lan(benchmark::State &state)
{
    (void)Scene();
    const double avant = TempsProcesseurMs(RUSAGE_SELF);
    for (auto _ : state) {
        LectureRaster l = LireRaster(Scene());
        benchmark::DoNotOptimize(l.canaux.front().plan.constData());
    }
    state.counters["cpu_ms"] = (TempsProcesseurMs(RUSAGE_SELF) - avant) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_lire_lan)->Unit(benchmark::kMillisecond)->Iterations(5);

// Showing the channels of a scene already read: histograms, stretch tables
// and the composite.
void BM_afficher_canaux(benchmark::State &state)
{
    const int etirement = static_cast<int>(state.range(0));
    LectureRaster l = LireRaster(Scene());
    const double avant = TempsProcesseurMs(RUSAGE_SELF);
    for (auto _ : state) {
        ImageDocument document;
        document.canaux = l.canaux;
        document.AfficherCanaux(1, 2, 3, etirement);
        benchmark::DoNotOptimize(document.image.constBits());
    }
    state.counters["cpu_ms"] = (TempsProcesseurMs(RUSAGE_SELF) - avant) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_afficher_canaux)->Arg(5)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(5);

// Fresh memory for the 7 planes and the bitmap, advised like them for large
// pages and written once: what holding the scene costs before any work.
void BM_memoire_neuve_de_la_scene(benchmark::State &state)
{
    const auto taille = static_cast<std::size_t>(Bandes + 4) * Cote * Cote;
    const double avant = TempsProcesseurMs(RUSAGE_SELF);
    for (auto _ : state) {
        const std::unique_ptr<char[]> bloc(new char[taille]);
        PreparerGrandesPages(bloc.get(), taille);
        std::memset(bloc.get(), 1, taille);
        benchmark::DoNotOptimize(bloc.get());
    }
    state.counters["cpu_ms"] = (TempsProcesseurMs(RUSAGE_SELF) - avant) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_memoire_neuve_de_la_scene)->Unit(benchmark::kMillisecond)->Iterations(5);

// The least work of any opening that shows a whole bitmap, on both cores:
// the file read into fresh memory in large requests, then a fresh bitmap
// written from bands 2, 3 and 4 as they are (no stretch, no checks, no
// tables). What the opening above does beyond this is the stretch and the
// program's own bookkeeping.
void BM_lecture_et_composite_nus(benchmark::State &state)
{
    QFile f(Scene());
    if (!f.open(QIODevice::ReadOnly)) {
        state.SkipWithError("scene unreadable");
        return;
    }
    const int fd = f.handle();
    const QByteArray entete = f.read(128);
    const auto octet = [&](int i) { return static_cast<std::size_t>(static_cast<unsigned char>(entete[i])); };
    const std::size_t bandes = octet(8);
    const std::size_t w = octet(16) | octet(17) << 8;
    const std::size_t h = octet(20) | octet(21) << 8;
    const auto taille = static_cast<std::size_t>(f.size());
    if (bandes < 4 || taille < 128 + bandes * w * h) {
        state.SkipWithError("not a scene of 4 bands or more");
        return;
    }
    const auto deuxCoeurs = [](std::size_t n, const auto &travail) {
        std::thread autre(travail, n / 2, n);
        travail(std::size_t{0}, n / 2);
        autre.join();
    };
    for (auto _ : state) {
        const std::unique_ptr<char[]> bloc(new char[taille]);
        ConseillerGrandesPages(bloc.get(), taille);
        deuxCoeurs(taille, [&](std::size_t a, std::size_t b) {
            for (std::size_t o = a; o < b; o += std::size_t{4} << 20)
                if (pread(fd, bloc.get() + o, std::min(std::size_t{4} << 20, b - o), static_cast<off_t>(o)) < 0)
                    return;
        });
        QImage image(static_cast<int>(w), static_cast<int>(h), QImage::Format_ARGB32);
        ConseillerGrandesPages(image.bits(), static_cast<std::size_t>(image.sizeInBytes()));
        deuxCoeurs(h, [&](std::size_t a, std::size_t b) {
            for (std::size_t y = a; y < b; ++y) {
                const auto *bleu = reinterpret_cast<const unsigned char *>(bloc.get()) + 128 + (y * bandes + 1) * w;
                const unsigned char *vert = bleu + w;
                const unsigned char *rouge = vert + w;
                auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(static_cast<int>(y)));
                for (std::size_t x = 0; x < w; ++x)
                    ligne[x] = 0xFF000000u | QRgb{rouge[x]} << 16 | QRgb{vert[x]} << 8 | bleu[x];
            }
        });
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_lecture_et_composite_nus)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
