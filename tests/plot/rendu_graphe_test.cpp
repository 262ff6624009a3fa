// Drawing a graph into a bitmap: the margin and plot colours where they
// belong, a series where its values say, the cross at zero, and pictures of
// degenerate sizes that still come out.

#include "plot/graphe.h"
#include "plot/rendu_graphe.h"

#include <QPainter>
#include <QPolygonF>

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

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

TEST(RenduGraphe, BarsFillTheirSlotsFromZeroToTheirValue)
{
    TGraphe g = GrapheFixe();
    g.Axe(AxeId::Y).reglage = EntreeAxe{-5, 5, 1, false, false};
    SerieGraphe &s = g.Serie(1);
    s.couleur = Qt::black;
    s.barres = true;
    s.AjouterPoint(1, 4);  // column 80, from row 120 (zero) up to row 40
    s.AjouterPoint(2, 2);  // column 110, up to row 80
    s.AjouterPoint(3, -3); // column 140, down to row 180
    g.MettreAJourAxes();
    const QImage image = RendreGraphe(g);
    struct Cas {
        int x, y;
        QRgb attendu;
    };
    const Cas cas[] = {
        {80, 45, 0}, {80, 35, 0xFFFFFFu},  // the first bar's top
        {65, 100, 0}, {64, 100, 0xFFFFFFu}, // its slot reaches halfway back to 0 on the left
        {94, 60, 0}, {95, 60, 0xFFFFFFu}, {95, 100, 0}, // and meets the second bar at 95
        {110, 125, 0xFFFFFFu},                // positive bars stop at zero
        {140, 175, 0}, {140, 185, 0xFFFFFFu}, {140, 110, 0xFFFFFFu}, // a negative bar hangs from zero
        {154, 150, 0}, {155, 150, 0xFFFFFFu}, // the last slot as wide as the one before it
    };
    for (const Cas &c : cas)
        EXPECT_EQ(Pixel(image, c.x, c.y), c.attendu) << "(" << c.x << ", " << c.y << ")";
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

// The picture drawn through a painter clipped to all of it, which draws
// every part of the graph afresh.
QImage RenduSansMemoire(const TGraphe &g)
{
    QImage image(g.Taille(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setClipRect(image.rect());
    DessinerGraphe(p, g);
    p.end();
    return image;
}

TEST(RenduGraphe, EachGraphDrawnInTurnKeepsItsOwnAxesTitlesAndGrid)
{
    TGraphe a;
    for (int i = 0; i < 20; ++i)
        a.Serie(1).AjouterPoint(i, i * i);
    a.Axe(AxeId::X).titre = QStringLiteral("temps (s)");
    a.Axe(AxeId::X).grille = true;
    a.MettreAJourAxes();
    TGraphe b = a;
    b.Axe(AxeId::X).titre = QStringLiteral("durée (min)");
    b.GridColor = Qt::green;
    TGraphe c = a;
    c.Serie(1).AjouterPoint(40, -100); // wider axes, other labels
    c.MettreAJourAxes();
    const QImage attendus[] = {RenduSansMemoire(a), RenduSansMemoire(b), RenduSansMemoire(c)};
    ASSERT_NE(attendus[0], attendus[1]);
    ASSERT_NE(attendus[0], attendus[2]);
    const TGraphe *ordre[] = {&a, &a, &b, &a, &c, &c, &b};
    const int indices[] = {0, 0, 1, 0, 2, 2, 1};
    for (std::size_t i = 0; i < std::size(ordre); ++i)
        EXPECT_EQ(RendreGraphe(*ordre[i]), attendus[indices[i]]) << "drawing " << i;
}

TEST(RenduGraphe, DenseSolidSeriesDiffersFromItsFullPolylineOnlyAtAFewLinePixels)
{
    TGraphe g = GrapheFixe();
    SerieGraphe &s = g.Serie(1);
    s.couleur = Qt::red;
    s.points = false;
    for (int i = 0; i <= 5000; ++i)
        s.AjouterPoint(i / 500.0, 5 + 4 * std::sin(i / 300.0));
    g.MettreAJourAxes();
    const QImage image = RendreGraphe(g);
    // Every point joined to the next by the painter itself, over the same picture.
    QImage attendu = image.copy();
    {
        QPainter p(&attendu);
        p.fillRect(g.ZoneTrace().adjusted(1, 1, -1, -1), Qt::white);
        p.setClipRect(g.ZoneTrace().adjusted(0, 0, 1, 1));
        QPolygonF trace;
        for (const QPointF &pt : s.PointsOrdonnes())
            trace << QPointF(g.ColonneDeX(pt.x()), g.LigneDeY(pt.y()));
        p.setPen(Qt::red);
        p.drawPolyline(trace);
    }
    // Runs of points inside one pixel are drawn as one segment: the pixels
    // may differ only on the line itself, at a few of the pixels it crosses.
    auto rouge = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < attendu.width() && y < attendu.height() && Pixel(attendu, x, y) == 0xFF0000u;
    };
    int pixelsLigne = 0;
    int differents = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            pixelsLigne += rouge(x, y);
            if (Pixel(image, x, y) == Pixel(attendu, x, y))
                continue;
            ++differents;
            bool surLaLigne = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    surLaLigne = surLaLigne || rouge(x + dx, y + dy);
            EXPECT_TRUE(surLaLigne) << "pixel " << x << ", " << y;
        }
    EXPECT_GT(pixelsLigne, 600);
    EXPECT_LE(differents, pixelsLigne / 50);
}

} // namespace
