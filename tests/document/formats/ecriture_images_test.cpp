// The picture writers: what they write must read back, through Qt's own
// decoders (an independent implementation), as the picture that was written.

#include "support/nom_cas.h"

#include "commun/erreur.h"
#include "document/formats/ecriture_bmp.h"
#include "document/formats/ecriture_gif.h"
#include "document/formats/ecriture_jpeg.h"
#include "document/formats/ecriture_png.h"
#include "support/png_libpng.h"

#include <QBuffer>
#include <QImage>
#include <QSet>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <functional>
#include <random>
#include <ostream>
#include <string>

namespace {

// A diagram: flat colours, a few lines, 17 × 11 so that 24-bit rows need padding.
QImage Schema(bool transparent = false)
{
    QImage image(17, 11, QImage::Format_ARGB32);
    image.fill(qRgb(255, 255, 255));
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (x == y)
                ligne[x] = qRgb(200, 10, 30);
            else if (y == 5)
                ligne[x] = qRgb(0, 0, 255);
            else if (x > 12)
                ligne[x] = qRgb(20, 160, 40);
            if (transparent && x < 3)
                ligne[x] = qRgba(10 * x, 20, 30, 40 * y);
        }
    }
    return image;
}

// A photograph-like picture: smooth gradients, far more than 256 colours.
QImage Degrade(int largeur = 96, int hauteur = 64)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    for (int y = 0; y < hauteur; ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x)
            ligne[x] = qRgb(x * 255 / (largeur - 1), y * 255 / (hauteur - 1), (x + y) * 255 / (largeur + hauteur - 2));
    }
    return image;
}

QByteArray Ecrire(const std::function<void(QIODevice &)> &ecrire)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    ecrire(tampon);
    return octets;
}

// Pixels as 0xAARRGGBB, for comparisons that print the first difference.
void AttendreMemesPixels(const QImage &attendue, const QImage &lue)
{
    ASSERT_EQ(attendue.size(), lue.size());
    const QImage a = attendue.convertToFormat(QImage::Format_ARGB32);
    const QImage b = lue.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto *la = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            ASSERT_EQ(la[x], lb[x]) << "pixel (" << x << ", " << y << ")";
    }
}

double EcartMoyen(const QImage &a, const QImage &b)
{
    const QImage p = a.convertToFormat(QImage::Format_ARGB32);
    const QImage q = b.convertToFormat(QImage::Format_ARGB32);
    double somme = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const QRgb u = reinterpret_cast<const QRgb *>(p.constScanLine(y))[x];
            const QRgb v = reinterpret_cast<const QRgb *>(q.constScanLine(y))[x];
            somme += std::abs(qRed(u) - qRed(v)) + std::abs(qGreen(u) - qGreen(v)) + std::abs(qBlue(u) - qBlue(v));
        }
    return somme / (3.0 * p.width() * p.height());
}

struct CasSansPerte {
    std::string nom;
    std::function<void(const QImage &, QIODevice &)> ecrire;
    const char *format;
    bool garderAlpha;
};

void PrintTo(const CasSansPerte &c, std::ostream *os) { *os << c.nom; }

class EcritureSansPerte : public ::testing::TestWithParam<CasSansPerte> {};

TEST_P(EcritureSansPerte, UnSchemaOpaqueSeRelitPixelPourPixel)
{
    const QImage image = Schema();
    const QByteArray octets = Ecrire([&](QIODevice &d) { GetParam().ecrire(image, d); });
    QImage lue;
    ASSERT_TRUE(lue.loadFromData(octets, GetParam().format));
    AttendreMemesPixels(image, lue);
}

TEST_P(EcritureSansPerte, LaTransparenceSeRelitQuandLeFormatLaGarde)
{
    const QImage image = Schema(true);
    const QByteArray octets = Ecrire([&](QIODevice &d) { GetParam().ecrire(image, d); });
    QImage lue;
    ASSERT_TRUE(lue.loadFromData(octets, GetParam().format));
    if (GetParam().garderAlpha) {
        AttendreMemesPixels(image, lue);
        return;
    }
    // Alpha dropped: the colours stay, every pixel becomes opaque.
    QImage opaque = image;
    for (int y = 0; y < opaque.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(opaque.scanLine(y));
        for (int x = 0; x < opaque.width(); ++x)
            ligne[x] |= 0xFF000000u;
    }
    AttendreMemesPixels(opaque, lue);
}

const CasSansPerte kCasSansPerte[] = {
    {"png", [](const QImage &i, QIODevice &d) { EcrirePng(i, d); }, "PNG", true},
    {"bmp 32 bits", [](const QImage &i, QIODevice &d) { EcrireBmp(i, 32, d); }, "BMP", true},
    {"bmp 24 bits", [](const QImage &i, QIODevice &d) { EcrireBmp(i, 24, d); }, "BMP", false},
    {"gif d'au plus 256 couleurs", [](const QImage &i, QIODevice &d) { EcrireGif(i, d); }, "GIF", false},
};

