// Drawing a graph into a bitmap: the margin and plot colours where they
// belong, a series where its values say, the cross at zero, and pictures of
// degenerate sizes that still come out.

#include "plot/graphe.h"
#include "plot/rendu_graphe.h"

#include <gtest/gtest.h>

namespace {

QRgb Pixel(const QImage &image, int x, int y)
{
    return reinterpret_cast<const QRgb *>(image.constScanLine(y))[x] & 0xFFFFFFu;
}

// A 400 x 300 graph with fixed axes 0..10 on X and Y, no grid, no labels,
// so that every pixel of the plot area is predictable.
TGraphe GrapheFixe()
{
    TGraphe g;
    g.DefinirTaille(QSize(400, 300));
    g.LeftMargin = 50;
    g.TopMargin = 20;
    g.RightMargin = 50;
    g.BottomMargin = 80;
    g.MarginColor = QColor(200, 200, 255);
    g.BackgroundColor = Qt::white;
    g.Axe(AxeId::X).reglage = EntreeAxe{0, 10, 1, false, false};
    g.Axe(AxeId::Y).reglage = EntreeAxe{0, 10, 1, false, false};
    g.Axe(AxeId::X).grille = false;
    g.Axe(AxeId::Y).grille = false;
    g.Legende.visible = false;
    g.GraphTitle.clear();
    return g;
}

TEST(RenduGraphe, FillsMarginsAndPlotAreaWithTheirColours)
{
    TGraphe g = GrapheFixe();
    g.MettreAJourAxes();
    const QImage image = RendreGraphe(g);
    ASSERT_EQ(image.size(), QSize(400, 300));
    EXPECT_EQ(Pixel(image, 5, 150), QColor(200, 200, 255).rgb() & 0xFFFFFFu);
    EXPECT_EQ(Pixel(image, 200, 100), 0xFFFFFFu);
    // The frame of the plot area in the axes colour.
    EXPECT_EQ(Pixel(image, 50, 100), 0u);
    EXPECT_EQ(Pixel(image, 350, 100), 0u);
}

TEST(RenduGraphe, DrawsASeriesLineWhereItsValuesLie)
{
    TGraphe g = GrapheFixe();
    SerieGraphe &s = g.Serie(1);
    s.couleur = Qt::red;
    s.points = false;
    s.AjouterPoint(0, 5);
    s.AjouterPoint(10, 5);
    g.MettreAJourAxes();
    const QImage image = RendreGraphe(g);
    // Y = 5 is row 220 - 5 x 20 = 120; columns 50..350.
    ASSERT_EQ(g.LigneDeY(5), 120);
    for (int x = 60; x < 340; x += 20)
        EXPECT_EQ(Pixel(image, x, 120), 0xFF0000u) << "column " << x;
    EXPECT_EQ(Pixel(image, 200, 110), 0xFFFFFFu);
}

TEST(RenduGraphe, DrawsTheCrossAtZeroWhenAsked)
{
    TGraphe g = GrapheFixe();
    g.Axe(AxeId::X).reglage = EntreeAxe{-5, 5, 1, false, false};
    g.Axe(AxeId::Y).reglage = EntreeAxe{-5, 5, 1, false, false};
    g.CrossAtZero = true;
    g.Crosslength = 20;
    g.CrossColor = Qt::green;
    g.MettreAJourAxes();
    const QImage image = RendreGraphe(g);
    EXPECT_EQ(Pixel(image, 200 + 8, 120), 0x00FF00u);
    EXPECT_EQ(Pixel(image, 200, 120 - 8), 0x00FF00u);
    EXPECT_EQ(Pixel(image, 200 + 15, 120), 0xFFFFFFu);
}

TEST(RenduGraphe, DegenerateSizesStillGiveAPicture)
{
    TGraphe g = GrapheFixe();
    g.Serie(1).AjouterPoint(1, 1);
    g.DefinirTaille(QSize(90, 90)); // margins larger than the graph
    g.MettreAJourAxes();
    EXPECT_EQ(RendreGraphe(g).size(), QSize(90, 90));
    g.DefinirTaille(QSize(0, 0));
    EXPECT_EQ(RendreGraphe(g).size(), QSize(1, 1));
}

TEST(RenduGraphe, DrawsAxesLabelsTitlesAndLegendWithoutFault)
{
    TGraphe g;
    g.Axe(AxeId::X).titre = QStringLiteral("temps (s)");
    g.Axe(AxeId::Y).titre = QStringLiteral("hauteur (m)");
    g.Axe(AxeId::Y2).titre = QStringLiteral("T (°C)");
    g.Axe(AxeId::Y2).visible = true;
    g.RightMargin = 40;
    for (int i = 0; i < 50; ++i) {
        g.Serie(1).AjouterPoint(i, i * i);
        g.Serie(2).surY2 = true;
        g.Serie(2).AjouterPoint(i, -i);
    }
    g.Legende.Layout = 1;
    g.Legende.top = 200;
    g.MettreAJourAxes();
    const QImage image = RendreGraphe(g);
    // The legend box's border stands where it was placed.
    EXPECT_EQ(Pixel(image, 10, 200), 0u);
    EXPECT_EQ(image.size(), QSize(640, 480));
}

} // namespace
