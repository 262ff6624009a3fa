#include "document/formats/lecture_png_flux.h"

#include "commun/erreur.h"
#include "commun/raison_fichier.h"
#include "commun/grandes_pages.h"
#include "document/formats/decodeurs_image.h"
#include "document/formats/filtres_png.h"
#include "document/formats/pixels_png.h"

#include <QCoreApplication>
#include <QIODevice>

#include <libdeflate.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace {

// Deflate expands one byte into at most 1032; a row holds at least one bit
// per pixel plus its filter byte, hence this bound on the pixels a stream of
// a given size can hold.
constexpr double kPixelsParOctetPng = 1032.0 * 8.0;

// Pictures from this size on get their pixels in large memory pages.
constexpr std::size_t kTailleGrandesPages = std::size_t{4} << 20;

// The PNG format's bound on a chunk's length.
constexpr std::uint32_t kLongueurBlocMax = 0x7FFFFFFFu;

QString Tr(const char *texte)
{
    return QCoreApplication::translate("LecteurImage", texte);
}

[[noreturn]] void Endommage()
{
    throw ErreurDecodage(Tr("fichier PNG endommagé ou tronqué."));
}

std::uint32_t LireU32(const std::uint8_t *p)
{
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// The bytes of the stream, taken from the device without reading past the
// field's end.
class SourcePng {
public:
    SourcePng(QIODevice &flux, qint64 disponibles) : flux_(flux), restant_(std::max<qint64>(0, disponibles)) {}

    void Lire(void *destination, std::size_t n)
    {
        if (static_cast<qint64>(n) > restant_)
            Endommage();
        auto *d = static_cast<char *>(destination);
        qint64 voulu = static_cast<qint64>(n);
        while (voulu > 0) {
            const qint64 lus = flux_.read(d, voulu);
            if (lus < 0)
                throw ErreurFichier(Tr("Erreur de lecture du fichier : %1").arg(RaisonFichier(flux_.errorString())));
            if (lus == 0)
                Endommage();
            d += lus;
            voulu -= lus;
            restant_ -= lus;
        }
    }

    [[nodiscard]] qint64 Restant() const { return restant_; }

private:
    QIODevice &flux_;
    qint64 restant_;
};

struct Decompresseur {
    libdeflate_decompressor *d = libdeflate_alloc_decompressor();
    Decompresseur()
    {
        if (d == nullptr)
            throw std::bad_alloc();
    }
    ~Decompresseur() { libdeflate_free_decompressor(d); }
    Decompresseur(const Decompresseur &) = delete;
    Decompresseur &operator=(const Decompresseur &) = delete;
};

// What the chunks before the pixels say.
struct EntetePng {
    std::uint32_t largeur = 0;
    std::uint32_t hauteur = 0;
    bool entrelace = false;
    FormatPixelsPng format;
    int entreesPalette = 0;
};

void LireIhdr(const std::vector<std::uint8_t> &d, EntetePng &e)
{
    if (d.size() != 13)
        Endommage();
    e.largeur = LireU32(d.data());
    e.hauteur = LireU32(d.data() + 4);
    e.format.profondeur = d[8];
    e.format.typeCouleur = d[9];
    if (!FormatPngValide(e.format.typeCouleur, e.format.profondeur) || d[10] != 0 || d[11] != 0 || d[12] > 1)
        Endommage();
    e.entrelace = d[12] == 1;
    e.format.palette.fill(0xFF000000u);
}

void LirePlte(const std::vector<std::uint8_t> &d, EntetePng &e)
{
    if (d.empty() || d.size() % 3 != 0 || d.size() > 3 * 256)
        Endommage();
    e.entreesPalette = static_cast<int>(d.size() / 3);
    for (int i = 0; i < e.entreesPalette; ++i)
        e.format.palette[static_cast<std::size_t>(i)] =
            qRgb(d[3 * static_cast<std::size_t>(i)], d[3 * static_cast<std::size_t>(i) + 1],
                 d[3 * static_cast<std::size_t>(i) + 2]);
}

// A transparency chunk that does not fit the colour type (or, for a palette,
// lists more entries than the palette has) is ignored, as libpng does.
void LireTrns(const std::vector<std::uint8_t> &d, EntetePng &e)
{
    FormatPixelsPng &f = e.format;
    if (f.typeCouleur == 3) {
        if (d.empty() || d.size() > static_cast<std::size_t>(e.entreesPalette))
            return;
        for (std::size_t i = 0; i < d.size(); ++i)
            f.palette[i] = (f.palette[i] & 0x00FFFFFFu) | (QRgb{d[i]} << 24);
    } else if (f.typeCouleur == 0 && d.size() == 2) {
        f.avecCleTransparence = true;
        f.cleTransparence[0] = static_cast<std::uint16_t>((d[0] << 8) | d[1]);
    } else if (f.typeCouleur == 2 && d.size() == 6) {
        f.avecCleTransparence = true;
        for (int k = 0; k < 3; ++k)
            f.cleTransparence[static_cast<std::size_t>(k)] = static_cast<std::uint16_t>((d[2 * k] << 8) | d[2 * k + 1]);
    }
}

// Reads the chunks up to IEND: the header, palette and transparency into e,
// the image data, joined, into donnees.
void LireBlocs(SourcePng &source, EntetePng &e, std::vector<std::uint8_t> &donnees)
{
    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::uint8_t debut[8];
    source.Lire(debut, 8);
    if (std::memcmp(debut, signature, 8) != 0)
        Endommage();

    const qint64 disponibles = source.Restant();
    bool avecEntete = false;
    bool avecPalette = false;
    std::vector<std::uint8_t> bloc;
    for (;;) {
        std::uint8_t tete[8];
        source.Lire(tete, 8);
        const std::uint32_t longueur = LireU32(tete);
        if (longueur > kLongueurBlocMax || static_cast<qint64>(longueur) + 4 > source.Restant())
            Endommage();
        const char *type = reinterpret_cast<const char *>(tete + 4);
        const bool estIdat = std::memcmp(type, "IDAT", 4) == 0;
        std::uint8_t *zone = nullptr;
        if (estIdat) {
            if (!avecEntete || (e.format.typeCouleur == 3 && e.entreesPalette == 0))
                Endommage();
            const std::size_t ancien = donnees.size();
            donnees.resize(ancien + longueur);
            zone = donnees.data() + ancien;
        } else {
            bloc.resize(longueur);
            zone = bloc.data();
        }
        source.Lire(zone, longueur);
        std::uint8_t crcLu[4];
        source.Lire(crcLu, 4);
        // libdeflate_crc32 gives 0 for a null buffer, which an empty chunk may have.
        std::uint32_t crc = libdeflate_crc32(0, tete + 4, 4);
        if (longueur > 0)
            crc = libdeflate_crc32(crc, zone, longueur);
        const bool crcJuste = crc == LireU32(crcLu);
        const bool critique = (type[0] & 0x20) == 0;
        if (!crcJuste && critique)
            Endommage();
        if (!avecEntete) {
            if (std::memcmp(type, "IHDR", 4) != 0)
                Endommage();
            LireIhdr(bloc, e);
            VerifierTailleImage(e.largeur, e.hauteur, disponibles, kPixelsParOctetPng, "PNG");
            avecEntete = true;
        } else if (estIdat) {
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            break;
        } else if (std::memcmp(type, "PLTE", 4) == 0) {
            // A second palette, or one after the image data, is ignored; so
            // is the suggested palette of a picture without one.
            if (!avecPalette && donnees.empty() && e.format.typeCouleur == 3)
                LirePlte(bloc, e);
            avecPalette = true;
        } else if (std::memcmp(type, "tRNS", 4) == 0) {
            if (crcJuste && donnees.empty())
                LireTrns(bloc, e);
        } else if (critique) {
            Endommage();
        }
    }
    if (donnees.empty())
        Endommage();
}

std::size_t OctetsLigne(std::uint32_t largeur, const FormatPixelsPng &f)
{
    return (static_cast<std::size_t>(largeur) * static_cast<std::size_t>(BitsParPixelPng(f.typeCouleur, f.profondeur)) +
            7u) /
           8u;
}

// The seven passes of Adam7: first column and row, then steps.
struct Passe {
    int x0, y0, dx, dy;
};
constexpr Passe kPassesAdam7[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                   {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

std::uint32_t Compte(std::uint32_t taille, int debut, int pas)
{
    return taille > static_cast<std::uint32_t>(debut) ? (taille - static_cast<std::uint32_t>(debut) + pas - 1) / pas : 0;
}

std::size_t TailleBrute(const EntetePng &e)
{
    if (!e.entrelace)
        return (OctetsLigne(e.largeur, e.format) + 1) * e.hauteur;
    std::size_t total = 0;
    for (const Passe &p : kPassesAdam7) {
        const std::uint32_t l = Compte(e.largeur, p.x0, p.dx);
        const std::uint32_t h = Compte(e.hauteur, p.y0, p.dy);
        if (l > 0 && h > 0)
            total += (OctetsLigne(l, e.format) + 1) * h;
    }
    return total;
}

void LibererPixels(void *pixels)
{
    std::free(pixels);
}

// A new picture whose pixels are about to be written once, row after row,
// in a buffer of `supplement` more bytes than the pixels need. For a large
// one most of that time would go to the first touch of each memory page: its
// buffer is aligned on large pages and asks for them.
QImage ImageNeuve(int largeur, int hauteur, std::size_t supplement = 0)
{
    const std::size_t taille = static_cast<std::size_t>(largeur) * 4u * static_cast<std::size_t>(hauteur);
    void *pixels = nullptr;
    if (taille + supplement < kTailleGrandesPages) {
        pixels = std::malloc(taille + supplement);
    } else if (posix_memalign(&pixels, std::size_t{2} << 20, taille + supplement) != 0) {
        pixels = nullptr;
    }
    if (pixels == nullptr)
        throw ErreurDecodage(Tr("mémoire insuffisante pour cette image."));
    if (taille + supplement >= kTailleGrandesPages)
        ConseillerGrandesPages(pixels, taille + supplement);
    QImage image(static_cast<uchar *>(pixels), largeur, hauteur, static_cast<qsizetype>(largeur) * 4,
                 QImage::Format_ARGB32, LibererPixels, pixels);
    if (image.isNull()) {
        std::free(pixels);
        throw ErreurDecodage(Tr("mémoire insuffisante pour cette image."));
    }
    return image;
}

void Decompresser(const std::vector<std::uint8_t> &compresse, std::uint8_t *brut, std::size_t tailleBrute)
{
    Decompresseur d;
    if (libdeflate_zlib_decompress(d.d, compresse.data(), compresse.size(), brut, tailleBrute, nullptr) !=
        LIBDEFLATE_SUCCESS)
        Endommage();
}

// Restores, in place, the `hauteur` rows of one picture or pass that start
// at brut (each after its type byte) and hands each restored row to rendre.
template <typename Rendre>
void RestaurerLignes(std::uint8_t *brut, std::size_t octetsLigne, std::uint32_t hauteur, int bpp,
                     const std::uint8_t *zeros, const Rendre &rendre)
{
    const std::uint8_t *precedente = zeros;
    for (std::uint32_t y = 0; y < hauteur; ++y) {
        std::uint8_t *ligne = brut + 1;
        if (!DefiltrerLigne(brut[0], ligne, precedente, octetsLigne, bpp))
            Endommage();
        rendre(y, ligne);
        precedente = ligne;
        brut += octetsLigne + 1;
    }
}

} // namespace

QImage DecoderPngFlux(QIODevice &flux, qint64 octetsDisponibles)
{
    SourcePng source(flux, octetsDisponibles);
    EntetePng e;
    std::vector<std::uint8_t> compresse;
    LireBlocs(source, e, compresse);

    const std::size_t tailleBrute = TailleBrute(e);
    const std::size_t tailleImage = static_cast<std::size_t>(e.largeur) * 4u * e.hauteur;
    const int bpp = std::max(1, BitsParPixelPng(e.format.typeCouleur, e.format.profondeur) / 8);
    const std::size_t octetsLigne = OctetsLigne(e.largeur, e.format);
    const auto largeur = static_cast<int>(e.largeur);

    if (!e.entrelace && tailleBrute <= tailleImage + e.hauteur) {
        // Pixels of at most four bytes: the stream is inflated at the end of
        // the picture's own buffer (one byte a row longer when needed), and
        // row y, copied out then restored, is converted over bytes whose
        // rows are all done. The buffer being as long as the picture or the
        // stream, whichever is longer, the end of picture row y never passes
        // the start of stream row y + 1.
        const std::size_t supplement = tailleBrute > tailleImage ? tailleBrute - tailleImage : 0;
        QImage image = ImageNeuve(largeur, static_cast<int>(e.hauteur), supplement);
        std::uint8_t *brut = image.bits() + tailleImage + supplement - tailleBrute;
        Decompresser(compresse, brut, tailleBrute);
        compresse = {};
        std::vector<std::uint8_t> ligne(octetsLigne), precedente(octetsLigne, 0);
        for (std::uint32_t y = 0; y < e.hauteur; ++y) {
            const std::uint8_t *source = brut + static_cast<std::size_t>(y) * (octetsLigne + 1);
            std::memcpy(ligne.data(), source + 1, octetsLigne);
            if (!DefiltrerLigne(source[0], ligne.data(), precedente.data(), octetsLigne, bpp))
                Endommage();
            ConvertirLignePng(e.format, ligne.data(), largeur,
                              reinterpret_cast<QRgb *>(image.scanLine(static_cast<int>(y))));
            ligne.swap(precedente);
        }
        return image;
    }

    std::unique_ptr<std::uint8_t[]> brut(new (std::nothrow) std::uint8_t[tailleBrute]);
    if (!brut)
        throw ErreurDecodage(Tr("mémoire insuffisante pour cette image."));
    Decompresser(compresse, brut.get(), tailleBrute);
    compresse = {};

    QImage image = ImageNeuve(largeur, static_cast<int>(e.hauteur));
    const std::vector<std::uint8_t> zeros(octetsLigne, 0);
    if (!e.entrelace) {
        RestaurerLignes(brut.get(), octetsLigne, e.hauteur, bpp, zeros.data(),
                        [&](std::uint32_t y, const std::uint8_t *ligne) {
                            ConvertirLignePng(e.format, ligne, largeur,
                                              reinterpret_cast<QRgb *>(image.scanLine(static_cast<int>(y))));
                        });
        return image;
    }
    std::vector<QRgb> pixels(e.largeur);
    std::uint8_t *debut = brut.get();
    for (const Passe &p : kPassesAdam7) {
        const std::uint32_t l = Compte(e.largeur, p.x0, p.dx);
        const std::uint32_t h = Compte(e.hauteur, p.y0, p.dy);
        if (l == 0 || h == 0)
            continue;
        const std::size_t octetsPasse = OctetsLigne(l, e.format);
        RestaurerLignes(debut, octetsPasse, h, bpp, zeros.data(), [&](std::uint32_t j, const std::uint8_t *ligne) {
            ConvertirLignePng(e.format, ligne, static_cast<int>(l), pixels.data());
            auto *destination = reinterpret_cast<QRgb *>(image.scanLine(p.y0 + static_cast<int>(j) * p.dy));
            for (std::uint32_t i = 0; i < l; ++i)
                destination[p.x0 + static_cast<int>(i) * p.dx] = pixels[i];
        });
        debut += (octetsPasse + 1) * h;
    }
    return image;
}
