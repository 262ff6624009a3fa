// Object growth and contour tracing: border points, clockwise contours that
// close on their start point, and the limits of the front and the contour.

#include "support/nom_cas.h"

#include "drawing/delimiter_objet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

// '#' black (passes), anything else white.
QImage Masque(const std::vector<std::string> &lignes)
{
    QImage image(static_cast<int>(lignes[0].size()), static_cast<int>(lignes.size()), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ligne[x] = lignes[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#' ? 0xFF000000u
                                                                                               : 0xFFFFFFFFu;
    }
    return image;
}

const TTableaudeTableaudeCondicoul Noir = {{{0, 2, 0, 0, 10}}};

struct Delimitation {
    ObjetDelimite objet;
    QImage ecrit;
    std::vector<std::uint8_t> visite;
};

Delimitation Delimiter(const QImage &image, QPoint germe)
{
    Delimitation d;
    d.ecrit = QImage(image.size(), QImage::Format_ARGB32);
    d.ecrit.fill(0u);
    d.visite.assign(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()), 0);
    const TesteurConditions testeur(Noir, nullptr);
    d.objet = DelimiterObjet(germe.x(), germe.y(), testeur, 0xFFFF0000u, image, d.ecrit, d.visite);
    return d;
}

struct CasContour {
    const char *nom;
    std::vector<std::string> lignes;
    QPoint germe;
    int pixels;
    int largeur;
    int hauteur;
    // Traced by hand, clockwise on the screen, from the first border point of
    // the leftmost column in the order the growth reaches them.
    std::vector<QPoint> contour;
};

void PrintTo(const CasContour &c, std::ostream *os)
{
    *os << c.nom;
}

class ContourDelimite : public testing::TestWithParam<CasContour> {};

TEST_P(ContourDelimite, TracesTheOuterOutlineClockwiseFromTheLeftmostBorderPoint)
{
    const CasContour &c = GetParam();
    const Delimitation d = Delimiter(Masque(c.lignes), c.germe);
    EXPECT_EQ(d.objet.pixels, c.pixels);
    EXPECT_EQ(d.objet.largeur, c.largeur);
    EXPECT_EQ(d.objet.hauteur, c.hauteur);
    EXPECT_EQ(d.objet.contour, c.contour);
    EXPECT_TRUE(d.objet.messages.empty());
    EXPECT_FALSE(d.objet.contourCoupe);
}

INSTANTIATE_TEST_SUITE_P(
    Formes, ContourDelimite,
    testing::Values(
        CasContour{"one pixel: S twice", {"...", ".#.", "..."}, {1, 1}, 1, 1, 1, {{1, 1}, {1, 1}}},
        CasContour{"square of four", {"....", ".##.", ".##.", "...."}, {2, 2}, 4, 2, 2,
                   {{1, 2}, {1, 1}, {2, 1}, {2, 2}, {1, 2}}},
        CasContour{"horizontal line: there and back", {".....", ".###.", "....."}, {1, 1}, 3, 3, 1,
                   {{1, 1}, {2, 1}, {3, 1}, {2, 1}, {1, 1}}},
        CasContour{"whole image: the border runs along the edges", {"###", "###", "###"}, {1, 1}, 9, 3, 3,
                   {{0, 2}, {0, 1}, {0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}}},
        // The start point joins two arms: the outline passes it once between
        // them and closes only when its next step is the second point again.
        CasContour{"pinched at the start point",
                   {".....", ".###.", ".#...", ".###.", "....."},
                   {1, 2},
                   7,
                   3,
                   3,
                   {{1, 2}, {1, 1}, {2, 1}, {3, 1}, {2, 1}, {1, 2}, {2, 3}, {3, 3}, {2, 3}, {1, 3}, {1, 2}}}),
    NomDuCas());

TEST(DelimiterObjet, WritesTheObjectAndMarksBorderSidesInTheVisitedMap)
{
    const Delimitation d = Delimiter(Masque({".....", ".###.", ".###.", ".###.", "....."}), {2, 2});
    EXPECT_EQ(d.objet.pixels, 9);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool dedans = x >= 1 && x <= 3 && y >= 1 && y <= 3;
            EXPECT_EQ(d.ecrit.pixel(x, y), dedans ? 0xFFFF0000u : 0u) << x << "," << y;
        }
    // The centre has no outside side, the corner (1, 1) has left and upper.
    EXPECT_EQ(d.visite[2 * 5 + 2], Visite::Germe);
    EXPECT_EQ(d.visite[1 * 5 + 1] & Visite::Cotes, Visite::CoteGauche | Visite::CoteHaut);
    EXPECT_EQ(d.visite[0 * 5 + 1], Visite::Echoue);
}

TEST(DelimiterObjet, RefusesAVisitedFailingOrOutsideSeed)
{
    const QImage image = Masque({"#.", ".."});
    EXPECT_EQ(Delimiter(image, {1, 1}).objet.pixels, 0);
    EXPECT_EQ(Delimiter(image, {5, 0}).objet.pixels, 0);
    EXPECT_TRUE(Delimiter(image, {-1, 0}).objet.contour.empty());
    Delimitation d = Delimiter(image, {0, 0});
    const TesteurConditions testeur(Noir, nullptr);
    EXPECT_EQ(DelimiterObjet(0, 0, testeur, 0xFFu, image, d.ecrit, d.visite).pixels, 0);
}

// A comb: every other row passes, joined by the left column; every pixel is
// a border point, so the front holds them all.
QImage Peigne(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    for (int y = 0; y < hauteur; ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x)
            ligne[x] = (y % 2 == 0 || x == 0) ? 0xFF000000u : 0xFFFFFFFFu;
    }
    return image;
}

TEST(DelimiterObjet, AbandonsAGrowthWhoseFrontReaches32000Points)
{
    const Delimitation d = Delimiter(Peigne(1000, 69), {0, 0}); // 35 × 1000 + 34 border points
    EXPECT_TRUE(d.objet.abandonne);
    EXPECT_EQ(d.objet.pixels, 0);
    EXPECT_TRUE(d.objet.contour.empty());
    ASSERT_EQ(d.objet.messages.size(), 1u);
    EXPECT_EQ(d.objet.messages[0], MessageTropComplique());
}

TEST(DelimiterObjet, CutsAnOutlineOf29999PointsAndSaysSo)
{
    const Delimitation d = Delimiter(Peigne(880, 69), {0, 0}); // 30834 pixels, each passed twice
    EXPECT_FALSE(d.objet.abandonne);
    EXPECT_EQ(d.objet.pixels, 35 * 880 + 34);
    EXPECT_EQ(d.objet.contour.size(), static_cast<std::size_t>(LimitePointsContour));
    EXPECT_TRUE(d.objet.contourCoupe);
    EXPECT_FALSE(d.objet.ContourFerme());
}

TEST(DelimiterObjet, ClosesAFrontJustUnderTheLimit)
{
    const Delimitation d = Delimiter(Peigne(100, 21), {0, 0});
    EXPECT_EQ(d.objet.pixels, 11 * 100 + 10);
    EXPECT_TRUE(d.objet.ContourFerme());
    EXPECT_EQ(d.objet.contour.front(), QPoint(0, 0));
}

} // namespace
