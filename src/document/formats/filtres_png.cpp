#include "document/formats/filtres_png.h"

#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The predictor of Paeth's filter: of a (left), b (above) and c (above
// left), the one closest to a + b - c, ties going to a, then b.
inline int Paeth(int a, int b, int c)
{
    const int pa = std::abs(b - c);
    const int pb = std::abs(a - c);
    const int pc = std::abs(a + b - 2 * c);
    const int ab = pb < pa ? b : a;
    const int pab = pb < pa ? pb : pa;
    return pc < pab ? c : ab;
}

// Restoring Sub, Average and Paeth depends on the byte bpp places back: the
// loops are written once per pixel size so that the compiler keeps that
// distance in registers.
template <int Bpp>
void DefiltrerSub(std::uint8_t *l, std::size_t n)
{
    for (std::size_t i = Bpp; i < n; ++i)
        l[i] = static_cast<std::uint8_t>(l[i] + l[i - Bpp]);
}

template <int Bpp>
void DefiltrerMoyenne(std::uint8_t *l, const std::uint8_t *p, std::size_t n)
{
    const std::size_t debut = n < Bpp ? n : Bpp;
    for (std::size_t i = 0; i < debut; ++i)
        l[i] = static_cast<std::uint8_t>(l[i] + (p[i] >> 1));
    for (std::size_t i = Bpp; i < n; ++i)
        l[i] = static_cast<std::uint8_t>(l[i] + ((l[i - Bpp] + p[i]) >> 1));
}

template <int Bpp>
void DefiltrerPaeth(std::uint8_t *l, const std::uint8_t *p, std::size_t n)
{
    const std::size_t debut = n < Bpp ? n : Bpp;
    for (std::size_t i = 0; i < debut; ++i)
        l[i] = static_cast<std::uint8_t>(l[i] + p[i]);
    for (std::size_t i = Bpp; i < n; ++i)
        l[i] = static_cast<std::uint8_t>(l[i] + Paeth(l[i - Bpp], p[i], p[i - Bpp]));
}

#if defined(__SSE2__)
// Pixels of 3 and 4 bytes restored one pixel at a time, each byte in a 16-bit
// lane: the dependence on the pixel to the left stays, but the bytes of a
// pixel are computed together.
template <int Bpp>
__m128i Charger(const std::uint8_t *p)
{
    std::uint32_t v = 0;
    std::memcpy(&v, p, Bpp);
    return _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(v)), _mm_setzero_si128());
}

template <int Bpp>
void Ranger(std::uint8_t *p, __m128i v)
{
    const auto mot = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(v, v)));
    std::memcpy(p, &mot, Bpp);
}

inline __m128i Abs16(__m128i v)
{
    return _mm_max_epi16(v, _mm_sub_epi16(_mm_setzero_si128(), v));
}

inline __m128i Choisir(__m128i condition, __m128i si, __m128i sinon)
{
    return _mm_or_si128(_mm_and_si128(condition, si), _mm_andnot_si128(condition, sinon));
}

template <int Bpp>
void DefiltrerSubSimd(std::uint8_t *l, std::size_t n)
{
    __m128i a = _mm_setzero_si128();
    for (std::size_t i = 0; i + Bpp <= n; i += Bpp) {
        a = _mm_add_epi8(Charger<Bpp>(l + i), a);
        Ranger<Bpp>(l + i, a);
    }
}

template <int Bpp>
void DefiltrerMoyenneSimd(std::uint8_t *l, const std::uint8_t *p, std::size_t n)
{
    __m128i a = _mm_setzero_si128();
    for (std::size_t i = 0; i + Bpp <= n; i += Bpp) {
        const __m128i b = Charger<Bpp>(p + i);
        a = _mm_add_epi8(Charger<Bpp>(l + i), _mm_srli_epi16(_mm_add_epi16(a, b), 1));
        Ranger<Bpp>(l + i, a);
    }
}

