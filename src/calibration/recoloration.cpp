#include "calibration/recoloration.h"

#include "calibration/decodage_couleur.h"
#include "commun/erreur.h"
#include "commun/nombres.h"
#include "commun/processeur.h"
#include "commun/travail_parallele.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define KAPTORI_LARGE 1
#endif

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("Recoloration", texte);
}

constexpr QRgb Noir = 0xFF000000u;

// Runs ligne(y) for every row of the picture, the rows shared between cores
// for a large picture (each row is independent of the others).
template <typename Ligne>
void ParLignes(QImage &image, const Ligne &ligne)
{
    const int parts = PartsParalleles(image.sizeInBytes());
    uchar *bits = image.bits(); // detaches once, before the threads start
    const qsizetype pas = image.bytesPerLine();
    ParcourirEnParallele(image.height(), parts, [&](int debut, int fin) {
        for (int y = debut; y < fin; ++y)
            ligne(reinterpret_cast<QRgb *>(bits + y * pas));
    });
}
constexpr QRgb Blanc = 0xFFFFFFFFu;

void PreparerImage(QImage &image)
{
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
}

// Black below the dark threshold, white above the light one, otherwise kept;
// the pixel's alpha is kept.
inline QRgb NoirOuBlanc(QRgb p, int s, int sombre, int clair)
{
    if (s < sombre)
        return (p & 0xFF000000u) | (Noir & 0x00FFFFFFu);
    if (s > clair)
        return (p & 0xFF000000u) | (Blanc & 0x00FFFFFFu);
    return p;
}

void AlignerArcEnCiel(const TCodeCouleur &code, QImage &image, int h)
{
    const PrimairesArcEnCiel p = PrimairesOrdre(code.OrdreArcEnCiel);
    const int largeur = image.width();
    ParLignes(image, [&](QRgb *ligne) {
        for (int x = 0; x < largeur; ++x) {
            const QRgb px = ligne[x];
            std::array<int, 3> c{qRed(px), qGreen(px), qBlue(px)};
            const int s = c[0] + c[1] + c[2];
            if (s < 100 || s > 665) {
                ligne[x] = NoirOuBlanc(px, s, 100, 665);
                continue;
            }
            const int a1 = c[p.premiere], a2 = c[p.milieu], a3 = c[p.derniere];
            const int mn = std::min({a1, a2, a3});
            const int mx = std::max({a1, a2, a3});
            if (!(mn < h && mx > 255 - h))
                continue;
            if (a1 == mx) {
                if (a3 < h) {
                    c[p.premiere] = 255;
                    c[p.derniere] = 0;
                }
            } else if (a2 == mx) {
                c[p.milieu] = 255;
                if (a3 == mn)
                    c[p.derniere] = 0;
                else
                    c[p.premiere] = 0;
            } else {
                c[p.derniere] = 255;
                c[p.premiere] = 0;
            }
            ligne[x] = qRgba(c[0], c[1], c[2], qAlpha(px));
        }
    });
}

void AlignerDeuxCouleurs(const TCodeCouleur &code, QImage &image, double tolerance, int I)
{
    const std::array<int, 3> c1{RougeWin(code.CouleurMin), VertWin(code.CouleurMin), BleuWin(code.CouleurMin)};
    const std::array<int, 3> c2{RougeWin(code.CouleurMax), VertWin(code.CouleurMax), BleuWin(code.CouleurMax)};
    // Each component's share of t, by level; components whose two colours
    // are equal say nothing about the position and are left out of the mean.
    std::array<std::array<double, 256>, 3> part{};
    int utiles = 0;
    for (int k = 0; k < 3; ++k) {
        if (c1[k] == c2[k])
            continue;
        ++utiles;
        for (int v = 0; v < 256; ++v)
            part[k][v] = static_cast<double>(v - c1[k]) / (c2[k] - c1[k]);
    }
    if (utiles == 0)
        throw ErreurKaptori(Tr("Les deux couleurs du codage sont identiques : les teintes ne peuvent pas être "
                               "alignées."));
    const int largeur = image.width();
    ParLignes(image, [&](QRgb *ligne) {
        for (int x = 0; x < largeur; ++x) {
            const QRgb px = ligne[x];
            const int r = qRed(px), g = qGreen(px), b = qBlue(px);
            const double t = (part[0][r] + part[1][g] + part[2][b]) / utiles;
            if (-tolerance < t && t < 1 + tolerance) {
                const double u = std::clamp(t, 0.0, 1.0);
                ligne[x] = qRgba(c1[0] + static_cast<int>(Arrondi((c2[0] - c1[0]) * u)),
                                 c1[1] + static_cast<int>(Arrondi((c2[1] - c1[1]) * u)),
                                 c1[2] + static_cast<int>(Arrondi((c2[2] - c1[2]) * u)), qAlpha(px));
            } else {
                ligne[x] = NoirOuBlanc(px, r + g + b, I, 675 - I);
            }
        }
    });
}

