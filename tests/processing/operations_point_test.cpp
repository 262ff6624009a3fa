// Point operations: grey levels, inversion, white balance, pixelisation.

#include "processing/balance_blanc.h"
#include "processing/inversion.h"
#include "processing/niveaux_gris.h"
#include "processing/pixellisation.h"

#include "commun/erreur.h"
#include "support/images_essai.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>

namespace {

// A picture whose every pixel differs from its neighbours.
struct CasGris {
    const char *name;
    QRgb entree;
    int niveau;
};
void PrintTo(const CasGris &c, std::ostream *os) { *os << c.name; }

class NiveauxGrisTable : public ::testing::TestWithParam<CasGris> {};

TEST_P(NiveauxGrisTable, GreyLevelIsTheWeightedSumDividedBy256)
{
    const QImage gris = NiveauxGris(ImageUnie(2, 2, GetParam().entree));
    const int i = GetParam().niveau;
    EXPECT_EQ(gris.pixel(1, 1), qRgba(i, i, i, 255));
}

INSTANTIATE_TEST_SUITE_P(Exemples, NiveauxGrisTable,
                         ::testing::Values(CasGris{"rouge", 0xFFFF0000, 60}, CasGris{"vert", 0xFF00FF00, 173},
                                           CasGris{"bleu", 0xFF0000FF, 20}, CasGris{"blanc", 0xFFFFFFFF, 255},
                                           CasGris{"noir", 0xFF000000, 0},
                                           // (61·100 + 174·150 + 21·200) div 256 = 36400 div 256
                                           CasGris{"melange", 0xFF6496C8, 142}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Inversion, ComponentsBecomeTheirComplementAndAlphaStays)
{
    QImage image = ImageUnie(3, 1, qRgba(10, 200, 255, 128));
    Inverser(image);
    EXPECT_EQ(image.pixel(0, 0), qRgba(245, 55, 0, 128));
}

TEST(Inversion, InvertingTwiceGivesThePictureBack)
{
    const QImage origine = ImageMotif(17, 9);
    QImage image = origine.copy();
    Inverser(image);
    EXPECT_NE(image, origine);
    Inverser(image);
    EXPECT_EQ(image, origine);
}

// Means (200, 220, 250) over the white card at the left, another colour at
// the right.
QImage Carte()
{
    QImage image = ImageUnie(8, 4, qRgb(100, 110, 125));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, qRgb(200, 220, 250));
    return image;
}

TEST(BalanceBlanc, TheCardTurnsWhiteAndHalfItsColourTurnsMidGrey)
{
    QImage image = Carte();
    FaireBlanc(image, {3, 3}, {0, 0});
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));
    // 255 × 100 / 200 = 127,5: the division last, halves to even, gives 128.
    EXPECT_EQ(image.pixel(6, 1), qRgb(128, 128, 128));
}

TEST(BalanceBlanc, LevelsAboveTheMeanAreClampedAndAlphaKept)
{
    QImage image = ImageUnie(4, 4, qRgba(100, 100, 100, 255));
    image.setPixel(3, 3, qRgba(250, 10, 0, 77));
    FaireBlanc(image, {0, 0}, {1, 1});
    EXPECT_EQ(image.pixel(3, 3), qRgba(255, 26, 0, 77));
}

// Every pixel of pictures of odd sizes, down to one pixel, against the rule
// worked out pixel by pixel (the whole picture as the white area).
TEST(BalanceBlanc, EveryPixelOfOddSizesFollowsTheRule)
{
    std::mt19937 alea(11);
    for (const QSize taille : {QSize(1, 1), QSize(17, 3), QSize(35, 9), QSize(3, 40)}) {
        QImage image(taille, QImage::Format_ARGB32);
        for (int y = 0; y < taille.height(); ++y)
            for (int x = 0; x < taille.width(); ++x)
                image.setPixel(x, y, alea() | 0x01010101u);
        double sommes[3] = {0, 0, 0};
        for (int y = 0; y < taille.height(); ++y)
            for (int x = 0; x < taille.width(); ++x) {
                sommes[0] += qRed(image.pixel(x, y));
                sommes[1] += qGreen(image.pixel(x, y));
                sommes[2] += qBlue(image.pixel(x, y));
            }
        const double n = static_cast<double>(taille.width()) * taille.height();
        const auto corrige = [&](int c, int k) { return static_cast<int>(std::min(255.0, std::nearbyint(255.0 * c / (sommes[k] / n)))); };
        QImage attendue = image.copy();
        for (int y = 0; y < taille.height(); ++y)
            for (int x = 0; x < taille.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                attendue.setPixel(x, y, qRgba(corrige(qRed(c), 0), corrige(qGreen(c), 1), corrige(qBlue(c), 2), qAlpha(c)));
            }
        FaireBlanc(image, {0, 0}, {taille.width() - 1, taille.height() - 1});
        EXPECT_EQ(image, attendue) << taille.width() << " x " << taille.height();
    }
}

