// The graph model: series addressed by number, replace-on-same-X, the
// acceptance of the step counts, the axes derived from visible series only,
// pixel <-> value conversion through the plot area, and copies.

#include "plot/graphe.h"

#include <gtest/gtest.h>

namespace {

TEST(SeriesGraphe, AreCreatedOnFirstUseAndListedInNumberOrder)
{
    TGraphe g;
    g.Serie(3).nom = QStringLiteral("c");
    g.Serie(1).nom = QStringLiteral("a");
    ASSERT_EQ(g.Series().size(), 2u);
    EXPECT_EQ(g.Series().begin()->first, 1);
    EXPECT_EQ(g.TrouverSerie(2), nullptr);
    g.SupprimerSeries();
    EXPECT_TRUE(g.Series().empty());
}

TEST(PointsSerie, SameXReplacesItsYWhenDuplicatesAreNotAllowed)
{
    SerieGraphe s;
    s.doublonsX = false;
    s.AjouterPoint(1, 10);
    s.AjouterPoint(3, 30);
    s.AjouterPoint(1, 11);
    EXPECT_EQ(s.NombrePoints(), 2);
    EXPECT_EQ(s.YEnX(1), 11);
    EXPECT_EQ(s.YDuPoint(1), 30);
    EXPECT_EQ(s.YEnX(2), 0);
    EXPECT_EQ(s.YDuPoint(5), 0);
}

TEST(PointsSerie, DuplicatesAllowedKeepEveryPoint)
{
    SerieGraphe s;
    s.AjouterPoint(1, 10);
    s.AjouterPoint(1, 12);
    EXPECT_EQ(s.NombrePoints(), 2);
    EXPECT_EQ(s.YEnX(1), 10);
}

TEST(PointsSerie, AreKeptInXOrderForDrawing)
{
    SerieGraphe s;
    s.AjouterPoint(5, 1);
    s.AjouterPoint(2, 2);
    s.AjouterPoint(5, 3);
    s.AjouterPoint(0, 4);
    const std::vector<QPointF> attendu{{0, 4}, {2, 2}, {5, 1}, {5, 3}};
    EXPECT_EQ(s.PointsOrdonnes(), attendu);
    EXPECT_EQ(s.YDuPoint(1), 2);
    s.EffacerPoints();
    EXPECT_EQ(s.NombrePoints(), 0);
}

TEST(PasGraphe, MinAndMaxStepsAreAcceptedOnlyInsideTheirRule)
{
    TGraphe g; // 5 and 50
    EXPECT_FALSE(g.DefinirMinSteps(0));
    EXPECT_FALSE(g.DefinirMinSteps(20)); // not below 50 / 2.5
    EXPECT_TRUE(g.DefinirMinSteps(19));
    EXPECT_EQ(g.MinSteps(), 19);
    EXPECT_TRUE(g.DefinirMinSteps(5));
    EXPECT_FALSE(g.DefinirMaxSteps(12)); // not above 2.5 x 5
    EXPECT_TRUE(g.DefinirMaxSteps(13));
    EXPECT_FALSE(g.DefinirMaxSteps(91));
    EXPECT_TRUE(g.DefinirMaxSteps(90));
    EXPECT_EQ(g.MaxSteps(), 90);
}

TEST(AxesGraphe, FollowVisibleSeriesOfTheirOwnAxis)
{
    TGraphe g;
    SerieGraphe &a = g.Serie(1);
    a.AjouterPoint(0, 10);
    a.AjouterPoint(100, 20);
    SerieGraphe &b = g.Serie(2);
    b.surY2 = true;
    b.AjouterPoint(0, 0);
    b.AjouterPoint(100, 100);
    SerieGraphe &cachee = g.Serie(3);
    cachee.visible = false;
    cachee.AjouterPoint(-1000, -1000);
    EXPECT_TRUE(g.MettreAJourAxes().isEmpty());
    EXPECT_EQ(g.Axe(AxeId::X).affiche.Min, -20);
    EXPECT_EQ(g.Axe(AxeId::X).affiche.Max, 120);
    EXPECT_EQ(g.Axe(AxeId::Y).affiche.Min, 8);
    EXPECT_EQ(g.Axe(AxeId::Y).affiche.Max, 22);
    EXPECT_EQ(g.Axe(AxeId::Y2).affiche.Min, -20);
}

TEST(AxesGraphe, RefusedRuleKeepsTheFormerRangeAndReportsIt)
{
    TGraphe g;
    g.Serie(1).AjouterPoint(0, 5);
    g.Serie(1).AjouterPoint(1, 6);
    ASSERT_TRUE(g.MettreAJourAxes().isEmpty());
    const AxeCalcule avant = g.Axe(AxeId::Y).affiche;
    g.Serie(1).AjouterPoint(2, 1.7e308);
    g.Serie(1).AjouterPoint(3, -1.7e308);
    EXPECT_EQ(g.MettreAJourAxes().size(), 1);
    EXPECT_EQ(g.Axe(AxeId::Y).affiche.Max, avant.Max);
}

TEST(ConversionGraphe, PixelsAndValuesMeetThroughThePlotArea)
{
    TGraphe g; // 640 x 480, margins 60, 30, 15, 70: plot columns 60..625, rows 30..410
    g.DefinirAutomatique(AxeId::X, false, false);
    g.DefinirAutomatique(AxeId::Y, false, false);
    g.Axe(AxeId::X).reglage = EntreeAxe{0, 100, 10, false, false};
    g.Axe(AxeId::Y).reglage = EntreeAxe{-10, 10, 5, false, false};
    g.MettreAJourAxes();
    EXPECT_EQ(g.ZoneTrace(), QRect(QPoint(60, 30), QPoint(625, 410)));
    EXPECT_DOUBLE_EQ(g.ValeurX(60), 0);
    EXPECT_DOUBLE_EQ(g.ValeurX(625), 100);
    EXPECT_DOUBLE_EQ(g.ValeurY(410), -10);
    EXPECT_DOUBLE_EQ(g.ValeurY(220), 0);
    EXPECT_DOUBLE_EQ(g.ColonneDeX(g.ValeurX(321)), 321);
    EXPECT_DOUBLE_EQ(g.LigneDeY(5), 125);
    EXPECT_TRUE(g.DansZoneTrace(QPoint(625, 410)));
    EXPECT_FALSE(g.DansZoneTrace(QPoint(59, 200)));
}

TEST(CopieGraphe, TakesEverySettingAndSeriesButKeepsItsSizeAndCallback)
{
    TGraphe source;
    source.GraphTitle = QStringLiteral("Croissance");
    source.GridStyle = 4;
    source.Legende.Layout = 1;
    source.Serie(2).AjouterPoint(1, 2);
    source.DefinirTaille(QSize(300, 200));
    TGraphe cible;
    int appels = 0;
    cible.AuRedessin = [&appels] { ++appels; };
    cible.CopierDe(source);
    EXPECT_EQ(cible.GraphTitle, QStringLiteral("Croissance"));
    EXPECT_EQ(cible.GridStyle, 4);
    EXPECT_EQ(cible.Legende.Layout, 1);
    ASSERT_NE(cible.TrouverSerie(2), nullptr);
    EXPECT_EQ(cible.TrouverSerie(2)->YEnX(1), 2);
    EXPECT_EQ(cible.Taille(), QSize(640, 480));
    cible.Redessiner();
    EXPECT_EQ(appels, 1);
}

TEST(SuspensionGraphe, RedrawsOnceWhenTheLastSuspensionEnds)
{
    TGraphe g;
    int appels = 0;
    g.AuRedessin = [&appels] { ++appels; };
    g.SuspendreTrace();
    g.SuspendreTrace();
    g.Redessiner();
    g.ReprendreTrace();
    EXPECT_EQ(appels, 0);
    g.ReprendreTrace();
    EXPECT_EQ(appels, 1);
}

} // namespace
