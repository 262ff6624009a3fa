#include "document/formats/lecture_png_flux.h"

#include "commun/erreur.h"
#include "document/formats/decodeurs_image.h"
#include "commun/grandes_pages.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QSysInfo>

#include <png.h>

#include <algorithm>
#include <csetjmp>
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

// The compressed bytes come from the device in blocks of this size: few
// system calls, and small enough to stay in the cache while libpng reads it.
constexpr qint64 kTailleTampon = qint64{1} << 20;

// Pictures from this size on get their pixels in large memory pages.
constexpr std::size_t kTailleGrandesPages = std::size_t{4} << 20;

QString Tr(const char *texte)
{
    return QCoreApplication::translate("LecteurImage", texte);
}

// Everything libpng's callbacks touch. It lives outside the functions that
// call setjmp, so its state is well defined after a longjmp.
struct LecturePng {
    QIODevice *flux = nullptr;
    qint64 restant = 0;             // bytes of the field not yet taken from the device
    std::unique_ptr<char[]> tampon;
    qint64 debut = 0;               // unread part of the buffer: [debut, fin)
    qint64 fin = 0;
    bool tronque = false;
    bool erreurFlux = false;
    png_uint_32 largeur = 0;
    png_uint_32 hauteur = 0;
};

void LireDonnees(png_structp png, png_bytep destination, size_t n)
{
    auto *l = static_cast<LecturePng *>(png_get_io_ptr(png));
    while (n > 0) {
        if (l->debut == l->fin) {
            const qint64 voulu = std::min(kTailleTampon, l->restant);
            if (voulu <= 0) {
                l->tronque = true;
                png_error(png, "unexpected end of data");
            }
            const qint64 lus = l->flux->read(l->tampon.get(), voulu);
            if (lus <= 0) {
                if (lus < 0)
                    l->erreurFlux = true;
                else
                    l->tronque = true;
                png_error(png, "read error");
            }
            l->restant -= lus;
            l->debut = 0;
            l->fin = lus;
        }
        const auto k = static_cast<size_t>(std::min<qint64>(static_cast<qint64>(n), l->fin - l->debut));
        std::memcpy(destination, l->tampon.get() + l->debut, k);
        destination += k;
        n -= k;
        l->debut += static_cast<qint64>(k);
    }
}

void Erreur(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void Avertissement(png_structp, png_const_charp) {}

// The two stages below keep C++ objects with destructors out of the frames
// that a longjmp crosses.
bool LireEntete(png_structp png, png_infop info, LecturePng &l)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    l.largeur = png_get_image_width(png, info);
    l.hauteur = png_get_image_height(png, info);
    return true;
}

// Rows come out as B, G, R, A bytes on a little-endian machine and A, R, G, B
// on a big-endian one: the 0xAARRGGBB words of Format_ARGB32 in both cases.
bool LirePixels(png_structp png, png_infop info, png_bytepp lignes, bool &rangeeIncorrecte)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    const int type = png_get_color_type(png, info);
    const int profondeur = png_get_bit_depth(png, info);
    const bool transparence = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    if (type == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (type == PNG_COLOR_TYPE_GRAY && profondeur < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (transparence)
        png_set_tRNS_to_alpha(png);
    if (profondeur == 16)
        png_set_scale_16(png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    const bool alpha = (type & PNG_COLOR_MASK_ALPHA) != 0 || transparence;
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        png_set_bgr(png);
        if (!alpha)
            png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    } else if (alpha) {
        png_set_swap_alpha(png);
    } else {
        png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
    }
    (void)png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(png_get_image_width(png, info)) * 4u) {
        rangeeIncorrecte = true;
        return false;
    }
    png_read_image(png, lignes);
    png_read_end(png, nullptr);
    return true;
}

struct StructuresPng {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~StructuresPng() { png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr); }
};

void LibererPixels(void *pixels)
{
    std::free(pixels);
}

// A new picture whose pixels are about to be written once, row after row.
// For a large one most of that time would go to the first touch of each
// memory page: its buffer is aligned on large pages and asks for them.
QImage ImageNeuve(int largeur, int hauteur)
{
    const std::size_t taille = static_cast<std::size_t>(largeur) * 4u * static_cast<std::size_t>(hauteur);
    if (taille < kTailleGrandesPages) {
        QImage image(largeur, hauteur, QImage::Format_ARGB32);
        if (image.isNull())
            throw ErreurDecodage(Tr("mémoire insuffisante pour cette image."));
        return image;
    }
    void *pixels = nullptr;
    if (posix_memalign(&pixels, std::size_t{2} << 20, taille) != 0 || pixels == nullptr)
        throw ErreurDecodage(Tr("mémoire insuffisante pour cette image."));
    ConseillerGrandesPages(pixels, taille);
    QImage image(static_cast<uchar *>(pixels), largeur, hauteur, static_cast<qsizetype>(largeur) * 4,
                 QImage::Format_ARGB32, LibererPixels, pixels);
    if (image.isNull()) {
        std::free(pixels);
        throw ErreurDecodage(Tr("mémoire insuffisante pour cette image."));
    }
    return image;
}

// libpng's texts are English and technical: the user is told the kind of
// fault only.
[[noreturn]] void Echec(const LecturePng &l)
{
    if (l.erreurFlux)
        throw ErreurFichier(Tr("Erreur de lecture du fichier : %1").arg(l.flux->errorString()));
    if (l.tronque)
        throw ErreurDecodage(Tr("fichier PNG tronqué."));
    throw ErreurDecodage(Tr("fichier PNG endommagé ou tronqué."));
}

} // namespace

QImage DecoderPngFlux(QIODevice &flux, qint64 octetsDisponibles)
{
    LecturePng l;
    l.flux = &flux;
    l.restant = std::max<qint64>(0, octetsDisponibles);
    l.tampon.reset(new char[static_cast<std::size_t>(std::min(kTailleTampon, std::max<qint64>(1, l.restant)))]);

    StructuresPng s;
    s.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &l, Erreur, Avertissement);
    if (s.png == nullptr)
        throw std::bad_alloc();
    s.info = png_create_info_struct(s.png);
    if (s.info == nullptr)
        throw std::bad_alloc();
    png_set_read_fn(s.png, &l, LireDonnees);

    if (!LireEntete(s.png, s.info, l))
        Echec(l);
    VerifierTailleImage(l.largeur, l.hauteur, octetsDisponibles, kPixelsParOctetPng, "PNG");

    QImage image = ImageNeuve(static_cast<int>(l.largeur), static_cast<int>(l.hauteur));
    std::vector<png_bytep> lignes(l.hauteur);
    for (int y = 0; y < image.height(); ++y)
        lignes[static_cast<std::size_t>(y)] = image.scanLine(y);
    bool rangeeIncorrecte = false;
    if (!LirePixels(s.png, s.info, lignes.data(), rangeeIncorrecte)) {
        if (rangeeIncorrecte)
            throw ErreurDecodage(Tr("fichier PNG endommagé ou tronqué."));
        Echec(l);
    }
    return image;
}
