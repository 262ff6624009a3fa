// The results table's model: its text, totals with the grand total taken
// from the rounded column totals, percentages, means counting empty cells in
// their divisor, the separator conversion, and the editing rules that keep
// the totals row and the computed columns in place.

#include "table/tableau_resultats.h"
#include "support/nom_cas.h"
#include "support/separateur.h"

#include <gtest/gtest.h>

#include <cctype>
#include <initializer_list>
#include <ostream>
#include <string>

namespace {

// A variables-mode table with two header rows, then the given rows (the
// last one given is the entry row), separators of a comma system.
TableauResultats Tableau(std::initializer_list<QStringList> lignes)
{
    TableauResultats t;
    t.SepDecimal = QLatin1Char(',');
    t.SepAutre = QLatin1Char('.');
    const int colonnes = static_cast<int>(lignes.begin()->size());
    t.NbY = colonnes - 1;
    t.DefinirTaille(colonnes, static_cast<int>(lignes.size()));
    int r = 0;
    for (const QStringList &l : lignes) {
        for (int c = 0; c < l.size(); ++c)
            t.DefinirCellule(c, r, l[c]);
        ++r;
    }
    return t;
}

QStringList Colonne(const TableauResultats &t, int c)
{
    QStringList cellules;
    for (int r = 0; r < t.NbLignes(); ++r)
        cellules << t.Cellule(c, r);
    return cellules;
}

class TableauVirgule : public ::testing::Test {
protected:
    SeparateurTemporaire virgule{QLatin1Char(',')};
};

TEST(TexteTableau, FreshTableIsTheCaptionAndThreeLinesOfOneTab)
{
    const TableauResultats t;
    EXPECT_EQ(t.TexteTableau(), QStringLiteral("Résultats\r\n\t\r\n\t\r\n\t\r\n"));
}

TEST_F(TableauVirgule, TotalsOfTwoYColumnsUseTheRoundedColumnTotals)
{
    TableauResultats t = Tableau({{"x", "Y1", "Y2"}, {"", "", ""}, {"1", "500", "2"}, {"2", "504", "2"}, {"", "", ""}});
    t.BasculerTotaux();
    ASSERT_EQ(t.NbColonnes(), 5);
    ASSERT_EQ(t.NbLignes(), 6);
    EXPECT_EQ(t.Ligne(0), QStringList({"x", "Y1", "Y2", "totaux", "   %"}));
    // 1004 is written 1E3, so the grand total is 1000 + 4, written 1E3
    // (the exact 1008 would read 1,01E3).
    EXPECT_EQ(t.Ligne(5), QStringList({"totaux", "1E3", "4", "1E3", ""}));
    EXPECT_EQ(t.Ligne(2), QStringList({"1", "500", "2", "502", "50"}));
    EXPECT_EQ(t.Ligne(3), QStringList({"2", "504", "2", "506", "50,4"}));
    t.BasculerTotaux();
    EXPECT_EQ(t.NbColonnes(), 3);
    EXPECT_EQ(t.NbLignes(), 5);
}

TEST_F(TableauVirgule, AllZeroTableWritesNoPercentage)
{
    TableauResultats t = Tableau({{"x", "Y"}, {"", ""}, {"1", "0"}, {"2", "0"}, {"", ""}});
    t.BasculerTotaux();
    EXPECT_EQ(Colonne(t, 3), QStringList({"   %", "", "", "", "", ""}));
    EXPECT_EQ(t.Cellule(2, 5), QStringLiteral("0"));
}

TEST_F(TableauVirgule, MeansCountEmptyCellsInTheirDivisor)
{
    TableauResultats t = Tableau({{"x", "Y1", "Y2"}, {"", "", ""}, {"1", "4", ""}, {"", "", ""}});
    t.BasculerMoyennes();
    EXPECT_EQ(Colonne(t, 3), QStringList({"moyennes", "", "2", "0"}));
}

TEST_F(TableauVirgule, TotalsAndMeansReplaceEachOther)
{
    TableauResultats t = Tableau({{"x", "Y1", "Y2"}, {"", "", ""}, {"1", "4", "6"}, {"", "", ""}});
    t.BasculerMoyennes();
    t.BasculerTotaux();
    EXPECT_FALSE(t.Moyennes());
    EXPECT_EQ(t.NbColonnes(), 5);
    EXPECT_EQ(t.Ligne(2), QStringList({"1", "4", "6", "10", "100"}));
    t.BasculerMoyennes();
    EXPECT_FALSE(t.Totaux());
    // The totals row stays as an ordinary line, which gets its mean.
    EXPECT_EQ(t.NbColonnes(), 4);
    EXPECT_EQ(t.Ligne(2), QStringList({"1", "4", "6", "5"}));
    EXPECT_EQ(t.Ligne(4), QStringList({"totaux", "4", "6", "5"}));
}

TEST_F(TableauVirgule, OtherSeparatorIsTurnedIntoTheDecimalOneInTheCell)
{
    TableauResultats t = Tableau({{"x", "Y"}, {"", ""}, {"2.5", "2.5.1"}, {" 12", "-0"}, {"1E999", ""}});
    EXPECT_EQ(t.LireNombre(0, 2), 2.5);
    EXPECT_EQ(t.Cellule(0, 2), QStringLiteral("2,5"));
    EXPECT_EQ(t.LireNombre(1, 2), std::nullopt);
    EXPECT_EQ(t.Cellule(1, 2), QStringLiteral("2,5.1"));
    EXPECT_EQ(t.LireNombre(0, 3), 12);
    EXPECT_EQ(t.LireNombre(1, 3), 0);
    EXPECT_EQ(t.LireNombre(0, 4), std::nullopt) << "a number beyond the reals is text";
    EXPECT_EQ(t.LireNombre(1, 4), std::nullopt);
}

TEST_F(TableauVirgule, UnsetSeparatorsConvertNothing)
{
    TableauResultats t = Tableau({{"x", "Y"}, {"", ""}, {"2.5", "1"}});
    t.SepDecimal = QChar();
    EXPECT_EQ(t.LireNombre(0, 2), std::nullopt);
    EXPECT_EQ(t.Cellule(0, 2), QStringLiteral("2.5"));
}

TEST_F(TableauVirgule, EnterInTheLastDataCellAddsALineAboveTheTotals)
{
    TableauResultats t = Tableau({{"x", "Y"}, {"", ""}, {"1", "3"}, {"2", "4"}});
    t.BasculerTotaux(); // rows: 2 headers, 2 data, totals
    const auto effet = t.ToucheGrille(TableauResultats::Touche::Entree, 1, 3);
    EXPECT_TRUE(effet.ligneAjoutee);
    EXPECT_TRUE(effet.rafraichir);
    EXPECT_EQ(effet.ligne, 4);
    EXPECT_EQ(effet.colonne, 0);
    ASSERT_EQ(t.NbLignes(), 6);
    EXPECT_EQ(t.Cellule(0, 4), QString());
    EXPECT_EQ(t.Cellule(0, 5), QStringLiteral("totaux"));
    EXPECT_EQ(t.Cellule(1, 5), QStringLiteral("7"));
}

TEST_F(TableauVirgule, KeysInComputedCellsAreDiscarded)
{
    TableauResultats t = Tableau({{"x", "Y"}, {"", ""}, {"1", "3"}, {"", ""}});
    t.BasculerTotaux();
    EXPECT_TRUE(t.ToucheGrille(TableauResultats::Touche::Autre, 0, 4).ecartee);
    EXPECT_TRUE(t.ToucheGrille(TableauResultats::Touche::Entree, 2, 2).ecartee);
    EXPECT_TRUE(t.ToucheGrille(TableauResultats::Touche::Autre, 3, 2).ecartee);
    const auto ailleurs = t.ToucheGrille(TableauResultats::Touche::Entree, 0, 2);
    EXPECT_FALSE(ailleurs.ecartee);
    EXPECT_FALSE(ailleurs.ligneAjoutee);
    EXPECT_TRUE(ailleurs.rafraichir);
}

TEST_F(TableauVirgule, BackspaceInAnEmptyLastLineRemovesIt)
{
    TableauResultats t = Tableau({{"x", "Y"}, {"", ""}, {"1", "3"}, {"", ""}});
    const auto effet = t.ToucheGrille(TableauResultats::Touche::RetourArriere, 0, 3);
    EXPECT_TRUE(effet.ligneRetiree);
    EXPECT_EQ(t.NbLignes(), 3);
    // The one data line left is kept.
    EXPECT_FALSE(t.ToucheGrille(TableauResultats::Touche::RetourArriere, 0, 2).ligneRetiree);
}

TEST_F(TableauVirgule, ComputedColumnsColumnZeroAndTheTotalsRowCannotBeDeleted)
{
    TableauResultats t = Tableau({{"x", "Y1", "Y2"}, {"", "", ""}, {"1", "3", "4"}, {"", "", ""}});
    t.BasculerTotaux();
    EXPECT_FALSE(t.ColonneSupprimable(0));
    EXPECT_FALSE(t.ColonneSupprimable(3)); // "totaux"
    EXPECT_FALSE(t.ColonneSupprimable(4)); // "   %"
    EXPECT_TRUE(t.ColonneSupprimable(2));
    EXPECT_FALSE(t.SupprimerLigne(4));
    EXPECT_FALSE(t.SupprimerLigne(1));
    t.BasculerMoyennes();
    EXPECT_FALSE(t.ColonneSupprimable(3)); // "moyennes"
    EXPECT_EQ(TableauResultats().ColonneSupprimable(1), false) << "two columns";
}

TEST_F(TableauVirgule, DeletingTheSecondYColumnLeavesOneY)
{
    TableauResultats t = Tableau({{"x", "Y1", "Y2"}, {"", "", ""}, {"1", "3", "4"}, {"", "", ""}});
    t.BasculerTotaux();
    EXPECT_EQ(t.SupprimerColonne(2), 2);
    EXPECT_EQ(t.NbY, 1);
    EXPECT_EQ(t.Ligne(2), QStringList({"1", "3", "3", "100"}));
}

// Deleting a Y column leaves a table whose headers, names and units still
// describe the columns that remain, and never leaves it without one.
struct CasSuppressionColonne {
    const char *nom;
    bool series;
    bool totaux;
    int colonne;
    bool supprimee;
    int serieRetiree;
    QStringList entetes;    // rows 0 and 1 of the remaining Y columns, then NomOrdonnee[1], UniteOrdonnee[1]
};

void PrintTo(const CasSuppressionColonne &c, std::ostream *os)
{
    *os << c.nom;
}

const CasSuppressionColonne kCasSuppression[] = {
    {"y2_goes_y1_stays", false, false, 2, true, 2, {"h", "m", "h", "m"}},
    {"y1_goes_y2_takes_its_name_and_unit", false, false, 1, true, 2, {"T", "°C", "T", "°C"}},
    {"first_series_goes_the_y_name_moves_over_column_1", true, false, 1, true, 2, {"h", "m", "h", "m"}},
    {"only_y_column_beside_the_totals_stays", false, true, 1, false, 0, {"h", "m", "h", "m"}},
};

class SuppressionColonne : public ::testing::TestWithParam<CasSuppressionColonne> {
protected:
    SeparateurTemporaire virgule{QLatin1Char(',')};
};

TEST_P(SuppressionColonne, LeavesHeadersThatDescribeTheRemainingColumns)
{
    const CasSuppressionColonne &c = GetParam();
    TableauResultats t;
    t.NomOrdonnee[1] = QStringLiteral("h");
    t.UniteOrdonnee[1] = QStringLiteral("m");
    if (c.series) {
        // Two series of "h" (m): the name and unit over column 1 only.
        t = Tableau({{"t", "h", ""}, {"s", "m", ""}, {"", "A", "B"}, {"1", "2", "3"}, {"", "", ""}});
        t.ModeSeries = true;
        t.NbY = 1;
        t.NbSeries = 2;
        t.DefinirLignesFixes(3);
    } else if (c.totaux) {
        t = Tableau({{"t", "h"}, {"s", "m"}, {"1", "2"}, {"", ""}});
        t.BasculerTotaux();
    } else {
        t = Tableau({{"t", "h", "T"}, {"s", "m", "°C"}, {"1", "2", "3"}, {"", "", ""}});
        t.NomOrdonnee[2] = QStringLiteral("T");
        t.UniteOrdonnee[2] = QStringLiteral("°C");
    }
    t.NomOrdonnee[1] = QStringLiteral("h");
    t.UniteOrdonnee[1] = QStringLiteral("m");
    EXPECT_EQ(t.ColonneSupprimable(c.colonne), c.supprimee);
    EXPECT_EQ(t.SupprimerColonne(c.colonne), c.serieRetiree);
    EXPECT_EQ(QStringList({t.Cellule(1, 0), t.Cellule(1, 1), t.NomOrdonnee[1], t.UniteOrdonnee[1]}), c.entetes);
    if (c.supprimee && !c.series) {
        EXPECT_EQ(t.NbY, 1);
        EXPECT_TRUE(t.NomOrdonnee[2].isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cas, SuppressionColonne, ::testing::ValuesIn(kCasSuppression),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST_F(TableauVirgule, ToutEffacerGoesBackToTheVariablesModeOfItsGrid)
{
    TableauResultats t;
    t.ModeSeries = true;
    t.XNumerique = true;
    t.SeriesParParametre = true;
    t.NbSeries = 3;
    t.DefinirLignesFixes(3);
    t.DefinirTaille(4, 6);
    t.ToutEffacer();
    EXPECT_FALSE(t.ModeSeries);
    EXPECT_FALSE(t.SeriesParParametre);
    EXPECT_EQ(t.LigneSeries(), -1) << "no row of the 2-fixed-row grid is a series header";
    EXPECT_EQ(t.InsererColonneSerie(1), -1);
    EXPECT_EQ(t.TexteTableau(), t.Titre + QStringLiteral("\r\n\t\r\n\t\r\n\t\r\n"));
}

TEST_F(TableauVirgule, DeletingALineMovesTheNextOnesUpAndRecomputes)
{
    TableauResultats t = Tableau({{"x", "Y"}, {"", ""}, {"1", "3"}, {"2", "5"}, {"", ""}});
    t.BasculerTotaux();
    EXPECT_TRUE(t.SupprimerLigne(2));
    EXPECT_EQ(t.Cellule(1, 2), QStringLiteral("5"));
    EXPECT_EQ(t.Cellule(1, 4), QStringLiteral("5"));
}

TEST_F(TableauVirgule, InsertingALineOnTheTotalsRowGoesAboveIt)
{
    TableauResultats t = Tableau({{"x", "Y"}, {"", ""}, {"1", "3"}, {"", ""}});
    t.BasculerTotaux();
    EXPECT_EQ(t.InsererLigne(4), 4);
    EXPECT_EQ(t.Cellule(0, 5), QStringLiteral("totaux"));
    EXPECT_EQ(t.InsererLigne(2), 3);
}

TEST_F(TableauVirgule, InsertingASeriesColumnStaysLeftOfTheComputedOnes)
{
    TableauResultats t;
    t.ModeSeries = true;
    t.DefinirLignesFixes(3);
    t.DefinirTaille(2, 4);
    t.NomOrdonnee[1] = QStringLiteral("masse");
    t.UniteOrdonnee[1] = QStringLiteral("g");
    t.BasculerMoyennes();
    EXPECT_EQ(t.InsererColonneSerie(0), 2);
    EXPECT_EQ(t.NbSeries, 2);
    EXPECT_EQ(t.NbColonnes(), 4);
    EXPECT_EQ(t.Cellule(3, 0), QStringLiteral("moyennes"));
    EXPECT_EQ(t.Cellule(1, 0), QStringLiteral("masse"));
    EXPECT_EQ(t.Cellule(1, 1), QStringLiteral("g"));
    TableauResultats variables;
    EXPECT_EQ(variables.InsererColonneSerie(1), -1);
}

TEST(LibelleSeries, NamesTheParameterAndItsUnit)
{
    TableauResultats t;
    EXPECT_EQ(t.LibelleSeries(), QStringLiteral("///série"));
    t.SeriesParParametre = true;
    t.NomParametre = QStringLiteral("température");
    EXPECT_EQ(t.LibelleSeries(), QStringLiteral("//température"));
    t.UniteParametre = QStringLiteral("°C");
    EXPECT_EQ(t.LibelleSeries(), QStringLiteral("//température (°C)"));
}

// The same data cells in a table that never computed anything, with its
// totals computed once.
TableauResultats TotauxNeufs(const TableauResultats &t)
{
    TableauResultats neuf;
    neuf.SepDecimal = t.SepDecimal;
    neuf.SepAutre = t.SepAutre;
    neuf.NbY = t.NbY;
    const int colonnes = t.NbColonnes() - 2;
    neuf.DefinirTaille(colonnes, t.NbLignes() - 1);
    for (int r = 0; r < t.NbLignes() - 1; ++r)
        for (int c = 0; c < colonnes; ++c)
            neuf.DefinirCellule(c, r, QString(t.Cellule(c, r).constData(), t.Cellule(c, r).size()));
    neuf.BasculerTotaux();
    return neuf;
}

struct Retouche {
    const char *nom;
    void (*faire)(TableauResultats &t);
};

void PrintTo(const Retouche &r, std::ostream *os)
{
    *os << r.nom;
}

class TotauxApresRetouche : public ::testing::TestWithParam<Retouche> {
protected:
    SeparateurTemporaire virgule{QLatin1Char(',')};
};

// Totals computed again after an edit, reusing what the previous
// computation read and wrote, are those of a table computed afresh.
TEST_P(TotauxApresRetouche, MatchTheTotalsOfAFreshTable)
{
    TableauResultats t = Tableau({{"x", "Y1", "Y2"},
                                  {"", "", ""},
                                  {"1", "500", "2"},
                                  {"2", "504", "2,5"},
                                  {"3", "7", "texte"},
                                  {"4", "10", "1"},
                                  {"", "", ""}});
    t.BasculerTotaux();
    GetParam().faire(t);
    t.CalculerTotaux();
    const TableauResultats attendu = TotauxNeufs(t);
    ASSERT_EQ(t.NbLignes(), attendu.NbLignes());
    for (int r = 0; r < t.NbLignes(); ++r)
        EXPECT_EQ(t.Ligne(r), attendu.Ligne(r)) << "line " << r;
    // The remembered numbers of the cells are those parsed afresh.
    TableauResultats copie = attendu;
    for (int r = 2; r < t.NbLignes(); ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(t.NombreCellule(c, r), copie.LireNombre(c, r)) << "cell " << c << ", " << r;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TotauxApresRetouche,
    ::testing::Values(
        Retouche{"nothing", [](TableauResultats &) {}},
        Retouche{"a value typed over", [](TableauResultats &t) { t.DefinirCellule(1, 3, QStringLiteral("4")); }},
        Retouche{"a cell copied into another",
                 [](TableauResultats &t) { t.DefinirCellule(2, 2, t.Cellule(1, 4)); }},
        Retouche{"two lines swapped",
                 [](TableauResultats &t) {
                     for (int c = 0; c < 3; ++c) {
                         const QString a = t.Cellule(c, 2);
                         t.DefinirCellule(c, 2, t.Cellule(c, 5));
                         t.DefinirCellule(c, 5, a);
                     }
                 }},
        Retouche{"text where a number was", [](TableauResultats &t) { t.DefinirCellule(1, 2, QStringLiteral("a")); }},
        Retouche{"the other separator", [](TableauResultats &t) { t.DefinirCellule(1, 5, QStringLiteral("1.5")); }},
        Retouche{"a line inserted",
                 [](TableauResultats &t) {
                     const int r = t.InsererLigne(2);
                     t.DefinirCellule(1, r, QStringLiteral("9"));
                 }},
        Retouche{"a line deleted", [](TableauResultats &t) { t.SupprimerLigne(3); }},
        Retouche{"a computed cell overwritten", [](TableauResultats &t) { t.DefinirCellule(3, 2, QStringLiteral("x")); }},
        Retouche{"the separators swapped",
                 [](TableauResultats &t) {
                     DefinirSepDecimal(QLatin1Char('.'));
                     t.SepDecimal = QLatin1Char('.');
                     t.SepAutre = QLatin1Char(',');
                 }}),
    NomDuCas());

} // namespace
