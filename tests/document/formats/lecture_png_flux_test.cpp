// PNG decoding from a device: every colour type and depth that other
// encoders write comes back as the pixels an independent decoder (Qt's) sees,
// a stream read in many buffers from a file comes back exactly, and damaged,
// cut or oversized streams are refused with a French message.

#include "commun/erreur.h"
#include "document/formats/lecture_png_flux.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

QByteArray EnPng(const QImage &image)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&tampon, "PNG"));
    return octets;
}

QImage DecoderOctets(const QByteArray &octets, qint64 disponibles = -1)
{
    QByteArray copie = octets;
    QBuffer tampon(&copie);
    tampon.open(QIODevice::ReadOnly);
    return DecoderPngFlux(tampon, disponibles < 0 ? octets.size() : disponibles);
}

// Largest difference between two pictures of one size, over the four bytes.
int EcartMax(const QImage &a, const QImage &b)
{
    int ecart = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *la = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            for (int decalage : {0, 8, 16, 24})
                ecart = std::max(ecart, std::abs(int((la[x] >> decalage) & 0xFF) - int((lb[x] >> decalage) & 0xFF)));
    }
    return ecart;
}

QImage Motif(QImage::Format format, int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    for (int y = 0; y < hauteur; ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x)
            ligne[x] = qRgba((x * 37) & 0xFF, (y * 53) & 0xFF, (x * y) & 0xFF, x < 5 ? 40 * x : 255);
    }
    return image.convertToFormat(format);
}

QImage MotifIndexe()
{
    QImage image(23, 9, QImage::Format_Indexed8);
    image.setColorTable({qRgba(0, 0, 0, 0), qRgb(255, 0, 0), qRgb(0, 128, 255), qRgba(10, 200, 30, 128)});
    for (int y = 0; y < image.height(); ++y) {
        uchar *ligne = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            ligne[x] = static_cast<uchar>((x + y) % 4);
    }
    return image;
}

struct CasPng {
    std::string nom;
    QImage image;
    int ecartPermis; // 16-bit samples: two roundings to 8 bits may differ by one
};

void PrintTo(const CasPng &c, std::ostream *os) { *os << c.nom; }

class SortesDePng : public ::testing::TestWithParam<CasPng> {};

TEST_P(SortesDePng, DonnentLesPixelsQueLitUnAutreDecodeur)
{
    const QByteArray octets = EnPng(GetParam().image);
    const QImage attendue = QImage::fromData(octets, "PNG").convertToFormat(QImage::Format_ARGB32);
    const QImage lue = DecoderOctets(octets);
    ASSERT_EQ(lue.format(), QImage::Format_ARGB32);
    ASSERT_EQ(lue.size(), attendue.size());
    EXPECT_LE(EcartMax(lue, attendue), GetParam().ecartPermis);
}

INSTANTIATE_TEST_SUITE_P(
    Couleurs, SortesDePng,
    ::testing::Values(CasPng{"rvb_opaque", Motif(QImage::Format_RGB32, 31, 17), 0},
                      CasPng{"rvb_avec_alpha", Motif(QImage::Format_ARGB32, 31, 17), 0},
                      CasPng{"palette_avec_transparence", MotifIndexe(), 0},
                      CasPng{"noir_et_blanc_1_bit", Motif(QImage::Format_Mono, 33, 7), 0},
                      CasPng{"gris_8_bits", Motif(QImage::Format_Grayscale8, 31, 17), 0},
                      CasPng{"gris_16_bits", Motif(QImage::Format_Grayscale16, 31, 17), 1},
                      CasPng{"rvba_16_bits", Motif(QImage::Format_RGBA64, 31, 17), 1},
                      CasPng{"un_pixel", Motif(QImage::Format_RGB32, 1, 1), 0}),
    [](const auto &info) { return info.param.nom; });

