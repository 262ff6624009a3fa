// The multiple measurements filling the results table: X advancing by the
// four modes with its decimals, the pending line of two Y quantities, the
// entry row above the totals row, the headers written from the parameters,
// and the table emptied. Expected columns are written out by hand.

#include "plot/graphe.h"
#include "support/separateur.h"
#include "table/mesures_multiples.h"
#include "table/tableau_resultats.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

QStringList Colonne(const TableauResultats &t, int c)
{
    QStringList cellules;
    for (int r = 0; r < t.NbLignes(); ++r)
        cellules << t.Cellule(c, r);
    return cellules;
}

TableauResultats TableauVide()
{
    TableauResultats t;
    t.SepDecimal = QLatin1Char(',');
    t.SepAutre = QLatin1Char('.');
    t.ToutEffacer();
    return t;
}

struct CasAvance {
    const char *nom;
    AvanceX mode;
    double pas;
    int decimales; // -1 for "Entier"
    double x0;
    QStringList colonneX; // the X cells of the data rows
    const char *suivant;  // the X shown after the sends
};

void PrintTo(const CasAvance &c, std::ostream *os)
{
    *os << c.nom;
}

class AvanceXMulti : public ::testing::TestWithParam<CasAvance> {};

TEST_P(AvanceXMulti, EachCompleteSendWritesXThenAdvancesIt)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    const CasAvance &c = GetParam();
    ParametresMesMult p;
    p.mode = c.mode;
    p.pas = c.pas;
    p.reel = c.decimales >= 0;
    p.decimales = std::max(c.decimales, 0);
    MesuresMultiples m;
    m.PrendreParametres(p);
    m.DefinirX(c.x0);
    TableauResultats t = TableauVide();
    for (qsizetype i = 0; i < c.colonneX.size(); ++i) {
        m.Capturer(10.0 * static_cast<double>(i));
        EXPECT_TRUE(m.Envoyer(t));
    }
    EXPECT_EQ(Colonne(t, 0).mid(2), c.colonneX + QStringList{QString()});
    EXPECT_EQ(m.TexteX(), QString::fromUtf8(c.suivant));
}

INSTANTIATE_TEST_SUITE_P(
    Multi, AvanceXMulti,
    ::testing::Values(CasAvance{"add_step_1_from_0", AvanceX::Ajouter, 1, -1, 0, {"0", "1", "2"}, "3"},
                      CasAvance{"subtract_half", AvanceX::Soustraire, 0.5, 1, 1, {"1,0", "0,5", "0,0"}, "-0,5"},
                      CasAvance{"multiply_by_2", AvanceX::Multiplier, 2, -1, 1, {"1", "2", "4"}, "8"},
                      // "Diviser" shows 4 decimals whatever the step's.
                      CasAvance{"divide_by_3_four_decimals", AvanceX::Diviser, 3, -1, 1, {"1,0000", "0,3333"}, "0,1111"},
                      CasAvance{"divide_by_0_keeps_x", AvanceX::Diviser, 0, -1, 5, {"5,0000", "5,0000"}, "5,0000"},
                      CasAvance{"no_decimals_125", AvanceX::Ajouter, 1, 0, 125, {"125"}, "126"}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(EnvoyerMulti, ThreeSendsGiveThreeDataRowsAndAnEmptyEntryRow)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    MesuresMultiples m;
    m.NomXMulti = QStringLiteral("essai");
    m.NomYMulti[1] = QStringLiteral("longueur");
    m.UniteYMulti[1] = QStringLiteral("mm");
    m.CoeffYMulti[1] = 2;
    TableauResultats t = TableauVide();
    for (double l : {1.25, 3.0, 0.0004}) {
        m.Capturer(l);
        m.Envoyer(t);
    }
    EXPECT_EQ(t.NbLignes(), 6);
    EXPECT_EQ(Colonne(t, 0), (QStringList{"essai", "", "0", "1", "2", ""}));
    // Each value times the multiplier, written with 3 significant digits.
    EXPECT_EQ(Colonne(t, 1), (QStringList{"longueur", "mm", "2,5", "6", "0,0008", ""}));
    EXPECT_EQ(m.TexteX(), QStringLiteral("3"));
}

TEST(EnvoyerMulti, TwoYQuantitiesWaitForY2BeforeTheLineIsComplete)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    MesuresMultiples m;
    m.NbYMulti = 2;
    TableauResultats t = TableauVide();
    t.DefinirTaille(3, 3);
    m.Capturer(4);
    EXPECT_FALSE(m.Envoyer(t));
    EXPECT_TRUE(m.Y2Coche);
    EXPECT_EQ(m.TexteX(), QStringLiteral("0"));
    EXPECT_EQ(t.NbLignes(), 3);
    m.Capturer(7); // fills Y2 now
    EXPECT_EQ(m.ValeurYMulti[1], 4.0);
    EXPECT_TRUE(m.Envoyer(t));
    EXPECT_FALSE(m.Y2Coche);
    EXPECT_EQ(t.NbLignes(), 4);
    EXPECT_EQ(t.Ligne(2), (QStringList{"0", "4", "7"}));
    EXPECT_EQ(t.Ligne(3), (QStringList{"", "", ""}));
    EXPECT_EQ(m.TexteX(), QStringLiteral("1"));
}

