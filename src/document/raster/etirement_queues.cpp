#include "document/raster/etirement_queues.h"

#include "document/raster/canal.h"
#include "commun/travail_parallele.h"
#include "commun/processeur.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <mutex>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define KAPTORI_LARGE 1
#endif

namespace {

using Histogramme = std::array<std::uint64_t, 256>;

// Below this many pixels the whole histogram costs little: no sample.
constexpr std::int64_t SeuilQueues = std::int64_t{1} << 22;
// Pixels of the sample, in whole rows spread over the channel.
constexpr std::int64_t PixelsEchantillon = std::int64_t{1} << 18;

// Exact counts of the values 1..a and b..254 of some rows, with their true
// minimum and maximum over all values.
struct Queues {
    Histogramme comptes{};
    int mini = 255;
    int maxi = 0;

    void Ajouter(const Queues &autre)
    {
        for (int v = 0; v < 256; ++v)
            comptes[v] += autre.comptes[v];
        mini = std::min(mini, autre.mini);
        maxi = std::max(maxi, autre.maxi);
    }
};

// The extreme values looked for: 1 <= a, b <= 254 and a + 1 < b, so that
// the values between are neither.
struct Extremes {
    int a = 0;
    int b = 0;
};

// Bytes v of p[x0, n) with 1 <= v <= a or b <= v <= 254 counted, minimum
// and maximum kept.
void CompterSimple(const std::uint8_t *p, int x0, int n, const Extremes &e, Queues &q)
{
    const auto a1 = static_cast<unsigned>(e.a - 1);
    const auto b1 = static_cast<unsigned>(254 - e.b);
    for (int x = x0; x < n; ++x) {
        const unsigned v = p[x];
        q.mini = std::min(q.mini, static_cast<int>(v));
        q.maxi = std::max(q.maxi, static_cast<int>(v));
        if (((v - 1) & 0xFFu) <= a1 || ((v - static_cast<unsigned>(e.b)) & 0xFFu) <= b1)
            ++q.comptes[v];
    }
}

#if defined(KAPTORI_LARGE)

// The bytes of p at the set bits of m counted.
template <typename Masque>
void CompterMarques(const std::uint8_t *p, Masque m, Queues &q)
{
    while (m) {
        ++q.comptes[p[std::countr_zero(m)]];
        m &= m - 1;
    }
}

// Lane minima and maxima of the wide comparisons added to the counts'.
void NoterBornes(const std::uint8_t *bas, const std::uint8_t *haut, int voies, Queues &q)
{
    for (int i = 0; i < voies; ++i) {
        q.mini = std::min(q.mini, int{bas[i]});
        q.maxi = std::max(q.maxi, int{haut[i]});
    }
}

// Both ranges are tested as one unsigned comparison each: v - 1 <= a - 1
// and v - b <= 254 - b, in bytes.
__attribute__((target("avx512f,avx512bw"))) int CompterAvx512(const std::uint8_t *p, int n, const Extremes &e,
                                                             Queues &q)
{
    const __m512i un = _mm512_set1_epi8(1);
    const __m512i a1 = _mm512_set1_epi8(static_cast<char>(e.a - 1));
    const __m512i b = _mm512_set1_epi8(static_cast<char>(e.b));
    const __m512i b1 = _mm512_set1_epi8(static_cast<char>(254 - e.b));
    __m512i mini = _mm512_set1_epi8(static_cast<char>(0xFF));
    __m512i maxi = _mm512_setzero_si512();
    int x = 0;
    for (; x + 64 <= n; x += 64) {
        const __m512i v = _mm512_loadu_si512(p + x);
        mini = _mm512_min_epu8(mini, v);
        maxi = _mm512_max_epu8(maxi, v);
        CompterMarques(p + x,
                       std::uint64_t{_mm512_cmple_epu8_mask(_mm512_sub_epi8(v, un), a1)
                                     | _mm512_cmple_epu8_mask(_mm512_sub_epi8(v, b), b1)},
                       q);
    }
    alignas(64) std::uint8_t bas[64];
    alignas(64) std::uint8_t haut[64];
    _mm512_store_si512(bas, mini);
    _mm512_store_si512(haut, maxi);
    if (x > 0)
        NoterBornes(bas, haut, 64, q);
    return x;
}

// The same 32 bytes at once; x <= y unsigned is max(x, y) == y.
__attribute__((target("avx2"))) int CompterAvx2(const std::uint8_t *p, int n, const Extremes &e, Queues &q)
{
    const __m256i un = _mm256_set1_epi8(1);
    const __m256i a1 = _mm256_set1_epi8(static_cast<char>(e.a - 1));
    const __m256i b = _mm256_set1_epi8(static_cast<char>(e.b));
    const __m256i b1 = _mm256_set1_epi8(static_cast<char>(254 - e.b));
    __m256i mini = _mm256_set1_epi8(static_cast<char>(0xFF));
    __m256i maxi = _mm256_setzero_si256();
    int x = 0;
    for (; x + 32 <= n; x += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p + x));
        mini = _mm256_min_epu8(mini, v);
        maxi = _mm256_max_epu8(maxi, v);
        const __m256i d1 = _mm256_sub_epi8(v, un);
        const __m256i d2 = _mm256_sub_epi8(v, b);
        const __m256i dans = _mm256_or_si256(_mm256_cmpeq_epi8(_mm256_max_epu8(d1, a1), a1),
                                             _mm256_cmpeq_epi8(_mm256_max_epu8(d2, b1), b1));
        CompterMarques(p + x, static_cast<std::uint32_t>(_mm256_movemask_epi8(dans)), q);
    }
    alignas(32) std::uint8_t bas[32];
    alignas(32) std::uint8_t haut[32];
    _mm256_store_si256(reinterpret_cast<__m256i *>(bas), mini);
    _mm256_store_si256(reinterpret_cast<__m256i *>(haut), maxi);
    if (x > 0)
        NoterBornes(bas, haut, 32, q);
    return x;
}

