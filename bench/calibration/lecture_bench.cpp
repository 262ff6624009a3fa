// The readout that runs on every pointer move over a 24-megapixel document:
// read the pixel and the displayed channel bytes, build the two status texts
// and decode the colour under each kind of code. It must stay far below the
// 1 ms budget of a move and independent of the image's size; the mean colour
// of the whole image is measured beside it as the cost of a full-image pass.

#include "app/lecture_document.h"
#include "calibration/couleur_moyenne.h"
#include "calibration/decodage_couleur.h"
#include "calibration/lecture_pixel.h"
#include "calibration/rampes_couleurs.h"
#include "document/image_document.h"
#include "code_genre_bench.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Largeur = 6000;
constexpr int Hauteur = 4000;

// A temperature map: the rainbow across the width, three channels of the same size.
const ImageDocument &Document24Mp()
{
    static const std::unique_ptr<ImageDocument> doc = [] {
        auto d = std::make_unique<ImageDocument>();
        d->image = QImage(Largeur, Hauteur, QImage::Format_ARGB32);
        RampeArcEnCiel(d->image, CouleurRvb(0, 0, 255), CouleurRvb(0, 255, 0), CouleurRvb(255, 0, 0), true);
        return d;
    }();
    return *doc;
}

const ImageDocument &DocumentCanaux24Mp()
{
    static const std::unique_ptr<ImageDocument> doc = [] {
        auto d = std::make_unique<ImageDocument>();
        d->image = QImage(Largeur, Hauteur, QImage::Format_ARGB32);
        d->image.fill(qRgb(10, 20, 30));
        for (int k = 0; k < 3; ++k) {
            TCanal c;
            c.nom = QStringLiteral("Canal %1").arg(k + 1);
            c.index = k;
            c.largeur = Largeur;
            c.hauteur = Hauteur;
            c.plan = QByteArray(static_cast<qsizetype>(Largeur) * Hauteur, static_cast<char>(40 * k));
            d->canaux.push_back(std::move(c));
        }
        d->canalBleu = 0;
        d->canalVert = 1;
        d->canalRouge = 2;
        d->avecCanaux = true;
        return d;
    }();
    return *doc;
}

// One pointer move: what the frame does before writing panels 2 and 3 and
// refreshing the decoding panel.
void BM_LectureDeplacement(benchmark::State &state, const ImageDocument &doc)
{
    const TCodeCouleur code = CodeDuGenre(static_cast<int>(state.range(0)));
    int x = 0;
    int y = 0;
    for (auto _ : state) {
        x = (x + 7919) % Largeur;
        y = (y + 104729) % Hauteur;
        PixelLu p;
        if (!LirePixelDocument(doc, x, y, &p))
            state.SkipWithError("hors image");
        const QString rvbls = TexteRVBLS(p.r, p.g, p.b);
        const QString xy = TexteXY(x, y);
        const LectureDecodage l = LireDecodage(code, p);
        benchmark::DoNotOptimize(rvbls.data());
        benchmark::DoNotOptimize(xy.data());
        benchmark::DoNotOptimize(l.valeur.texte.data());
    }
}

void BM_LectureCarte24Mp(benchmark::State &state)
{
    BM_LectureDeplacement(state, Document24Mp());
}
BENCHMARK(BM_LectureCarte24Mp)->DenseRange(0, 3)->ArgName("genre")->Unit(benchmark::kMicrosecond);

void BM_LectureCanaux24Mp(benchmark::State &state)
{
    BM_LectureDeplacement(state, DocumentCanaux24Mp());
}
BENCHMARK(BM_LectureCanaux24Mp)->Arg(0)->Arg(1)->ArgName("genre")->Unit(benchmark::kMicrosecond);

// Reference: one pass over the whole picture.
void BM_PassageImageEntiere24Mp(benchmark::State &state)
{
    const ImageDocument &doc = Document24Mp();
    for (auto _ : state)
        benchmark::DoNotOptimize(CouleurMoyenne(doc.image, QPoint(0, 0), QPoint(Largeur - 1, Hauteur - 1)));
}
BENCHMARK(BM_PassageImageEntiere24Mp)->Unit(benchmark::kMillisecond);

} // namespace
