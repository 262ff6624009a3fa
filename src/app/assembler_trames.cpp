#include "app/assembler_trames.h"

#include <QCoreApplication>

#include <cstring>

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
void RemplirGris(const uchar *octets, int bpl, int largeur, int hauteur, QImage &image)
{
    for (int y = 0; y < hauteur; ++y) {
        const uchar *ligne = octets + std::int64_t(y) * bpl;
        auto *sortie = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x) {
            std::uint32_t g = Echantillon<Profondeur>(ligne, x);
            if constexpr (Profondeur == 1)
                g = 255u - g; // a set bit is black
            sortie[x] = 0xFF000000u | (g << 16) | (g << 8) | g;
        }
    }
}

template <int Profondeur>
void RemplirRvb(const uchar *octets, int bpl, int largeur, int hauteur, QImage &image)
{
    for (int y = 0; y < hauteur; ++y) {
        const uchar *ligne = octets + std::int64_t(y) * bpl;
        auto *sortie = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x) {
            const std::int64_t i = 3 * std::int64_t(x);
            sortie[x] = 0xFF000000u | (Echantillon<Profondeur>(ligne, i) << 16)
                        | (Echantillon<Profondeur>(ligne, i + 1) << 8) | Echantillon<Profondeur>(ligne, i + 2);
        }
    }
}

// One colour of a three-pass picture, into the bits `decalage` of each pixel.
template <int Profondeur>
void RemplirComposante(const uchar *octets, int bpl, int largeur, int hauteur, int decalage, QImage &image)
{
    const std::uint32_t masque = ~(0xFFu << decalage);
    for (int y = 0; y < hauteur; ++y) {
        const uchar *ligne = octets + std::int64_t(y) * bpl;
        auto *sortie = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x)
            sortie[x] = (sortie[x] & masque) | (Echantillon<Profondeur>(ligne, x) << decalage);
    }
}

template <template <int> class F, typename... A>
void SelonProfondeur(int profondeur, A &&...a)
{
    switch (profondeur) {
    case 1:
        F<1>{}(a...);
        break;
    case 8:
        F<8>{}(a...);
        break;
    default:
        F<16>{}(a...);
        break;
    }
}

template <int P>
struct Gris {
    void operator()(const uchar *o, int bpl, int l, int h, QImage &im) const { RemplirGris<P>(o, bpl, l, h, im); }
};
template <int P>
struct Rvb {
    void operator()(const uchar *o, int bpl, int l, int h, QImage &im) const { RemplirRvb<P>(o, bpl, l, h, im); }
};
template <int P>
struct Composante {
    void operator()(const uchar *o, int bpl, int l, int h, int d, QImage &im) const
    {
        RemplirComposante<P>(o, bpl, l, h, d, im);
    }
};

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
        throw ErreurAcquisition(Tr("L'image dépasse les limites (%1 pixels de côté, %2 millions de pixels).")
                                    .arg(kCoteMaxAcquisition)
                                    .arg(kPixelsMaxAcquisition / 1'000'000));
    return int(lignes);
}

QImage AssemblerTrames(const std::vector<Trame> &trames)
{
    if (trames.empty())
        throw ErreurAcquisition(Tr("L'appareil n'a envoyé aucune image."));
    for (const Trame &t : trames)
        VerifierParametres(t.parametres);
    const ParametresTrame &premiere = trames.front().parametres;
    const bool unique = premiere.format == FormatTrame::Gris || premiere.format == FormatTrame::Rvb;
    if (unique && trames.size() != 1)
        throw ErreurAcquisition(Tr("L'appareil envoie une image grise ou en couleurs en plusieurs parties."));
    if (!unique && trames.size() > 3)
        throw ErreurAcquisition(Tr("L'appareil envoie plus de trois passages de couleur pour une image."));

    const int largeur = premiere.pixelsParLigne;
    const int hauteur = LignesDeTrame(premiere, trames.front().octets.size());
    for (const Trame &t : trames) {
        if (t.parametres.format == FormatTrame::Gris || t.parametres.format == FormatTrame::Rvb) {
            if (!unique)
                throw ErreurAcquisition(Tr("L'appareil mêle des passages de couleur et une image entière."));
        } else if (unique) {
            throw ErreurAcquisition(Tr("L'appareil mêle des passages de couleur et une image entière."));
        }
        if (t.parametres.pixelsParLigne != largeur || LignesDeTrame(t.parametres, t.octets.size()) != hauteur)
            throw ErreurAcquisition(Tr("Les passages de couleur de l'image n'ont pas la même taille."));
    }

    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    if (image.isNull())
        throw ErreurAcquisition(Tr("Mémoire insuffisante pour une image de %1 × %2 pixels.").arg(largeur).arg(hauteur));
    if (!unique)
        image.fill(0xFF000000u);
    for (const Trame &t : trames) {
        const auto *o = reinterpret_cast<const uchar *>(t.octets.constData());
        const ParametresTrame &p = t.parametres;
        switch (p.format) {
        case FormatTrame::Gris:
            SelonProfondeur<Gris>(p.profondeur, o, p.octetsParLigne, largeur, hauteur, image);
            break;
        case FormatTrame::Rvb:
            SelonProfondeur<Rvb>(p.profondeur, o, p.octetsParLigne, largeur, hauteur, image);
            break;
        case FormatTrame::Rouge:
            SelonProfondeur<Composante>(p.profondeur, o, p.octetsParLigne, largeur, hauteur, 16, image);
            break;
        case FormatTrame::Vert:
            SelonProfondeur<Composante>(p.profondeur, o, p.octetsParLigne, largeur, hauteur, 8, image);
            break;
        case FormatTrame::Bleu:
            SelonProfondeur<Composante>(p.profondeur, o, p.octetsParLigne, largeur, hauteur, 0, image);
            break;
        }
    }
    return image;
}