#endif

// The widest comparisons this processor offers, at most `jeu`.
JeuComparaisons JeuDisponible(JeuComparaisons jeu)
{
#if defined(KAPTORI_LARGE)
    const bool avx512 = AvecAvx512Bw();
    const bool avx2 = AvecAvx2();
    if (jeu == JeuComparaisons::Avx512 && !avx512)
        jeu = JeuComparaisons::Avx2;
    if (jeu == JeuComparaisons::Avx2 && !avx2)
        jeu = JeuComparaisons::Simple;
    return jeu;
#else
    (void)jeu;
    return JeuComparaisons::Simple;
#endif
}

void CompterLigne(const std::uint8_t *p, int n, const Extremes &e, JeuComparaisons jeu, Queues &q)
{
    int x = 0;
#if defined(KAPTORI_LARGE)
    if (jeu == JeuComparaisons::Avx512)
        x = CompterAvx512(p, n, e, q);
    else if (jeu == JeuComparaisons::Avx2)
        x = CompterAvx2(p, n, e, q);
#else
    (void)jeu;
#endif
    CompterSimple(p, x, n, e, q);
}

// Threshold of the stretch rule: pixels div (2000 div e).
std::uint64_t Seuil(std::uint64_t pixels, int e)
{
    const auto diviseur = static_cast<std::uint64_t>(2000 / e);
    return diviseur == 0 ? 0 : pixels / diviseur;
}

// From the sample's histogram, the extreme values whose exact counts should
// reach the threshold at each end, with a margin; none when the ends meet.
bool ChoisirExtremes(const Histogramme &echantillon, std::uint64_t pixelsEchantillon, double part, Extremes &e)
{
    const double cible = 2.0 * part * static_cast<double>(pixelsEchantillon) + 16.0;
    double cumul = 0;
    e.a = 0;
    for (int v = 1; v <= 254 && e.a == 0; ++v) {
        cumul += static_cast<double>(echantillon[v]);
        if (cumul >= cible)
            e.a = v;
    }
    cumul = 0;
    e.b = 0;
    for (int v = 254; v >= 1 && e.b == 0; --v) {
        cumul += static_cast<double>(echantillon[v]);
        if (cumul >= cible)
            e.b = v;
    }
    return e.a > 0 && e.b > 0 && e.a + 1 < e.b;
}

// A histogram giving the same stretch as the channel's whole one, built from
// exact end counts that reach the threshold at both ends: the values between
// the ends only add to totals that are already past the threshold.
Histogramme HistogrammeEquivalent(const Queues &q, const Extremes &e, std::uint64_t pixels)
{
    Histogramme h{};
    std::uint64_t connus = 0;
    for (int v = 1; v <= 254; ++v)
        if (v <= e.a || v >= e.b) {
            h[v] = q.comptes[v];
            connus += h[v];
        }
    h[0] = q.mini == 0 ? 1 : 0;
    h[255] = q.maxi == 255 ? 1 : 0;
    h[e.a + 1] = pixels - connus - h[0] - h[255];
    return h;
}

bool SeuilAtteint(const Queues &q, const Extremes &e, std::uint64_t seuil)
{
    std::uint64_t bas = 0;
    std::uint64_t haut = 0;
    for (int v = 1; v <= e.a; ++v)
        bas += q.comptes[v];
    for (int v = e.b; v <= 254; ++v)
        haut += q.comptes[v];
    return bas >= seuil && haut >= seuil;
}

} // namespace