INSTANTIATE_TEST_SUITE_P(Ecrivains, EcritureSansPerte, ::testing::ValuesIn(kCasSansPerte),
                         NomDuCas());

TEST(EcritureBmp, UnBmp24BitsDeDeuxPixelsSurDeuxLignesALesOctetsAttendus)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(1, 0, qRgb(4, 5, 6));
    image.setPixel(0, 1, qRgb(7, 8, 9));
    image.setPixel(1, 1, qRgb(10, 11, 12));
    const QByteArray octets = Ecrire([&](QIODevice &d) { EcrireBmp(image, 24, d); });
    // Rows of 6 bytes padded to 8, bottom row first, B G R order.
    const unsigned char attendus[] = {
        'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                // file header
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,  // size, w, h, planes, bits, BI_RGB
        16, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        9, 8, 7, 12, 11, 10, 0, 0,                                      // row y = 1
        3, 2, 1, 6, 5, 4, 0, 0,                                         // row y = 0
    };
    EXPECT_EQ(octets, QByteArray(reinterpret_cast<const char *>(attendus), sizeof attendus));
}

TEST(EcritureBmp, UnBmp32BitsDeclareUnMasqueAlpha)
{
    const QByteArray octets = Ecrire([&](QIODevice &d) { EcrireBmp(Schema(), 32, d); });
    const auto *p = reinterpret_cast<const uchar *>(octets.constData());
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 14), 124u);        // BITMAPV5HEADER
    EXPECT_EQ(qFromLittleEndian<quint16>(p + 28), 32u);         // bits per pixel
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 30), 3u);          // BI_BITFIELDS
    EXPECT_EQ(qFromLittleEndian<quint32>(p + 66), 0xFF000000u); // alpha mask
    EXPECT_EQ(octets.size(), 14 + 124 + 17 * 11 * 4);
}

TEST(EcriturePng, UneImageOpaqueEstEcriteEnRvbEtUneImageTransparenteEnRvba)
{
    const QByteArray opaque = Ecrire([&](QIODevice &d) { EcrirePng(Schema(), d); });
    const QByteArray transparente = Ecrire([&](QIODevice &d) { EcrirePng(Schema(true), d); });
    EXPECT_EQ(opaque.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(static_cast<int>(opaque[25]), 2);       // colour type RGB
    EXPECT_EQ(static_cast<int>(transparente[25]), 6); // colour type RGBA
}

// What EcrirePng writes, libpng reads back bit for bit, whichever filter the
// picture gets: flat colours, gradients, noise, transparency, a single pixel,
// and a picture large enough for its rows to be filtered in several slices.
struct CasPngLibpng {
    std::string nom;
    std::function<QImage()> image;
};

void PrintTo(const CasPngLibpng &c, std::ostream *os)
{
    *os << c.nom;
}

QImage Bruit(int largeur, int hauteur, bool transparent)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    std::mt19937 hasard(11);
    for (int y = 0; y < hauteur; ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x)
            ligne[x] = hasard() | (transparent ? 0u : 0xFF000000u);
    }
    return image;
}

// Vertical bands that repeat along each row, and a gradient under them.
QImage Bandes(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    for (int y = 0; y < hauteur; ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x)
            ligne[x] = qRgb((x / 7 + y / 11) & 0xFF, (x * y / 97) & 0xFF, ((x ^ y) / 5) & 0xFF);
    }
    return image;
}

class EcriturePngContreLibpng : public ::testing::TestWithParam<CasPngLibpng> {};

TEST_P(EcriturePngContreLibpng, LibpngRelitChaquePixel)
{
    const QImage image = GetParam().image().convertToFormat(QImage::Format_ARGB32);
    const QImage lue = libpng_essai::Lire(Ecrire([&](QIODevice &d) { EcrirePng(image, d); }));
    ASSERT_FALSE(lue.isNull());
    ASSERT_EQ(lue.size(), image.size());
    for (int y = 0; y < image.height(); ++y)
        ASSERT_EQ(std::memcmp(lue.constScanLine(y), image.constScanLine(y), static_cast<std::size_t>(image.width()) * 4),
                  0)
            << "ligne " << y;
}