// Ties go to a, then b, as the scalar predictor.
template <int Bpp>
void DefiltrerPaethSimd(std::uint8_t *l, const std::uint8_t *p, std::size_t n)
{
    __m128i a = _mm_setzero_si128();
    __m128i c = _mm_setzero_si128();
    for (std::size_t i = 0; i + Bpp <= n; i += Bpp) {
        const __m128i b = Charger<Bpp>(p + i);
        const __m128i pa0 = _mm_sub_epi16(b, c);
        const __m128i pb0 = _mm_sub_epi16(a, c);
        const __m128i pa = Abs16(pa0);
        const __m128i pb = Abs16(pb0);
        const __m128i pc = Abs16(_mm_add_epi16(pa0, pb0));
        const __m128i plusPetit = _mm_min_epi16(pc, _mm_min_epi16(pa, pb));
        const __m128i predit = Choisir(_mm_cmpeq_epi16(plusPetit, pa), a,
                                       Choisir(_mm_cmpeq_epi16(plusPetit, pb), b, c));
        a = _mm_add_epi8(Charger<Bpp>(l + i), predit);
        Ranger<Bpp>(l + i, a);
        c = b;
    }
}
#endif

template <int Bpp>
bool Defiltrer(std::uint8_t type, std::uint8_t *l, const std::uint8_t *p, std::size_t n)
{
#if defined(__SSE2__)
    if constexpr (Bpp == 3 || Bpp == 4) {
        switch (type) {
        case 1: DefiltrerSubSimd<Bpp>(l, n); return true;
        case 3: DefiltrerMoyenneSimd<Bpp>(l, p, n); return true;
        case 4: DefiltrerPaethSimd<Bpp>(l, p, n); return true;
        default: break;
        }
    }
#endif
    switch (type) {
    case 0: return true;
    case 1: DefiltrerSub<Bpp>(l, n); return true;
    case 2:
        for (std::size_t i = 0; i < n; ++i)
            l[i] = static_cast<std::uint8_t>(l[i] + p[i]);
        return true;
    case 3: DefiltrerMoyenne<Bpp>(l, p, n); return true;
    case 4: DefiltrerPaeth<Bpp>(l, p, n); return true;
    default: return false;
    }
}

} // namespace

void FiltrerLigne(FiltrePng filtre, const std::uint8_t *ligne, const std::uint8_t *precedente, std::size_t n,
                  int bpp, std::uint8_t *sortie)
{
    const auto b = static_cast<std::size_t>(bpp);
    const std::size_t debut = n < b ? n : b;
    switch (filtre) {
    case FiltrePng::Aucun: std::memcpy(sortie, ligne, n); return;
    case FiltrePng::Sub:
        std::memcpy(sortie, ligne, debut);
        for (std::size_t i = b; i < n; ++i)
            sortie[i] = static_cast<std::uint8_t>(ligne[i] - ligne[i - b]);
        return;
    case FiltrePng::Up:
        for (std::size_t i = 0; i < n; ++i)
            sortie[i] = static_cast<std::uint8_t>(ligne[i] - precedente[i]);
        return;
    case FiltrePng::Moyenne:
        for (std::size_t i = 0; i < debut; ++i)
            sortie[i] = static_cast<std::uint8_t>(ligne[i] - (precedente[i] >> 1));
        for (std::size_t i = b; i < n; ++i)
            sortie[i] = static_cast<std::uint8_t>(ligne[i] - ((ligne[i - b] + precedente[i]) >> 1));
        return;
    case FiltrePng::Paeth:
        for (std::size_t i = 0; i < debut; ++i)
            sortie[i] = static_cast<std::uint8_t>(ligne[i] - precedente[i]);
        for (std::size_t i = b; i < n; ++i)
            sortie[i] = static_cast<std::uint8_t>(ligne[i] - Paeth(ligne[i - b], precedente[i], precedente[i - b]));
        return;
    }
}

bool DefiltrerLigne(std::uint8_t type, std::uint8_t *ligne, const std::uint8_t *precedente, std::size_t n, int bpp)
{
    switch (bpp) {
    case 1: return Defiltrer<1>(type, ligne, precedente, n);
    case 2: return Defiltrer<2>(type, ligne, precedente, n);
    case 3: return Defiltrer<3>(type, ligne, precedente, n);
    case 4: return Defiltrer<4>(type, ligne, precedente, n);
    case 6: return Defiltrer<6>(type, ligne, precedente, n);
    case 8: return Defiltrer<8>(type, ligne, precedente, n);
    default: return false;
    }
}
