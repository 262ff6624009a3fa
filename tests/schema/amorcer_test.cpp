// Priming: the darkness rule for one pair of pixels worked by hand, uniform
// areas and an edge primed to literal greys, and every pixel of a random
// picture checked against the rule applied pair by pair.

#include "schema/amorcer.h"
#include "schema/comparer_pixels.h"
#include "schema/mesures_pixel.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace
{

TParamStyleDes Normal()
{
    return StylesIntegres().front().param;
}

struct CasPaire {
    const char *nom;
    QRgb p;
    QRgb q;
    int attendu;
};

void PrintTo(const CasPaire &c, std::ostream *os)
{
    *os << c.nom;
}

class ComparaisonNormal : public testing::TestWithParam<CasPaire>
{
};

TEST_P(ComparaisonNormal, GivesTheHandWorkedDarkness)
{
    EXPECT_EQ(ComparerPixels(Normal(), GetParam().p, GetParam().q), GetParam().attendu);
    EXPECT_EQ(ComparerPixels(Normal(), GetParam().q, GetParam().p), GetParam().attendu);
}

// With "normal" (threshold 20, gradient 80 on B, G, R): 255 - round(E * 255 / 80).
INSTANTIATE_TEST_SUITE_P(
    PairesDePixels, ComparaisonNormal,
    testing::Values(CasPaire{"blue_differs_by_50", qRgb(200, 100, 50), qRgb(200, 100, 100), 96},
                    CasPaire{"difference_equal_to_threshold", qRgb(10, 10, 10), qRgb(10, 30, 10), 255},
                    CasPaire{"just_above_threshold", qRgb(10, 10, 10), qRgb(10, 31, 10), 188},
                    CasPaire{"difference_equal_to_gradient", qRgb(10, 10, 10), qRgb(90, 10, 10), 0},
                    CasPaire{"above_gradient", qRgb(0, 0, 0), qRgb(0, 0, 200), 0},
                    CasPaire{"the_largest_difference_wins", qRgb(100, 100, 100), qRgb(140, 70, 100), 127}),
    [](const testing::TestParamInfo<CasPaire> &i) { return std::string(i.param.nom); });

TEST(MesuresPixel, HueAndSaturationFollowTheirDefinitions)
{
    // Sat = round((255 - 0) * 255 / 255) = 255; R = Mx: round(90 (G - B) / 255).
    EXPECT_EQ(MesurerPixel(qRgb(255, 0, 0), 80).v, (std::array<int, 6>{0, 0, 255, 0, 255, 255}));
    EXPECT_EQ(MesurerPixel(qRgb(0, 255, 0), 80).v[Teinte], 180);
    EXPECT_EQ(MesurerPixel(qRgb(0, 0, 255), 80).v[Teinte], 360);
    EXPECT_EQ(MesurerPixel(qRgb(255, 0, 255), 80).v[Teinte], 270); // -90 + 360
    // (200, 100, 50): Sat = round(150 * 255 / 200) = round(191.25) = 191.
    EXPECT_EQ(MesurerPixel(qRgb(200, 100, 50), 80).v[Sat], 191);
    // Sat at the threshold: no hue. (100, 80, 80): round(20 * 255 / 100) = 51.
    EXPECT_EQ(MesurerPixel(qRgb(100, 80, 80), 51).v[Teinte], kTeinteIndefinie);
    EXPECT_NE(MesurerPixel(qRgb(100, 80, 80), 50).v[Teinte], kTeinteIndefinie);
    // Halves go to the even integer: 90 * 1 / 4 = 22.5 gives 22.
    EXPECT_EQ(TeintePixel(4, 1, 0, 0), 22);
}

TEST(MesuresPixel, AGreyPixelHasNoHueSoHueIsSkipped)
{
    TParamStyleDes p{};
    p.Actif[Teinte] = true;
    p.Seuil[Teinte] = 1;
    p.Degrad[Teinte] = 2;
    EXPECT_EQ(ComparerPixels(p, qRgb(128, 128, 128), qRgb(0, 255, 0)), 255);
    EXPECT_EQ(ComparerPixels(p, qRgb(255, 0, 0), qRgb(0, 255, 0)), 0);
}

QImage Uniforme(int w, int h, QRgb c)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(c);
    return image;
}

