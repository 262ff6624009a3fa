// JPEG pictures are decoded exactly as libjpeg's own command-line decoder
// decodes them with its defaults (accurate integer DCT, smooth chroma
// upsampling): the reference here reads the same bytes with a plain libjpeg
// loop into R,G,B rows, the way that decoder does, and every pixel must match.

#include "document/formats/decodeurs_image.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <functional>
#include <ostream>
#include <vector>

#include <jpeglib.h>

namespace {

struct ErreurReference {
    jpeg_error_mgr pub{};
    std::jmp_buf saut{};
};

[[noreturn]] void SortieReference(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErreurReference *>(cinfo->err)->saut, 1);
}

// R,G,B bytes of every row, libjpeg's defaults untouched; empty on an error.
std::vector<unsigned char> DecodageReference(const QByteArray &octets, int &largeur, int &hauteur)
{
    jpeg_decompress_struct cinfo{};
    ErreurReference erreur;
    std::vector<unsigned char> rvb;
    cinfo.err = jpeg_std_error(&erreur.pub);
    erreur.pub.error_exit = SortieReference;
    if (setjmp(erreur.saut)) {
        jpeg_destroy_decompress(&cinfo);
        return {};
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(octets.constData()),
                 static_cast<unsigned long>(octets.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    largeur = static_cast<int>(cinfo.output_width);
    hauteur = static_cast<int>(cinfo.output_height);
    rvb.resize(static_cast<std::size_t>(largeur) * 3u * static_cast<std::size_t>(hauteur));
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW ligne = rvb.data() + static_cast<std::size_t>(cinfo.output_scanline) * 3u * largeur;
        jpeg_read_scanlines(&cinfo, &ligne, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return rvb;
}

QImage Motif(int w, int h, QImage::Format format)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, QColor((x * 7 + y * 3) % 256, (x * x + y) % 256, (y * 11) % 256));
    return image.convertToFormat(format);
}

QByteArray Ecrire(const QImage &image, int qualite, bool progressif)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, "jpeg");
    ecrivain.setQuality(qualite);
    ecrivain.setProgressiveScanWrite(progressif);
    ecrivain.write(image);
    return octets;
}

struct CasJpeg {
    const char *nom;
    std::function<QByteArray()> octets;
};

void PrintTo(const CasJpeg &c, std::ostream *os) { *os << c.nom; }

class JpegCommeLibjpeg : public ::testing::TestWithParam<CasJpeg> {};

const CasJpeg casJpeg[] = {
    {"sample photograph",
     [] {
         QFile f(qEnvironmentVariable("KAPTORI_DATA") + QStringLiteral("/photo.jpg"));
         return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
     }},
    {"colour, odd size cutting the last blocks", [] { return Ecrire(Motif(101, 67, QImage::Format_RGB32), 85, false); }},
    {"colour, progressive", [] { return Ecrire(Motif(64, 48, QImage::Format_RGB32), 75, true); }},
    {"grey levels", [] { return Ecrire(Motif(33, 17, QImage::Format_Grayscale8), 90, false); }},
};

TEST_P(JpegCommeLibjpeg, GivesEveryPixelOfTheReferenceDecodeOpaque)
{
    const QByteArray octets = GetParam().octets();
    ASSERT_FALSE(octets.isEmpty());
    int largeur = 0, hauteur = 0;
    const std::vector<unsigned char> reference = DecodageReference(octets, largeur, hauteur);
    ASSERT_FALSE(reference.empty());
    const QImage image = DecoderJpeg(octets);
    ASSERT_EQ(image.size(), QSize(largeur, hauteur));
    ASSERT_EQ(image.format(), QImage::Format_ARGB32);
    for (int y = 0; y < hauteur; ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const unsigned char *r = reference.data() + static_cast<std::size_t>(y) * 3u * largeur;
        for (int x = 0; x < largeur; ++x)
            ASSERT_EQ(ligne[x], qRgba(r[3 * x], r[3 * x + 1], r[3 * x + 2], 255)) << "pixel " << x << ", " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Document, JpegCommeLibjpeg, ::testing::ValuesIn(casJpeg),
                         [](const auto &info) { return std::to_string(info.index); });

} // namespace
