#include "commun/tables_pixels.h"

#include "commun/processeur.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define KAPTORI_LARGE 1
#endif

namespace {

void Simple(const std::uint32_t *source, std::uint32_t *dest, int n, const TableOctets &rouge,
                                 const TableOctets &vert, const TableOctets &bleu)
{
    for (int x = 0; x < n; ++x) {
        const std::uint32_t c = source[x];
        dest[x] = (c & 0xFF000000u) | (std::uint32_t{rouge[(c >> 16) & 0xFFu]} << 16)
            | (std::uint32_t{vert[(c >> 8) & 0xFFu]} << 8) | bleu[c & 0xFFu];
    }
}

} // namespace

#if defined(KAPTORI_LARGE)

namespace {

struct Table512 {
    __m512i t0, t1, t2, t3;
};

__attribute__((target("avx512f,avx512bw,avx512vbmi"))) inline Table512 Charger(const TableOctets &t)
{
    return {_mm512_loadu_si512(t.data()), _mm512_loadu_si512(t.data() + 64), _mm512_loadu_si512(t.data() + 128),
            _mm512_loadu_si512(t.data() + 192)};
}

// 64 bytes looked up at once: two 128-entry look-ups chosen by the high bit.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) inline __m512i Chercher(__m512i octets, const Table512 &t)
{
    const __m512i bas = _mm512_permutex2var_epi8(t.t0, octets, t.t1);
    const __m512i haut = _mm512_permutex2var_epi8(t.t2, octets, t.t3);
    return _mm512_mask_blend_epi8(_mm512_movepi8_mask(octets), bas, haut);
}

// Returns how many pixels it did: a multiple of 16.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) int Avx512(const std::uint32_t *source, std::uint32_t *dest,
                                                                   int n, const TableOctets &rouge,
                                                                   const TableOctets &vert, const TableOctets &bleu)
{
    const Table512 tr = Charger(rouge), tv = Charger(vert), tb = Charger(bleu);
    // Bytes B, G, R, A of each pixel in memory order.
    constexpr __mmask64 OctetsBleus = 0x1111111111111111ull;
    constexpr __mmask64 OctetsVerts = OctetsBleus << 1;
    constexpr __mmask64 OctetsRouges = OctetsBleus << 2;
    int x = 0;
    for (; x + 16 <= n; x += 16) {
        __m512i p = _mm512_loadu_si512(source + x);
        const __m512i b = Chercher(p, tb), v = Chercher(p, tv), r = Chercher(p, tr);
        p = _mm512_mask_mov_epi8(p, OctetsBleus, b);
        p = _mm512_mask_mov_epi8(p, OctetsVerts, v);
        p = _mm512_mask_mov_epi8(p, OctetsRouges, r);
        _mm512_storeu_si512(dest + x, p);
    }
    return x;
}

} // namespace

#endif

void AppliquerTablesPixels(const std::uint32_t *source, std::uint32_t *dest, int n, const TableOctets &rouge,
                           const TableOctets &vert, const TableOctets &bleu)
{
    int fait = 0;
#if defined(KAPTORI_LARGE)
    if (AvecAvx512Vbmi())
        fait = Avx512(source, dest, n, rouge, vert, bleu);
#endif
    Simple(source + fait, dest + fait, n - fait, rouge, vert, bleu);
}