TEST(EnvoyerMulti, WithTotalsShownTheLineGoesAboveTheTotalsWhichAreRecomputed)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    MesuresMultiples m;
    TableauResultats t = TableauVide();
    m.Capturer(3);
    m.Envoyer(t);
    t.BasculerTotaux();
    t.CalculerTotaux();
    m.Capturer(5);
    m.Envoyer(t);
    const int n = t.NbLignes();
    EXPECT_EQ(t.Cellule(0, n - 1), QStringLiteral("totaux"));
    EXPECT_EQ(t.Ligne(3).mid(0, 2), (QStringList{"1", "5"}));
    EXPECT_EQ(t.Cellule(1, n - 2), QString()); // the new entry row
    EXPECT_EQ(t.Cellule(1, n - 1), QStringLiteral("8"));
}

TEST(ParametresMulti, TwoYQuantitiesGiveEachItsOwnUnitInTheHeaders)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    MesuresMultiples m;
    TableauResultats t = TableauVide();
    TGraphe g;
    ParametresMesMult p;
    p.titre = QStringLiteral("Croissance");
    p.nbY = 2;
    p.nomY = {QString(), QStringLiteral("hauteur"), QStringLiteral("largeur")};
    p.uniteY = {QString(), QStringLiteral("mm"), QStringLiteral("cm")};
    p.coeff = {1, 1, 0.5};
    AppliquerParametresMesMult(m, t, g, p, 80);
    EXPECT_EQ(t.NbColonnes(), 3);
    EXPECT_EQ(t.Ligne(0), (QStringList{"Valeur X", "hauteur", "largeur"}));
    EXPECT_EQ(t.Ligne(1), (QStringList{"", "mm", "cm"}));
    EXPECT_EQ(t.Titre, QStringLiteral("Croissance"));
    EXPECT_TRUE(g.Axe(AxeId::Y2).visible);
    EXPECT_EQ(g.Axe(AxeId::Y2).titre, QStringLiteral("largeur (cm)"));
    EXPECT_EQ(m.LibelleY(2), QStringLiteral("largeur (cm)"));
    m.Y2Coche = true;
    m.Capturer(3);
    EXPECT_EQ(m.TexteY(2), QStringLiteral("1,5"));
}

TEST(ParametresMulti, FewerYQuantitiesThanColumnsAsksFirst)
{
    MesuresMultiples m;
    TableauResultats t = TableauVide();
    t.DefinirTaille(3, 3);
    ParametresMesMult p;
    p.nbY = 1;
    EXPECT_TRUE(m.ColonnePerdue(p, t));
    p.nbY = 2;
    EXPECT_FALSE(m.ColonnePerdue(p, t));
}

TEST(EffacerMulti, KeepsTheHeadersAndLeavesOneEmptyEntryRow)
{
    MesuresMultiples m;
    m.NomXMulti = QStringLiteral("t");
    m.UniteXMulti = QStringLiteral("s");
    m.NomYMulti[1] = QStringLiteral("D.O.");
    TableauResultats t = TableauVide();
    for (int i = 0; i < 3; ++i)
        m.Envoyer(t);
    m.EffacerTableau(t);
    EXPECT_EQ(t.NbLignes(), 3);
    EXPECT_EQ(t.Ligne(0), (QStringList{"t", "D.O."}));
    EXPECT_EQ(t.Ligne(1), (QStringList{"s", ""}));
    EXPECT_EQ(t.Ligne(2), (QStringList{"", ""}));
}

TEST(LibellesMulti, LengthCaptionStaysWithin31Characters)
{
    EXPECT_EQ(LibelleLongueur(QStringLiteral("mm")), QStringLiteral("longueur (mm)"));
    const QString l = LibelleLongueur(QString(40, QLatin1Char('u')));
    EXPECT_EQ(l.size(), 31);
    EXPECT_TRUE(l.endsWith(QLatin1Char(')')));
    EXPECT_EQ(LibelleGrandeur(NomGrandeurLumiere(2), UniteGrandeurLumiere(2), QString()), QStringLiteral("D.O."));
    EXPECT_EQ(LibelleGrandeur(NomGrandeurLumiere(1), UniteGrandeurLumiere(1), QString()),
              QStringLiteral("absorbance (%)"));
}

} // namespace
