// Pictures of 16-bit samples open at the brightness they hold: every reader
// reduces a 16-bit sample v to round(v / 257), with no gamma or colour-profile
// conversion. The fixture is a ramp over the whole 16-bit range that passes
// through the values where the rule differs from keeping the high byte (200
// gives 1, 65280 gives 254) and from a gamma curve (the middle values); the
// expected bytes come from floating-point division, not from the reader's
// integer formula. TIFF files are written by libtiff's own writer, PGM and
// PPM files by hand.

#include "document/formats/lecteur_image.h"
#include "support/fichier_essai.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <tiffio.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr int kLargeur = 300;
constexpr int kHauteur = 3;

// Sample (x, y) of channel k of the ramp: the three channels and the rows
// differ, so that a swapped channel or row shows.
uint16_t Rampe(int x, int y, int k)
{
    static const uint16_t particuliers[] = {0, 1, 127, 128, 129, 200, 385, 386, 32767, 32768, 65280, 65407, 65535};
    constexpr int n = sizeof particuliers / sizeof particuliers[0];
    uint32_t v = x < n ? particuliers[x] : static_cast<uint32_t>((x - n) * 65535 / (kLargeur - n - 1));
    v = (v + static_cast<uint32_t>(k) * 20011u + static_cast<uint32_t>(y) * 7u) % 65536u;
    return static_cast<uint16_t>(v);
}

int Attendu(uint32_t v)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(v) / 257.0));
}

struct CasTiff {
    std::string nom;
    uint16_t photometrie;
    int echantillons;         // 1 grey, 2 grey + alpha, 3 RGB, 4 RGB + alpha
    uint16_t plan;            // PLANARCONFIG_CONTIG or _SEPARATE
    uint16_t compression;
    uint32_t tuile;           // 0: strips, else square tiles of this side
    uint32_t lignesParBande;  // strips
};

void PrintTo(const CasTiff &c, std::ostream *os) { *os << c.nom; }

// Writes the ramp with libtiff; the alpha sample, when there is one, is an
// unassociated alpha.
bool EcrireTiff(const QString &chemin, const CasTiff &c)
{
    TIFF *tif = TIFFOpen(QFile::encodeName(chemin).constData(), "w");
    if (!tif)
        return false;
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(kLargeur));
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(kHauteur));
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 16);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, c.echantillons);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, c.photometrie);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, c.plan);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, c.compression);
    if (c.echantillons == 2 || c.echantillons == 4) {
        uint16_t extra = EXTRASAMPLE_UNASSALPHA;
        TIFFSetField(tif, TIFFTAG_EXTRASAMPLES, 1, &extra);
    }
    const int plans = c.plan == PLANARCONFIG_SEPARATE ? c.echantillons : 1;
    const int parPixel = c.plan == PLANARCONFIG_SEPARATE ? 1 : c.echantillons;
    bool ok = true;
    if (c.tuile > 0) {
        TIFFSetField(tif, TIFFTAG_TILEWIDTH, c.tuile);
        TIFFSetField(tif, TIFFTAG_TILELENGTH, c.tuile);
        std::vector<uint16_t> tuile(static_cast<size_t>(c.tuile) * c.tuile * parPixel);
        for (int p = 0; p < plans; ++p)
            for (uint32_t y0 = 0; y0 < kHauteur; y0 += c.tuile)
                for (uint32_t x0 = 0; x0 < kLargeur; x0 += c.tuile) {
                    std::fill(tuile.begin(), tuile.end(), uint16_t{0});
                    for (uint32_t r = 0; r < c.tuile && y0 + r < kHauteur; ++r)
                        for (uint32_t x = 0; x < c.tuile && x0 + x < kLargeur; ++x)
                            for (int k = 0; k < parPixel; ++k)
                                tuile[(r * c.tuile + x) * parPixel + k] =
                                    Rampe(static_cast<int>(x0 + x), static_cast<int>(y0 + r), plans > 1 ? p : k);
                    ok = ok && TIFFWriteTile(tif, tuile.data(), x0, y0, 0, static_cast<uint16_t>(p)) >= 0;
                }
    } else {
        TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, c.lignesParBande);
        std::vector<uint16_t> ligne(static_cast<size_t>(kLargeur) * parPixel);
        for (int p = 0; p < plans; ++p)
            for (int y = 0; y < kHauteur; ++y) {
                for (int x = 0; x < kLargeur; ++x)
                    for (int k = 0; k < parPixel; ++k)
                        ligne[static_cast<size_t>(x) * parPixel + k] = Rampe(x, y, plans > 1 ? p : k);
                ok = ok && TIFFWriteScanline(tif, ligne.data(), static_cast<uint32_t>(y), static_cast<uint16_t>(p)) >= 0;
            }
    }
    TIFFClose(tif);
    return ok;
}

