#include "processing/convolution.h"

#include "commun/erreur.h"
#include "commun/travail_parallele.h"
#include "processing/histogrammes.h"
#include "processing/image_resultat.h"
#include "processing/tables_composantes.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

// The kernels of the filters tab, known when compiling, so that their
// inner loops are built for their own weights.
template <int R>
struct NoyauFixe {
    static constexpr int Rayon = R;
    static constexpr int Cote = 2 * R + 1;
    std::array<int, static_cast<std::size_t>(Cote * Cote)> poids;
    int facteur;
    int decalage;

    [[nodiscard]] constexpr int somme() const
    {
        int s = 0;
        for (const int p : poids)
            s += p;
        return s;
    }
    // Bounds of an inner sum over levels 0..255.
    [[nodiscard]] constexpr int mini() const
    {
        int s = 0;
        for (const int p : poids)
            s += p < 0 ? p * 255 : 0;
        return s;
    }
    [[nodiscard]] constexpr int maxi() const
    {
        int s = 0;
        for (const int p : poids)
            s += p > 0 ? p * 255 : 0;
        return s;
    }
    [[nodiscard]] constexpr bool symetrique() const
    {
        for (int dy = -R; dy <= R; ++dy)
            for (int dx = -R; dx <= R; ++dx) {
                const auto p = [&](int a, int b) { return poids[static_cast<std::size_t>((a + R) * Cote + b + R)]; };
                if (p(dy, dx) != p(-dy, dx) || p(dy, dx) != p(dy, -dx))
                    return false;
            }
        return true;
    }
    [[nodiscard]] NoyauConvolution noyau() const
    {
        return {std::vector<int>(poids.begin(), poids.end()), R, facteur, decalage};
    }
    [[nodiscard]] bool est(const NoyauConvolution &n) const
    {
        return n.rayon == R && n.facteur == facteur && n.decalage == decalage &&
               std::equal(n.poids.begin(), n.poids.end(), poids.begin(), poids.end());
    }
};

template <int R>
constexpr NoyauFixe<R> Uniforme(int poids, int centre)
{
    NoyauFixe<R> n{};
    n.poids.fill(poids);
    n.poids[static_cast<std::size_t>(R * (2 * R + 1) + R)] = centre;
    n.facteur = 1;
    return n;
}

constexpr NoyauFixe<3> Flou = Uniforme<3>(1, 1);
constexpr NoyauFixe<3> FlouGaussien{{1,  4,  8,  10, 8,  4,  1,  //
                                     4,  12, 25, 29, 25, 12, 4,  //
                                     8,  25, 49, 58, 49, 25, 8,  //
                                     10, 29, 58, 67, 58, 29, 10, //
                                     8,  25, 49, 58, 49, 25, 8,  //
                                     4,  12, 25, 29, 25, 12, 4,  //
                                     1,  4,  8,  10, 8,  4,  1},
                                    1,
                                    0};
constexpr NoyauFixe<1> Accentuer = Uniforme<1>(-1, 12);
constexpr NoyauFixe<1> Contour{{-6, -1, -6, -2, 32, -2, -6, -1, -6}, 2, 240};
constexpr NoyauFixe<2> Lithographie = [] {
    NoyauFixe<2> n = Uniforme<2>(-1, 98);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx != 0 || dy != 0)
                n.poids[static_cast<std::size_t>((dy + 2) * 5 + dx + 2)] = -10;
    return n;
}();

// round(n / d) with halves to even, for a divisor d > 0 known when
// compiling: written without branches so that a row of them is vectorised,
// in 16-bit lanes when the sums fit there.
template <int D, typename E>
inline E QuotientPair(E n)
{
    static_assert(D > 0);
    E q = static_cast<E>(n / D);
    E r = static_cast<E>(n % D);
    const E negatif = r < 0 ? 1 : 0;
    q = static_cast<E>(q - negatif);
    r = static_cast<E>(r + negatif * D);
    return static_cast<E>(q + ((2 * r > D ? 1 : 0) | ((2 * r == D ? 1 : 0) & q)));
}

// The byte a whole inner sum gives, as the rule of the header says.
template <const auto &K, typename E>
inline std::uint8_t Octet(E somme)
{
    constexpr int Poids = K.somme();
    E v = static_cast<E>(somme * K.facteur);
    if constexpr (Poids > 0)
        v = QuotientPair<Poids>(v);
    else
        static_assert(Poids == 0, "the kernels of the filters tab have a sum of zero or more");
    v = static_cast<E>(v + K.decalage);
    return static_cast<std::uint8_t>(std::clamp<E>(v, 0, 255));
}

