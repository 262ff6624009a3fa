// PNG decoding from a device: every colour type, depth and interlacing that
// libpng writes comes back pixel for pixel as libpng itself reads it, 16-bit
// samples as round(v / 257) and 8-bit ones as stored whatever the gamma,
// every colour type and depth that Qt writes as Qt reads it,
// a stream read in many buffers from a file comes back exactly, and damaged,
// cut or oversized streams are refused with a French message.

#include "commun/erreur.h"
#include "document/formats/decodeurs_image.h"
#include "document/formats/lecteur_image.h"
#include "document/formats/lecture_png_flux.h"
#include "support/png_libpng.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>

#include <cmath>
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
    libpng_essai::Ecriture e;
    e.largeur = image.width();
    e.hauteur = image.height();
    e.entrelace = true;
    for (int y = 0; y < image.height(); ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        std::vector<png_byte> echantillons;
        for (int x = 0; x < image.width(); ++x)
            echantillons.insert(echantillons.end(), {static_cast<png_byte>(qRed(ligne[x])),
                                                     static_cast<png_byte>(qGreen(ligne[x])),
                                                     static_cast<png_byte>(qBlue(ligne[x]))});
        e.lignes.push_back(std::move(echantillons));
    }
    return libpng_essai::Ecrire(e);
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

// ------------------------------------------- every format against libpng

