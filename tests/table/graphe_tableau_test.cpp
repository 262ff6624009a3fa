// The table's graph: the refresh plots each series down to its first cell
// that is not a number, the setup puts the second Y variable on its own
// axis, the scale record of a saved picture matches the plot area and the
// displayed ranges, and the saved files carry that calibration (a GIF in its
// comment, a BMP in its side-file).

#include "calibration/echelle_annexe.h"
#include "commun/fichier_texte.h"
#include "document/formats/lecteur_image.h"
#include "plot/graphe.h"
#include "plot/rendu_graphe.h"
#include "support/separateur.h"
#include "table/graphe_tableau.h"
#include "table/tableau_resultats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

namespace {

class GrapheTableauTest : public ::testing::Test {
protected:
    GrapheTableauTest()
    {
        t.SepDecimal = QLatin1Char(',');
        t.SepAutre = QLatin1Char('.');
        PreparerGrapheTableau(graphe);
    }

    // Two Y variables named "h" (m) and "T" (°C) against "t" (s).
    void DeuxVariables()
    {
        ChoixTableau choix;
        choix.titre = QStringLiteral("Chute");
        choix.nbY = 2;
        choix.noms[0] = QStringLiteral("t");
        choix.unites[0] = QStringLiteral("s");
        choix.noms[1] = QStringLiteral("h");
        choix.unites[1] = QStringLiteral("m");
        choix.noms[2] = QStringLiteral("T");
        choix.unites[2] = QStringLiteral("°C");
        AppliquerReglage(t, graphe, choix);
    }

    void Lignes(std::initializer_list<QStringList> lignes)
    {
        t.DefinirTaille(t.NbColonnes(), t.LignesFixes() + static_cast<int>(lignes.size()));
        int r = t.LignesFixes();
        for (const QStringList &l : lignes) {
            for (int c = 0; c < l.size(); ++c)
                t.DefinirCellule(c, r, l[c]);
            ++r;
        }
    }