INSTANTIATE_TEST_SUITE_P(
    Images, EcriturePngContreLibpng,
    ::testing::Values(CasPngLibpng{"schema", [] { return Schema(); }},
                      CasPngLibpng{"schema_transparent", [] { return Schema(true); }},
                      CasPngLibpng{"degrade", [] { return Degrade(); }},
                      CasPngLibpng{"bruit_opaque", [] { return Bruit(61, 40, false); }},
                      CasPngLibpng{"bruit_transparent", [] { return Bruit(61, 40, true); }},
                      CasPngLibpng{"bandes", [] { return Bandes(300, 200); }},
                      CasPngLibpng{"un_pixel", [] { return Bruit(1, 1, true); }},
                      CasPngLibpng{"une_colonne", [] { return Degrade(2, 90).copy(0, 0, 1, 90); }},
                      CasPngLibpng{"grande_en_tranches", [] { return Bandes(2500, 2400); }}),
    [](const auto &info) { return info.param.nom; });

TEST(EcritureJpeg, UneQualitePlusHauteDonneUneImagePlusFideleEtPlusLourde)
{
    const QImage image = Degrade();
    const QByteArray q50 = Ecrire([&](QIODevice &d) { EcrireJpeg(image, 50, d); });
    const QByteArray q100 = Ecrire([&](QIODevice &d) { EcrireJpeg(image, 100, d); });
    QImage l50, l100;
    ASSERT_TRUE(l50.loadFromData(q50, "JPEG"));
    ASSERT_TRUE(l100.loadFromData(q100, "JPEG"));
    EXPECT_GT(q100.size(), q50.size());
    EXPECT_LT(EcartMoyen(image, l100), EcartMoyen(image, l50));
    EXPECT_LT(EcartMoyen(image, l100), 1.5);
}

TEST(EcritureJpeg, UneQualiteHorsDeLIntervalleEstRameneeA50Ou100)
{
    const QImage image = Degrade();
    const auto jpeg = [&](int q) { return Ecrire([&](QIODevice &d) { EcrireJpeg(image, q, d); }); };
    EXPECT_EQ(jpeg(10), jpeg(50));
    EXPECT_EQ(jpeg(400), jpeg(100));
}

TEST(EcritureGif, UnePhotographieEstRameneeAuPlus256CouleursProchesDesVraies)
{
    const QImage image = Degrade(120, 90);
    const QByteArray octets = Ecrire([&](QIODevice &d) { EcrireGif(image, d); });
    QImage lue;
    ASSERT_TRUE(lue.loadFromData(octets, "GIF"));
    ASSERT_EQ(lue.size(), image.size());
    const QImage argb = lue.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> couleurs;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            couleurs.insert(reinterpret_cast<const QRgb *>(argb.constScanLine(y))[x]);
    EXPECT_LE(couleurs.size(), 256);
    EXPECT_GT(couleurs.size(), 64);
    EXPECT_LT(EcartMoyen(image, lue), 4.0);
}

TEST(EcritureGif, UneImageDUnePixelSeRelit)
{
    QImage image(1, 1, QImage::Format_ARGB32);
    image.fill(qRgb(12, 34, 56));
    const QByteArray octets = Ecrire([&](QIODevice &d) { EcrireGif(image, d); });
    QImage lue;
    ASSERT_TRUE(lue.loadFromData(octets, "GIF"));
    AttendreMemesPixels(image, lue);
}

// A device that accepts a few bytes, then reports a full disk.
class DisquePlein : public QIODevice {
public:
    explicit DisquePlein(qint64 place) : place_(place) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 n) override
    {
        if (n > place_)
            return -1;
        place_ -= n;
        return n;
    }

private:
    qint64 place_;
};

struct CasEcrivain {
    std::string nom;
    std::function<void(const QImage &, QIODevice &)> ecrire;
};

void PrintTo(const CasEcrivain &c, std::ostream *os) { *os << c.nom; }

class EcrivainEnErreur : public ::testing::TestWithParam<CasEcrivain> {};

TEST_P(EcrivainEnErreur, UnDisquePleinDonneUneErreurDeFichier)
{
    DisquePlein disque(100);
    EXPECT_THROW(GetParam().ecrire(Degrade(300, 200), disque), ErreurFichier);
}

TEST_P(EcrivainEnErreur, UneImageVideEstRefusee)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    EXPECT_THROW(GetParam().ecrire(QImage(), tampon), ErreurDecodage);
}

const CasEcrivain kEcrivains[] = {
    {"png", [](const QImage &i, QIODevice &d) { EcrirePng(i, d); }},
    {"jpeg", [](const QImage &i, QIODevice &d) { EcrireJpeg(i, 90, d); }},
    {"gif", [](const QImage &i, QIODevice &d) { EcrireGif(i, d); }},
    {"bmp24", [](const QImage &i, QIODevice &d) { EcrireBmp(i, 24, d); }},
    {"bmp32", [](const QImage &i, QIODevice &d) { EcrireBmp(i, 32, d); }},
};

INSTANTIATE_TEST_SUITE_P(Ecrivains, EcrivainEnErreur, ::testing::ValuesIn(kEcrivains),
                         [](const auto &info) { return info.param.nom; });

} // namespace
