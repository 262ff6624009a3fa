#include "schema/amorcer.h"

#include "commun/erreur.h"
#include "commun/travail_parallele.h"
#include "processing/image_resultat.h"
#include "schema/comparer_pixels.h"
#include "schema/mesures_pixel.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "pixels are read as bytes B, G, R, A");

namespace
{

struct Voisin {
    int dx;
    int dy;
};

// Planes of the measures that are not stored in the picture itself.
struct Plans {
    std::vector<std::uint8_t> sat;
    std::vector<std::uint8_t> lum;
    std::vector<std::int16_t> teinte;
};

Plans CalculerPlans(const QImage &image, const TParamStyleDes &p, int parts)
{
    Plans plans;
    const int w = image.width(), h = image.height();
    const auto n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    if (p.Actif[Sat])
        plans.sat.resize(n);
    if (p.Actif[Lum])
        plans.lum.resize(n);
    if (p.Actif[Teinte])
        plans.teinte.resize(n);
    if (plans.sat.empty() && plans.lum.empty() && plans.teinte.empty())
        return plans;
    ParcourirEnParallele(h, parts, [&](int debut, int fin) {
        for (int y = debut; y < fin; ++y) {
            const auto *ligne = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            const std::size_t base = static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
            for (int x = 0; x < w; ++x) {
                const MesuresPixel m = MesurerPixel(ligne[x], p.SeuilTeinteSat);
                const std::size_t i = base + static_cast<std::size_t>(x);
                if (!plans.sat.empty())
                    plans.sat[i] = static_cast<std::uint8_t>(m.v[Sat]);
                if (!plans.lum.empty())
                    plans.lum[i] = static_cast<std::uint8_t>(m.v[Lum]);
                if (!plans.teinte.empty())
                    plans.teinte[i] = static_cast<std::int16_t>(m.v[Teinte]);
            }
        }
    });
    return plans;
}

// Keeps in ecarts[i] the largest |a[i] - b[i]| seen.
template <typename T, typename E> void GarderEcartMax(E *ecarts, const T *a, const T *b, int n)
{
    for (int i = 0; i < n; ++i) {
        const int e = std::abs(static_cast<int>(a[i]) - static_cast<int>(b[i]));
        ecarts[i] = std::max(ecarts[i], static_cast<E>(e));
    }
}

// The same on bytes, in byte arithmetic alone so that the compiler keeps
// whole vectors of bytes (the colour components, saturation, luminosity).
void GarderEcartMax(std::uint8_t *ecarts, const std::uint8_t *a, const std::uint8_t *b, int n)
{
    for (int i = 0; i < n; ++i) {
        const std::uint8_t x = a[i], y = b[i];
        const std::uint8_t e = static_cast<std::uint8_t>(x > y ? x - y : y - x);
        ecarts[i] = ecarts[i] > e ? ecarts[i] : e;
    }
}

// Same for hues, a missing hue on either side counting as no difference.
void GarderEcartTeinte(std::uint16_t *ecarts, const std::int16_t *a, const std::int16_t *b, int n)
{
    for (int i = 0; i < n; ++i) {
        const int e = (a[i] < 0 || b[i] < 0) ? 0 : std::abs(a[i] - b[i]);
        ecarts[i] = std::max(ecarts[i], static_cast<std::uint16_t>(e));
    }
}

// What every pixel of a row needs besides its differences.
struct ContexteLigne {
    const std::array<int, 256> *marque;
    const std::array<TableAssombrissement, kComposantesSchema> *tables;
    std::array<bool, kComposantesSchema> actif;
    bool rvbGroupe; // the three colours ticked with one table: one look-up of their largest difference
};

// The luminosity of each pixel of a row for the markings.
template <int ModeLum> void LuminositesLigne(std::uint8_t *lum, const QRgb *pixels, int w)
{
    for (int x = 0; x < w; ++x) {
        const std::uint32_t v = pixels[x];
        const std::uint32_t b = v & 0xFFu, g = (v >> 8) & 0xFFu, r = (v >> 16) & 0xFFu;
        if constexpr (ModeLum == 1)
            lum[x] = static_cast<std::uint8_t>(std::max({r, g, b}));
        else if constexpr (ModeLum == 2)
            lum[x] = static_cast<std::uint8_t>((std::max({r, g, b}) + std::min({r, g, b})) / 2);
        else
            lum[x] = static_cast<std::uint8_t>((r + g + b) / 3);
    }
}

// The largest of the three colour differences of each pixel.
void EcartsCouleurMax(std::uint8_t *emax, const std::uint8_t *ecartsRvb, int w)
{
    const auto *mots = reinterpret_cast<const std::uint32_t *>(ecartsRvb);
    for (int x = 0; x < w; ++x) {
        std::uint32_t v = 0;
        std::memcpy(&v, mots + x, 4);
        emax[x] = static_cast<std::uint8_t>(std::max({v & 0xFFu, (v >> 8) & 0xFFu, (v >> 16) & 0xFFu}));
    }
}

// The common case, the three colours grouped and nothing else ticked: one
// pass over the row finds each pixel's largest colour difference with its
// neighbours and its luminosity, and one look-up gives the finished pixel.
struct TableGroupee {
    // 0..255: the pixel of an unmarked one by its largest colour difference;
    // 256 + l: the pixel of a marked one of luminosity l.
    std::array<QRgb, 512> pixel{};
    int degradNoir = 0;    // luminosities below it are marked dark (0: none)
    int limiteBlanc = 255; // luminosities above it are marked light (255: none)
};

template <int ModeLum> inline int LuminositePixel(std::uint32_t v)
{
    const int b = static_cast<int>(v & 0xFFu), g = static_cast<int>((v >> 8) & 0xFFu),
              r = static_cast<int>((v >> 16) & 0xFFu);
    if constexpr (ModeLum == 1)
        return std::max({r, g, b});
    else if constexpr (ModeLum == 2)
        return (std::max({r, g, b}) + std::min({r, g, b})) / 2;
    else
        return (r + g + b) / 3;
}

// Where the look-up of the pixel at x of the row is, one pixel at a time.
template <int ModeLum>
inline int IndexPixel(const QRgb *ligne, int x, int w, const std::vector<const QRgb *> &voisines,
                      const std::vector<int> &decalages, const TableGroupee &t)
{
    const std::uint32_t c = ligne[x];
    const int l = LuminositePixel<ModeLum>(c);
    if (l < t.degradNoir || l > t.limiteBlanc)
        return 256 + l;
    int e = 0;
    for (std::size_t k = 0; k < voisines.size(); ++k) {
        const int xx = x + decalages[k];
        if (xx < 0 || xx >= w)
            continue;
        const std::uint32_t v = voisines[k][xx];
        for (int decalage = 0; decalage < 24; decalage += 8) {
            const int a = static_cast<int>((c >> decalage) & 0xFFu), b = static_cast<int>((v >> decalage) & 0xFFu);
            e = std::max(e, std::abs(a - b));
        }
    }
    return e;
}

#if defined(__SSE2__)
// Eight pixels from x: their look-up indices.
template <int ModeLum>
inline void IndexHuit(std::uint16_t *index, const QRgb *ligne, int x, const std::vector<const QRgb *> &voisines,
                      const std::vector<int> &decalages, __m128i degradNoir, __m128i limiteBlanc)
{
    const __m128i c0 = _mm_loadu_si128(reinterpret_cast<const __m128i *>(ligne + x));
    const __m128i c1 = _mm_loadu_si128(reinterpret_cast<const __m128i *>(ligne + x + 4));
    __m128i m0 = _mm_setzero_si128(), m1 = _mm_setzero_si128();
    for (std::size_t k = 0; k < voisines.size(); ++k) {
        const QRgb *v = voisines[k] + x + decalages[k];
        const __m128i n0 = _mm_loadu_si128(reinterpret_cast<const __m128i *>(v));
        const __m128i n1 = _mm_loadu_si128(reinterpret_cast<const __m128i *>(v + 4));
        m0 = _mm_max_epu8(m0, _mm_or_si128(_mm_subs_epu8(c0, n0), _mm_subs_epu8(n0, c0)));
        m1 = _mm_max_epu8(m1, _mm_or_si128(_mm_subs_epu8(c1, n1), _mm_subs_epu8(n1, c1)));
    }
    const __m128i octet = _mm_set1_epi32(0xFF);
    const auto maxRvb = [octet](__m128i m) {
        return _mm_and_si128(_mm_max_epu8(_mm_max_epu8(m, _mm_srli_epi32(m, 8)), _mm_srli_epi32(m, 16)), octet);
    };
    const __m128i e = _mm_packs_epi32(maxRvb(m0), maxRvb(m1));
    __m128i l;
    if constexpr (ModeLum == 1) {
        l = _mm_packs_epi32(maxRvb(c0), maxRvb(c1));
    } else if constexpr (ModeLum == 2) {
        const auto minRvb = [octet](__m128i m) {
            return _mm_and_si128(_mm_min_epu8(_mm_min_epu8(m, _mm_srli_epi32(m, 8)), _mm_srli_epi32(m, 16)), octet);
        };
        l = _mm_srli_epi16(
            _mm_add_epi16(_mm_packs_epi32(maxRvb(c0), maxRvb(c1)), _mm_packs_epi32(minRvb(c0), minRvb(c1))), 1);
    } else {
        const auto somme = [octet](__m128i m) {
            return _mm_add_epi32(_mm_add_epi32(_mm_and_si128(m, octet), _mm_and_si128(_mm_srli_epi32(m, 8), octet)),
                                 _mm_and_si128(_mm_srli_epi32(m, 16), octet));
        };
        // s / 3 = (s * 43691) >> 17 for every s up to 765.
        l = _mm_srli_epi16(_mm_mulhi_epu16(_mm_packs_epi32(somme(c0), somme(c1)), _mm_set1_epi16(-21845)), 1);
    }
    const __m128i marque = _mm_or_si128(_mm_cmplt_epi16(l, degradNoir), _mm_cmpgt_epi16(l, limiteBlanc));
    const __m128i i =
        _mm_or_si128(_mm_and_si128(marque, _mm_add_epi16(l, _mm_set1_epi16(256))), _mm_andnot_si128(marque, e));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(index), i);
}
#endif