    SeparateurTemporaire virgule{QLatin1Char(',')};
    TableauResultats t;
    TGraphe graphe;
};

TEST_F(GrapheTableauTest, SetupWritesHeadersAndPutsTheSecondYOnItsAxis)
{
    DeuxVariables();
    EXPECT_FALSE(t.DemanderReglage);
    EXPECT_EQ(t.Titre, QStringLiteral("Chute"));
    EXPECT_EQ(t.NbColonnes(), 3);
    EXPECT_EQ(t.Ligne(0), QStringList({"t", "h", "T"}));
    EXPECT_EQ(t.Ligne(1), QStringList({"s", "m", "°C"}));
    EXPECT_TRUE(graphe.Axe(AxeId::Y2).visible);
    EXPECT_TRUE(graphe.Serie(2).surY2);
    EXPECT_EQ(graphe.RightMargin, 40);
    EXPECT_EQ(graphe.Axe(AxeId::X).titre, QStringLiteral("t (s)"));
    EXPECT_EQ(graphe.Axe(AxeId::Y2).titre, QStringLiteral("T (°C)"));
}

TEST_F(GrapheTableauTest, SeriesSetupWritesTheSeriesLabelRow)
{
    ChoixTableau choix;
    choix.series = true;
    choix.parParametre = true;
    choix.nomParametre = QStringLiteral("masse");
    choix.uniteParametre = QStringLiteral("g");
    AppliquerReglage(t, graphe, choix);
    EXPECT_EQ(t.LignesFixes(), 3);
    EXPECT_EQ(t.NbLignes(), 4);
    EXPECT_EQ(t.Cellule(0, 2), QStringLiteral("//masse (g)"));
}

// The setup dialog's choices with X "t" (s) and Y "h" (m): variables mode
// with one Y, or series mode with numeric X or X by classes.
enum class Type { Variables, SeriesNumeriques, SeriesClasses };

ChoixTableau ChoixDeType(Type type)
{
    ChoixTableau c;
    c.series = type != Type::Variables;
    c.xNumerique = type != Type::SeriesClasses;
    c.noms[0] = QStringLiteral("t");
    c.unites[0] = QStringLiteral("s");
    c.noms[1] = QStringLiteral("h");
    c.unites[1] = QStringLiteral("m");
    return c;
}

// OK in the setup dialog of a table that already holds data: its header rows
// take the new layout and its data rows stay data rows.
struct CasReglage {
    const char *nom;
    Type avant;
    // Fills the table set up as `avant`.
    std::function<void(TableauResultats &)> remplir;
    Type apres;
    std::vector<QStringList> lignes; // the whole grid afterwards
    int series;                      // series of the table afterwards
    int points;                      // points of series 1 after a refresh
};

void PrintTo(const CasReglage &c, std::ostream *os)
{
    *os << c.nom;
}

// Rows from the first data row on, the last given being the entry row.
void Donnees(TableauResultats &t, const std::vector<QStringList> &lignes)
{
    t.DefinirTaille(t.NbColonnes(), t.LignesFixes() + static_cast<int>(lignes.size()));
    for (std::size_t r = 0; r < lignes.size(); ++r)
        for (int c = 0; c < lignes[r].size(); ++c)
            t.DefinirCellule(c, t.LignesFixes() + static_cast<int>(r), lignes[r][c]);
}

const CasReglage kCasReglage[] = {
    {"series_table_reopened_keeps_every_series", Type::SeriesNumeriques,
     [](TableauResultats &t) {
         t.InsererColonneSerie(1);
         t.InsererColonneSerie(2);
         t.DefinirCellule(1, 2, QStringLiteral("A"));
         t.DefinirCellule(2, 2, QStringLiteral("B"));
         t.DefinirCellule(3, 2, QStringLiteral("C"));
         Donnees(t, {{"1", "2", "3", "4"}, {"", "", "", ""}});
     },
     Type::SeriesNumeriques,
     {{"t", "h", "", ""}, {"s", "m", "", ""}, {"///série", "A", "B", "C"}, {"1", "2", "3", "4"}, {"", "", "", ""}},
     3, 1},
    {"variables_to_series_keep_the_first_data_row", Type::Variables,
     [](TableauResultats &t) { Donnees(t, {{"1", "2"}, {"3", "4"}, {"", ""}}); }, Type::SeriesNumeriques,
     {{"t", "h"}, {"s", "m"}, {"///série", ""}, {"1", "2"}, {"3", "4"}, {"", ""}}, 1, 2},
    {"series_to_variables_drop_the_series_row", Type::SeriesNumeriques,
     [](TableauResultats &t) {
         t.DefinirCellule(1, 2, QStringLiteral("A"));
         Donnees(t, {{"1", "2"}, {"", ""}});
     },
     Type::Variables, {{"t", "h"}, {"s", "m"}, {"1", "2"}, {"", ""}}, 1, 1},
    {"numeric_x_to_classes_drops_the_unit_row", Type::SeriesNumeriques,
     [](TableauResultats &t) {
         t.DefinirCellule(1, 2, QStringLiteral("A"));
         Donnees(t, {{"a", "2"}, {"", ""}});
     },
     Type::SeriesClasses, {{"t", "h"}, {"///série", "A"}, {"a", "2"}, {"", ""}}, 1, 0},
    {"classes_to_numeric_x_brings_the_unit_row_back", Type::SeriesClasses,
     [](TableauResultats &t) {
         t.DefinirCellule(1, 1, QStringLiteral("A"));
         Donnees(t, {{"1", "2"}, {"", ""}});
     },
     Type::SeriesNumeriques, {{"t", "h"}, {"s", "m"}, {"///série", "A"}, {"1", "2"}, {"", ""}}, 1, 1},
};

class ReglageSurDonnees : public ::testing::TestWithParam<CasReglage> {
protected:
    SeparateurTemporaire virgule{QLatin1Char(',')};
};

TEST_P(ReglageSurDonnees, KeepsDataRowsAndSeriesUnderTheNewHeaders)
{
    const CasReglage &c = GetParam();
    TableauResultats t;
    TGraphe graphe;
    PreparerGrapheTableau(graphe);
    AppliquerReglage(t, graphe, ChoixDeType(c.avant));
    c.remplir(t);
    AppliquerReglage(t, graphe, ChoixDeType(c.apres));
    std::vector<QStringList> lignes;
    for (int r = 0; r < t.NbLignes(); ++r)
        lignes.push_back(t.Ligne(r));
    EXPECT_EQ(lignes, c.lignes);
    EXPECT_EQ(t.LignesFixes(), c.apres == Type::SeriesNumeriques ? 3 : 2);
    EXPECT_EQ(t.ModeSeries ? t.NbSeries : t.NbY, c.series);
    RafraichirGraphe(t, graphe);
    EXPECT_EQ(graphe.Serie(1).NombrePoints(), c.points);
}

INSTANTIATE_TEST_SUITE_P(Cas, ReglageSurDonnees, ::testing::ValuesIn(kCasReglage),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST_F(GrapheTableauTest, RefreshPlotsEachSeriesDownToItsFirstText)
{
    DeuxVariables();
    Lignes({{"0", "1", "20"}, {"1", "2.5", "21"}, {"2", "x", "22"}, {"3", "4", "2.5.1"}, {"", "", ""}});
    RafraichirGraphe(t, graphe);
    const SerieGraphe &h = *graphe.TrouverSerie(1);
    const SerieGraphe &temp = *graphe.TrouverSerie(2);
    EXPECT_EQ(h.NombrePoints(), 2) << "the third data row holds text";
    EXPECT_EQ(h.YDuPoint(1), 2.5);
    EXPECT_EQ(temp.NombrePoints(), 3) << "2.5.1 is not a number";
    EXPECT_EQ(t.Cellule(1, 3), QStringLiteral("2,5"));
    EXPECT_EQ(t.Cellule(2, 5), QStringLiteral("2,5.1"));
    EXPECT_EQ(h.nom, QStringLiteral("h"));
    EXPECT_TRUE(graphe.MessagesAxes().isEmpty());
}

TEST_F(GrapheTableauTest, ASecondYTakenAwayLeavesNoPointsOnTheGraph)
{
    DeuxVariables();
    Lignes({{"0", "1", "20"}, {"1", "2", "21"}});
    RafraichirGraphe(t, graphe);
    ASSERT_EQ(graphe.TrouverSerie(2)->NombrePoints(), 2);
    ChoixTableau uneVariable;
    AppliquerReglage(t, graphe, uneVariable);
    RafraichirGraphe(t, graphe);
    EXPECT_EQ(graphe.TrouverSerie(2)->NombrePoints(), 0);
    EXPECT_FALSE(graphe.TrouverSerie(2)->visible);
    EXPECT_FALSE(graphe.Axe(AxeId::Y2).visible);
}

TEST_F(GrapheTableauTest, ScaleRecordFollowsThePlotAreaAndRanges)
{
    DeuxVariables();
    Lignes({{"0", "-10", "0"}, {"100", "10", "1"}});
    graphe.Axe(AxeId::X).reglage = EntreeAxe{0, 100, 10, false, false};
    graphe.Axe(AxeId::Y).reglage = EntreeAxe{-10, 10, 5, false, false};
    graphe.LeftMargin = 60;
    graphe.TopMargin = 30;
    RafraichirGraphe(t, graphe);
    // 640 x 480, margins 60, 30, 40, 70: frame 60..600 x 30..410.
    const TEchelle e = EchelleDuGraphe(graphe, t);
    ASSERT_EQ(e.Definie, 1);
    EXPECT_EQ(e.Mode, TEchelle::Cartesien);
    EXPECT_EQ(QRect(QPoint(e.CadreX1, e.CadreY1), QPoint(e.CadreX2, e.CadreY2)), QRect(QPoint(60, 30), QPoint(600, 410)));
    EXPECT_DOUBLE_EQ(e.FacteurX, 100.0 / 540);
    EXPECT_EQ(e.OrigineX, 60);
    EXPECT_DOUBLE_EQ(e.FacteurY[0], 20.0 / -380);
    EXPECT_EQ(e.OrigineY[0], 220);
    EXPECT_EQ(e.NbAxesY, 2);
    EXPECT_EQ(e.UniteX, QStringLiteral("s (t)"));
    EXPECT_EQ(e.UniteY[1], QStringLiteral("°C (T)"));
}

TEST_F(GrapheTableauTest, ZeroSizePlotAreaGivesAnUndefinedScale)
{
    DeuxVariables();
    Lignes({{"0", "1", "2"}});
    graphe.DefinirTaille(QSize(graphe.LeftMargin + graphe.RightMargin, 300));
    RafraichirGraphe(t, graphe);
    EXPECT_EQ(EchelleDuGraphe(graphe, t).Definie, 0);
}

TEST_F(GrapheTableauTest, BmpIsSavedWithItsScaleSideFileAndGifWithItsComment)
{
    DeuxVariables();
    Lignes({{"0", "1", "20"}, {"1", "3", "25"}});
    RafraichirGraphe(t, graphe);
    const TEchelle e = EchelleDuGraphe(graphe, t);
    ASSERT_EQ(e.Definie, 1);
    QTemporaryDir dossier;
    const QString bmp = dossier.filePath(QStringLiteral("courbe.bmp"));
    EnregistrerGraphe(bmp, RendreGraphe(graphe), e);
    EXPECT_EQ(LireImage(bmp).size(), QSize(640, 480));
    const TEchelle lue = LireEchelleAnnexe(bmp);
    EXPECT_EQ(lue.Definie, 1);
    EXPECT_EQ(lue.Mode, TEchelle::Cartesien);
    EXPECT_EQ(lue.NbAxesY, 2);
    EXPECT_EQ(lue.UniteY[1], QStringLiteral("°C (T)"));

    QDir(dossier.path()).remove(QStringLiteral("courbe.sca"));
    const QString gif = dossier.filePath(QStringLiteral("courbe.gif"));
    EnregistrerGraphe(gif, RendreGraphe(graphe), e);
    EXPECT_FALSE(QFileInfo::exists(dossier.filePath(QStringLiteral("courbe.sca")))) << "a GIF has no side-file";
    QFile f(gif);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    EXPECT_EQ(DecoderTexte(CommentaireGif(octets)), EchelleEnTexte(e));
    EXPECT_EQ(LireImage(gif).size(), QSize(640, 480));
}

TEST_F(GrapheTableauTest, GifWithoutScaleHasNoComment)
{
    QTemporaryDir dossier;
    const QString gif = dossier.filePath(QStringLiteral("vide.gif"));
    TEchelle e;
    e.Definie = 0;
    EnregistrerGraphe(gif, RendreGraphe(graphe), e);
    QFile f(gif);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(CommentaireGif(f.readAll()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dossier.filePath(QStringLiteral("vide.sca"))));
}

TEST_F(GrapheTableauTest, SavedTextIsWindows1252WithCrLf)
{
    DeuxVariables();
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("t.txt"));
    EnregistrerTexteTableau(chemin, t);
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Chute\r\nt\th\tT\r\ns\tm\t\xB0" "C\r\n\t\t\r\n"));
}

} // namespace