// Work rows of one part: the vertical sums and the weighted columns of a
// row, four bytes per pixel.
template <const auto &K>
struct LignesDeTravail {
    static constexpr int R = std::remove_cvref_t<decltype(K)>::Rayon;
    static constexpr bool Court = K.facteur > 0 && K.decalage >= 0 && K.mini() * K.facteur >= -(1 << 15) &&
                                  K.maxi() * K.facteur + K.decalage < (1 << 15);
    // Sums kept in 16 bits, with wrapping, whenever every sum the kernel can
    // give lies within a 16-bit range: they come out exact.
    using Somme = std::conditional_t<Court, std::uint16_t, std::int32_t>;
    using SommeSignee = std::conditional_t<Court, std::int16_t, std::int32_t>;
    std::array<std::vector<std::uint16_t>, static_cast<std::size_t>(R + 1)> verticales;
    std::array<std::vector<Somme>, static_cast<std::size_t>(R + 1)> colonnes;

    explicit LignesDeTravail(std::size_t octets)
    {
        for (auto &v : verticales)
            v.resize(octets);
        for (auto &c : colonnes)
            c.resize(octets);
    }
};

// C_b = Σ_j K(j, b) × V_j for every byte of the row, each b in a loop of its own.
template <const auto &K, int B, int... J>
void ColonnePonderee(LignesDeTravail<K> &t, std::ptrdiff_t octets, std::integer_sequence<int, J...>)
{
    using Somme = typename LignesDeTravail<K>::Somme;
    constexpr int R = LignesDeTravail<K>::R;
    constexpr int Cote = 2 * R + 1;
    Somme *__restrict c = t.colonnes[static_cast<std::size_t>(B)].data();
    const std::array<const std::uint16_t *, sizeof...(J)> v{t.verticales[static_cast<std::size_t>(J)].data()...};
    for (std::ptrdiff_t i = 0; i < octets; ++i) {
        Somme s = 0;
        ((s = static_cast<Somme>(s + static_cast<Somme>(K.poids[static_cast<std::size_t>((R + J) * Cote + R + B)]) *
                                         static_cast<Somme>(v[static_cast<std::size_t>(J)][i]))),
         ...);
        c[i] = s;
    }
}

template <const auto &K, int... B>
void ColonnesPonderees(LignesDeTravail<K> &t, std::ptrdiff_t octets, std::integer_sequence<int, B...>)
{
    (ColonnePonderee<K, B>(t, octets, std::make_integer_sequence<int, LignesDeTravail<K>::R + 1>{}), ...);
}

// The inner bytes [4R, octets − 4R) of one row, four per pixel (alpha
// included, overwritten by the caller); lignes[k] is the source row y − R + k.
// The kernels are symmetric about both axes: with V_j the sum of the rows
// y − j and y + j (the row y alone for j = 0), the column weights
// C_b = Σ_j K(j, b) × V_j give the sum C_0 + Σ_b (C_b left + C_b right).
// A 3 × 3 kernel: its nine taps summed at once, one pass over the row.
template <const auto &K, std::size_t... T>
void LigneDirecte(const std::uint8_t *const *lignes, std::uint8_t *__restrict o, std::ptrdiff_t octets, std::index_sequence<T...>)
{
    using Somme = typename LignesDeTravail<K>::Somme;
    // The row pointers held in locals: the stores to the result could
    // otherwise alias them and force a reload at every byte.
    const std::array<const std::uint8_t *, 3> l{lignes[0], lignes[1], lignes[2]};
    for (std::ptrdiff_t i = 4; i < octets - 4; ++i) {
        Somme s = 0;
        ((s = static_cast<Somme>(s + static_cast<Somme>(K.poids[T]) *
                                         static_cast<Somme>(l[T / 3][i + 4 * (static_cast<int>(T % 3) - 1)]))),
         ...);
        o[i] = Octet<K>(static_cast<typename LignesDeTravail<K>::SommeSignee>(s));
    }
}