struct CasRefus {
    const char *name;
    QRgb zone;
    QPoint a, b;
};
void PrintTo(const CasRefus &c, std::ostream *os) { *os << c.name; }

class BalanceBlancRefus : public ::testing::TestWithParam<CasRefus> {};

TEST_P(BalanceBlancRefus, IsRefusedInFrenchAndLeavesThePicture)
{
    QImage image = ImageUnie(6, 6, GetParam().zone);
    const QImage avant = image.copy();
    try {
        FaireBlanc(image, GetParam().a, GetParam().b);
        FAIL() << "accepted";
    } catch (const ErreurKaptori &e) {
        EXPECT_FALSE(e.message().isEmpty());
    }
    EXPECT_EQ(image, avant);
}

INSTANTIATE_TEST_SUITE_P(Cas, BalanceBlancRefus,
                         ::testing::Values(CasRefus{"zone_noire", 0xFF000000, {0, 0}, {2, 2}},
                                           CasRefus{"rouge_pur", 0xFFFF0000, {1, 1}, {4, 4}},
                                           CasRefus{"hors_image", 0xFFFFFFFF, {10, 10}, {20, 20}}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Pixellisation, A640By480PictureGoesFrom0To9With80By60BlocksAtStep3)
{
    const QSize taille(640, 480);
    EXPECT_EQ(PasMaxPixellisation(taille), 9);
    EXPECT_EQ(BlocsPixellisation(taille, 3), QSize(80, 60));
    EXPECT_EQ(BlocsPixellisation(taille, 9), QSize(1, 1));
    const std::vector<int> bornes = BornesBlocs(640, 80);
    for (std::size_t b = 0; b < 80; ++b)
        ASSERT_EQ(bornes[b + 1] - bornes[b], 8) << b;
}

TEST(Pixellisation, BlocksOfEightTakeTheirOwnRoundedMean)
{
    QImage image = ImageMotif(640, 480);
    const QImage p = Pixelliser(image, 3);
    // Brute force over the block at column 3, row 2.
    long s = 0;
    for (int y = 16; y < 24; ++y)
        for (int x = 24; x < 32; ++x)
            s += qGreen(image.pixel(x, y));
    const int attendu = static_cast<int>(std::nearbyint(s / 64.0));
    for (int y = 16; y < 24; ++y)
        for (int x = 24; x < 32; ++x)
            ASSERT_EQ(qGreen(p.pixel(x, y)), attendu);
}

TEST(Pixellisation, TheLastStepGivesTheWholePictureItsMeanColour)
{
    QImage image = ImageUnie(640, 480, qRgb(0, 0, 0));
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 160; ++x)
            image.setPixel(x, y, qRgb(200, 100, 40)); // a quarter of the picture
    const QImage p = Pixelliser(image, 9);
    EXPECT_EQ(p.pixel(0, 0), qRgb(50, 25, 10));
    EXPECT_EQ(p.pixel(639, 479), qRgb(50, 25, 10));
}

TEST(Pixellisation, ElevenColumnsInTwoBlocksLeaveNoColumnOut)
{
    // Columns 0..5 and 6..10: column 5 belongs to the first block.
    EXPECT_EQ(BornesBlocs(11, 2), (std::vector<int>{0, 6, 11}));
    QImage image = ImageUnie(11, 4, qRgb(0, 0, 0));
    for (int y = 0; y < 4; ++y)
        image.setPixel(5, y, qRgb(120, 0, 0));
    const QImage p = Pixelliser(image, 2);
    EXPECT_EQ(qRed(p.pixel(5, 0)), 20);
    EXPECT_EQ(qRed(p.pixel(0, 3)), 20);
    EXPECT_EQ(qRed(p.pixel(6, 0)), 0);
}

TEST(Pixellisation, StepZeroKeepsThePictureAndAStepTooFarIsRefused)
{
    const QImage image = ImageMotif(5, 3);
    EXPECT_EQ(Pixelliser(image, 0), image);
    EXPECT_THROW((void)Pixelliser(image, 3), ErreurKaptori);
    EXPECT_EQ(PasMaxPixellisation(QSize(1, 1)), 0);
    EXPECT_EQ(Pixelliser(ImageUnie(1, 1, 0xFF123456), 0).pixel(0, 0), 0xFF123456u);
}

} // namespace