namespace {

struct CasFormatPng {
    std::string nom;
    int typeCouleur;
    int profondeur;
    bool entrelace;
    bool transparence; // a tRNS chunk
    int largeur = 37;
    int hauteur = 23;
};

void PrintTo(const CasFormatPng &c, std::ostream *os)
{
    *os << c.nom;
}

// Random samples (libpng then picks every kind of filter), a palette as large
// as the depth allows, and a transparent key that some pixels carry.
libpng_essai::Ecriture Corpus(const CasFormatPng &c)
{
    libpng_essai::Ecriture e;
    e.largeur = c.largeur;
    e.hauteur = c.hauteur;
    e.typeCouleur = c.typeCouleur;
    e.profondeur = c.profondeur;
    e.entrelace = c.entrelace;
    const int canaux = c.typeCouleur == 2 ? 3 : c.typeCouleur == 4 ? 2 : c.typeCouleur == 6 ? 4 : 1;
    const int bitsPixel = canaux * c.profondeur;
    const std::size_t octetsLigne = (static_cast<std::size_t>(c.largeur) * bitsPixel + 7) / 8;
    std::mt19937 hasard(static_cast<unsigned>(c.typeCouleur * 100 + c.profondeur));
    for (int y = 0; y < c.hauteur; ++y) {
        std::vector<png_byte> ligne(octetsLigne);
        for (auto &o : ligne)
            o = static_cast<png_byte>(hasard() & 0xFF);
        e.lignes.push_back(ligne);
    }
    // Whole-byte pixels: every seventh pixel repeats the first one, the key.
    if (bitsPixel >= 8) {
        const std::size_t octetsPixel = static_cast<std::size_t>(bitsPixel / 8);
        for (int y = 0; y < c.hauteur; ++y)
            for (int x = 0; x < c.largeur; x += 7)
                std::copy_n(e.lignes[0].begin(), octetsPixel, e.lignes[static_cast<std::size_t>(y)].begin() + x * octetsPixel);
    }
    if (c.typeCouleur == PNG_COLOR_TYPE_PALETTE) {
        for (int i = 0; i < (1 << c.profondeur); ++i)
            e.palette.push_back(png_color{static_cast<png_byte>(i * 7), static_cast<png_byte>(255 - i),
                                          static_cast<png_byte>(i * 13)});
        if (c.transparence)
            for (int i = 0; i < std::max(1, (1 << c.profondeur) / 2); ++i)
                e.alphaPalette.push_back(static_cast<png_byte>(i * 37));
    } else if (c.transparence) {
        e.avecCle = true;
        const png_byte *p = e.lignes[0].data();
        const auto lire = [&](int k) {
            return c.profondeur == 16 ? static_cast<png_uint_16>((p[2 * k] << 8) | p[2 * k + 1])
                                      : c.profondeur == 8 ? png_uint_16{p[k]}
                                                          : static_cast<png_uint_16>(p[0] >> (8 - c.profondeur));
        };
        if (c.typeCouleur == PNG_COLOR_TYPE_GRAY)
            e.cle.gray = lire(0);
        else {
            e.cle.red = lire(0);
            e.cle.green = lire(1);
            e.cle.blue = lire(2);
        }
    }
    return e;
}

std::vector<CasFormatPng> FormatsPng()
{
    const struct {
        const char *nom;
        int type;
        std::vector<int> profondeurs;
        bool avecTrns;
    } types[] = {{"gris", PNG_COLOR_TYPE_GRAY, {1, 2, 4, 8, 16}, true},
                 {"rvb", PNG_COLOR_TYPE_RGB, {8, 16}, true},
                 {"palette", PNG_COLOR_TYPE_PALETTE, {1, 2, 4, 8}, true},
                 {"gris_alpha", PNG_COLOR_TYPE_GRAY_ALPHA, {8, 16}, false},
                 {"rvba", PNG_COLOR_TYPE_RGB_ALPHA, {8, 16}, false}};
    std::vector<CasFormatPng> cas;
    for (const auto &t : types)
        for (int profondeur : t.profondeurs)
            for (bool entrelace : {false, true})
                for (bool trns : {false, true}) {
                    if (trns && !t.avecTrns)
                        continue;
                    cas.push_back({std::string(t.nom) + "_" + std::to_string(profondeur) + "_bits" +
                                       (entrelace ? "_entrelace" : "") + (trns ? "_trns" : ""),
                                   t.type, profondeur, entrelace, trns});
                }
    // Interlaced pictures smaller than a pass's step leave passes empty.
    cas.push_back({"rvba_8_bits_entrelace_1x1", PNG_COLOR_TYPE_RGB_ALPHA, 8, true, false, 1, 1});
    cas.push_back({"gris_1_bit_entrelace_3x2", PNG_COLOR_TYPE_GRAY, 1, true, false, 3, 2});
    cas.push_back({"palette_4_bits_entrelace_9x5", PNG_COLOR_TYPE_PALETTE, 4, true, true, 9, 5});
    return cas;
}

class FormatsPngContreLibpng : public ::testing::TestWithParam<CasFormatPng> {};

TEST_P(FormatsPngContreLibpng, DonnentPixelPourPixelCeQueLitLibpng)
{
    libpng_essai::Ecriture e = Corpus(GetParam());
    const QByteArray octets = libpng_essai::Ecrire(e);
    const QImage attendue = libpng_essai::Lire(octets);
    ASSERT_FALSE(attendue.isNull());
    const QImage lue = DecoderOctets(octets);
    ASSERT_EQ(lue.format(), QImage::Format_ARGB32);
    ASSERT_EQ(lue.size(), attendue.size());
    for (int y = 0; y < lue.height(); ++y)
        for (int x = 0; x < lue.width(); ++x)
            ASSERT_EQ(lue.pixel(x, y), attendue.pixel(x, y)) << "pixel " << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Tous, FormatsPngContreLibpng, ::testing::ValuesIn(FormatsPng()),
                         [](const auto &info) { return info.param.nom; });

// 16-bit samples v read as round(v / 257), whatever the colour type, and
// 8-bit samples as stored even when a gAMA chunk asks for a conversion.
struct CasRampe {
    std::string nom;
    int typeCouleur;
};

void PrintTo(const CasRampe &c, std::ostream *os)
{
    *os << c.nom;
}

class Rampe16Bits : public ::testing::TestWithParam<CasRampe> {};

TEST_P(Rampe16Bits, ChaqueEchantillonDevientSonQuotientArrondiPar257)
{
    const int type = GetParam().typeCouleur;
    const int canaux = type == PNG_COLOR_TYPE_RGB ? 3 : type == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                                    : type == PNG_COLOR_TYPE_RGB_ALPHA ? 4 : 1;
    // The ramp: every 97th level, the top level, and the levels on either
    // side of a half (257k + 128 and 257k + 129).
    std::vector<unsigned> niveaux;
    for (unsigned v = 0; v < 65536; v += 97)
        niveaux.push_back(v);
    for (unsigned k = 0; k < 255; k += 17) {
        niveaux.push_back(257 * k + 128);
        niveaux.push_back(257 * k + 129);
    }
    niveaux.push_back(65535);
    libpng_essai::Ecriture e;
    e.largeur = static_cast<int>(niveaux.size());
    e.hauteur = 1;
    e.typeCouleur = type;
    e.profondeur = 16;
    e.gamma = 1.0; // linear samples, which a converting reader would brighten
    std::vector<png_byte> ligne;
    for (unsigned v : niveaux)
        for (int c = 0; c < canaux; ++c) {
            // Alpha, when there is one, runs down the ramp.
            const unsigned w = (c == canaux - 1 && (type & PNG_COLOR_MASK_ALPHA)) ? 65535 - v : v;
            ligne.push_back(static_cast<png_byte>(w >> 8));
            ligne.push_back(static_cast<png_byte>(w & 0xFF));
        }
    e.lignes.push_back(ligne);

    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("rampe.png"));
    QFile fichier(chemin);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write(libpng_essai::Ecrire(e));
    fichier.close();
    const QImage lue = LireImage(chemin);
    ASSERT_EQ(lue.width(), static_cast<int>(niveaux.size()));
    for (std::size_t i = 0; i < niveaux.size(); ++i) {
        const auto attendu = [](unsigned v) { return static_cast<int>(std::lround(v / 257.0)); };
        const QRgb p = reinterpret_cast<const QRgb *>(lue.constScanLine(0))[i];
        const int a = (type & PNG_COLOR_MASK_ALPHA) ? attendu(65535 - niveaux[i]) : 255;
        ASSERT_EQ(qRed(p), attendu(niveaux[i])) << "niveau " << niveaux[i];
        ASSERT_EQ(qGreen(p), attendu(niveaux[i])) << "niveau " << niveaux[i];
        ASSERT_EQ(qBlue(p), attendu(niveaux[i])) << "niveau " << niveaux[i];
        ASSERT_EQ(qAlpha(p), a) << "niveau " << niveaux[i];
    }
}