std::vector<int> Gris(const QImage &schema)
{
    std::vector<int> g;
    for (int y = 0; y < schema.height(); ++y)
        for (int x = 0; x < schema.width(); ++x) {
            const QRgb c = schema.pixel(x, y);
            EXPECT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c));
            g.push_back(qRed(c));
        }
    return g;
}

struct CasUniforme {
    const char *nom;
    int gris;
    int attendu;
};

void PrintTo(const CasUniforme &c, std::ostream *os)
{
    *os << c.nom;
}

class AmorcageUniforme : public testing::TestWithParam<CasUniforme>
{
};

TEST_P(AmorcageUniforme, GivesOneGreyEverywhere)
{
    const int g = GetParam().gris;
    const QImage schema = Amorcer(Uniforme(7, 5, qRgb(g, g, g)), Normal());
    ASSERT_EQ(schema.size(), QSize(7, 5));
    EXPECT_EQ(Gris(schema), std::vector<int>(35, GetParam().attendu));
}

// Dark marking of grey 50: round((50 - 40) * 128 / (60 - 40)) = 64; grey 250
// lies above LimiteBlanc 245; grey 128 has no differences.
INSTANTIATE_TEST_SUITE_P(ZonesUniformes, AmorcageUniforme,
                         testing::Values(CasUniforme{"grey_50_is_marked_dark", 50, 64},
                                         CasUniforme{"grey_40_is_black", 40, 0},
                                         CasUniforme{"grey_250_is_marked_white", 250, 255},
                                         CasUniforme{"grey_128_is_white", 128, 255}),
                         [](const testing::TestParamInfo<CasUniforme> &i) { return std::string(i.param.nom); });

TEST(Amorcage, AnEdgeDarkensThePixelsWhoseNeighboursCrossIt)
{
    // Columns 0-1 (200, 100, 50), columns 2-3 (200, 100, 100); "normal" tests
    // the neighbours (1, 0), (-1, 1), (0, 1), (1, 1).
    QImage image = Uniforme(4, 3, qRgb(200, 100, 50));
    for (int y = 0; y < 3; ++y)
        for (int x = 2; x < 4; ++x)
            image.setPixel(x, y, qRgb(200, 100, 100));
    const std::vector<int> attendu{255, 96, 96,  255, //
                                   255, 96, 96,  255, //
                                   255, 96, 255, 255};
    EXPECT_EQ(Gris(Amorcer(image, Normal())), attendu);
}

TEST(Amorcage, APictureOfOnePixelIsWhite)
{
    EXPECT_EQ(Gris(Amorcer(Uniforme(1, 1, qRgb(10, 200, 30)), Normal())), std::vector<int>{255});
    EXPECT_TRUE(Amorcer(QImage(), Normal()).isNull());
}

// The rule applied pair by pair, neighbour after neighbour.
int ParPaires(const QImage &image, const TParamStyleDes &p, int x, int y)
{
    const QRgb c = image.pixel(x, y);
    const int h = LuminositeMarquage(qRed(c), qGreen(c), qBlue(c), p.ModeLum);
    if (p.MarquerNoir && h < p.DegradNoir) {
        if (p.SeuilNoir < p.DegradNoir && p.SeuilNoir < h)
            return static_cast<int>(ArrondiQuotient((h - p.SeuilNoir) * 128, p.DegradNoir - p.SeuilNoir));
        return 0;
    }
    if (p.MarquerBlanc && h > p.LimiteBlanc)
        return 255;
    int f = 255;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            if ((dx || dy) && p.Point(dx, dy) && image.rect().contains(x + dx, y + dy))
                f = std::min(f, ComparerPixels(p, c, image.pixel(x + dx, y + dy)));
    return f;
}