template <const auto &K>
void LigneFixe(const std::uint8_t *const *lignes, std::uint8_t *__restrict o, std::ptrdiff_t octets, LignesDeTravail<K> &t)
{
    using T = LignesDeTravail<K>;
    using Somme = typename T::Somme;
    constexpr int R = T::R;
    if constexpr (R == 1) {
        LigneDirecte<K>(lignes, o, octets, std::make_index_sequence<9>{});
        return;
    }
    {
        std::uint16_t *__restrict v = t.verticales[0].data();
        const std::uint8_t *__restrict m = lignes[R];
        for (std::ptrdiff_t i = 0; i < octets; ++i)
            v[i] = m[i];
    }
    for (int j = 1; j <= R; ++j) {
        std::uint16_t *__restrict v = t.verticales[static_cast<std::size_t>(j)].data();
        const std::uint8_t *__restrict h = lignes[R - j];
        const std::uint8_t *__restrict b = lignes[R + j];
        for (std::ptrdiff_t i = 0; i < octets; ++i)
            v[i] = static_cast<std::uint16_t>(h[i] + b[i]);
    }
    ColonnesPonderees<K>(t, octets, std::make_integer_sequence<int, R + 1>{});
    std::array<const Somme *, static_cast<std::size_t>(R + 1)> c{};
    for (std::size_t b = 0; b < c.size(); ++b)
        c[b] = t.colonnes[b].data();
    for (std::ptrdiff_t i = 4 * R; i < octets - 4 * R; ++i) {
        Somme s = c[0][i];
        [&]<int... B>(std::integer_sequence<int, B...>) {
            ((s = static_cast<Somme>(s + c[B + 1][i - 4 * (B + 1)] + c[B + 1][i + 4 * (B + 1)])), ...);
        }(std::make_integer_sequence<int, R>{});
        o[i] = Octet<K>(static_cast<typename T::SommeSignee>(s));
    }
}

} // namespace

const NoyauConvolution &NoyauDeFiltre(FiltreConvolution filtre)
{
    static const NoyauConvolution flou = Flou.noyau();
    static const NoyauConvolution gaussien = FlouGaussien.noyau();
    static const NoyauConvolution accentuer = Accentuer.noyau();
    static const NoyauConvolution contour = Contour.noyau();
    static const NoyauConvolution lithographie = Lithographie.noyau();
    switch (filtre) {
    case FiltreConvolution::Flou: return flou;
    case FiltreConvolution::FlouGaussien: return gaussien;
    case FiltreConvolution::Accentuer: return accentuer;
    case FiltreConvolution::Contour: return contour;
    case FiltreConvolution::Lithographie: break;
    }
    return lithographie;
}

