#include "document/formats/ecriture_png.h"

#include "commun/erreur.h"
#include "commun/raison_fichier.h"
#include "commun/travail_parallele.h"
#include "document/formats/filtres_png.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QImage>

#include <libdeflate.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>
#include <vector>

namespace {

// The compressed stream goes out in IDAT chunks of at most this size.
constexpr std::size_t kTailleBlocIdat = std::size_t{1} << 20;

// The filter is chosen on the whole picture up to kTaillePetiteImage bytes of
// rows, beyond on kBandesEchantillon strips of rows spread over the picture,
// kTailleEchantillon bytes in all, compressed at the files' own level (a
// faster level ranks the filters otherwise).
constexpr std::size_t kTaillePetiteImage = std::size_t{2} << 20;
constexpr std::size_t kTailleEchantillon = std::size_t{1} << 20;
constexpr int kBandesEchantillon = 16;

QString Tr(const char *texte)
{
    return QCoreApplication::translate("Enregistrement", texte);
}

struct Compresseur {
    libdeflate_compressor *c = libdeflate_alloc_compressor(kNiveauCompressionPng);
    Compresseur()
    {
        if (c == nullptr)
            throw std::bad_alloc();
    }
    ~Compresseur() { libdeflate_free_compressor(c); }
    Compresseur(const Compresseur &) = delete;
    Compresseur &operator=(const Compresseur &) = delete;
};

// The bytes of one row in PNG's order: R, G, B and, with alpha, A.
void OctetsLigne(const QRgb *pixels, int largeur, bool avecAlpha, std::uint8_t *sortie)
{
    if (avecAlpha) {
        for (int x = 0; x < largeur; ++x) {
            const QRgb p = pixels[x];
            sortie[4 * x] = static_cast<std::uint8_t>(p >> 16);
            sortie[4 * x + 1] = static_cast<std::uint8_t>(p >> 8);
            sortie[4 * x + 2] = static_cast<std::uint8_t>(p);
            sortie[4 * x + 3] = static_cast<std::uint8_t>(p >> 24);
        }
    } else {
        for (int x = 0; x < largeur; ++x) {
            const QRgb p = pixels[x];
            sortie[3 * x] = static_cast<std::uint8_t>(p >> 16);
            sortie[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
            sortie[3 * x + 2] = static_cast<std::uint8_t>(p);
        }
    }
}

// Rows [debut, fin) filtered into `brut`, each after its type byte, from
// `brut`'s row debut on.
void FiltrerLignes(const QImage &image, bool avecAlpha, FiltrePng filtre, int debut, int fin, std::uint8_t *brut)
{
    const int largeur = image.width();
    const int bpp = avecAlpha ? 4 : 3;
    const std::size_t n = static_cast<std::size_t>(largeur) * static_cast<std::size_t>(bpp);
    std::vector<std::uint8_t> precedente(n, 0);
    std::vector<std::uint8_t> ligne(n);
    if (debut > 0 && filtre != FiltrePng::Aucun && filtre != FiltrePng::Sub)
        OctetsLigne(reinterpret_cast<const QRgb *>(image.constScanLine(debut - 1)), largeur, avecAlpha,
                    precedente.data());
    for (int y = debut; y < fin; ++y) {
        OctetsLigne(reinterpret_cast<const QRgb *>(image.constScanLine(y)), largeur, avecAlpha, ligne.data());
        brut[0] = static_cast<std::uint8_t>(filtre);
        FiltrerLigne(filtre, ligne.data(), precedente.data(), n, bpp, brut + 1);
        brut += n + 1;
        precedente.swap(ligne);
    }
}

// The filter that gives the smallest compressed sample: Up suits flat colours
// and smooth gradients, Sub horizontal patterns and many drawings, Paeth most
// photographs.
FiltrePng ChoisirFiltre(const QImage &image, bool avecAlpha, libdeflate_compressor *compresseur)
{
    const int hauteur = image.height();
    const std::size_t octetsLigne = static_cast<std::size_t>(image.width()) * (avecAlpha ? 4u : 3u) + 1u;
    std::vector<int> debuts;
    int lignesBande = hauteur;
    if (octetsLigne * static_cast<std::size_t>(hauteur) <= kTaillePetiteImage) {
        debuts.push_back(0);
    } else {
        lignesBande = static_cast<int>(
            std::clamp<std::size_t>(kTailleEchantillon / (kBandesEchantillon * octetsLigne), 1, 8));
        for (int k = 0; k < kBandesEchantillon; ++k)
            debuts.push_back(static_cast<int>(static_cast<std::int64_t>(hauteur - lignesBande) * k /
                                              (kBandesEchantillon - 1)));
    }
    std::vector<std::uint8_t> echantillon(octetsLigne * static_cast<std::size_t>(lignesBande) * debuts.size());
    std::vector<std::uint8_t> compresse(libdeflate_zlib_compress_bound(compresseur, echantillon.size()));

    constexpr std::array<FiltrePng, 4> candidats{FiltrePng::Up, FiltrePng::Sub, FiltrePng::Paeth, FiltrePng::Aucun};
    FiltrePng meilleur = candidats[0];
    std::size_t tailleMin = std::numeric_limits<std::size_t>::max();
    for (FiltrePng filtre : candidats) {
        std::uint8_t *p = echantillon.data();
        for (int debut : debuts) {
            FiltrerLignes(image, avecAlpha, filtre, debut, debut + lignesBande, p);
            p += octetsLigne * static_cast<std::size_t>(lignesBande);
        }
        const std::size_t taille = libdeflate_zlib_compress(compresseur, echantillon.data(), echantillon.size(),
                                                            compresse.data(), compresse.size());
        if (taille != 0 && taille < tailleMin) {
            tailleMin = taille;
            meilleur = filtre;
        }
    }
    return meilleur;
}

// libdeflate_crc32 gives 0 for a null buffer: empty data is skipped.
std::uint32_t Crc(std::uint32_t crc, const void *octets, std::size_t n)
{
    return libdeflate_crc32(crc, octets, n);
}

void EcrireOctets(QIODevice &sortie, const void *octets, std::size_t n)
{
    if (sortie.write(static_cast<const char *>(octets), static_cast<qint64>(n)) != static_cast<qint64>(n))
        throw ErreurFichier(Tr("Erreur d'écriture du fichier : %1").arg(RaisonEcriture(sortie.errorString())));
}

void EcrireU32(std::uint8_t *p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

// One chunk: its length, type, data and the CRC of type and data.
void EcrireBloc(QIODevice &sortie, const char type[4], const std::uint8_t *donnees, std::size_t n)
{
    std::uint8_t entete[8];
    EcrireU32(entete, static_cast<std::uint32_t>(n));
    std::copy(type, type + 4, entete + 4);
    std::uint32_t crc = Crc(0, entete + 4, 4);
    if (n > 0)
        crc = Crc(crc, donnees, n);
    std::uint8_t fin[4];
    EcrireU32(fin, crc);
    EcrireOctets(sortie, entete, sizeof entete);
    if (n > 0)
        EcrireOctets(sortie, donnees, n);
    EcrireOctets(sortie, fin, sizeof fin);
}

bool AUnPixelTransparent(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return false;
    const int largeur = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        unsigned et = 0xFF;
        for (int x = 0; x < largeur; ++x)
            et &= ligne[x] >> 24;
        if (et != 0xFF)
            return true;
    }
    return false;
}

} // namespace

void EcrirePng(const QImage &image, QIODevice &sortie)
{
    if (image.isNull())
        throw ErreurDecodage(Tr("Image vide : rien à enregistrer"));
    QImage source = image;
    if (source.format() != QImage::Format_ARGB32 && source.format() != QImage::Format_RGB32)
        source = image.convertToFormat(QImage::Format_ARGB32);
    if (source.isNull())
        throw std::bad_alloc();
    const bool avecAlpha = AUnPixelTransparent(source);
    const int largeur = source.width();
    const int hauteur = source.height();
    const std::size_t octetsLigne = static_cast<std::size_t>(largeur) * (avecAlpha ? 4u : 3u) + 1u;
    const std::size_t tailleBrute = octetsLigne * static_cast<std::size_t>(hauteur);

    Compresseur compresseur;
    const FiltrePng filtre = ChoisirFiltre(source, avecAlpha, compresseur.c);
    std::unique_ptr<std::uint8_t[]> brut(new std::uint8_t[tailleBrute]);
    ParcourirEnParallele(hauteur, PartsParalleles(static_cast<std::int64_t>(tailleBrute)), [&](int debut, int fin) {
        FiltrerLignes(source, avecAlpha, filtre, debut, fin, brut.get() + octetsLigne * static_cast<std::size_t>(debut));
    });
    const std::size_t borne = libdeflate_zlib_compress_bound(compresseur.c, tailleBrute);
    std::unique_ptr<std::uint8_t[]> compresse(new std::uint8_t[borne]);
    const std::size_t tailleCompressee =
        libdeflate_zlib_compress(compresseur.c, brut.get(), tailleBrute, compresse.get(), borne);
    brut.reset();
    if (tailleCompressee == 0)
        throw ErreurDecodage(Tr("Image PNG impossible à écrire : %1").arg(QStringLiteral("deflate")));

    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EcrireOctets(sortie, signature, sizeof signature);
    std::uint8_t ihdr[13];
    EcrireU32(ihdr, static_cast<std::uint32_t>(largeur));
    EcrireU32(ihdr + 4, static_cast<std::uint32_t>(hauteur));
    ihdr[8] = 8;                    // bits per sample
    ihdr[9] = avecAlpha ? 6 : 2;    // RGBA or RGB
    ihdr[10] = ihdr[11] = ihdr[12] = 0; // deflate, adaptive filtering, no interlace
    EcrireBloc(sortie, "IHDR", ihdr, sizeof ihdr);
    for (std::size_t debut = 0; debut < tailleCompressee; debut += kTailleBlocIdat)
        EcrireBloc(sortie, "IDAT", compresse.get() + debut, std::min(kTailleBlocIdat, tailleCompressee - debut));
    EcrireBloc(sortie, "IEND", nullptr, 0);
}