template <int ModeLum>
void LigneGroupee(QRgb *sortie, const QImage &image, int y, const std::vector<Voisin> &voisins, const TableGroupee &t)
{
    const int w = image.width(), h = image.height();
    const auto *ligne = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    // The neighbours' rows that lie in the picture, and the columns where
    // every neighbour does.
    thread_local std::vector<const QRgb *> voisines;
    thread_local std::vector<int> decalages;
    voisines.clear();
    decalages.clear();
    int gauche = 0, droite = 0;
    for (const Voisin &v : voisins) {
        const int yy = y + v.dy;
        if (yy < 0 || yy >= h)
            continue;
        voisines.push_back(reinterpret_cast<const QRgb *>(image.constScanLine(yy)));
        decalages.push_back(v.dx);
        gauche = std::max(gauche, -v.dx);
        droite = std::max(droite, v.dx);
    }
    int x = 0;
#if defined(__SSE2__)
    const int debut = std::min(w, gauche), fin = std::max(debut, w - droite);
    for (; x < debut; ++x)
        sortie[x] = t.pixel[static_cast<std::size_t>(IndexPixel<ModeLum>(ligne, x, w, voisines, decalages, t))];
    const __m128i degradNoir = _mm_set1_epi16(static_cast<short>(t.degradNoir));
    const __m128i limiteBlanc = _mm_set1_epi16(static_cast<short>(t.limiteBlanc));
    alignas(16) std::uint16_t index[8];
    for (; x + 8 <= fin; x += 8) {
        IndexHuit<ModeLum>(index, ligne, x, voisines, decalages, degradNoir, limiteBlanc);
        for (int k = 0; k < 8; ++k)
            sortie[x + k] = t.pixel[index[k]];
    }
#endif
    for (; x < w; ++x)
        sortie[x] = t.pixel[static_cast<std::size_t>(IndexPixel<ModeLum>(ligne, x, w, voisines, decalages, t))];
}

