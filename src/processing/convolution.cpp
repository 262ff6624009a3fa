#include "processing/convolution.h"

#include "commun/erreur.h"
#include "processing/histogrammes.h"
#include "processing/tables_composantes.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

NoyauConvolution Uniforme(int rayon, int poids, int centre, int facteur, int decalage)
{
    const int cote = 2 * rayon + 1;
    NoyauConvolution n{std::vector<int>(static_cast<std::size_t>(cote * cote), poids), rayon, facteur, decalage};
    n.poids[static_cast<std::size_t>(rayon * cote + rayon)] = centre;
    return n;
}

} // namespace

const NoyauConvolution &NoyauDeFiltre(FiltreConvolution filtre)
{
    static const NoyauConvolution flou = Uniforme(3, 1, 1, 1, 0);
    static const NoyauConvolution gaussien{{1,  4,  8,  10, 8,  4,  1,  //
                                            4,  12, 25, 29, 25, 12, 4,  //
                                            8,  25, 49, 58, 49, 25, 8,  //
                                            10, 29, 58, 67, 58, 29, 10, //
                                            8,  25, 49, 58, 49, 25, 8,  //
                                            4,  12, 25, 29, 25, 12, 4,  //
                                            1,  4,  8,  10, 8,  4,  1},
                                           3, 1, 0};
    static const NoyauConvolution accentuer = Uniforme(1, -1, 12, 1, 0);
    static const NoyauConvolution contour{{-6, -1, -6, -2, 32, -2, -6, -1, -6}, 1, 2, 240};
    static const NoyauConvolution lithographie = [] {
        NoyauConvolution n = Uniforme(2, -1, 98, 1, 0);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx != 0 || dy != 0)
                    n.poids[static_cast<std::size_t>((dy + 2) * 5 + dx + 2)] = -10;
        return n;
    }();
    switch (filtre) {
    case FiltreConvolution::Flou: return flou;
    case FiltreConvolution::FlouGaussien: return gaussien;
    case FiltreConvolution::Accentuer: return accentuer;
    case FiltreConvolution::Contour: return contour;
    case FiltreConvolution::Lithographie: break;
    }
    return lithographie;
}

