#include "app/assembler_trames.h"

#include "processing/image_resultat.h"

#include <QCoreApplication>

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <tmmintrin.h>
#endif

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("Acquisition", texte);
}

[[nodiscard]] int Canaux(FormatTrame f)
{
    return f == FormatTrame::Rvb ? 3 : 1;
}

// The 8-bit value of sample i of a line.
template <int Profondeur>
[[nodiscard]] inline std::uint32_t Echantillon(const uchar *ligne, std::int64_t i)
{
    if constexpr (Profondeur == 8) {
        return ligne[i];
    } else if constexpr (Profondeur == 16) {
        std::uint16_t v;
        std::memcpy(&v, ligne + 2 * i, 2);
        // v / 257 is never exactly a half, so adding half the divisor rounds it.
        return (std::uint32_t(v) + 128u) / 257u;
    } else {
        return (ligne[i >> 3] >> (7 - (i & 7))) & 1u ? 255u : 0u;
    }
}

template <int Profondeur>
void LigneGris(const uchar *ligne, int largeur, QRgb *sortie, int)
{
    for (int x = 0; x < largeur; ++x) {
        std::uint32_t g = Echantillon<Profondeur>(ligne, x);
        if constexpr (Profondeur == 1)
            g = 255u - g; // a set bit is black
        sortie[x] = 0xFF000000u | (g << 16) | (g << 8) | g;
    }
}

template <int Profondeur>
void LigneRvb(const uchar *ligne, int largeur, QRgb *sortie, int)
{
    for (int x = 0; x < largeur; ++x) {
        const std::int64_t i = 3 * std::int64_t(x);
        sortie[x] = 0xFF000000u | (Echantillon<Profondeur>(ligne, i) << 16) | (Echantillon<Profondeur>(ligne, i + 1) << 8)
                    | Echantillon<Profondeur>(ligne, i + 2);
    }
}

#if defined(__x86_64__) || defined(__i386__)
// The usual colour line, red, green, blue bytes, four pixels per shuffle
// where the processor has one.
__attribute__((target("ssse3"))) void LigneRvb8Ssse3(const uchar *ligne, int largeur, QRgb *sortie, int)
{
    const __m128i ordre = _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    int x = 0;
    // Sixteen bytes are read for the twelve of four pixels: never past the line's pixels.
    for (; 3 * std::int64_t(x) + 16 <= 3 * std::int64_t(largeur); x += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(ligne + 3 * std::int64_t(x)));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(sortie + x), _mm_or_si128(_mm_shuffle_epi8(v, ordre), opaque));
    }
    for (; x < largeur; ++x) {
        const uchar *o = ligne + 3 * std::int64_t(x);
        sortie[x] = 0xFF000000u | (std::uint32_t(o[0]) << 16) | (std::uint32_t(o[1]) << 8) | o[2];
    }
}
#endif

// One colour of a three-pass picture, into the bits `decalage` of each pixel.
template <int Profondeur>
void LigneComposante(const uchar *ligne, int largeur, QRgb *sortie, int decalage)
{
    const std::uint32_t masque = ~(0xFFu << decalage);
    for (int x = 0; x < largeur; ++x)
        sortie[x] = (sortie[x] & masque) | (Echantillon<Profondeur>(ligne, x) << decalage);
}

using Convertisseur = void (*)(const uchar *, int, QRgb *, int);

template <template <int> class F>
Convertisseur SelonProfondeur(int profondeur)
{
    return profondeur == 1 ? F<1>::f : profondeur == 8 ? F<8>::f : F<16>::f;
}

template <int P>
struct Gris {
    static constexpr Convertisseur f = LigneGris<P>;
};
template <int P>
struct Rvb {
    static constexpr Convertisseur f = LigneRvb<P>;
};
template <int P>
struct Composante {
    static constexpr Convertisseur f = LigneComposante<P>;
};

Convertisseur ConvertisseurDe(const ParametresTrame &p)
{
    switch (p.format) {
    case FormatTrame::Gris:
        return SelonProfondeur<Gris>(p.profondeur);
    case FormatTrame::Rvb:
#if defined(__x86_64__) || defined(__i386__)
        if (p.profondeur == 8) {
            static const bool ssse3 = __builtin_cpu_supports("ssse3");
            if (ssse3)
                return LigneRvb8Ssse3;
        }
#endif
        return SelonProfondeur<Rvb>(p.profondeur);
    default:
        return SelonProfondeur<Composante>(p.profondeur);
    }
}

int Decalage(FormatTrame f)
{
    return f == FormatTrame::Rouge ? 16 : f == FormatTrame::Vert ? 8 : 0;
}