void EcrireLigne(QRgb *sortie, int w, const ContexteLigne &c, const std::uint8_t *lum, const std::uint8_t *emax,
                 const std::uint8_t *ecartsRvb, const std::uint16_t *ecartsTeinte, const std::uint8_t *ecartsSat,
                 const std::uint8_t *ecartsLum)
{
    const std::array<int, 256> &marque = *c.marque;
    const auto &t = *c.tables;
    const bool autres = c.actif[Teinte] || c.actif[Sat] || c.actif[Lum] ||
                        (!c.rvbGroupe && (c.actif[Bleu] || c.actif[Vert] || c.actif[Rouge]));
    for (int x = 0; x < w; ++x) {
        int f = marque[lum[x]];
        if (f < 0) {
            f = c.rvbGroupe ? t[Bleu][emax[x]] : 255;
            if (autres) {
                const std::uint8_t *e = ecartsRvb + 4 * x; // bytes B, G, R, A
                if (!c.rvbGroupe) {
                    if (c.actif[Bleu])
                        f = std::min<int>(f, t[Bleu][e[0]]);
                    if (c.actif[Vert])
                        f = std::min<int>(f, t[Vert][e[1]]);
                    if (c.actif[Rouge])
                        f = std::min<int>(f, t[Rouge][e[2]]);
                }
                if (c.actif[Teinte])
                    f = std::min<int>(f, t[Teinte][ecartsTeinte[x]]);
                if (c.actif[Sat])
                    f = std::min<int>(f, t[Sat][ecartsSat[x]]);
                if (c.actif[Lum])
                    f = std::min<int>(f, t[Lum][ecartsLum[x]]);
            }
        }
        sortie[x] = 0xFF000000u | static_cast<QRgb>(f) * 0x010101u;
    }
}

} // namespace

