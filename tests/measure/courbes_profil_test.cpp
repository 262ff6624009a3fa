// The profile window's model: curves overlaid per channel, the grids, the
// zero, the conversion and the surface, on band sums set by hand.

#include "measure/courbes_profil.h"
#include "support/separateur.h"

#include <gtest/gtest.h>

namespace {

// 41 samples (n = 40): red ramps 0, 5, ..., 200; green is 255 - red; blue 0.
class CourbesProfilTest : public ::testing::Test {
protected:
    CourbesProfilTest()
    {
        m_.SommesCourbe.n = 40;
        for (auto &c : m_.SommesCourbe.canaux)
            c.assign(41, 0);
        for (int i = 0; i <= 40; ++i) {
            m_.SommesCourbe.canaux[0][std::size_t(i)] = std::uint16_t(5 * i);
            m_.SommesCourbe.canaux[1][std::size_t(i)] = std::uint16_t(255 - 5 * i);
        }
        m_.CanalProfil = CanalRouge;
        m_.Redessiner();
    }

    SeparateurTemporaire sep_{QLatin1Char(',')};
    TCourbesProfil m_;
};

TEST_F(CourbesProfilTest, RedThenGreenKeepsBothCurvesAndBothColumns)
{
    m_.CanalProfil = CanalVert;
    m_.TracerCourbes();
    m_.GrilleComplete();
    ASSERT_EQ(m_.Grille.size(), 43u);
    EXPECT_EQ(m_.Grille[0], (QStringList{"position", "émiss. (R)", "émiss. (V)"}));
    EXPECT_EQ(m_.Grille[1], (QStringList{"pixels", "%", "%"}));
    // Sample 3: red 15 → 5,88 %, green 240 → 94,1 %.
    EXPECT_EQ(m_.Grille[5], (QStringList{"3", "5,88", "94,1"}));
    m_.Redessiner();
    m_.GrilleComplete();
    EXPECT_EQ(m_.Grille[0], (QStringList{"position", "émiss. (V)"})) << "a rebuild keeps only the current curve";
}

TEST_F(CourbesProfilTest, ZeroOfTwentyPlotsLowValuesAsZero)
{
    m_.Zeros[CanalRouge] = 20;
    m_.Redessiner();
    const SerieGraphe *s = m_.Graphe.TrouverSerie(1);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->YDuPoint(10), 0);                          // 50/255 = 19,6 %
    EXPECT_NEAR(s->YDuPoint(40), 200.0 / 255 * 100 - 20, 1e-9);
}

TEST_F(CourbesProfilTest, ZeroTakenAtARowOfTheGraph)
{
    // Row 175 is the middle of the plot area 25..325: 50 % on the 0..100 axis.
    m_.FixerZero(175);
    EXPECT_NEAR(m_.Zeros[CanalRouge], 50, 1e-9);
}

TEST_F(CourbesProfilTest, ConversionExampleMapsAFullBandTo75)
{
    m_.SommesCourbe.canaux[0][7] = 255;
    ASSERT_TRUE(m_.Convertir(125, 50, LigneBasProfil, 0, QStringLiteral("conc."), QStringLiteral("g/L")));
    const SerieGraphe *s = m_.Graphe.TrouverSerie(1);
    EXPECT_NEAR(s->YDuPoint(7), 75, 1e-9);
    EXPECT_EQ(m_.Graphe.Axe(AxeId::Y).titre, QStringLiteral("conc. (g/L)"));
    EXPECT_EQ(m_.EchelleGraphe.UniteY[0], QStringLiteral("g/L (conc.)"));
    m_.GrilleComplete();
    EXPECT_EQ(m_.Grille[0], (QStringList{"position", "conc."}));
    EXPECT_EQ(m_.Grille[9][1], QStringLiteral("75"));
    EXPECT_FALSE(m_.Convertir(200, 1, 200, 0, {}, {}));
}

// A variable calibrated to fall as the curve rises (a point above the zero
// given a negative value) still gets an axis that holds its curve: the
// bounds in order, the curve's values readable at their rows.
TEST_F(CourbesProfilTest, ConversionFallingUpwardsShowsItsCurveOnAnOrderedAxis)
{
    m_.SommesCourbe.canaux[0][7] = 255;
    ASSERT_TRUE(m_.Convertir(125, -50, LigneBasProfil, 0, QStringLiteral("T"), QStringLiteral("K")));
    EXPECT_NEAR(m_.Graphe.TrouverSerie(1)->YDuPoint(7), -75, 1e-9);
    const AxeCalcule &y = m_.Graphe.Axe(AxeId::Y).affiche;
    EXPECT_DOUBLE_EQ(y.Min, -75);
    EXPECT_DOUBLE_EQ(y.Max, 0);
    EXPECT_EQ(m_.TextePosition(QPoint(MargeGaucheProfil + 7, LigneBasProfil)),
              QStringLiteral("Position (mm) : 7  T (K) : -75"));
    EXPECT_DOUBLE_EQ(m_.EchelleGraphe.FacteurY[0], -75.0 / 300);
}

// The picture of a converted graph is saved with its scale: reading a row of
// the plot area with it gives the value the axis shows there, also when the
// bottom of the axis is not 0.
TEST_F(CourbesProfilTest, ScaleOfAConvertedGraphReadsTheAxisValues)
{
    // 50 at row 125 and 10 at row 225: -30 at the bottom row, 90 at the top.
    ASSERT_TRUE(m_.Convertir(125, 50, 225, 10, QStringLiteral("T"), QStringLiteral("K")));
    const TEchelle &e = m_.EchelleGraphe;
    const auto lue = [&e](int ligne) { return (ligne - e.OrigineY[0]) * e.FacteurY[0]; };
    EXPECT_NEAR(lue(LigneBasProfil), -30, 1e-9);
    EXPECT_NEAR(lue(MargeHautProfil), 90, 1e-9);
    EXPECT_NEAR(lue(125), 50, 1e-9);
    ASSERT_TRUE(m_.DefinirMaximum(150));
    EXPECT_NEAR(lue(LigneBasProfil), -30, 1e-9);
    EXPECT_NEAR(lue(MargeHautProfil), 150, 1e-9);
}