#if defined(KAPTORI_LARGE)

// GCC's AVX-512 headers start some vectors undefined on purpose.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

// The table rule 16 pixels at a time: each component's mask, low and high
// bytes, looked up by byte permutations, the last matching entry by its
// leading zeros, its colour by a permutation of the 16 entries. Returns how
// many pixels it did (a multiple of 16); only changed pixels are written.
struct Table512 {
    __m512i t0, t1, t2, t3;
};

#define KAPTORI_CIBLE __attribute__((target("avx512f,avx512bw,avx512vbmi,avx512cd")))

KAPTORI_CIBLE inline Table512 Charger(const std::array<std::uint8_t, 256> &t)
{
    return {_mm512_loadu_si512(t.data()), _mm512_loadu_si512(t.data() + 64), _mm512_loadu_si512(t.data() + 128),
            _mm512_loadu_si512(t.data() + 192)};
}

KAPTORI_CIBLE inline __m512i Chercher(__m512i octets, const Table512 &t)
{
    const __m512i bas = _mm512_permutex2var_epi8(t.t0, octets, t.t1);
    const __m512i haut = _mm512_permutex2var_epi8(t.t2, octets, t.t3);
    return _mm512_mask_blend_epi8(_mm512_movepi8_mask(octets), bas, haut);
}

using OctetsMasques = std::array<std::array<std::uint8_t, 256>, 6>;

// The low and high bytes of the red, green and blue masks.
OctetsMasques Octets(const std::array<std::array<std::uint16_t, 256>, 3> &masques)
{
    OctetsMasques octets{};
    for (std::size_t k = 0; k < 3; ++k)
        for (std::size_t v = 0; v < 256; ++v) {
            octets[2 * k][v] = static_cast<std::uint8_t>(masques[k][v] & 0xFFu);
            octets[2 * k + 1][v] = static_cast<std::uint8_t>(masques[k][v] >> 8);
        }
    return octets;
}

KAPTORI_CIBLE int AlignerTableauAvx512(QRgb *ligne, int largeur, const OctetsMasques &octets,
                                       const std::array<QRgb, MaxEntreesTableau> &couleurs, int I)
{
    // Bytes in memory are B, G, R, A.
    const Table512 rBas = Charger(octets[0]), rHaut = Charger(octets[1]), vBas = Charger(octets[2]),
                   vHaut = Charger(octets[3]), bBas = Charger(octets[4]), bHaut = Charger(octets[5]);
    const __m512i teintes = _mm512_loadu_si512(couleurs.data());
    const __m512i octet = _mm512_set1_epi32(0xFF), alpha = _mm512_set1_epi32(static_cast<int>(0xFF000000u));
    const __m512i blanc = _mm512_set1_epi32(0x00FFFFFF), trente1 = _mm512_set1_epi32(31);
    const __m512i sombre = _mm512_set1_epi32(I), clair = _mm512_set1_epi32(675 - I);
    int x = 0;
    for (; x + 16 <= largeur; x += 16) {
        const __m512i p = _mm512_loadu_si512(ligne + x);
        const __m512i bas = _mm512_and_si512(
            _mm512_and_si512(Chercher(p, bBas), _mm512_srli_epi32(Chercher(p, vBas), 8)),
            _mm512_srli_epi32(Chercher(p, rBas), 16));
        const __m512i haut = _mm512_and_si512(
            _mm512_and_si512(Chercher(p, bHaut), _mm512_srli_epi32(Chercher(p, vHaut), 8)),
            _mm512_srli_epi32(Chercher(p, rHaut), 16));
        const __m512i m = _mm512_or_si512(_mm512_and_si512(bas, octet), _mm512_slli_epi32(_mm512_and_si512(haut, octet), 8));
        const __mmask16 trouve = _mm512_test_epi32_mask(m, m);
        const __m512i entree = _mm512_sub_epi32(trente1, _mm512_lzcnt_epi32(m));
        const __m512i a = _mm512_and_si512(p, alpha);
        const __m512i somme = _mm512_add_epi32(
            _mm512_add_epi32(_mm512_and_si512(p, octet), _mm512_and_si512(_mm512_srli_epi32(p, 8), octet)),
            _mm512_and_si512(_mm512_srli_epi32(p, 16), octet));
        __m512i nouveau = p;
        nouveau = _mm512_mask_mov_epi32(nouveau, _mm512_cmpgt_epi32_mask(somme, clair), _mm512_or_si512(a, blanc));
        nouveau = _mm512_mask_mov_epi32(nouveau, _mm512_cmplt_epi32_mask(somme, sombre), a);
        nouveau = _mm512_mask_mov_epi32(nouveau, trouve, _mm512_or_si512(a, _mm512_permutexvar_epi32(entree, teintes)));
        const __mmask16 change = _mm512_cmpneq_epi32_mask(nouveau, p);
        if (change != 0)
            _mm512_mask_storeu_epi32(ligne + x, change, nouveau);
    }
    return x;
}