[[noreturn]] void Depassement()
{
    throw ErreurAcquisition(Tr("L'image dépasse les limites (%1 pixels de côté, %2 millions de pixels).")
                                .arg(kCoteMaxAcquisition)
                                .arg(kPixelsMaxAcquisition / 1'000'000));
}

} // namespace

std::int64_t OctetsUtilesParLigne(const ParametresTrame &p)
{
    const std::int64_t echantillons = std::int64_t(p.pixelsParLigne) * Canaux(p.format);
    return (echantillons * p.profondeur + 7) / 8;
}

void VerifierParametres(const ParametresTrame &p)
{
    if (p.profondeur != 1 && p.profondeur != 8 && p.profondeur != 16)
        throw ErreurAcquisition(Tr("L'appareil envoie des échantillons de %1 bits ; seuls 1, 8 et 16 bits sont lus.")
                                    .arg(p.profondeur));
    if (int(p.format) < int(FormatTrame::Gris) || int(p.format) > int(FormatTrame::Bleu))
        throw ErreurAcquisition(Tr("L'appareil envoie une image d'un format inconnu."));
    if (p.pixelsParLigne < 1 || p.pixelsParLigne > kCoteMaxAcquisition || p.lignes == 0 || p.lignes < -1
        || p.lignes > kCoteMaxAcquisition
        || (p.lignes > 0 && std::int64_t(p.pixelsParLigne) * p.lignes > kPixelsMaxAcquisition))
        throw ErreurAcquisition(Tr("L'appareil annonce une image de %1 × %2 pixels, hors des limites "
                                   "(%3 pixels de côté, %4 millions de pixels).")
                                    .arg(p.pixelsParLigne)
                                    .arg(p.lignes)
                                    .arg(kCoteMaxAcquisition)
                                    .arg(kPixelsMaxAcquisition / 1'000'000));
    const std::int64_t utiles = OctetsUtilesParLigne(p);
    if (p.octetsParLigne < utiles)
        throw ErreurAcquisition(Tr("L'appareil annonce %1 octets par ligne pour %2 pixels qui en demandent %3.")
                                    .arg(p.octetsParLigne)
                                    .arg(p.pixelsParLigne)
                                    .arg(utiles));
    // Padding is a few bytes of alignment, never more than the pixels themselves.
    if (p.octetsParLigne > 2 * utiles + 4096)
        throw ErreurAcquisition(Tr("L'appareil annonce %1 octets par ligne pour %2 pixels : trop de remplissage.")
                                    .arg(p.octetsParLigne)
                                    .arg(p.pixelsParLigne));
}

int LignesDeTrame(const ParametresTrame &p, std::int64_t octetsRecus)
{
    const std::int64_t bpl = p.octetsParLigne;
    if (p.lignes > 0) {
        if (octetsRecus < bpl * p.lignes)
            throw ErreurAcquisition(Tr("L'image est incomplète : %1 octets reçus sur les %2 annoncés.")
                                        .arg(octetsRecus)
                                        .arg(bpl * p.lignes));
        return p.lignes;
    }
    const std::int64_t lignes = bpl > 0 ? octetsRecus / bpl : 0;
    if (lignes == 0 || octetsRecus % bpl != 0)
        throw ErreurAcquisition(Tr("L'image est incomplète : %1 octets reçus, qui ne font pas des lignes entières "
                                   "de %2 octets.")
                                    .arg(octetsRecus)
                                    .arg(bpl));
    if (lignes > kCoteMaxAcquisition || lignes * p.pixelsParLigne > kPixelsMaxAcquisition)
        Depassement();
    return int(lignes);
}

QImage AssemblerTrames(const std::vector<Trame> &trames)
{
    // Every frame's bytes are checked before the picture is made.
    for (const Trame &t : trames) {
        VerifierParametres(t.parametres);
        (void)LignesDeTrame(t.parametres, t.octets.size());
    }
    AssembleurTrames assembleur;
    for (const Trame &t : trames) {
        assembleur.Debuter(t.parametres);
        assembleur.Ajouter(reinterpret_cast<const uchar *>(t.octets.constData()), t.octets.size());
        assembleur.Terminer();
    }
    return assembleur.Image();
}