// A point given the reference's value makes every converted value equal: the
// axis still spans that value instead of keeping the former quantity's range.
TEST_F(CourbesProfilTest, ConversionToOneValueCentresTheAxisOnIt)
{
    ASSERT_TRUE(m_.Convertir(125, 0, LigneBasProfil, 0, QStringLiteral("T"), QStringLiteral("K")));
    const AxeCalcule &y = m_.Graphe.Axe(AxeId::Y).affiche;
    EXPECT_LT(y.Min, 0);
    EXPECT_GT(y.Max, 0);
}

TEST_F(CourbesProfilTest, ChosenValuesAreInsertedInPositionOrder)
{
    m_.CommencerValeursChoisies();
    for (int x : {5, 2, 8})
        EXPECT_TRUE(m_.AjouterValeurChoisie(QPoint(MargeGaucheProfil + x, 100)));
    EXPECT_FALSE(m_.AjouterValeurChoisie(QPoint(3, 100))) << "outside the plot area";
    ASSERT_EQ(m_.Grille.size(), 6u);
    EXPECT_EQ(m_.Grille[2][0], QStringLiteral("2"));
    EXPECT_EQ(m_.Grille[3][0], QStringLiteral("5"));
    EXPECT_EQ(m_.Grille[4][0], QStringLiteral("8"));
    EXPECT_EQ(m_.Grille[4][1], QStringLiteral("15,7")); // 40/255
    EXPECT_TRUE(m_.Grille[5][0].isEmpty());
    m_.ModeAbsorption = true;
    m_.RafraichirGrille();
    EXPECT_EQ(m_.Grille[0][1], QStringLiteral("absorp. (R)"));
    EXPECT_EQ(m_.Grille[4][1], QStringLiteral("84,3"));
}

// A chosen value keeps the sample it was chosen at: on a profile longer than
// 999 samples its position cell shows 3 digits only ("1,23E3" for sample
// 1234), and a channel choice must not move the row to sample 1230.
TEST(CourbesProfilLong, ChosenValuesKeepTheirSampleOnALongProfile)
{
    SeparateurTemporaire sep{QLatin1Char(',')};
    TCourbesProfil m;
    m.SommesCourbe.n = 1500;
    for (auto &c : m.SommesCourbe.canaux)
        c.assign(1501, 0);
    for (int i = 0; i <= 1500; ++i)
        m.SommesCourbe.canaux[0][std::size_t(i)] = std::uint16_t(i * 7 % 256);
    m.CanalProfil = CanalRouge;
    m.Redessiner();
    m.CommencerValeursChoisies();
    ASSERT_TRUE(m.AjouterValeurChoisie(QPoint(MargeGaucheProfil + 1234, 100)));
    EXPECT_EQ(m.Grille[2], (QStringList{"1,23E3", "74,5"})); // red 190 at sample 1234
    m.CanalProfil = CanalVert;
    m.TracerCourbes();
    m.RafraichirGrille();
    EXPECT_EQ(m.Grille[2], (QStringList{"1,23E3", "74,5", "0"}));
    // Sample 1231 shows the same position text but comes before 1234.
    ASSERT_TRUE(m.AjouterValeurChoisie(QPoint(MargeGaucheProfil + 1231, 100)));
    EXPECT_EQ(m.Grille[2], (QStringList{"1,23E3", "66,3", "0"})); // red 169
    EXPECT_EQ(m.Grille[3], (QStringList{"1,23E3", "74,5", "0"}));
}

TEST_F(CourbesProfilTest, OpticalDensityAxisAndScaleOfThePicture)
{
    m_.ModeAbsorption = true;
    m_.ModeLog = true;
    m_.LargeurBande = 3;
    m_.Redessiner();
    EXPECT_NEAR(m_.Graphe.Axe(AxeId::Y).reglage.Max, std::log10(765.0), 1e-12);
    EXPECT_EQ(m_.Graphe.Taille(), QSize(40 + 30 + m_.Graphe.RightMargin, 360));
    EXPECT_EQ(m_.EchelleGraphe.Mode, TEchelle::Cartesien);
    EXPECT_EQ(m_.EchelleGraphe.OrigineY[0], 325);
    EXPECT_EQ(m_.EchelleGraphe.UniteY[0], QStringLiteral("(D.O.)"));
}

TEST_F(CourbesProfilTest, SurfaceSumsTheCurrentCurveBetweenLimits)
{
    // Red emission 5i/255 × 100 for i = 0..2: (0 + 5 + 10) / 255 × 100.
    EXPECT_NEAR(m_.Surface(-3, 2), 1500.0 / 255, 1e-9);
    EXPECT_EQ(m_.TexteSurface(0, 2), QStringLiteral("surface dans le canal (rouge): 5,8824"));
}

TEST_F(CourbesProfilTest, ScaleWithoutPositiveFactorIsRefused)
{
    TEchelle e;
    e.Definie = 1;
    e.Facteur = 0;
    EXPECT_FALSE(m_.PrendreEchelle(e));
    e.Facteur = -1;
    EXPECT_FALSE(m_.PrendreEchelle(e));
    e.Mode = TEchelle::Cartesien;
    EXPECT_TRUE(m_.PrendreEchelle(e));
    EXPECT_EQ(m_.Unite, QStringLiteral("pixels"));
}

} // namespace
