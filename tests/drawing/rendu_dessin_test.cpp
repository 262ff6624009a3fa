// Rendering of the element kinds onto a layer, against the pixel rules.

#include "drawing/remplissages.h"
#include "drawing/rendu_dessin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace {

const QRgb Noir = 0xFF000000;

QImage Vide(int l = 40, int h = 40)
{
    QImage image(l, h, QImage::Format_ARGB32);
    image.fill(0x00FFFFFFu);
    return image;
}

bool Transparente(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

TDessin Element(int genre)
{
    TDessin d;
    d.Genre = static_cast<std::uint8_t>(genre);
    d.Couleur = Noir;
    d.Opacite = 255;
    return d;
}

// An element drawn from (x1, y1) to (x2, y2): line, rectangle, pencil.
TDessin Entre(int genre, int x1, int y1, int x2, int y2)
{
    TDessin d = Element(genre);
    d.X1 = static_cast<std::int16_t>(x1);
    d.Y1 = static_cast<std::int16_t>(y1);
    d.X2 = static_cast<std::int16_t>(x2);
    d.Y2 = static_cast<std::int16_t>(y2);
    return d;
}

// An element anchored at (x, y): circle of that radius, dot, fill seed.
TDessin Ancre(int genre, int x, int y, int rayon = 0)
{
    TDessin d = Element(genre);
    d.XAncre = static_cast<std::int16_t>(x);
    d.YAncre = static_cast<std::int16_t>(y);
    d.Rayon = static_cast<std::int16_t>(rayon);
    return d;
}

// The element drawn on a transparent layer of l × h, without an image.
QImage Rendu(const TDessin &d, int l = 40, int h = 40)
{
    QImage couche = Vide(l, h);
    Dessiner(d, QImage(), couche);
    return couche;
}

struct CasTirets {
    const char *nom;
    int epaisseur;
    int x1;
    // Pixels of the top edge (y = 5) for x = 10..21 and of the left edge
    // (x = x1) for y = 10..21: 'c' the colour, 'g' an almost-transparent gap.
    const char *attendu;
};
void PrintTo(const CasTirets &c, std::ostream *os) { *os << c.nom; }

const CasTirets CasTiretsRectangle[] = {
    {"width 0: dashes of 2 pixels", 0, 0, "ggccggccggcc"},
    {"width 0 moved by one pixel: same phase", 0, 1, "ggccggccggcc"},
    {"width 1: dashes of 4 pixels", 1, 2, "ccggggccccgg"},
    {"width 1 moved by three pixels: same phase", 1, 5, "ccggggccccgg"},
};

class TiretsRectangle : public ::testing::TestWithParam<CasTirets> {};

TEST_P(TiretsRectangle, FollowAbsoluteImageCoordinates)
{
    const CasTirets &c = GetParam();
    TDessin d = Entre(GenreRectangle, c.x1, 5, 30, 30);
    d.Style = 1;
    d.Epaisseur = static_cast<std::uint8_t>(c.epaisseur);
    QImage couche = Vide();
    ASSERT_TRUE(Dessiner(d, QImage(), couche));
    const std::string attendu = c.attendu;
    for (int i = 0; i < 12; ++i) {
        const QRgb voulu = attendu[static_cast<std::size_t>(i)] == 'c' ? Noir : PresqueTransparent(Noir);
        EXPECT_EQ(couche.pixel(10 + i, 5), voulu) << "top edge, x = " << 10 + i;
        EXPECT_EQ(couche.pixel(c.x1, 10 + i), voulu) << "left edge, y = " << 10 + i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cas, TiretsRectangle, ::testing::ValuesIn(CasTiretsRectangle));

TEST(RectangleDessine, IsThickenedByTheWidthOnBothSides)
{
    TDessin d = Entre(GenreRectangle, 20, 20, 10, 10);
    d.Epaisseur = 2;
    const QImage couche = Rendu(d);
    for (int x : {8, 12, 18, 22})
        EXPECT_EQ(couche.pixel(x, 15), Noir) << x;
    for (int x : {7, 13, 17, 23})
        EXPECT_EQ(qAlpha(couche.pixel(x, 15)), 0) << x;
}

TEST(RectangleDessine, ADashedOutlineKeepsItsFillInside)
{
    TDessin d = Entre(GenreRectangle, 10, 10, 30, 30);
    d.Style = 1;
    d.Motif = 1;
    const QImage couche = Rendu(d);
    EXPECT_EQ(couche.pixel(20, 20), Noir);
    EXPECT_EQ(couche.pixel(14, 10), PresqueTransparent(Noir)) << "a gap of the dashes";
    EXPECT_EQ(qAlpha(couche.pixel(14, 9)), 0) << "the fill must not leak through the gap";
    EXPECT_EQ(qAlpha(couche.pixel(5, 5)), 0);
}

TEST(RectangleDessine, IsNotFilledWhenItsInsideIsTooSmall)
{
    // x2 - x1 = 2w + 1: the seed (11, 11) would lie on the outline
    TDessin d = Entre(GenreRectangle, 10, 10, 11, 30);
    d.Motif = 1;
    const QImage couche = Rendu(d);
    EXPECT_EQ(qAlpha(couche.pixel(5, 5)), 0) << "a fill from the outline would have run outside";
}

struct CasHachures {
    const char *nom;
    int motif;
    QPoint couleur;
    QPoint trou;
};
void PrintTo(const CasHachures &c, std::ostream *os) { *os << c.nom; }

const CasHachures CasHachuresCercle[] = {
    {"vertical stripes at spacing 6", 2, {18, 21}, {19, 21}},
    {"horizontal stripes at spacing 6", 3, {21, 18}, {21, 19}},
    {"oblique stripes at spacing 8", 5, {24, 16}, {23, 16}},
    {"crossed oblique stripes at spacing 8", 7, {20, 20}, {21, 20}},
};

class HachuresCercle : public ::testing::TestWithParam<CasHachures> {};

TEST_P(HachuresCercle, FillTheInsideWithTheirSpacing)
{
    TDessin d = Ancre(GenreCercle, 20, 20, 12);
    d.Motif = static_cast<std::uint8_t>(GetParam().motif);
    const QImage couche = Rendu(d);
    EXPECT_EQ(couche.pixel(GetParam().couleur), Noir);
    EXPECT_EQ(couche.pixel(GetParam().trou), PresqueTransparent(Noir));
    EXPECT_EQ(qAlpha(couche.pixel(2, 2)), 0);
}

INSTANTIATE_TEST_SUITE_P(Cas, HachuresCercle, ::testing::ValuesIn(CasHachuresCercle));

TEST(CercleDessine, OfWidthZeroPutsItsSevenRPointsOnTheCircle)
{
    const QImage couche = Rendu(Ancre(GenreCercle, 20, 20, 10));
    std::set<std::pair<int, int>> attendus;
    for (int u = 0; u < 70; ++u) {
        const double t = u * 2 * M_PI / 70;
        attendus.insert({20 + static_cast<int>(std::nearbyint(10 * std::cos(t))),
                         20 + static_cast<int>(std::nearbyint(10 * std::sin(t)))});
    }
    std::set<std::pair<int, int>> dessines;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (qAlpha(couche.pixel(x, y)) != 0) {
                dessines.insert({x, y});
                EXPECT_EQ(couche.pixel(x, y), Noir);
            }
    EXPECT_EQ(dessines, attendus);
}

TEST(CercleDessine, ADashedCircleOfWidthZeroAlternatesFourPoints)
{
    TDessin d = Ancre(GenreCercle, 20, 20, 10);
    d.Style = 1;
    const QImage couche = Rendu(d);
    EXPECT_EQ(couche.pixel(30, 20), Noir) << "u = 0";
    // u = 35 lies half-way round, in a gap (35 / 4 = 8.75).
    EXPECT_EQ(couche.pixel(10, 20), PresqueTransparent(Noir));
}

TEST(CercleDessine, IsNotFilledWhenTheWidthReachesTheRadius)
{
    TDessin d = Ancre(GenreCercle, 20, 20, 3);
    d.Motif = 1;
    d.Epaisseur = 3;
    const QImage couche = Rendu(d);
    EXPECT_EQ(qAlpha(couche.pixel(2, 2)), 0);
    EXPECT_NE(qAlpha(couche.pixel(20, 23)), 0);
}

class EmboutDessine : public ::testing::TestWithParam<int> {};

// The stamp's points are rounded polar positions, so its rim may reach
// w + 0.75 on the diagonals; it has no hole and nothing beyond the rim.
TEST_P(EmboutDessine, IsAFilledDiscOfRadiusW)
{
    const int w = GetParam();
    const QImage embout = CreerEmbout(w, Noir);
    ASSERT_EQ(embout.size(), QSize(25, 25));
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x) {
            const double r = std::hypot(x - 13, y - 13);
            if (r <= w - 0.5 || r == 0) {
                EXPECT_EQ(embout.pixel(x, y), Noir) << x << "," << y;
            } else if (r > w + 0.75) {
                EXPECT_EQ(qAlpha(embout.pixel(x, y)), 0) << x << "," << y;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(Largeurs, EmboutDessine, ::testing::Values(0, 1, 2, 5, 11));

TEST(TraitDessine, OfZeroLengthDrawsNothing)
{
    TDessin d = Entre(GenreTrait, 12, 7, 12, 7);
    d.Epaisseur = 3;
    d.Fleche = 2;
    QImage couche = Vide();
    EXPECT_TRUE(Dessiner(d, QImage(), couche));
    EXPECT_TRUE(Transparente(couche));
}

TEST(TraitDessine, IsTwoWPlusOnePixelsThick)
{
    TDessin d = Entre(GenreTrait, 5, 20, 35, 20);
    d.Epaisseur = 1;
    const QImage couche = Rendu(d);
    for (int y : {19, 20, 21})
        EXPECT_GE(qAlpha(couche.pixel(20, y)), 250) << y;
    for (int y : {17, 23})
        EXPECT_EQ(qAlpha(couche.pixel(20, y)), 0) << y;
}

TEST(TraitDessine, CarriesItsArrowheadAtTheEndAndBothEndsInDoubleMode)
{
    TDessin d = Entre(GenreTrait, 10, 20, 30, 20);
    // Head side 7 at 45°: the wings end at (x2 - 5, y2 ± 5).
    const QImage sans = Rendu(d);
    EXPECT_EQ(qAlpha(sans.pixel(25, 25)), 0);
    d.Fleche = 1;
    const QImage simple = Rendu(d);
    EXPECT_GT(qAlpha(simple.pixel(25, 25)), 100);
    EXPECT_GT(qAlpha(simple.pixel(25, 15)), 100);
    EXPECT_EQ(qAlpha(simple.pixel(15, 25)), 0);
    d.Fleche = 2;
    const QImage double_ = Rendu(d);
    EXPECT_GT(qAlpha(double_.pixel(15, 25)), 100);
    EXPECT_GT(qAlpha(double_.pixel(15, 15)), 100);
}

TEST(DessinLibre, CarriesItsCapStampsAtBothEnds)
{
    TDessin d = Entre(GenreCrayon, 10, 10, 30, 10);
    d.Epaisseur = 3;
    d.Trace.listes = {{{10 * 65536, 10 * 65536}, {30 * 65536, 10 * 65536}}};
    const QImage couche = Rendu(d);
    EXPECT_EQ(couche.pixel(7, 10), Noir);
    EXPECT_EQ(couche.pixel(10, 13), Noir);
    EXPECT_EQ(qAlpha(couche.pixel(20, 15)), 0);
}

TEST(PointDessine, IsTheCapStampAtTheAnchor)
{
    TDessin d = Ancre(GenrePoint, 3, 4);
    d.Epaisseur = 2;
    const QImage couche = Rendu(d, 10, 10);
    EXPECT_EQ(couche.pixel(3, 6), Noir);
    EXPECT_EQ(couche.pixel(1, 4), Noir);
    EXPECT_EQ(qAlpha(couche.pixel(3, 7)), 0);
}

TEST(RemplissageDessine, UsesTheDrawingOpacityAndPatternZeroPaintsAll)
{
    TDessin d = Ancre(GenreRemplissage, 1, 1);
    d.Couleur = 0xFF00FF00;
    d.Motif = 0;
    d.Conditions = {{{0, 3, 0, 255, 255}}};
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(0xFF123456u);
    QImage couche = Vide(4, 4);
    ContexteDessin ctx;
    ctx.opaciteDessin = 100;
    Dessiner(d, image, couche, ctx);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(couche.pixel(x, y), 0x6400FF00u);
}

TEST(RemplissageDessine, OnTheLayerStopsAtWhatIsDrawn)
{
    TDessin d = Element(GenreRemplissage);
    d.Motif = 1;
    d.SurCalque = true;
    d.Conditions = {{{0, 3, 0, 0, 0}}};
    QImage couche = Vide(5, 1);
    couche.setPixel(2, 0, Noir);
    Dessiner(d, QImage(5, 1, QImage::Format_ARGB32), couche);
    EXPECT_EQ(couche.pixel(1, 0), Noir);
    EXPECT_EQ(qAlpha(couche.pixel(3, 0)), 0);
}

TEST(LegendeDessinee, OfNoUnitsPerPixelIsEmpty)
{
    TDessin d = Element(GenreLegende);
    d.UnitesParPixel = 0;
    EXPECT_TRUE(ComposerLegende(d, 0xFFFFFFFF).isNull());
}

TEST(LegendeDessinee, HasABarOfARoundLength)
{
    TDessin d = Element(GenreLegende);
    d.UnitesParPixel = 0.5f;
    d.UniteLegende = QStringLiteral("mm");
    const QImage legende = ComposerLegende(d, 0xFFFFFFFF);
    ASSERT_FALSE(legende.isNull());
    // The bottom of the bracket (y0 + 4) is a run of colour whose length is
    // n·10^k / u for n in {1, 2, 5}.
    int y = legende.height() - 6;
    int debut = -1, fin = -1;
    for (int x = 0; x < legende.width(); ++x)
        if (legende.pixel(x, y) == Noir) {
            if (debut < 0)
                debut = x;
            fin = x;
        }
    const int p = fin - debut;
    const double valeur = p * 0.5;
    const double mantisse = valeur / std::pow(10.0, std::floor(std::log10(valeur)));
    EXPECT_TRUE(std::abs(mantisse - 1) < 1e-9 || std::abs(mantisse - 2) < 1e-9 || std::abs(mantisse - 5) < 1e-9)
        << "bar of " << p << " pixels";
}

TEST(CopieAvecCle, MakesTheKeyTransparentOnlyWhenAsked)
{
    QImage source(2, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, 0xFFFFFFFF);
    source.setPixel(1, 0, Noir);
    QImage couche = Vide(3, 1);
    CopierAvecCle(source, couche, 1, 0, true, 0xFFFFFFFF);
    EXPECT_EQ(qAlpha(couche.pixel(1, 0)), 0);
    EXPECT_EQ(couche.pixel(2, 0), Noir);
    CopierAvecCle(source, couche, 0, 0, false, 0xFFFFFFFF);
    EXPECT_EQ(couche.pixel(0, 0), 0xFFFFFFFFu);
}

} // namespace