#undef KAPTORI_CIBLE
#pragma GCC diagnostic pop

bool AvecAvx512()
{
    static const bool avec = AvecAvx512Vbmi() && __builtin_cpu_supports("avx512cd");
    return avec;
}

#endif

void AlignerTableau(const TCodeCouleur &code, QImage &image, int h, int I)
{
    const int n = std::clamp(code.NbCouleurs, 0, MaxEntreesTableau);
    // For each component and level, the entries within h of it as bits; a
    // pixel matches the entries of the three masks' intersection.
    std::array<std::array<std::uint16_t, 256>, 3> masques{};
    for (int e = 0; e < n; ++e) {
        const CouleurWin c = code.CouleurTable[static_cast<std::size_t>(e)];
        const std::array<int, 3> ce{RougeWin(c), VertWin(c), BleuWin(c)};
        for (int k = 0; k < 3; ++k)
            for (int v = 0; v < 256; ++v)
                if (std::abs(v - ce[k]) < h)
                    masques[k][v] |= static_cast<std::uint16_t>(1u << e);
    }
    std::array<QRgb, MaxEntreesTableau> couleurs{};
    for (int e = 0; e < n; ++e) {
        const CouleurWin c = code.CouleurTable[static_cast<std::size_t>(e)];
        couleurs[static_cast<std::size_t>(e)] = qRgb(RougeWin(c), VertWin(c), BleuWin(c)) & 0x00FFFFFFu;
    }
    const int largeur = image.width();
#if defined(KAPTORI_LARGE)
    const bool large = AvecAvx512();
    const OctetsMasques octets = large ? Octets(masques) : OctetsMasques{};
#else
    const bool large = false;
#endif
    ParLignes(image, [&](QRgb *ligne) {
        int debut = 0;
#if defined(KAPTORI_LARGE)
        if (large)
            debut = AlignerTableauAvx512(ligne, largeur, octets, couleurs, I);
#endif
        for (int x = debut; x < largeur; ++x) {
            const QRgb px = ligne[x];
            const int r = qRed(px), g = qGreen(px), b = qBlue(px);
            const unsigned m = masques[0][r] & masques[1][g] & masques[2][b];
            const QRgb nouveau = m != 0 ? (px & 0xFF000000u) | couleurs[static_cast<std::size_t>(31 - __builtin_clz(m))]
                                        : NoirOuBlanc(px, r + g + b, I, 675 - I);
            // A pixel that stays as it is is not written back.
            if (nouveau != px)
                ligne[x] = nouveau;
        }
    });
}

} // namespace

void AlignerTeintes(const TCodeCouleur &code, QImage &image, double tolerance)
{
    if (code.TypeCodage == CodageTroisCanaux || code.TypeCodage > CodageTableau)
        throw ErreurKaptori(Tr("Un codage à trois canaux n'a pas de teintes sur lesquelles aligner l'image."));
    const int h = static_cast<int>(Arrondi(255 * tolerance));
    const int I = static_cast<int>(Arrondi(765 * tolerance));
    if (code.TypeCodage == CodageDeuxCouleurs && code.CouleurMin == code.CouleurMax)
        throw ErreurKaptori(Tr("Les deux couleurs du codage sont identiques : les teintes ne peuvent pas être "
                               "alignées."));
    PreparerImage(image);
    switch (code.TypeCodage) {
    case CodageArcEnCiel:
        AlignerArcEnCiel(code, image, h);
        break;
    case CodageDeuxCouleurs:
        AlignerDeuxCouleurs(code, image, tolerance, I);
        break;
    default:
        AlignerTableau(code, image, h, I);
        break;
    }
}

void ColorerNiveauxGris(const TCodeCouleur &code, QImage &image)
{
    if (code.TypeCodage != CodageArcEnCiel && code.TypeCodage != CodageDeuxCouleurs)
        throw ErreurKaptori(Tr("Seul un codage arc-en-ciel ou à deux couleurs peut mettre en couleurs les niveaux de "
                               "gris."));
    TCodeCouleur travail = code;
    travail.ValeurMin = 1;
    travail.ValeurMax = 256;
    std::array<QRgb, 256> table{};
    for (int g = 0; g < 256; ++g) {
        const CouleurWin c = CouleurDeValeur(travail, g + 1);
        table[static_cast<std::size_t>(g)] = qRgb(RougeWin(c), VertWin(c), BleuWin(c)) & 0x00FFFFFFu;
    }
    PreparerImage(image);
    const int largeur = image.width();
    ParLignes(image, [&](QRgb *ligne) {
        for (int x = 0; x < largeur; ++x)
            ligne[x] = (ligne[x] & 0xFF000000u) | table[qBlue(ligne[x])];
    });
}