std::vector<int> LignesEchantillon(int largeur, int hauteur)
{
    if (largeur <= 0 || hauteur <= 0)
        return {};
    const auto n = static_cast<int>(std::clamp<std::int64_t>((PixelsEchantillon + largeur - 1) / largeur, 1, hauteur));
    std::vector<int> lignes(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        lignes[static_cast<std::size_t>(i)] = static_cast<int>((2 * std::int64_t{i} + 1) * hauteur / (2 * std::int64_t{n}));
    return lignes;
}

std::array<BornesEtirement, 3> EtirementsCanaux(const std::array<const TCanal *, 3> &canaux, int e,
                                                JeuComparaisons jeu)
{
    std::array<BornesEtirement, 3> bornes{};
    if (e <= 0)
        return bornes;
    jeu = JeuDisponible(jeu);

    // Which channels are counted by their ends, and from which values.
    std::array<const TCanal *, 3> lus{};
    std::array<const TCanal *, 3> entiers{};
    std::array<Extremes, 3> extremes{};
    int hauteur = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        const TCanal *c = canaux[k];
        if (!c || !c->complet())
            continue;
        const std::int64_t pixels = std::int64_t{c->largeur} * c->hauteur;
        const std::uint64_t seuil = Seuil(static_cast<std::uint64_t>(pixels), e);
        if (jeu == JeuComparaisons::Simple || pixels < SeuilQueues || seuil == 0) {
            entiers[k] = c;
            continue;
        }
        const std::vector<int> lignes = LignesEchantillon(c->largeur, c->hauteur);
        Histogramme echantillon{};
        for (const int y : lignes) {
            const Histogramme h = HistogrammeOctets(c->ligne(y), static_cast<std::size_t>(c->largeur));
            for (int v = 0; v < 256; ++v)
                echantillon[v] += h[v];
        }
        const double part = static_cast<double>(seuil) / static_cast<double>(pixels);
        if (ChoisirExtremes(echantillon, lignes.size() * static_cast<std::uint64_t>(c->largeur), part, extremes[k])) {
            lus[k] = c;
            hauteur = std::max(hauteur, c->hauteur);
        } else {
            entiers[k] = c;
        }
    }

    // One pass over the rows, the channels' rows of a same height together.
    std::array<Queues, 3> queues{};
    if (hauteur > 0) {
        std::mutex garde;
        std::int64_t octets = 0;
        for (const TCanal *c : lus)
            if (c)
                octets += std::int64_t{c->largeur} * c->hauteur;
        ParcourirEnParallele(hauteur, PartsParalleles(octets), [&](int debut, int fin) {
            std::array<Queues, 3> partielles{};
            for (int y = debut; y < fin; ++y)
                for (std::size_t k = 0; k < 3; ++k)
                    if (lus[k] && y < lus[k]->hauteur)
                        CompterLigne(lus[k]->ligne(y), lus[k]->largeur, extremes[k], jeu, partielles[k]);
            const std::lock_guard<std::mutex> verrou(garde);
            for (std::size_t k = 0; k < 3; ++k)
                queues[k].Ajouter(partielles[k]);
        });
    }
    for (std::size_t k = 0; k < 3; ++k) {
        const TCanal *c = lus[k];
        if (!c)
            continue;
        const auto pixels = static_cast<std::uint64_t>(std::int64_t{c->largeur} * c->hauteur);
        if (SeuilAtteint(queues[k], extremes[k], Seuil(pixels, e)))
            bornes[k] = EtirementDeHistogramme(HistogrammeEquivalent(queues[k], extremes[k], pixels), e);
        else
            entiers[k] = c;
    }

    // The others by their whole histogram.
    std::int64_t octets = 0;
    int hauteurEntiers = 0;
    for (const TCanal *c : entiers)
        if (c) {
            octets += std::int64_t{c->largeur} * c->hauteur;
            hauteurEntiers = std::max(hauteurEntiers, c->hauteur);
        }
    if (octets > 0) {
        std::array<Histogramme, 3> histogrammes{};
        std::mutex garde;
        ParcourirEnParallele(hauteurEntiers, PartsParalleles(octets), [&](int debut, int fin) {
            const std::array<Histogramme, 3> partiels = HistogrammesCanaux(entiers, debut, fin);
            const std::lock_guard<std::mutex> verrou(garde);
            for (std::size_t k = 0; k < 3; ++k)
                for (int v = 0; v < 256; ++v)
                    histogrammes[k][v] += partiels[k][v];
        });
        for (std::size_t k = 0; k < 3; ++k)
            if (entiers[k])
                bornes[k] = EtirementDeHistogramme(histogrammes[k], e);
    }
    return bornes;
}
