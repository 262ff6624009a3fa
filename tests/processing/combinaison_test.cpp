// Algebraic and logical combination of pictures.

#include "processing/combinaison_algebrique.h"
#include "processing/combinaison_logique.h"
#include "support/images_essai.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>

namespace {

ParametresCombinaison SansEtaler()
{
    ParametresCombinaison p;
    p.etaler = false;
    return p;
}

TEST(CombinaisonAlgebrique, EqualImagesAtHalfAndHalfGiveTheImage)
{
    const QImage image = ImageMotif(30, 20);
    const ResultatCombinaison r = CombinerAlgebrique(image, image, nullptr, SansEtaler());
    EXPECT_EQ(r.image, image);
    EXPECT_FALSE(r.etale);
}

TEST(CombinaisonAlgebrique, SubtractingAnImageFromItselfStaysBlackEvenSpread)
{
    const QImage image = ImageMotif(30, 20);
    ParametresCombinaison p;
    p.coef1 = 1, p.coef2 = 1;
    p.operation2 = OperationImage2::Soustraire;
    p.etaler = false;
    EXPECT_EQ(CombinerAlgebrique(image, image, nullptr, p).image, ImageUnie(30, 20, 0xFF000000));
    p.etaler = true;
    const ResultatCombinaison r = CombinerAlgebrique(image, image, nullptr, p);
    EXPECT_EQ(r.image, ImageUnie(30, 20, 0xFF000000));
    EXPECT_TRUE(r.etale);
    EXPECT_EQ(r.bas, 0);
    EXPECT_EQ(r.haut, 128);
}

TEST(CombinaisonAlgebrique, MultiplyingByWhiteKeepsAndByBlackBlackens)
{
    const QImage image = ImageMotif(16, 16);
    ParametresCombinaison p = SansEtaler();
    p.operation2 = OperationImage2::Multiplier;
    p.coef1 = 3; // coefficients do not take part
    EXPECT_EQ(CombinerAlgebrique(image, ImageUnie(16, 16, 0xFFFFFFFF), nullptr, p).image, image);
    EXPECT_EQ(CombinerAlgebrique(image, ImageUnie(16, 16, 0xFF000000), nullptr, p).image, ImageUnie(16, 16, 0xFF000000));
    // round(100 × 128 / 255) = round(50,196) = 50
    EXPECT_EQ(CombinerAlgebrique(ImageUnie(1, 1, qRgb(100, 0, 0)), ImageUnie(1, 1, qRgb(128, 0, 0)), nullptr, p).image.pixel(0, 0),
              qRgb(50, 0, 0));
}

TEST(CombinaisonAlgebrique, OnlyTheCommonAreaFromTheTopLeftIsCombined)
{
    const QImage a = ImageMotif(400, 300), b = ImageMotif(300, 400);
    EXPECT_EQ(CombinerAlgebrique(a, b, nullptr, {}).image.size(), QSize(300, 300));
    const QImage c = ImageMotif(250, 350);
    EXPECT_EQ(CombinerAlgebrique(a, b, &c, {}).image.size(), QSize(250, 300));
}

TEST(CombinaisonAlgebrique, AsChannelsImage3GivesRedImage2GreenImage1Blue)
{
    const QImage g1 = ImageUnie(4, 4, qRgb(10, 10, 10)), g2 = ImageUnie(4, 4, qRgb(20, 20, 20)), g3 = ImageUnie(4, 4, qRgb(30, 30, 30));
    ParametresCombinaison p;
    p.canauxRVB = true;
    p.coef1 = 1, p.coef2 = 1, p.coef3 = 2;
    const ResultatCombinaison r = CombinerAlgebrique(g1, g2, &g3, p);
    EXPECT_EQ(r.image.pixel(3, 3), qRgb(60, 20, 10));
    EXPECT_FALSE(r.etale); // never spread as channels
    EXPECT_EQ(CombinerAlgebrique(g1, g2, nullptr, p).image.pixel(0, 0), qRgb(0, 20, 10));
}

TEST(CombinaisonAlgebrique, ThirdImageIsAddedRoundedOnItsOwnAndClamped)
{
    ParametresCombinaison p = SansEtaler();
    p.coef1 = 0.5, p.coef2 = 0.5, p.coef3 = 0.5;
    const QImage a = ImageUnie(1, 1, qRgb(1, 200, 0)), b = ImageUnie(1, 1, qRgb(0, 200, 0)), c = ImageUnie(1, 1, qRgb(1, 200, 0));
    // red: round(0,5) + round(0,5) = 0 + 0; green: 200 + 100 clamped.
    EXPECT_EQ(CombinerAlgebrique(a, b, &c, p).image.pixel(0, 0), qRgb(0, 255, 0));
    p.soustraire3 = true;
    EXPECT_EQ(CombinerAlgebrique(a, b, &c, p).image.pixel(0, 0), qRgb(0, 100, 0));
}

TEST(CombinaisonAlgebrique, SpreadingIgnoresFivePercentAtEachEnd)
{
    // 100 pixels: 4 at 10, 92 at 100, 4 at 200. T = 5: low 99 (fewer than
    // 5 at or below 99), high 128 (fewer than 5 at or above 128), range 29.
    QImage image = ImageUnie(100, 1, qRgb(100, 100, 100));
    for (int x = 0; x < 4; ++x) {
        image.setPixel(x, 0, qRgb(10, 10, 10));
        image.setPixel(99 - x, 0, qRgb(200, 200, 200));
    }
    ParametresCombinaison p;
    p.coef1 = 1, p.coef2 = 0;
    const ResultatCombinaison r = CombinerAlgebrique(image, image, nullptr, p);
    EXPECT_EQ(r.bas, 99);
    EXPECT_EQ(r.haut, 128);
    EXPECT_EQ(r.image.pixel(50, 0), qRgb(9, 9, 9)); // round(1 × 255 / 29) = round(8,79)
    EXPECT_EQ(r.image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(r.image.pixel(99, 0), qRgb(255, 255, 255));
}

TEST(CombinaisonAlgebrique, ACoefficientOfZeroAndAOnePixelImageAreHandled)
{
    ParametresCombinaison p = SansEtaler();
    p.coef1 = 0, p.coef2 = 0;
    EXPECT_EQ(CombinerAlgebrique(ImageUnie(1, 1, 0xFFFFFFFF), ImageUnie(1, 1, 0xFFFFFFFF), nullptr, p).image.pixel(0, 0), 0xFF000000u);
    EXPECT_TRUE(CombinerAlgebrique(QImage(), ImageUnie(1, 1, 0), nullptr, p).image.isNull());
}

// Every pair of levels (red and green of a 256 × 256 pair of pictures), a
// one-pixel picture and odd sizes (rows of several blocks), against the rule worked out pixel by
// pixel; then the spreading of the same result by its own bounds.
struct CasRegle {
    const char *name;
    double coef1, coef2;
    OperationImage2 operation;
};
void PrintTo(const CasRegle &c, std::ostream *os) { *os << c.name; }

class CombinaisonRegle : public ::testing::TestWithParam<CasRegle> {};

QImage Niveaux(QSize taille, bool premiere)
{
    QImage image(taille, QImage::Format_ARGB32);
    for (int y = 0; y < taille.height(); ++y)
        for (int x = 0; x < taille.width(); ++x)
            image.setPixel(x, y, premiere ? qRgb(x, y, (x * 7 + y) & 255) : qRgb(y, x, (y * 13 + x * 3) & 255));
    return image;
}

TEST_P(CombinaisonRegle, EveryPixelFollowsTheRuleAndItsSpreading)
{
    const CasRegle &c = GetParam();
    ParametresCombinaison p = SansEtaler();
    p.coef1 = c.coef1, p.coef2 = c.coef2, p.operation2 = c.operation;
    const double a2 = c.operation == OperationImage2::Soustraire ? -c.coef2 : c.coef2;
    const auto regle = [&](int c1, int c2) {
        const double v = c.operation == OperationImage2::Multiplier ? std::nearbyint(c1 * c2 / 255.0)
                                                                     : std::nearbyint(c1 * c.coef1 + c2 * a2);
        return static_cast<int>(std::clamp(v, 0.0, 255.0));
    };
    for (const QSize taille : {QSize(256, 256), QSize(1, 1), QSize(19, 5), QSize(601, 3)}) {
        const QImage i1 = Niveaux(taille, true), i2 = Niveaux(taille, false);
        QImage attendue(taille, QImage::Format_ARGB32);
        for (int y = 0; y < taille.height(); ++y)
            for (int x = 0; x < taille.width(); ++x) {
                const QRgb a = i1.pixel(x, y), b = i2.pixel(x, y);
                attendue.setPixel(x, y, qRgb(regle(qRed(a), qRed(b)), regle(qGreen(a), qGreen(b)), regle(qBlue(a), qBlue(b))));
            }
        p.etaler = false;
        EXPECT_EQ(CombinerAlgebrique(i1, i2, nullptr, p).image, attendue) << taille.width() << " x " << taille.height();

        p.etaler = true;
        const ResultatCombinaison r = CombinerAlgebrique(i1, i2, nullptr, p);
        ASSERT_TRUE(r.etale);
        const double facteur = 255.0 / std::max(1, r.haut - r.bas);
        const auto etale = [&](int v) {
            return static_cast<int>(std::clamp(std::nearbyint((v - r.bas) * facteur), 0.0, 255.0));
        };
        QImage etalee = attendue.copy();
        for (int y = 0; y < taille.height(); ++y)
            for (int x = 0; x < taille.width(); ++x) {
                const QRgb v = attendue.pixel(x, y);
                etalee.setPixel(x, y, qRgb(etale(qRed(v)), etale(qGreen(v)), etale(qBlue(v))));
            }
        EXPECT_EQ(r.image, etalee) << taille.width() << " x " << taille.height() << ", etalee";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cas, CombinaisonRegle,
    ::testing::Values(CasRegle{"moitie_moitie", 0.5, 0.5, OperationImage2::Ajouter},
                      CasRegle{"soustraire_1_1", 1, 1, OperationImage2::Soustraire},
                      CasRegle{"trois_sept", 0.3, 0.7, OperationImage2::Ajouter},
                      CasRegle{"quart_trois_quarts", 0.25, 0.75, OperationImage2::Ajouter},
                      CasRegle{"deux_moins_un_demi", 2, 1.5, OperationImage2::Soustraire},
                      CasRegle{"tiers", 1.0 / 3, 1.0 / 3, OperationImage2::Ajouter},
                      CasRegle{"grands", 40, 3, OperationImage2::Ajouter},
                      CasRegle{"multiplier", 1, 1, OperationImage2::Multiplier}),
    [](const ::testing::TestParamInfo<CasRegle> &i) { return std::string(i.param.name); });

// Logical methods against the bit formula of their raster operation code:
// for each bit, the code's bit number 4·P + 2·S + D, with P = 1.
class MethodesTable : public ::testing::TestWithParam<MethodeLogique> {};

std::uint32_t ParCode(std::uint32_t code, std::uint32_t d, std::uint32_t s)
{
    const std::uint32_t octet = (code >> 16) & 0xFF;
    std::uint32_t r = 0;
    for (int bit = 0; bit < 32; ++bit) {
        const std::uint32_t i = 4 + (((s >> bit) & 1) << 1) + ((d >> bit) & 1);
        r |= ((octet >> i) & 1) << bit;
    }
    return r;
}

TEST_P(MethodesTable, EachBitFollowsTheRasterOperationCode)
{
    const DescriptionMethode &m = MethodesLogiques()[static_cast<std::size_t>(GetParam())];
    ASSERT_EQ(m.methode, GetParam());
    const QImage d = ImageMotif(20, 10), s = ImageMotif(10, 20).transformed(QTransform().rotate(90));
    const QImage r = CombinerLogique(d, s, GetParam());
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            const QRgb attendu = (ParCode(m.code, d.pixel(x, y), s.pixel(x, y)) & 0xFFFFFF) | 0xFF000000;
            ASSERT_EQ(r.pixel(x, y), attendu) << m.nom << " " << x << "," << y;
        }
    EXPECT_EQ(MethodeDeNom(QLatin1String(m.nom)), GetParam());
}

std::vector<MethodeLogique> Toutes()
{
    std::vector<MethodeLogique> m;
    for (const DescriptionMethode &d : MethodesLogiques())
        m.push_back(d.methode);
    return m;
}

INSTANTIATE_TEST_SUITE_P(Quinze, MethodesTable, ::testing::ValuesIn(Toutes()),
                         [](const auto &info) { return std::string(MethodesLogiques()[static_cast<std::size_t>(info.param)].nom); });

TEST(CombinaisonLogique, ExclusiveOrWithItselfIsBlackAndDstInvertIgnoresImage2)
{
    const QImage image = ImageMotif(12, 8);
    EXPECT_EQ(CombinerLogique(image, image, MethodeLogique::SrcInvert), ImageUnie(12, 8, 0xFF000000));
    QImage negatif = image.copy();
    negatif.invertPixels();
    EXPECT_EQ(CombinerLogique(image, ImageUnie(12, 8, 0xFF445566), MethodeLogique::DstInvert), negatif);
}

// A method that does not read image 2 gives its result over the whole of
// image 1, however small image 2 is ("cmDstInvert" gives the negative of
// image 1 whatever image 2 is).
class MethodesSansSource : public ::testing::TestWithParam<MethodeLogique> {};

TEST_P(MethodesSansSource, CoverAllOfImage1WhenImage2IsSmaller)
{
    const DescriptionMethode &m = MethodesLogiques()[static_cast<std::size_t>(GetParam())];
    const QImage d = ImageMotif(12, 8);
    for (const QImage &s : {ImageUnie(5, 3, 0xFF445566), QImage()}) {
        const QImage r = CombinerLogique(d, s, GetParam());
        ASSERT_EQ(r.size(), d.size());
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 12; ++x)
                ASSERT_EQ(r.pixel(x, y), (ParCode(m.code, d.pixel(x, y), 0) & 0xFFFFFF) | 0xFF000000)
                    << m.nom << " " << x << "," << y << " image 2 of " << s.width() << "x" << s.height();
    }
}

INSTANTIATE_TEST_SUITE_P(Cinq, MethodesSansSource,
                         ::testing::Values(MethodeLogique::PatInvert, MethodeLogique::PatCopy, MethodeLogique::DstInvert,
                                           MethodeLogique::Whiteness, MethodeLogique::Blackness),
                         [](const auto &info) { return std::string(MethodesLogiques()[static_cast<std::size_t>(info.param)].nom); });

TEST(CombinaisonLogique, Image1OutsideASmallerImage2StaysAsItIs)
{
    const QImage image = ImageMotif(12, 8);
    const QImage r = CombinerLogique(image, ImageUnie(5, 3, 0xFF000000), MethodeLogique::SrcCopy);
    EXPECT_EQ(r.size(), QSize(12, 8));
    EXPECT_EQ(r.pixel(4, 2), 0xFF000000u);
    EXPECT_EQ(r.pixel(5, 2), image.pixel(5, 2));
    EXPECT_EQ(r.pixel(4, 3), image.pixel(4, 3));
    EXPECT_EQ(MethodeDeNom(QStringLiteral("cmsrcand")), std::nullopt);
}

} // namespace
