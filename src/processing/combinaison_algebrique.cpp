#include "processing/combinaison_algebrique.h"

#include "commun/tables_pixels.h"
#include "commun/travail_parallele.h"
#include "commun/processeur.h"
#include "processing/image_resultat.h"

#include <QRgb>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace {

// Every rule depends on at most two levels of one component: tables of the
// rounded sums replace the arithmetic of each pixel, with exactly the same
// rounding.
using Table2 = std::vector<std::int16_t>; // index (c1 << 8) | c2
using Table1 = std::array<std::int16_t, 256>;

std::int16_t Rond(double v)
{
    return static_cast<std::int16_t>(std::nearbyint(v));
}

std::uint32_t Borne(int v)
{
    return static_cast<std::uint32_t>(std::clamp(v, 0, 255));
}

const QImage &EnArgb(const QImage &image, QImage &converti)
{
    if (image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32)
        return image;
    converti = image.convertToFormat(QImage::Format_ARGB32);
    return converti;
}

// Two pictures added or subtracted, in fixed point: with A = a·2^S, the
// component is q = c1·A1 + c2·A2 shifted right by S, rounded half to even as
// nearbyint does, then clamped. Used only when it gives every entry of the
// table of the 65536 pairs, so that the result is the same; the row then
// goes through vector instructions.
struct Affine {
    int a1 = 0, a2 = 0, s = 1;
};

[[gnu::always_inline]] inline std::uint32_t ComposanteAffine(std::uint32_t c1, std::uint32_t c2, const Affine &f)
{
    const int q = static_cast<int>(c1) * f.a1 + static_cast<int>(c2) * f.a2;
    const int v = (q + (1 << (f.s - 1)) - 1 + ((q >> f.s) & 1)) >> f.s;
    return static_cast<std::uint32_t>(std::min(std::max(v, 0), 255));
}

[[gnu::always_inline]] inline void LigneAffine(const QRgb *s1, const QRgb *s2, QRgb *d, int w, const Affine f)
{
    for (int x = 0; x < w; ++x) {
        const QRgb a = s1[x], b = s2[x];
        d[x] = 0xFF000000u | (ComposanteAffine((a >> 16) & 0xFFu, (b >> 16) & 0xFFu, f) << 16)
            | (ComposanteAffine((a >> 8) & 0xFFu, (b >> 8) & 0xFFu, f) << 8)
            | ComposanteAffine(a & 0xFFu, b & 0xFFu, f);
    }
}

void LigneAffineSimple(const QRgb *s1, const QRgb *s2, QRgb *d, int w, const Affine f)
{
    LigneAffine(s1, s2, d, w, f);
}

#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx2"))) void LigneAffineAvx2(const QRgb *s1, const QRgb *s2, QRgb *d, int w, const Affine f)
{
    LigneAffine(s1, s2, d, w, f);
}

__attribute__((target("avx512f,avx512bw,prefer-vector-width=512"))) void LigneAffineAvx512(const QRgb *s1, const QRgb *s2,
                                                                                         QRgb *d, int w, const Affine f)
{
    LigneAffine(s1, s2, d, w, f);
}
#endif

void LigneAffineRapide(const QRgb *s1, const QRgb *s2, QRgb *d, int w, const Affine f)
{
#if defined(__x86_64__) && defined(__GNUC__)
    const bool avx512 = AvecAvx512Bw();
    const bool avx2 = AvecAvx2();
    if (avx512) {
        LigneAffineAvx512(s1, s2, d, w, f);
        return;
    }
    if (avx2) {
        LigneAffineAvx2(s1, s2, d, w, f);
        return;
    }
#endif
    LigneAffineSimple(s1, s2, d, w, f);
}

std::optional<Affine> TrouverAffine(double a1, double a2, const std::vector<std::uint8_t> &deux)
{
    for (int s : {22, 20, 18, 16, 14, 12}) {
        const double e = std::ldexp(1.0, s);
        if (!(std::abs(a1) * e < 1e9 && std::abs(a2) * e < 1e9))
            continue;
        const std::int64_t A1 = std::llround(a1 * e), A2 = std::llround(a2 * e);
        if (255 * (std::abs(A1) + std::abs(A2)) + (std::int64_t{1} << s) >= (std::int64_t{1} << 31))
            continue;
        const Affine f{static_cast<int>(A1), static_cast<int>(A2), s};
        bool exacte = true;
        for (std::uint32_t i = 0; i < 65536 && exacte; ++i)
            exacte = ComposanteAffine(i >> 8, i & 0xFFu, f) == deux[i];
        if (exacte)
            return f;
    }
    return std::nullopt;
}

// The rules, each in a loop of its own: two pictures through one
// table already clamped or in fixed point, three through the rounded sums
// plus image 3's own rounded term, or the channels each from its own
// picture.
enum class Regle { DeuxImages, Affine, TroisImages, Canaux };