// The pixel the rule gives for samples (s0, s1, s2, s3) of a picture of
// that layout.
QRgb PixelAttendu(int x, int y, int echantillons, bool inverse)
{
    const auto c = [&](int k) {
        const uint32_t v = Rampe(x, y, k);
        return Attendu(inverse ? 65535u - v : v);
    };
    switch (echantillons) {
    case 1: return qRgb(c(0), c(0), c(0));
    case 2: return qRgba(c(0), c(0), c(0), Attendu(Rampe(x, y, 1)));
    case 3: return qRgb(c(0), c(1), c(2));
    default: return qRgba(c(0), c(1), c(2), Attendu(Rampe(x, y, 3)));
    }
}

// Number of pixels that differ from the rule, with the first one described.
int Ecarts(const QImage &image, int echantillons, bool inverse, std::string *premier)
{
    int n = 0;
    for (int y = 0; y < kHauteur; ++y)
        for (int x = 0; x < kLargeur; ++x) {
            const QRgb lu = image.pixel(x, y);
            const QRgb attendu = PixelAttendu(x, y, echantillons, inverse);
            if (lu != attendu && n++ == 0)
                *premier = "(" + std::to_string(x) + ", " + std::to_string(y) + ") lu " + std::to_string(lu)
                           + " attendu " + std::to_string(attendu) + " pour " + std::to_string(Rampe(x, y, 0));
        }
    return n;
}

class Tiff16 : public ::testing::TestWithParam<CasTiff> {
protected:
    QTemporaryDir dossier_;
};

TEST_P(Tiff16, each_sample_becomes_its_value_divided_by_257_rounded)
{
    const CasTiff &c = GetParam();
    const QString chemin = dossier_.filePath(QStringLiteral("rampe.tif"));
    ASSERT_TRUE(EcrireTiff(chemin, c));
    const QImage image = LireImage(chemin);
    ASSERT_EQ(image.size(), QSize(kLargeur, kHauteur));
    std::string premier;
    EXPECT_EQ(Ecarts(image, c.echantillons, c.photometrie == PHOTOMETRIC_MINISWHITE, &premier), 0) << premier;
}

const CasTiff kTiffs[] = {
    {"grey", PHOTOMETRIC_MINISBLACK, 1, PLANARCONFIG_CONTIG, COMPRESSION_NONE, 0, 1},
    {"grey_zero_is_white", PHOTOMETRIC_MINISWHITE, 1, PLANARCONFIG_CONTIG, COMPRESSION_NONE, 0, 2},
    {"grey_with_alpha", PHOTOMETRIC_MINISBLACK, 2, PLANARCONFIG_CONTIG, COMPRESSION_NONE, 0, 3},
    {"rgb", PHOTOMETRIC_RGB, 3, PLANARCONFIG_CONTIG, COMPRESSION_NONE, 0, 1},
    {"rgb_deflate_in_one_strip", PHOTOMETRIC_RGB, 3, PLANARCONFIG_CONTIG, COMPRESSION_ADOBE_DEFLATE, 0, 3},
    {"rgb_in_planes", PHOTOMETRIC_RGB, 3, PLANARCONFIG_SEPARATE, COMPRESSION_NONE, 0, 2},
    {"rgba_lzw", PHOTOMETRIC_RGB, 4, PLANARCONFIG_CONTIG, COMPRESSION_LZW, 0, 2},
    {"grey_in_tiles", PHOTOMETRIC_MINISBLACK, 1, PLANARCONFIG_CONTIG, COMPRESSION_NONE, 16, 0},
    {"rgb_in_tiles_and_planes", PHOTOMETRIC_RGB, 3, PLANARCONFIG_SEPARATE, COMPRESSION_ADOBE_DEFLATE, 32, 0},
};

INSTANTIATE_TEST_SUITE_P(Rampes, Tiff16, ::testing::ValuesIn(kTiffs),
                         [](const auto &info) { return info.param.nom; });

// Portable grey and colour maps with a maximum of 65535, read through Qt's
// plugin: big-endian samples after a text header.
QByteArray Pnm(int echantillons)
{
    QByteArray octets = (echantillons == 1 ? QByteArray("P5\n") : QByteArray("P6\n"))
                        + QByteArray::number(kLargeur) + ' ' + QByteArray::number(kHauteur) + "\n65535\n";
    for (int y = 0; y < kHauteur; ++y)
        for (int x = 0; x < kLargeur; ++x)
            for (int k = 0; k < echantillons; ++k) {
                const uint16_t v = Rampe(x, y, k);
                octets.append(static_cast<char>(v >> 8));
                octets.append(static_cast<char>(v & 0xFF));
            }
    return octets;
}

TEST(Pnm16, grey_and_colour_maps_of_16_bits_follow_the_same_rule)
{
    QTemporaryDir dossier;
    for (const int echantillons : {1, 3}) {
        const QString chemin = dossier.filePath(echantillons == 1 ? QStringLiteral("rampe.pgm") : QStringLiteral("rampe.ppm"));
        ASSERT_TRUE(EcrireFichier(chemin, Pnm(echantillons)));
        const QImage image = LireImage(chemin);
        ASSERT_EQ(image.size(), QSize(kLargeur, kHauteur));
        std::string premier;
        EXPECT_EQ(Ecarts(image, echantillons, false, &premier), 0) << echantillons << " : " << premier;
    }
}

} // namespace
