// JPEG pictures through libjpeg(-turbo), decoded straight into the scan lines
// of the picture: libjpeg-turbo writes B,G,R,A bytes (A,R,G,B on a big-endian
// machine), which is QImage::Format_ARGB32, so no pass is spent on converting.
// CMYK and YCCK pictures are decoded as CMYK in place and then turned to RGB.

#include "commun/erreur.h"
#include "document/formats/decodeurs_image.h"

#include <QCoreApplication>

#include <csetjmp>
#include <cstdlib>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

// At least an eighth of a bit per 8 x 8 block of the first component, even
// with arithmetic coding of a plain picture: a file of n bytes holds at most
// 4096 n pixels. A header that promises more is a damaged or forged file.
constexpr double kPixelsParOctetJpeg = 4096.0;

// Progressive files whose scans never end would make decoding last forever.
constexpr int kScansMaxJpeg = 1000;

struct GestionErreurJpeg {
    jpeg_error_mgr pub{};
    std::jmp_buf saut{};
    char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void SortieErreur(j_common_ptr cinfo)
{
    auto *gestion = reinterpret_cast<GestionErreurJpeg *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, gestion->message);
    std::longjmp(gestion->saut, 1);
}

// Warnings about slightly damaged data are tolerated, as every viewer does;
// a file that ends before the picture does is an error, not a grey picture.
void MessageJpeg(j_common_ptr cinfo, int niveau)
{
    if (niveau < 0) {
        if (cinfo->err->msg_code == JWRN_JPEG_EOF)
            SortieErreur(cinfo);
        cinfo->err->num_warnings++;
    }
}

void SuiviProgression(j_common_ptr cinfo)
{
    if (cinfo->is_decompressor) {
        auto *d = reinterpret_cast<j_decompress_ptr>(cinfo);
        if (d->progressive_mode && d->input_scan_number > kScansMaxJpeg) {
            auto *gestion = reinterpret_cast<GestionErreurJpeg *>(cinfo->err);
            std::snprintf(gestion->message, sizeof gestion->message, "more than %d scans", kScansMaxJpeg);
            std::longjmp(gestion->saut, 1);
        }
    }
}

// Everything the decoding touches lives here, in memory, so that its state is
// well defined after a longjmp back into Decoder().
struct DecodageJpeg {
    jpeg_decompress_struct cinfo{};
    GestionErreurJpeg erreur;
    jpeg_progress_mgr progression{};
    bool cree = false;
    const QByteArray *octets = nullptr;
    QImage *image = nullptr;

    ~DecodageJpeg()
    {
        if (cree)
            jpeg_destroy_decompress(&cinfo);
    }
};

void CmykVersArgb(uchar *ligne, int largeur, bool inverse)
{
    for (int x = 0; x < largeur; ++x) {
        uchar *p = ligne + 4 * x;
        int c = p[0], m = p[1], j = p[2], k = p[3];
        if (!inverse) {
            c = 255 - c;
            m = 255 - m;
            j = 255 - j;
            k = 255 - k;
        }
        const QRgb argb = qRgb(c * k / 255, m * k / 255, j * k / 255);
        *reinterpret_cast<QRgb *>(p) = argb;
    }
}

void LibererPixels(void *pixels)
{
    std::free(pixels);
}

// A new ARGB32 picture. Its pixels are written once, row after row, so most
// of the decoding time of a large photograph goes to the first touch of each
// memory page; on Linux the buffer asks for huge pages, which cuts that cost.
QImage ImageNeuve(int largeur, int hauteur)
{
    const auto taille = static_cast<size_t>(largeur) * 4u * static_cast<size_t>(hauteur);
    void *pixels = nullptr;
    if (posix_memalign(&pixels, size_t(2) << 20, taille) != 0 || !pixels)
        throw ErreurDecodage(QCoreApplication::translate("LecteurImage", "mémoire insuffisante pour cette image."));
#ifdef MADV_HUGEPAGE
    madvise(pixels, taille, MADV_HUGEPAGE);
#endif
    QImage image(static_cast<uchar *>(pixels), largeur, hauteur, static_cast<qsizetype>(largeur) * 4,
                 QImage::Format_ARGB32, LibererPixels, pixels);
    if (image.isNull()) {
        std::free(pixels);
        throw ErreurDecodage(QCoreApplication::translate("LecteurImage", "mémoire insuffisante pour cette image."));
    }
    return image;
}

// Returns false after a libjpeg error, whose text is then in erreur.message.
bool Decoder(DecodageJpeg &d)
{
    if (setjmp(d.erreur.saut))
        return false;
    d.cinfo.err = jpeg_std_error(&d.erreur.pub);
    d.erreur.pub.error_exit = SortieErreur;
    d.erreur.pub.emit_message = MessageJpeg;
    jpeg_create_decompress(&d.cinfo);
    d.cree = true;
    d.progression.progress_monitor = SuiviProgression;
    d.cinfo.progress = &d.progression;

    jpeg_mem_src(&d.cinfo, reinterpret_cast<const unsigned char *>(d.octets->constData()),
                 static_cast<unsigned long>(d.octets->size()));
    jpeg_read_header(&d.cinfo, TRUE);
    VerifierTailleImage(d.cinfo.image_width, d.cinfo.image_height, d.octets->size(), kPixelsParOctetJpeg, "JPEG");

    const bool cmyk = d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK;
    if (cmyk)
        d.cinfo.out_color_space = JCS_CMYK;
    else
        d.cinfo.out_color_space = (QSysInfo::ByteOrder == QSysInfo::LittleEndian) ? JCS_EXT_BGRA : JCS_EXT_ARGB;

    jpeg_start_decompress(&d.cinfo);
    *d.image = ImageNeuve(static_cast<int>(d.cinfo.output_width), static_cast<int>(d.cinfo.output_height));

    const int largeur = d.image->width();
    JSAMPROW lignes[16];
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        const int premiere = static_cast<int>(d.cinfo.output_scanline);
        const int nombre = qMin<int>(qMin<int>(16, d.cinfo.rec_outbuf_height), d.image->height() - premiere);
        for (int i = 0; i < nombre; ++i)
            lignes[i] = d.image->scanLine(premiere + i);
        const int lues = static_cast<int>(jpeg_read_scanlines(&d.cinfo, lignes, static_cast<JDIMENSION>(nombre)));
        if (cmyk)
            for (int i = 0; i < lues; ++i)
                CmykVersArgb(lignes[i], largeur, d.cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&d.cinfo);
    return true;
}

} // namespace

QImage DecoderJpeg(const QByteArray &octets)
{
    QImage image;
    DecodageJpeg d;
    d.octets = &octets;
    d.image = &image;
    if (!Decoder(d))
        throw ErreurDecodage(QCoreApplication::translate("LecteurImage", "fichier JPEG endommagé ou tronqué."));
    return image;
}
