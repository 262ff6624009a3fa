#include "document/raster/composition_canaux.h"

#include "commun/processeur.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define KAPTORI_LARGE 1
#endif

#if defined(KAPTORI_LARGE)

namespace {

// 64 bytes looked up at once in a 256-byte table held in four registers:
// two 128-entry look-ups, chosen by each byte's high bit.
struct Table512 {
    __m512i t0, t1, t2, t3;
};

__attribute__((target("avx512f,avx512bw,avx512vbmi"))) inline __m512i Chercher(__m512i octets, const Table512 &t)
{
    const __m512i bas = _mm512_permutex2var_epi8(t.t0, octets, t.t1);
    const __m512i haut = _mm512_permutex2var_epi8(t.t2, octets, t.t3);
    return _mm512_mask_blend_epi8(_mm512_movepi8_mask(octets), bas, haut);
}

// Returns how many pixels it composed: a multiple of 64.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) int LigneAvx512(
    QRgb *dest, const std::uint8_t *bleu, const std::uint8_t *vert, const std::uint8_t *rouge,
    const std::array<TableAffichage, 3> &tables, int largeur)
{
    std::array<Table512, 3> t{};
    for (int k = 0; k < 3; ++k) {
        const std::uint8_t *p = tables[static_cast<std::size_t>(k)].data();
        t[static_cast<std::size_t>(k)] = {_mm512_loadu_si512(p), _mm512_loadu_si512(p + 64),
                                          _mm512_loadu_si512(p + 128), _mm512_loadu_si512(p + 192)};
    }
    const __m512i alpha = _mm512_set1_epi8(static_cast<char>(0xFF));
    int x = 0;
    for (; x + 64 <= largeur; x += 64) {
        const __m512i b = Chercher(_mm512_loadu_si512(bleu + x), t[0]);
        const __m512i v = Chercher(_mm512_loadu_si512(vert + x), t[1]);
        const __m512i r = Chercher(_mm512_loadu_si512(rouge + x), t[2]);
        // Bytes B, G, R, A of each pixel, interleaved within each 16-byte
        // lane: p0..p3 hold, lane by lane, the lane's pixels 0-3, 4-7, 8-11, 12-15.
        const __m512i bvBas = _mm512_unpacklo_epi8(b, v);
        const __m512i bvHaut = _mm512_unpackhi_epi8(b, v);
        const __m512i raBas = _mm512_unpacklo_epi8(r, alpha);
        const __m512i raHaut = _mm512_unpackhi_epi8(r, alpha);
        const __m512i p0 = _mm512_unpacklo_epi16(bvBas, raBas);
        const __m512i p1 = _mm512_unpackhi_epi16(bvBas, raBas);
        const __m512i p2 = _mm512_unpacklo_epi16(bvHaut, raHaut);
        const __m512i p3 = _mm512_unpackhi_epi16(bvHaut, raHaut);
        // Lanes put back in pixel order.
        const __m512i a0 = _mm512_shuffle_i32x4(p0, p1, 0x44);
        const __m512i a1 = _mm512_shuffle_i32x4(p2, p3, 0x44);
        const __m512i a2 = _mm512_shuffle_i32x4(p0, p1, 0xEE);
        const __m512i a3 = _mm512_shuffle_i32x4(p2, p3, 0xEE);
        _mm512_storeu_si512(dest + x, _mm512_shuffle_i32x4(a0, a1, 0x88));
        _mm512_storeu_si512(dest + x + 16, _mm512_shuffle_i32x4(a0, a1, 0xDD));
        _mm512_storeu_si512(dest + x + 32, _mm512_shuffle_i32x4(a2, a3, 0x88));
        _mm512_storeu_si512(dest + x + 48, _mm512_shuffle_i32x4(a2, a3, 0xDD));
    }
    return x;
}

} // namespace

#endif

CompositeurCanaux::CompositeurCanaux(const std::array<TableAffichage, 3> &tables, bool large)
    : tables_(tables), large_(large)
{
#if defined(KAPTORI_LARGE)
    large_ = large_ && AvecAvx512Vbmi();
#else
    large_ = false;
#endif
    for (std::size_t k = 0; k < 3; ++k)
        for (std::size_t v = 0; v < 256; ++v)
            placees_[k][v] = QRgb{tables_[k][v]} << (8 * k);
    for (QRgb &p : placees_[2])
        p |= 0xFF000000u;
}

void CompositeurCanaux::Ligne(QRgb *dest, const std::uint8_t *bleu, const std::uint8_t *vert,
                              const std::uint8_t *rouge, int largeur) const
{
    int x = 0;
#if defined(KAPTORI_LARGE)
    if (large_)
        x = LigneAvx512(dest, bleu, vert, rouge, tables_, largeur);
#endif
    if (x < largeur)
        LigneSimple(dest + x, bleu + x, vert + x, rouge + x, largeur - x);
}

void CompositeurCanaux::LigneSimple(QRgb *dest, const std::uint8_t *bleu, const std::uint8_t *vert,
                                    const std::uint8_t *rouge, int largeur) const
{
    for (int x = 0; x < largeur; ++x)
        dest[x] = placees_[2][rouge[x]] | placees_[1][vert[x]] | placees_[0][bleu[x]];
}