QImage Convoluer(const QImage &image, const NoyauConvolution &noyau)
{
    const int r = noyau.rayon;
    const int cote = 2 * r + 1;
    const bool poidsValides = std::all_of(noyau.poids.begin(), noyau.poids.end(), [](int p) { return std::abs(p) <= PoidsMaxi; });
    if (r < 0 || r > RayonConvolutionMaxi || noyau.poids.size() != static_cast<std::size_t>(cote * cote) || !poidsValides ||
        std::abs(noyau.facteur) > PoidsMaxi || std::abs(noyau.decalage) > PoidsMaxi)
        throw ErreurKaptori(QCoreApplication::translate("Traitements", "Noyau de convolution invalide."));
    const QImage source = ImageVingtQuatreBits(image);
    QImage resultat(source.size(), QImage::Format_ARGB32);
    if (source.isNull())
        return source;
    const int w = source.width();
    const int h = source.height();
    const auto poids = [&](int dx, int dy) { return noyau.poids[static_cast<std::size_t>((dy + r) * cote + dx + r)]; };
    std::int64_t sommeTotale = 0;
    for (const int p : noyau.poids)
        sommeTotale += p;
    const auto ecrire = [&](std::array<std::int64_t, 3> somme, std::int64_t sommePoids) -> QRgb {
        QRgb c = 0xFF000000u;
        for (int k = 0; k < 3; ++k) {
            const std::int64_t n = somme[static_cast<std::size_t>(k)] * noyau.facteur;
            const std::int64_t v = (sommePoids != 0 ? QuotientArrondi(n, sommePoids) : n) + noyau.decalage;
            c |= static_cast<QRgb>(std::clamp<std::int64_t>(v, 0, 255)) << (8 * k);
        }
        return c;
    };
    // The picture in three planes, so that the inner pixels of a row are
    // summed tap by tap over contiguous bytes (a loop the compiler vectorises).
    const std::size_t n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    std::array<std::vector<std::uint8_t>, 3> plans;
    for (auto &p : plans)
        p.resize(n);
    for (int y = 0; y < h; ++y) {
        const auto *s = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        const std::size_t base = static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
        for (int x = 0; x < w; ++x) {
            plans[0][base + static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(s[x]);
            plans[1][base + static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(s[x] >> 8);
            plans[2][base + static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(s[x] >> 16);
        }
    }
    std::array<std::vector<std::int32_t>, 3> sommes;
    for (auto &a : sommes)
        a.resize(static_cast<std::size_t>(w));
    // Every sum an inner pixel can have, from sommeMini (negative weights
    // times 255) to the positive weights times 255, mapped once to its byte.
    std::int32_t sommeMini = 0;
    std::int32_t sommeMaxi = 0;
    for (const int p : noyau.poids)
        (p < 0 ? sommeMini : sommeMaxi) += p * 255;
    // Worth building only when there are more inner sums to map than entries.
    const std::int64_t interieurs = static_cast<std::int64_t>(std::max(0, w - 2 * r)) * std::max(0, h - 2 * r) * 3;
    const bool avecTable = sommeMaxi - sommeMini < (1 << 22) && sommeMaxi - sommeMini < interieurs;
    std::vector<std::uint8_t> table(avecTable ? static_cast<std::size_t>(sommeMaxi - sommeMini + 1) : 0);
    for (std::int32_t v = sommeMini; avecTable && v <= sommeMaxi; ++v)
        table[static_cast<std::size_t>(v - sommeMini)] = static_cast<std::uint8_t>(
            (ecrire({v, 0, 0}, sommeTotale) & 0xFFu));
    const int xDebut = r;
    const int xFin = w - r; // inner columns [xDebut, xFin)
    for (int y = 0; y < h; ++y) {
        auto *d = reinterpret_cast<QRgb *>(resultat.scanLine(y));
        const int dyMin = std::max(-r, -y);
        const int dyMax = std::min(r, h - 1 - y);
        const bool ligneInterieure = avecTable && dyMin == -r && dyMax == r;
        if (ligneInterieure && xDebut < xFin) {
            for (std::size_t k = 0; k < 3; ++k) {
                std::int32_t *acc = sommes[k].data();
                std::fill(acc + xDebut, acc + xFin, 0);
                for (int dy = -r; dy <= r; ++dy) {
                    const std::uint8_t *ligne = plans[k].data() + static_cast<std::size_t>(y + dy) * static_cast<std::size_t>(w);
                    for (int dx = -r; dx <= r; ++dx) {
                        const std::int32_t q = poids(dx, dy);
                        if (q == 0)
                            continue;
                        const std::uint8_t *src = ligne + dx;
                        for (int x = xDebut; x < xFin; ++x)
                            acc[x] += q * static_cast<std::int32_t>(src[x]);
                    }
                }
            }
            for (int x = xDebut; x < xFin; ++x)
                d[x] = 0xFF000000u | table[static_cast<std::size_t>(sommes[0][static_cast<std::size_t>(x)] - sommeMini)] |
                       (static_cast<QRgb>(table[static_cast<std::size_t>(sommes[1][static_cast<std::size_t>(x)] - sommeMini)]) << 8) |
                       (static_cast<QRgb>(table[static_cast<std::size_t>(sommes[2][static_cast<std::size_t>(x)] - sommeMini)]) << 16);
        }
        for (int x = 0; x < w; ++x) {
            if (ligneInterieure && x >= xDebut && x < xFin)
                continue;
            const int dxMin = std::max(-r, -x);
            const int dxMax = std::min(r, w - 1 - x);
            std::array<std::int64_t, 3> somme{};
            std::int64_t sommePoids = 0;
            for (int dy = dyMin; dy <= dyMax; ++dy) {
                const auto *s = reinterpret_cast<const QRgb *>(source.constScanLine(y + dy)) + x;
                for (int dx = dxMin; dx <= dxMax; ++dx) {
                    const QRgb c = s[dx];
                    const int q = poids(dx, dy);
                    sommePoids += q;
                    somme[0] += q * static_cast<int>(c & 0xFF);
                    somme[1] += q * static_cast<int>((c >> 8) & 0xFF);
                    somme[2] += q * static_cast<int>((c >> 16) & 0xFF);
                }
            }
            d[x] = ecrire(somme, sommePoids);
        }
    }
    return resultat;
}