struct Tables {
    const std::uint8_t *deux = nullptr;   // clamped round(c1·a1 + c2·a2) or the product
    const std::int16_t *somme = nullptr;  // unclamped, for three pictures
    const std::int16_t *t1 = nullptr;
    const std::int16_t *t2 = nullptr;
    const std::int16_t *t3 = nullptr;
    Affine affine;
};

// Histograms of the rows' levels, in four sets taken in turn by
// consecutive pixels so that a run of equal levels does not wait on its own
// counts; summed at the end.
struct Comptes {
    std::array<HistogrammeRVB, 4> jeux{};

    void Compter(const QRgb *d, int w)
    {
        int x = 0;
        for (; x + 4 <= w; x += 4) {
            // The four pixels read before any count is written.
            const std::array<QRgb, 4> p{d[x], d[x + 1], d[x + 2], d[x + 3]};
            for (std::size_t j = 0; j < 4; ++j) {
                ++jeux[j][0][qRed(p[j])];
                ++jeux[j][1][qGreen(p[j])];
                ++jeux[j][2][qBlue(p[j])];
            }
        }
        for (; x < w; ++x) {
            ++jeux[0][0][qRed(d[x])];
            ++jeux[0][1][qGreen(d[x])];
            ++jeux[0][2][qBlue(d[x])];
        }
    }

    void Ajouter(HistogrammeRVB &h) const
    {
        for (const HistogrammeRVB &jeu : jeux)
            for (std::size_t k = 0; k < 3; ++k)
                for (std::size_t l = 0; l < 256; ++l)
                    h[k][l] += jeu[k][l];
    }
};

template <Regle R>
void Passe(const QImage &im1, const QImage &im2, const QImage *im3, const Tables &t, uchar *bits, qsizetype pas, int w,
           int debut, int fin, Comptes &h)
{
    for (int y = debut; y < fin; ++y) {
        const auto *s1 = reinterpret_cast<const QRgb *>(im1.constScanLine(y));
        const auto *s2 = reinterpret_cast<const QRgb *>(im2.constScanLine(y));
        const auto *s3 = im3 ? reinterpret_cast<const QRgb *>(im3->constScanLine(y)) : nullptr;
        auto *d = reinterpret_cast<QRgb *>(bits + pas * y);
        if constexpr (R == Regle::Affine) {
            // By blocks, the next block's source bytes asked for while this
            // one is counted, so that reading memory and counting overlap.
            constexpr int Bloc = 256;
            for (int x0 = 0; x0 < w; x0 += Bloc) {
                const int n = std::min(Bloc, w - x0);
                LigneAffineRapide(s1 + x0, s2 + x0, d + x0, n, t.affine);
                const int suivants = std::min(Bloc, w - x0 - n);
                for (int k = 0; k < suivants; k += 16) {
                    __builtin_prefetch(s1 + x0 + n + k);
                    __builtin_prefetch(s2 + x0 + n + k);
                }
                h.Compter(d + x0, n);
            }
            continue;
        }
        for (int x = 0; x < w; ++x) {
            const QRgb a = s1[x], b = s2[x];
            std::uint32_t rouge, vert, bleu;
            if constexpr (R == Regle::DeuxImages) {
                rouge = t.deux[((a >> 8) & 0xFF00u) | ((b >> 16) & 0xFFu)];
                vert = t.deux[(a & 0xFF00u) | ((b >> 8) & 0xFFu)];
                bleu = t.deux[((a << 8) & 0xFF00u) | (b & 0xFFu)];
            } else if constexpr (R == Regle::TroisImages) {
                const QRgb c = s3[x];
                rouge = Borne(t.somme[((a >> 8) & 0xFF00u) | ((b >> 16) & 0xFFu)] + t.t3[qRed(c)]);
                vert = Borne(t.somme[(a & 0xFF00u) | ((b >> 8) & 0xFFu)] + t.t3[qGreen(c)]);
                bleu = Borne(t.somme[((a << 8) & 0xFF00u) | (b & 0xFFu)] + t.t3[qBlue(c)]);
            } else {
                rouge = Borne(s3 ? t.t3[qRed(s3[x])] : 0);
                vert = Borne(t.t2[qGreen(b)]);
                bleu = Borne(t.t1[qBlue(a)]);
            }
            d[x] = 0xFF000000u | (rouge << 16) | (vert << 8) | bleu;
        }
        h.Compter(d, w);
    }
}

} // namespace

QSize TailleCommune(const QImage &image1, const QImage &image2, const QImage *image3)
{
    QSize t = image1.size().boundedTo(image2.size());
    if (image3)
        t = t.boundedTo(image3->size());
    return t;
}