// An Adam7-interlaced RGB stream written with libpng itself.
QByteArray EnPngEntrelace(const QImage &image)
{
    std::vector<unsigned char> sortie;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &sortie,
        [](png_structp p, png_bytep d, size_t n) {
            auto *v = static_cast<std::vector<unsigned char> *>(png_get_io_ptr(p));
            v->insert(v->end(), d, d + n);
        },
        [](png_structp) {});
    png_set_IHDR(png, info, image.width(), image.height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_ADAM7,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    std::vector<png_bytep> lignes;
    for (int y = 0; y < image.height(); ++y)
        lignes.push_back(const_cast<png_bytep>(image.constScanLine(y)));
    png_write_image(png, lignes.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return QByteArray(reinterpret_cast<const char *>(sortie.data()), static_cast<qsizetype>(sortie.size()));
}

TEST(LecturePngFlux, UnFluxEntrelaceDonneChaquePixel)
{
    const QImage image = Motif(QImage::Format_RGB32, 29, 21).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(DecoderOctets(EnPngEntrelace(image)), image);
}

// Noise does not compress: the stream is several times the read buffer, and
// the picture is large enough for its pixels to take the large-page path.
TEST(LecturePngFlux, UnGrandFichierLuParMorceauxDonneChaquePixelEtSArreteALaFinDuFlux)
{
    QImage image(1200, 1000, QImage::Format_ARGB32);
    std::mt19937 hasard(7);
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ligne[x] = 0xFF000000u | (hasard() & 0xFFFFFFu);
    }
    const QByteArray png = EnPng(image);
    ASSERT_GT(png.size(), 3 << 20);

    QTemporaryDir dossier;
    QFile fichier(dossier.filePath(QStringLiteral("bruit.bin")));
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write("avant");
    fichier.write(png);
    fichier.write("apres");
    fichier.close();
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    ASSERT_TRUE(fichier.seek(5));
    const QImage lue = DecoderPngFlux(fichier, png.size());
    EXPECT_EQ(lue, image);
    EXPECT_LE(fichier.pos(), 5 + png.size());
}

TEST(LecturePngFlux, UnFluxCoupeEstRefuseQuelQueSoitLEndroit)
{
    const QByteArray octets = EnPng(Motif(QImage::Format_ARGB32, 64, 48));
    for (qsizetype n = 0; n < octets.size(); n += 7) {
        EXPECT_THROW((void)DecoderOctets(octets.left(n)), ErreurDecodage) << "longueur " << n;
        // The bytes may be there, beyond what the field owns.
        EXPECT_THROW((void)DecoderOctets(octets, n), ErreurDecodage) << "champ de " << n;
    }
}

TEST(LecturePngFlux, UneImageQueLesOctetsNePeuventContenirEstRefuseeAvantAllocation)
{
    // A valid header announcing 30000 x 30000 pixels, then almost nothing.
    QImage petite(1, 1, QImage::Format_RGB32);
    petite.fill(Qt::white);
    QByteArray octets = EnPng(petite);
    const qsizetype ihdr = octets.indexOf("IHDR");
    ASSERT_GT(ihdr, 0);
    const auto ecrireU32 = [&](qsizetype position, quint32 v) {
        for (int i = 0; i < 4; ++i)
            octets[position + i] = static_cast<char>((v >> (24 - 8 * i)) & 0xFF);
    };
    ecrireU32(ihdr + 4, 30000);
    ecrireU32(ihdr + 8, 30000);
    ecrireU32(ihdr + 17, static_cast<quint32>(crc32(crc32(0, nullptr, 0),
                                                    reinterpret_cast<const Bytef *>(octets.constData() + ihdr), 17)));
    try {
        (void)DecoderOctets(octets);
        FAIL() << "accepté";
    } catch (const ErreurDecodage &e) {
        EXPECT_FALSE(e.message().isEmpty());
    }
}

TEST(LecturePngFlux, DesOctetsQuiNeSontPasDuPngSontRefusesEnFrancais)
{
    try {
        (void)DecoderOctets(QByteArray("GIF89a et la suite du fichier"));
        FAIL() << "accepté";
    } catch (const ErreurDecodage &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("PNG"))) << e.what();
    }
}

} // namespace
