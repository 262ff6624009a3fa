// Every operation of the histogram window and the decomposition on a small
// picture made from the input: byte 0 gives the width (1..9), byte 1 the
// height (1..9), bytes 2..13 the limits, the colour, gamma, saturation and
// lightness, the rest the pixels (repeated when short). No operation may
// read outside the picture or change its size.

#include "processing/convolution.h"
#include "processing/correction_gamma.h"
#include "processing/decomposition.h"
#include "processing/etirement_composantes.h"
#include "processing/evide.h"
#include "processing/histogrammes.h"
#include "processing/peinture_composantes.h"
#include "processing/saturation_lumiere.h"
#include "processing/sobel.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Verifier(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    if (taille < 14)
        return 0;
    const int w = 1 + donnees[0] % 9;
    const int h = 1 + donnees[1] % 9;
    const std::uint8_t *p = donnees + 2;
    LimitesComposantes limites;
    for (std::size_t k = 0; k < 3; ++k) {
        limites.basse[k] = std::min(p[2 * k], p[2 * k + 1]);
        limites.haute[k] = std::max(p[2 * k], p[2 * k + 1]);
    }
    const QRgb couleur = qRgb(p[6], p[7], p[8]);
    const double gamma = 0.1 + (p[9] % 40) / 10.0;
    const int saturation = p[10] % 201 - 100;
    const int lumiere = p[11] % 201 - 100;
    const std::uint8_t *pixels = donnees + 14;
    const std::size_t n = taille - 14;
    QImage image(w, h, QImage::Format_ARGB32);
    std::size_t i = 0;
    for (int y = 0; y < h; ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            QRgb c = 0xFF000000u;
            for (int b = 0; b < 3; ++b, ++i)
                c |= static_cast<QRgb>(n ? pixels[i % n] : 0) << (8 * b);
            ligne[x] = c;
        }
    }
    const QSize t = image.size();
    const HistogrammesImage hist = CalculerHistogrammes(image);
    Verifier(hist.pixels == static_cast<std::int64_t>(w) * h);
    for (const auto f : {FiltreConvolution::Flou, FiltreConvolution::FlouGaussien, FiltreConvolution::Accentuer,
                         FiltreConvolution::Contour, FiltreConvolution::Lithographie})
        Verifier(AppliquerFiltre(image, f).size() == t);
    Verifier(Sobel(image).size() == t);
    Verifier(Evider(image).size() == t);
    Verifier(EtirerComposantes(image, limites).image.size() == t);
    Verifier(CorrectionGamma(image, gamma).size() == t);
    Verifier(SaturationLumiere(image, saturation, lumiere).size() == t);
    QImage peinte = image;
    ColorerComposantes(peinte, limites, couleur);
    Verifier(peinte.size() == t);
    for (int k = 0; k < 3; ++k)
        Verifier(DecomposerComposante(image, k, k == 1).size() == t);
    return 0;
}