void AssembleurTrames::Debuter(const ParametresTrame &p)
{
    VerifierParametres(p);
    const bool unique = p.format == FormatTrame::Gris || p.format == FormatTrame::Rvb;
    if (trames_ > 0) {
        if (unique_)
            throw ErreurAcquisition(Tr("L'appareil envoie une image grise ou en couleurs en plusieurs parties."));
        if (unique)
            throw ErreurAcquisition(Tr("L'appareil mêle des passages de couleur et une image entière."));
        if (trames_ >= 3)
            throw ErreurAcquisition(Tr("L'appareil envoie plus de trois passages de couleur pour une image."));
        if (p.pixelsParLigne != largeur_ || (p.lignes > 0 && p.lignes != hauteur_))
            throw ErreurAcquisition(Tr("Les passages de couleur de l'image n'ont pas la même taille."));
    } else {
        unique_ = unique;
        largeur_ = p.pixelsParLigne;
        hauteur_ = p.lignes > 0 ? p.lignes : -1;
    }
    p_ = p;
    enCours_ = true;
    complete_ = false;
    ++trames_;
    recus_ = 0;
    ligne_ = 0;
    reste_.clear();
    brut_.clear();
    maximum_ = std::int64_t(p.octetsParLigne)
               * std::min<std::int64_t>(kCoteMaxAcquisition, kPixelsMaxAcquisition / p.pixelsParLigne);
}

void AssembleurTrames::Allouer(int hauteur)
{
    hauteur_ = hauteur;
    // Every pixel is written (a three-pass picture is first cleared below),
    // so the memory may come back from an earlier picture.
    try {
        image_ = ImageResultat(QSize(largeur_, hauteur_));
    } catch (const ErreurKaptori &) {
        image_ = QImage();
    }
    if (image_.isNull())
        throw ErreurAcquisition(Tr("Mémoire insuffisante pour une image de %1 × %2 pixels.").arg(largeur_).arg(hauteur_));
    if (!unique_)
        image_.fill(0xFF000000u);
}

void AssembleurTrames::ConvertirLigne(const uchar *ligne, int y)
{
    ConvertisseurDe(p_)(ligne, largeur_, reinterpret_cast<QRgb *>(image_.scanLine(y)), Decalage(p_.format));
}

void AssembleurTrames::Ajouter(const uchar *octets, std::int64_t n)
{
    if (!enCours_ || n <= 0)
        return;
    recus_ += n;
    if (p_.lignes < 0) {
        // Unknown height: the bytes wait for the end of the frame.
        if (recus_ > maximum_)
            Depassement();
        brut_.append(reinterpret_cast<const char *>(octets), qsizetype(n));
        return;
    }
    if (image_.isNull())
        Allouer(hauteur_);
    const std::int64_t bpl = p_.octetsParLigne;
    if (!reste_.isEmpty()) {
        const std::int64_t manque = bpl - reste_.size();
        const std::int64_t pris = std::min(manque, n);
        reste_.append(reinterpret_cast<const char *>(octets), qsizetype(pris));
        octets += pris;
        n -= pris;
        if (reste_.size() < bpl)
            return;
        if (ligne_ < hauteur_)
            ConvertirLigne(reinterpret_cast<const uchar *>(reste_.constData()), ligne_++);
        reste_.clear();
    }
    while (n >= bpl) {
        if (ligne_ < hauteur_)
            ConvertirLigne(octets, ligne_++);
        octets += bpl;
        n -= bpl;
    }
    // Bytes past the last line are dropped, those of a line cut short kept.
    if (n > 0 && ligne_ < hauteur_)
        reste_.append(reinterpret_cast<const char *>(octets), qsizetype(n));
}

void AssembleurTrames::Terminer()
{
    if (!enCours_)
        return;
    enCours_ = false;
    if (p_.lignes < 0) {
        const int lignes = LignesDeTrame(p_, brut_.size());
        if (hauteur_ < 0)
            Allouer(lignes);
        else if (lignes != hauteur_)
            throw ErreurAcquisition(Tr("Les passages de couleur de l'image n'ont pas la même taille."));
        const auto *o = reinterpret_cast<const uchar *>(brut_.constData());
        for (int y = 0; y < lignes; ++y)
            ConvertirLigne(o + std::int64_t(y) * p_.octetsParLigne, y);
        brut_.clear();
    } else if (ligne_ < hauteur_) {
        throw ErreurAcquisition(Tr("L'image est incomplète : %1 octets reçus sur les %2 annoncés.")
                                    .arg(recus_)
                                    .arg(std::int64_t(p_.octetsParLigne) * p_.lignes));
    }
    complete_ = unique_ || p_.derniere || trames_ >= 3;
}

QImage AssembleurTrames::Image() const
{
    if (image_.isNull())
        throw ErreurAcquisition(Tr("L'appareil n'a envoyé aucune image."));
    return image_;
}