void BornesEtalement(const HistogrammeRVB &h, std::int64_t n, int &bas, int &haut)
{
    const auto seuil = static_cast<std::int64_t>(std::nearbyint(static_cast<double>(n) * FractionEtalement));
    bas = 255;
    haut = 0;
    for (const auto &compte : h) {
        int b = 0;
        std::int64_t cumul = 0;
        for (int l = 0; l <= 127; ++l) {
            cumul += compte[static_cast<std::size_t>(l)];
            if (cumul < seuil)
                b = l;
            else
                break;
        }
        int ht = 255;
        cumul = 0;
        for (int l = 255; l >= 128; --l) {
            cumul += compte[static_cast<std::size_t>(l)];
            if (cumul < seuil)
                ht = l;
            else
                break;
        }
        bas = std::min(bas, b);
        haut = std::max(haut, ht);
    }
}

ResultatCombinaison CombinerAlgebrique(const QImage &i1, const QImage &i2, const QImage *i3, const ParametresCombinaison &p)
{
    ResultatCombinaison r;
    const QSize taille = TailleCommune(i1, i2, i3);
    if (taille.isEmpty())
        return r;
    QImage c1, c2, c3;
    const QImage &im1 = EnArgb(i1, c1);
    const QImage &im2 = EnArgb(i2, c2);
    const QImage *im3 = i3 ? &EnArgb(*i3, c3) : nullptr;

    const double a1 = p.coef1;
    const double a2 = p.operation2 == OperationImage2::Soustraire ? -p.coef2 : p.coef2;
    const double a3 = p.soustraire3 ? -p.coef3 : p.coef3;
    const bool multiplier = !p.canauxRVB && p.operation2 == OperationImage2::Multiplier;

    Table2 somme(65536);
    Table1 t1{}, t2{}, t3{};
    if (p.canauxRVB) {
        for (int c = 0; c < 256; ++c) {
            t1[static_cast<std::size_t>(c)] = Rond(c * a1);
            t2[static_cast<std::size_t>(c)] = Rond(c * a2);
            t3[static_cast<std::size_t>(c)] = im3 ? Rond(c * a3) : 0;
        }
    } else {
        for (int x = 0; x < 256; ++x)
            for (int y = 0; y < 256; ++y)
                somme[static_cast<std::size_t>((x << 8) | y)] = multiplier ? Rond(x * y / 255.0) : Rond(x * a1 + y * a2);
        for (int c = 0; c < 256; ++c)
            t3[static_cast<std::size_t>(c)] = (im3 && !multiplier) ? Rond(c * a3) : 0;
    }
    const bool avec3 = im3 && !multiplier && !p.canauxRVB;
    std::vector<std::uint8_t> deux;
    if (!p.canauxRVB && !avec3) {
        deux.resize(65536);
        for (std::size_t i = 0; i < deux.size(); ++i)
            deux[i] = static_cast<std::uint8_t>(Borne(somme[i]));
    }
    Tables tables{deux.data(), somme.data(), t1.data(), t2.data(), t3.data(), {}};
    std::optional<Affine> affine;
    if (!deux.empty() && !multiplier && !p.canauxRVB) {
        affine = TrouverAffine(a1, a2, deux);
        if (affine)
            tables.affine = *affine;
    }

    r.image = ImageResultat(taille);
    const int w = taille.width();
    uchar *bits = r.image.bits();
    const qsizetype pas = r.image.bytesPerLine();
    std::mutex garde;
    const std::int64_t octets = std::int64_t{4} * w * taille.height();
    ParcourirEnParallele(taille.height(), PartsParalleles(octets), [&](int debut, int fin) {
        auto h = std::make_unique<Comptes>();
        if (p.canauxRVB)
            Passe<Regle::Canaux>(im1, im2, im3, tables, bits, pas, w, debut, fin, *h);
        else if (avec3)
            Passe<Regle::TroisImages>(im1, im2, im3, tables, bits, pas, w, debut, fin, *h);
        else if (affine)
            Passe<Regle::Affine>(im1, im2, im3, tables, bits, pas, w, debut, fin, *h);
        else
            Passe<Regle::DeuxImages>(im1, im2, im3, tables, bits, pas, w, debut, fin, *h);
        const std::lock_guard<std::mutex> verrou(garde);
        h->Ajouter(r.histogramme);
    });

    if (!p.etaler || p.canauxRVB)
        return r;
    BornesEtalement(r.histogramme, std::int64_t{w} * taille.height(), r.bas, r.haut);
    r.etale = true;
    const int etendue = std::max(1, r.haut - r.bas);
    TableOctets table{};
    for (int v = 0; v < 256; ++v)
        table[static_cast<std::size_t>(v)] =
            static_cast<std::uint8_t>(Borne(static_cast<int>(std::nearbyint((v - r.bas) * (255.0 / etendue)))));
    ParcourirEnParallele(taille.height(), PartsParalleles(octets), [&](int debut, int fin) {
        for (int y = debut; y < fin; ++y) {
            auto *d = reinterpret_cast<std::uint32_t *>(bits + pas * y);
            AppliquerTablesPixels(d, d, w, table, table, table);
        }
    });
    return r;
}