namespace {

// One pixel by the rule itself, over the neighbours inside the picture.
QRgb PixelExact(const QImage &source, const NoyauConvolution &noyau, int x, int y)
{
    const int r = noyau.rayon;
    const int cote = 2 * r + 1;
    const int dxMin = std::max(-r, -x);
    const int dxMax = std::min(r, source.width() - 1 - x);
    const int dyMin = std::max(-r, -y);
    const int dyMax = std::min(r, source.height() - 1 - y);
    std::array<std::int64_t, 3> somme{};
    std::int64_t sommePoids = 0;
    for (int dy = dyMin; dy <= dyMax; ++dy) {
        const auto *s = reinterpret_cast<const QRgb *>(source.constScanLine(y + dy)) + x;
        for (int dx = dxMin; dx <= dxMax; ++dx) {
            const QRgb c = s[dx];
            const int q = noyau.poids[static_cast<std::size_t>((dy + r) * cote + dx + r)];
            sommePoids += q;
            somme[0] += q * static_cast<int>(c & 0xFF);
            somme[1] += q * static_cast<int>((c >> 8) & 0xFF);
            somme[2] += q * static_cast<int>((c >> 16) & 0xFF);
        }
    }
    QRgb c = 0xFF000000u;
    for (std::size_t k = 0; k < 3; ++k) {
        const std::int64_t n = somme[k] * noyau.facteur;
        const std::int64_t v = (sommePoids != 0 ? QuotientArrondi(n, sommePoids) : n) + noyau.decalage;
        c |= static_cast<QRgb>(std::clamp<std::int64_t>(v, 0, 255)) << (8 * k);
    }
    return c;
}

// A kernel of the filters tab: the inner pixels of inner rows by its own
// loop, rows split between the cores; the pixels near the edges by the rule.
template <const auto &K>
void ConvoluerFixe(const QImage &source, QImage &resultat)
{
    constexpr int R = std::remove_cvref_t<decltype(K)>::Rayon;
    constexpr int Cote = std::remove_cvref_t<decltype(K)>::Cote;
    static_assert(K.symetrique());
    const NoyauConvolution exact = K.noyau();
    const int w = source.width();
    const int h = source.height();
    uchar *bits = resultat.bits();
    const qsizetype pas = resultat.bytesPerLine();
    ParcourirEnParallele(h, PartsParalleles(resultat.sizeInBytes()), [&](int debut, int fin) {
        std::array<const std::uint8_t *, static_cast<std::size_t>(Cote)> lignes{};
        const std::ptrdiff_t octets = std::ptrdiff_t{4} * w;
        std::optional<LignesDeTravail<K>> travail;
        for (int y = debut; y < fin; ++y) {
            auto *d = reinterpret_cast<QRgb *>(bits + pas * y);
            const bool interieure = y >= R && y < h - R && w > 2 * R;
            if (interieure) {
                for (int k = 0; k < Cote; ++k)
                    lignes[static_cast<std::size_t>(k)] = source.constScanLine(y - R + k);
                if (!travail)
                    travail.emplace(static_cast<std::size_t>(octets));
                LigneFixe<K>(lignes.data(), reinterpret_cast<std::uint8_t *>(d), octets, *travail);
                for (int x = R; x < w - R; ++x)
                    d[x] |= 0xFF000000u;
            }
            for (int x = 0; x < w; ++x) {
                if (interieure && x == R)
                    x = w - R;
                if (x < w)
                    d[x] = PixelExact(source, exact, x, y);
            }
        }
    });
}

// Any other kernel: per component plane, the inner pixels of a row summed
// tap by tap over contiguous bytes, and each inner sum mapped to its byte by
// a table when the picture has more inner sums than the table entries.
void ConvoluerGeneral(const QImage &source, const NoyauConvolution &noyau, QImage &resultat)
{
    const int r = noyau.rayon;
    const int cote = 2 * r + 1;
    const int w = source.width();
    const int h = source.height();
    const auto poids = [&](int dx, int dy) { return noyau.poids[static_cast<std::size_t>((dy + r) * cote + dx + r)]; };
    std::int64_t sommeTotale = 0;
    for (const int p : noyau.poids)
        sommeTotale += p;
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
    std::int32_t sommeMini = 0;
    std::int32_t sommeMaxi = 0;
    for (const int p : noyau.poids)
        (p < 0 ? sommeMini : sommeMaxi) += p * 255;
    const std::int64_t interieurs = static_cast<std::int64_t>(std::max(0, w - 2 * r)) * std::max(0, h - 2 * r) * 3;
    const bool avecTable = sommeMaxi - sommeMini < (1 << 22) && sommeMaxi - sommeMini < interieurs;
    std::vector<std::uint8_t> table(avecTable ? static_cast<std::size_t>(sommeMaxi - sommeMini + 1) : 0);
    for (std::int32_t v = sommeMini; avecTable && v <= sommeMaxi; ++v) {
        const std::int64_t m = std::int64_t{v} * noyau.facteur;
        table[static_cast<std::size_t>(v - sommeMini)] = static_cast<std::uint8_t>(std::clamp<std::int64_t>(
            (sommeTotale != 0 ? QuotientArrondi(m, sommeTotale) : m) + noyau.decalage, 0, 255));
    }
    const int xDebut = r;
    const int xFin = w - r; // inner columns [xDebut, xFin)
    for (int y = 0; y < h; ++y) {
        auto *d = reinterpret_cast<QRgb *>(resultat.scanLine(y));
        const bool ligneInterieure = avecTable && y >= r && y < h - r;
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
            if (ligneInterieure && x == xDebut && xDebut < xFin)
                x = xFin;
            if (x < w)
                d[x] = PixelExact(source, noyau, x, y);
        }
    }
}

} // namespace

QImage Convoluer(const QImage &image, const NoyauConvolution &noyau)
{
    const int r = noyau.rayon;
    const int cote = 2 * r + 1;
    const bool poidsValides = std::all_of(noyau.poids.begin(), noyau.poids.end(), [](int p) { return std::abs(p) <= PoidsMaxi; });
    if (r < 0 || r > RayonConvolutionMaxi || noyau.poids.size() != static_cast<std::size_t>(cote * cote) || !poidsValides ||
        std::abs(noyau.facteur) > PoidsMaxi || std::abs(noyau.decalage) > PoidsMaxi)
        throw ErreurKaptori(QCoreApplication::translate("Traitements", "Noyau de convolution invalide."));
    QImage converti;
    const QImage &source = LectureVingtQuatreBits(image, converti);
    QImage resultat = ImageResultat(source.size());
    if (source.isNull())
        return resultat;
    if (Flou.est(noyau))
        ConvoluerFixe<Flou>(source, resultat);
    else if (FlouGaussien.est(noyau))
        ConvoluerFixe<FlouGaussien>(source, resultat);
    else if (Accentuer.est(noyau))
        ConvoluerFixe<Accentuer>(source, resultat);
    else if (Contour.est(noyau))
        ConvoluerFixe<Contour>(source, resultat);
    else if (Lithographie.est(noyau))
        ConvoluerFixe<Lithographie>(source, resultat);
    else
        ConvoluerGeneral(source, noyau, resultat);
    return resultat;
}