TEST(Amorcage, EveryPixelMatchesThePairByPairRuleUpToTheBorders)
{
    QRandomGenerator alea(26);
    const QRgb palette[] = {qRgb(200, 30, 30),   qRgb(90, 90, 90), qRgb(30, 200, 60),  qRgb(40, 60, 220),
                            qRgb(250, 250, 250), qRgb(20, 20, 20), qRgb(180, 170, 30), qRgb(120, 110, 115)};
    QImage image(11, 9, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = palette[alea.bounded(8)];
            image.setPixel(x, y, qRgb(qRed(c) + alea.bounded(5), qGreen(c), qBlue(c) + alea.bounded(5)));
        }
    for (int essai = 0; essai < 6; ++essai) {
        TParamStyleDes p = Normal();
        for (int k = 0; k < kComposantesSchema; ++k) {
            p.Actif[k] = alea.bounded(2) == 1;
            p.Seuil[k] = static_cast<std::uint8_t>(alea.bounded(1, 60));
            p.Degrad[k] = static_cast<std::uint8_t>(p.Seuil[k] + alea.bounded(0, 150));
        }
        p.SeuilTeinteSat = static_cast<std::uint8_t>(alea.bounded(0, 120));
        p.ModeLum = static_cast<std::uint8_t>(essai % 3);
        p.MarquerNoir = essai % 2 == 0;
        p.MarquerBlanc = essai % 3 != 0;
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                p.DefinirPoint(dx, dy, essai == 0 || alea.bounded(2) == 1);
        OptionsAmorcage options;
        options.parts = 1 + essai % 3;
        const QImage schema = Amorcer(image, p, options);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_EQ(qRed(schema.pixel(x, y)), ParPaires(image, p, x, y))
                    << "essai " << essai << " pixel (" << x << ", " << y << ")";
    }
}

// The three colours grouped and nothing else ticked, the usual case, on rows
// long enough to be worked several pixels at a time, with every luminosity
// mode, both markings on and off, neighbours up to three pixels away and
// alpha values that must play no part.
TEST(Amorcage, GroupedColoursMatchThePairByPairRuleOnLongRows)
{
    QRandomGenerator alea(25);
    QImage image(45, 6, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int base = alea.bounded(4) * 70;
            image.setPixel(
                x, y,
                qRgba(base + alea.bounded(30), base + alea.bounded(30), base + alea.bounded(30), alea.bounded(256)));
        }
    for (int essai = 0; essai < 12; ++essai) {
        TParamStyleDes p = Normal();
        p.ModeLum = static_cast<std::uint8_t>(essai % 3);
        p.MarquerNoir = essai % 2 == 0;
        p.MarquerBlanc = essai % 4 < 2;
        p.DegradNoir = static_cast<std::uint8_t>(alea.bounded(30, 120));
        p.SeuilNoir = static_cast<std::uint8_t>(alea.bounded(0, 100));
        p.LimiteBlanc = static_cast<std::uint8_t>(alea.bounded(150, 255));
        const auto seuil = static_cast<std::uint8_t>(alea.bounded(0, 40));
        const auto degrad = static_cast<std::uint8_t>(seuil + alea.bounded(0, 80));
        p.Seuil.fill(seuil);
        p.Degrad.fill(degrad);
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                p.DefinirPoint(dx, dy, essai >= 6 ? alea.bounded(3) == 0 : p.Point(dx, dy));
        OptionsAmorcage options;
        options.parts = 1 + essai % 2;
        const QImage source = essai % 3 == 1 ? image.convertToFormat(QImage::Format_RGB32) : image;
        const QImage schema = Amorcer(source, p, options);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_EQ(qRed(schema.pixel(x, y)), ParPaires(image, p, x, y))
                    << "essai " << essai << " pixel (" << x << ", " << y << ")";
    }
}

TEST(Amorcage, ALargeSchemaKeepsNothingOfTheOneBefore)
{
    // Large enough for the second schema's memory to come back from the first.
    const QSize taille(2100, 2100);
    EXPECT_EQ(Amorcer(Uniforme(taille.width(), taille.height(), qRgb(20, 20, 20)), Normal()).pixel(7, 7),
              qRgb(0, 0, 0));
    const QImage schema = Amorcer(Uniforme(taille.width(), taille.height(), qRgb(128, 128, 128)), Normal());
    ASSERT_EQ(schema.size(), taille);
    EXPECT_EQ(schema.format(), QImage::Format_RGB32);
    qsizetype blancs = 0;
    for (int y = 0; y < schema.height(); ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(schema.constScanLine(y));
        blancs += std::count(ligne, ligne + schema.width(), qRgb(255, 255, 255));
    }
    EXPECT_EQ(blancs, qsizetype(taille.width()) * taille.height());
}

TEST(Amorcage, AnInterruptedPrimingGivesNoPicture)
{
    std::atomic<bool> annuler{true};
    OptionsAmorcage options;
    options.annuler = &annuler;
    EXPECT_TRUE(Amorcer(Uniforme(20, 20, qRgb(1, 2, 3)), Normal(), options).isNull());
}

} // namespace