QImage Amorcer(const QImage &document, const TParamStyleDes &p, const OptionsAmorcage &options)
{
    QImage schema;
    if (!Amorcer(document, p, schema, options))
        return {};
    return schema;
}

bool Amorcer(const QImage &document, const TParamStyleDes &p, QImage &schema, const OptionsAmorcage &options)
{
    if (document.isNull()) {
        schema = QImage();
        return false;
    }
    const QImage image = (document.format() == QImage::Format_ARGB32 || document.format() == QImage::Format_RGB32)
                             ? document
                             : document.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    if (schema.size() != image.size() || schema.format() != QImage::Format_RGB32 || !schema.isDetached()) {
        // Every pixel is written: the memory may come back from an earlier
        // picture, already present.
        try {
            schema = ImageResultat(image.size());
        } catch (const ErreurKaptori &) {
            schema = QImage();
        }
        schema.reinterpretAsFormat(QImage::Format_RGB32);
    }
    if (schema.isNull())
        return false;
    const int parts = options.parts > 0 ? options.parts : PartsParalleles(std::int64_t{w} * h * 8);
    const Plans plans = CalculerPlans(image, p, parts);

    // The value of a marked pixel by its luminosity, or -1 where the
    // neighbours decide.
    std::array<int, 256> marque{};
    for (int l = 0; l < 256; ++l) {
        marque[static_cast<std::size_t>(l)] = -1;
        if (p.MarquerNoir && l < p.DegradNoir) {
            int f = 0;
            if (p.SeuilNoir < p.DegradNoir && p.SeuilNoir < l)
                f = std::clamp(
                    static_cast<int>(ArrondiQuotient(std::int64_t{l - p.SeuilNoir} * 128, p.DegradNoir - p.SeuilNoir)),
                    0, 255);
            marque[static_cast<std::size_t>(l)] = f;
        } else if (p.MarquerBlanc && l > p.LimiteBlanc) {
            marque[static_cast<std::size_t>(l)] = 255;
        }
    }

    std::array<TableAssombrissement, kComposantesSchema> tables{};
    for (int k = 0; k < kComposantesSchema; ++k)
        tables[static_cast<std::size_t>(k)] =
            TableComposante(p.Seuil[static_cast<std::size_t>(k)], p.Degrad[static_cast<std::size_t>(k)]);
    std::vector<Voisin> voisins;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            if ((dx != 0 || dy != 0) && p.Point(dx, dy))
                voisins.push_back({dx, dy});
    const bool rvb = p.Actif[Bleu] || p.Actif[Vert] || p.Actif[Rouge];
    const bool sat = p.Actif[Sat], lum = p.Actif[Lum], teinte = p.Actif[Teinte];

    ContexteLigne contexte{&marque, &tables, p.Actif,
                           p.Actif[Bleu] && p.Actif[Vert] && p.Actif[Rouge] && tables[Bleu] == tables[Vert] &&
                               tables[Vert] == tables[Rouge]};
    const bool groupe = contexte.rvbGroupe && !teinte && !sat && !lum;
    TableGroupee tableGroupee;
    if (groupe) {
        for (std::size_t e = 0; e < 256; ++e)
            tableGroupee.pixel[e] = 0xFF000000u | static_cast<QRgb>(tables[Bleu][e]) * 0x010101u;
        for (std::size_t l = 0; l < 256; ++l)
            tableGroupee.pixel[256 + l] = 0xFF000000u | static_cast<QRgb>(std::max(marque[l], 0)) * 0x010101u;
        tableGroupee.degradNoir = p.MarquerNoir ? p.DegradNoir : 0;
        tableGroupee.limiteBlanc = p.MarquerBlanc ? p.LimiteBlanc : 255;
    }
    uchar *const bitsSchema = schema.bits();
    const qsizetype pasSchema = schema.bytesPerLine();
    std::atomic<bool> interrompu{false};
    ParcourirEnParallele(h, parts, [&](int debut, int fin) {
        // Each component's largest difference over the neighbours: since a
        // component's darkness never rises with the difference, the smallest
        // ComparerPixels over the neighbours is the darkness of that largest
        // difference, and a first black result needs no shortcut.
        if (groupe) {
            for (int y = debut; y < fin; ++y) {
                if (options.annuler && options.annuler->load(std::memory_order_relaxed)) {
                    interrompu = true;
                    return;
                }
                auto *sortie = reinterpret_cast<QRgb *>(bitsSchema + y * pasSchema);
                switch (p.ModeLum) {
                case 1:
                    LigneGroupee<1>(sortie, image, y, voisins, tableGroupee);
                    break;
                case 2:
                    LigneGroupee<2>(sortie, image, y, voisins, tableGroupee);
                    break;
                default:
                    LigneGroupee<0>(sortie, image, y, voisins, tableGroupee);
                    break;
                }
                if (options.lignesFaites)
                    options.lignesFaites->fetch_add(1, std::memory_order_relaxed);
            }
            return;
        }
        std::vector<std::uint8_t> ecartsRvb(static_cast<std::size_t>(w) * 4);
        std::vector<std::uint8_t> ecartsSat(sat ? static_cast<std::size_t>(w) : 0);
        std::vector<std::uint8_t> ecartsLum(lum ? static_cast<std::size_t>(w) : 0);
        std::vector<std::uint16_t> ecartsTeinte(teinte ? static_cast<std::size_t>(w) : 0);
        std::vector<std::uint8_t> lumLigne(static_cast<std::size_t>(w));
        std::vector<std::uint8_t> emax(static_cast<std::size_t>(w));
        for (int y = debut; y < fin; ++y) {
            if (options.annuler && options.annuler->load(std::memory_order_relaxed)) {
                interrompu = true;
                return;
            }
            const uchar *ligne = image.constScanLine(y);
            const std::size_t base = static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
            std::fill(ecartsRvb.begin(), ecartsRvb.end(), 0);
            std::fill(ecartsSat.begin(), ecartsSat.end(), 0);
            std::fill(ecartsLum.begin(), ecartsLum.end(), 0);
            std::fill(ecartsTeinte.begin(), ecartsTeinte.end(), 0);
            for (const Voisin &v : voisins) {
                const int yy = y + v.dy;
                if (yy < 0 || yy >= h)
                    continue;
                const int xa = std::max(0, -v.dx), xb = std::min(w, w - v.dx);
                if (xb <= xa)
                    continue;
                const int n = xb - xa;
                const std::size_t bv = static_cast<std::size_t>(yy) * static_cast<std::size_t>(w);
                if (rvb)
                    GarderEcartMax(ecartsRvb.data() + 4 * xa, ligne + 4 * xa, image.constScanLine(yy) + 4 * (xa + v.dx),
                                   4 * n);
                if (sat)
                    GarderEcartMax(ecartsSat.data() + xa, plans.sat.data() + base + xa,
                                   plans.sat.data() + bv + xa + v.dx, n);
                if (lum)
                    GarderEcartMax(ecartsLum.data() + xa, plans.lum.data() + base + xa,
                                   plans.lum.data() + bv + xa + v.dx, n);
                if (teinte)
                    GarderEcartTeinte(ecartsTeinte.data() + xa, plans.teinte.data() + base + xa,
                                      plans.teinte.data() + bv + xa + v.dx, n);
            }
            const auto *pixels = reinterpret_cast<const QRgb *>(ligne);
            auto *sortie = reinterpret_cast<QRgb *>(bitsSchema + y * pasSchema);
            switch (p.ModeLum) {
            case 1:
                LuminositesLigne<1>(lumLigne.data(), pixels, w);
                break;
            case 2:
                LuminositesLigne<2>(lumLigne.data(), pixels, w);
                break;
            default:
                LuminositesLigne<0>(lumLigne.data(), pixels, w);
                break;
            }
            if (contexte.rvbGroupe)
                EcartsCouleurMax(emax.data(), ecartsRvb.data(), w);
            EcrireLigne(sortie, w, contexte, lumLigne.data(), emax.data(), ecartsRvb.data(), ecartsTeinte.data(),
                        ecartsSat.data(), ecartsLum.data());
            if (options.lignesFaites)
                options.lignesFaites->fetch_add(1, std::memory_order_relaxed);
        }
    });
    return !interrompu;
}
