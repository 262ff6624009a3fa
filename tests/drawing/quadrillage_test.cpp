// The measuring grid: its mesh bounds in the scale's unit and its lines in
// the drawing layer.

#include "commun/erreur.h"
#include "drawing/quadrillage.h"
#include "support/echelles_essai.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <vector>

namespace {

QImage Couche(int w, int h)
{
    QImage couche(w, h, QImage::Format_ARGB32);
    couche.fill(Qt::transparent);
    return couche;
}

std::vector<int> ColonnesPleines(const QImage &couche, QRgb c)
{
    std::vector<int> x;
    for (int i = 0; i < couche.width(); ++i) {
        bool pleine = true;
        for (int y = 0; y < couche.height(); ++y)
            pleine = pleine && couche.pixel(i, y) == c;
        if (pleine)
            x.push_back(i);
    }
    return x;
}

std::vector<int> RangeesPleines(const QImage &couche, QRgb c)
{
    std::vector<int> y;
    for (int j = 0; j < couche.height(); ++j) {
        bool pleine = true;
        for (int x = 0; x < couche.width(); ++x)
            pleine = pleine && couche.pixel(x, j) == c;
        if (pleine)
            y.push_back(j);
    }
    return y;
}

TEST(Quadrillage, aMeshOf20On100By60GivesFourColumnsAndTwoRows)
{
    QImage couche = Couche(100, 60);
    const QRgb c = CouleurQuadrillage(0xFF000000);
    const LignesQuadrillage l = TracerQuadrillage(couche, 20, c);
    EXPECT_EQ(ColonnesPleines(couche, c), (std::vector<int>{20, 40, 60, 80}));
    EXPECT_EQ(RangeesPleines(couche, c), (std::vector<int>{20, 40}));
    EXPECT_EQ(l.verticales, 4);
    EXPECT_EQ(l.horizontales, 2);
    EXPECT_EQ(couche.pixel(0, 0), 0u);
    EXPECT_EQ(couche.pixel(99, 59), 0u);
}

TEST(Quadrillage, linesReplaceThePixelsWithThePenAtAlpha64)
{
    QImage couche = Couche(30, 30);
    couche.fill(0xFF00FF00);
    const QRgb c = CouleurQuadrillage(0xFFFF0000);
    EXPECT_EQ(c, 0x40FF0000u);
    TracerQuadrillage(couche, 10, c);
    EXPECT_EQ(couche.pixel(10, 3), 0x40FF0000u);
    EXPECT_EQ(couche.pixel(3, 20), 0x40FF0000u);
    EXPECT_EQ(couche.pixel(3, 3), 0xFF00FF00u);
    EXPECT_EQ(CouleurQuadrillage(0x80123456), 0x00123456u);
}

TEST(Quadrillage, aRealMeshRoundsEachLineFromItsOwnMultiple)
{
    QImage couche = Couche(20, 8);
    // Round(s) = 4: m = 1..5, x = Round(4.4 m) = 4, 9 (8.8), 13, 18 (17.6), 22 (outside).
    const LignesQuadrillage l = TracerQuadrillage(couche, 4.4, 0x40000000);
    EXPECT_EQ(ColonnesPleines(couche, 0x40000000), (std::vector<int>{4, 9, 13, 18}));
    EXPECT_EQ(l.verticales, 4);
    EXPECT_EQ(l.horizontales, 1);
}

TEST(Quadrillage, aMeshBelowHalfAPixelWritesNothing)
{
    QImage couche = Couche(10, 10);
    const LignesQuadrillage l = TracerQuadrillage(couche, 0.4, 0x40000000);
    EXPECT_EQ(l.verticales + l.horizontales, 0);
    EXPECT_TRUE(ColonnesPleines(couche, 0x40000000).empty());
    EXPECT_EQ(TracerQuadrillage(couche, std::numeric_limits<double>::quiet_NaN(), 0x40000000).verticales, 0);
}

TEST(Quadrillage, aMeshAboveHalfTheWidthGivesOneColumnAtMost)
{
    QImage couche = Couche(100, 60);
    const LignesQuadrillage l = TracerQuadrillage(couche, 80, 0x40000000);
    EXPECT_EQ(ColonnesPleines(couche, 0x40000000), (std::vector<int>{80}));
    EXPECT_EQ(l.horizontales, 0);
    EXPECT_EQ(TracerQuadrillage(couche, 150, 0x40000000).verticales, 0);
}

TEST(Quadrillage, aMeshOf5PixelsOnAVeryWideLayer)
{
    QImage couche = Couche(32767, 3);
    const LignesQuadrillage l = TracerQuadrillage(couche, 5, 0x40000000);
    EXPECT_EQ(l.verticales, 6553);
    EXPECT_EQ(l.horizontales, 0);
    EXPECT_EQ(couche.pixel(32765, 1), 0x40000000u);
}

struct CasMaille {
    const char *nom;
    TEchelle echelle;
    int largeur;
    int decimales;
    double minimum, maximum, pas, valeur;
};
void PrintTo(const CasMaille &c, std::ostream *os)
{
    *os << c.nom;
}

using echelle_essai::Longueur;

class Mailles : public testing::TestWithParam<CasMaille> {};

TEST_P(Mailles, theSpinFieldFollowsTheScalesUnit)
{
    const CasMaille &c = GetParam();
    const auto r = PreparerMaille(c.echelle, c.largeur);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->decimales, c.decimales);
    EXPECT_DOUBLE_EQ(r->minimum, c.minimum);
    EXPECT_DOUBLE_EQ(r->maximum, c.maximum);
    EXPECT_DOUBLE_EQ(r->pas, c.pas);
    EXPECT_DOUBLE_EQ(r->valeur, c.valeur);
}

