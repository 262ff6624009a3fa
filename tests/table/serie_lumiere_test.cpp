// The light series in the results table: the caption, the two header rows
// and one row per image, X = first + i × gap, each value worked by hand from
// the mean colour (128 / 255 = 50,196 %; log10(256) = 2,408), an empty cell
// for an image the rectangle missed.

#include "plot/graphe.h"
#include "support/separateur.h"
#include "table/serie_lumiere.h"
#include "table/tableau_resultats.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CasSerie {
    const char *nom;
    int grandeur;
    bool pourcent;
    int composante;
    double zero;
    CouleurWin couleur;
    const char *valeur;
};

void PrintTo(const CasSerie &c, std::ostream *os)
{
    *os << c.nom;
}

class ValeurSerie : public ::testing::TestWithParam<CasSerie> {};

TEST_P(ValeurSerie, MatchesTheHandWorkedValue)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    const CasSerie &c = GetParam();
    ParametresSerie p;
    p.grandeur = c.grandeur;
    p.pourcent = c.pourcent;
    p.composante = c.composante;
    EXPECT_EQ(ValeurSerieLumiere(p, c.zero, c.couleur), QString::fromUtf8(c.valeur));
}

INSTANTIATE_TEST_SUITE_P(
    Serie, ValeurSerie,
    ::testing::Values(CasSerie{"intensity_percent_red", 0, true, 0, 0, CouleurRvb(128, 128, 128), "50,2"},
                      CasSerie{"absorption_percent_with_zero", 1, true, 1, 10, CouleurRvb(0, 51, 0), "70"},
                      // 128 − round(50,196 × 255 / 100) = 128 − 128.
                      CasSerie{"intensity_units_against_grey_zero", 0, false, 0, 12800.0 / 255.0, CouleurRvb(128, 9, 9), "0"},
                      // 765 − 300 − round(10 × 765 / 100 = 76,5 → 76).
                      CasSerie{"absorption_units_luminosity", 1, false, 3, 10, CouleurRvb(100, 100, 100), "389"},
                      CasSerie{"density_black_blue", 2, true, 2, 0, CouleurRvb(9, 9, 0), "2,41"},
                      CasSerie{"density_black_luminosity", 2, false, 3, 0, CouleurRvb(0, 0, 0), "2,89"},
                      CasSerie{"density_with_zero", 2, true, 0, 0.5, CouleurRvb(255, 0, 0), "-0,5"}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(SerieLumiere, ThreeGreyImagesGiveThreeRowsWithAdvancingX)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    ParametresSerie p;
    p.grandeur = 0;
    p.premier = 5;
    p.ecart = 2.5;
    TableauResultats t;
    t.BasculerTotaux();
    const CouleurWin gris = CouleurRvb(128, 128, 128);
    RemplirSerieLumiere(t, p, {}, {gris, gris, gris});
    EXPECT_EQ(t.LignesTexte(), (QStringList{"Intensité (%)", "temps\tI (R)", "min\t%", "5\t50,2", "7,5\t50,2",
                                            "10\t50,2"}));
    TGraphe g;
    PreparerGrapheSerie(t, g);
    EXPECT_EQ(t.NbColonnes(), 2);
    EXPECT_EQ(t.LargeurColonne, 120);
    EXPECT_EQ(g.GraphTitle, QStringLiteral("Intensité (%)"));
    EXPECT_EQ(g.Axe(AxeId::X).titre, QStringLiteral("temps (min)"));
    EXPECT_EQ(g.Axe(AxeId::Y).titre, QStringLiteral("I (R) (%)"));
    EXPECT_FALSE(g.Axe(AxeId::Y2).visible);
}

TEST(SerieLumiere, CaptionsOfArbitraryUnitsAndDensityAndAMissedImage)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    ParametresSerie p;
    p.pourcent = false;
    p.composante = 3;
    TableauResultats t;
    RemplirSerieLumiere(t, p, {}, {CouleurRvb(255, 255, 255), std::nullopt});
    EXPECT_EQ(t.LignesTexte(), (QStringList{"Absorption (u.arb.)", "temps\tA", "min\tu.arb.", "0\t0", "0\t"}));
    p.grandeur = 2;
    p.composante = 1;
    RemplirSerieLumiere(t, p, {}, {CouleurRvb(0, 0, 0), CouleurRvb(0, 255, 0)});
    EXPECT_EQ(t.LignesTexte(), (QStringList{"D.O.", "temps\tD.O. (V)", "min\t", "0\t2,41", "0\t0"}));
}

} // namespace

namespace {

TEST(LignesImagesSerie, NumberOnTwoCharactersThenTheFileNameAlone)
{
    EXPECT_EQ(LigneImageSerie(1, QStringLiteral("/home/eleve/photos/photo.bmp")), QStringLiteral(" 1 photo.bmp"));
    EXPECT_EQ(LigneImageSerie(12, QStringLiteral("C:\\images\\feuille 2.jpg")), QStringLiteral("12 feuille 2.jpg"));
    EXPECT_EQ(LigneImageSerie(3, QStringLiteral("Nouveau3")), QStringLiteral(" 3 Nouveau3"));
    EXPECT_EQ(NumeroLigneImage(QStringLiteral(" 1 photo.bmp")), 1);
    EXPECT_EQ(NumeroLigneImage(QStringLiteral("12 12.bmp")), 12);
    EXPECT_EQ(NumeroLigneImage(QStringLiteral("ab")), 0);
}

} // namespace