INSTANTIATE_TEST_SUITE_P(Types, Rampe16Bits,
                         ::testing::Values(CasRampe{"gris", PNG_COLOR_TYPE_GRAY}, CasRampe{"rvb", PNG_COLOR_TYPE_RGB},
                                           CasRampe{"gris_alpha", PNG_COLOR_TYPE_GRAY_ALPHA},
                                           CasRampe{"rvba", PNG_COLOR_TYPE_RGB_ALPHA}),
                         [](const auto &info) { return info.param.nom; });

TEST(LecturePngFichier, DesEchantillonsDe8BitsRestentCommeEcritsMalgreUnGamma)
{
    libpng_essai::Ecriture e;
    e.largeur = 256;
    e.typeCouleur = PNG_COLOR_TYPE_GRAY;
    e.gamma = 1.0;
    std::vector<png_byte> ligne(256);
    for (int v = 0; v < 256; ++v)
        ligne[static_cast<std::size_t>(v)] = static_cast<png_byte>(v);
    e.lignes.push_back(ligne);
    const QImage lue = DecoderPng(libpng_essai::Ecrire(e));
    for (int v = 0; v < 256; ++v)
        ASSERT_EQ(lue.pixel(v, 0), qRgb(v, v, v)) << "niveau " << v;
}

} // namespace