INSTANTIATE_TEST_SUITE_P(
    Quadrillage, Mailles,
    testing::Values(CasMaille{"pixels", Longueur(3, "pixels"), 101, 0, 5, 50, 1, 20},
                    // log10(1 / 0.5) = 0.30 rounds to 0; 10 mm is 20 pixels.
                    CasMaille{"demiMillimetre", Longueur(0.5, "mm"), 400, 0, 2.5, 100, 0.5, 10},
                    CasMaille{"centiemeDeMillimetre", Longueur(0.01, "mm"), 400, 2, 0.05, 2, 0.01, 0.2},
                    CasMaille{"metresParPixel", Longueur(2.5, "m"), 100, 0, 12.5, 125, 2.5, 50}),
    [](const testing::TestParamInfo<CasMaille> &i) { return std::string(i.param.nom); });

TEST(Quadrillage, aMeshOf10mmAtHalfAMillimetrePerPixelIs20Pixels)
{
    const auto r = PreparerMaille(Longueur(0.5, "mm"), 400);
    ASSERT_TRUE(r.has_value());
    QImage couche = Couche(100, 60);
    EXPECT_DOUBLE_EQ(TracerQuadrillage(couche, 10 / r->facteur, 0x40000000).maille, 20);
    EXPECT_EQ(ColonnesPleines(couche, 0x40000000), (std::vector<int>{20, 40, 60, 80}));
}

TEST(Quadrillage, aScaleThatIsNotALengthGivesNoGrid)
{
    TEchelle e = Longueur(1, "mm");
    e.Mode = TEchelle::Cartesien;
    EXPECT_FALSE(PreparerMaille(e, 100).has_value());
}

TEST(Quadrillage, aFactorThatIsNotPositiveAndFiniteIsRefused)
{
    for (double f : {0.0, -1.0, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW((void)PreparerMaille(Longueur(f, "mm"), 100), ErreurKaptori) << f;
    // In pixels the factor is not used.
    EXPECT_TRUE(PreparerMaille(Longueur(0, "pixels"), 100).has_value());
}

TEST(Quadrillage, theBoundsAdmitTheValuesShown)
{
    const auto r = PreparerMaille(Longueur(0.01, "mm"), 400);
    ASSERT_TRUE(r.has_value());
    EXPECT_TRUE(r->Admet(0.05));
    EXPECT_TRUE(r->Admet(2));
    EXPECT_FALSE(r->Admet(0.04));
    EXPECT_FALSE(r->Admet(2.01));
    EXPECT_FALSE(r->Admet(std::numeric_limits<double>::quiet_NaN()));
}

} // namespace
