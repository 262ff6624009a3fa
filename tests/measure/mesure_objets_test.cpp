// Object measurement: growth, acceptance, nested objects, objects cut by the
// edge, the table and the texts, over literal masks.

#include "commun/nombres.h"
#include "drawing/delimiter_objet.h"
#include "measure/chercher_inclus.h"
#include "measure/mesure_objets.h"
#include "measure/mesure_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>

#include <string>
#include <vector>

namespace {

const QRgb Noir = 0xFF000000u;
const TTableaudeTableaudeCondicoul Sombre = {{{0, 2, 0, 0, 10}}};

QImage Blanche(int l, int h)
{
    QImage image(l, h, QImage::Format_ARGB32);
    image.fill(0xFFFFFFFFu);
    return image;
}

void Rectangle(QImage &image, int x0, int y0, int x1, int y1)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            reinterpret_cast<QRgb *>(image.scanLine(y))[x] = Noir;
}

QImage Masque(const std::vector<std::string> &lignes)
{
    QImage image = Blanche(static_cast<int>(lignes[0].size()), static_cast<int>(lignes.size()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (lignes[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#')
                Rectangle(image, x, y, x, y);
    return image;
}

struct Mesure {
    ResultatObjets r;
    TableauTailles tableau;
    QImage provisoire;
};

Mesure Mesurer(const QImage &image, OptionsObjets options, EchelleObjets echelle = {})
{
    Mesure m;
    m.r = MesurerObjets(image, nullptr, Sombre, options, echelle, m.provisoire, m.tableau);
    return m;
}

OptionsObjets Details()
{
    OptionsObjets o;
    o.ResuStat = true;
    return o;
}

// A square ring 2 pixels thick around a 3 × 3 disc.
QImage AnneauEtDisque()
{
    QImage image = Blanche(13, 13);
    Rectangle(image, 1, 1, 11, 2);
    Rectangle(image, 1, 10, 11, 11);
    Rectangle(image, 1, 3, 2, 9);
    Rectangle(image, 10, 3, 11, 9);
    Rectangle(image, 5, 5, 7, 7);
    return image;
}

TEST(MesurerObjets, MergesTheDiscIntoTheRingThatHoldsIt)
{
    const Mesure m = Mesurer(AnneauEtDisque(), Details());
    ASSERT_EQ(m.r.objets.size(), 1u);
    EXPECT_FLOAT_EQ(m.r.objets[0].surface, 72.0f + 9.0f);
    EXPECT_EQ(m.r.pixelsTotal, 81); // the total keeps both objects' pixels
    EXPECT_EQ(m.r.resultat, "1 objet");
}

TEST(MesurerObjets, KeepsTheDiscApartWithoutMerging)
{
    OptionsObjets o = Details();
    o.RegroupEmboites = false;
    const Mesure m = Mesurer(AnneauEtDisque(), o);
    ASSERT_EQ(m.r.objets.size(), 2u);
    EXPECT_FLOAT_EQ(m.r.objets[0].surface, 72.0f);
    EXPECT_FLOAT_EQ(m.r.objets[1].surface, 9.0f);
    EXPECT_EQ(m.r.resultat, "2 objets");
}

TEST(MesurerObjets, DropsAOnePixelObjectAndAStraightLineWithDetailsOnly)
{
    const QImage image = Masque({"........", ".#......", "........", "..####..", "........"});
    EXPECT_EQ(Mesurer(image, Details()).r.resultat, "0 objet");
    const Mesure sans = Mesurer(image, OptionsObjets{});
    ASSERT_EQ(sans.r.objets.size(), 2u);
    EXPECT_EQ(sans.r.objets[0].pointsTraces, 2);
    EXPECT_EQ(sans.r.pixelsTotal, 5);
}

TEST(MesurerObjets, NoObjectEmptiesTheFirstRow)
{
    Mesure m;
    m.tableau.DefinirCellule(1, 2, "ancien");
    m.r = MesurerObjets(Blanche(10, 10), nullptr, Sombre, Details(), {}, m.provisoire, m.tableau);
    EXPECT_EQ(m.r.resultat, "0 objet");
    for (int c = 1; c < 5; ++c)
        EXPECT_TRUE(m.tableau.Cellule(c, 2).isEmpty());
}

TEST(MesurerObjets, OneObjectStandsInRowTwoBesideOne)
{
    DefinirSepDecimal(',');
    QImage image = Blanche(12, 12);
    Rectangle(image, 2, 2, 6, 4); // 5 × 3
    const Mesure m = Mesurer(image, Details(), {0.5, "mm"});
    EXPECT_EQ(m.tableau.Cellule(0, 2), "1");
    EXPECT_EQ(m.tableau.Cellule(4, 2), "3,75"); // 15 pixels × 0,5²
    EXPECT_EQ(m.tableau.Cellule(4, 1), QString("mm") + QChar(0x00B2));
    EXPECT_EQ(m.tableau.Cellule(1, 1), "mm");
    EXPECT_TRUE(m.tableau.Cellule(1, 3).isEmpty());
    EXPECT_EQ(m.r.resusurf, "Surface totale : 3,75 mm<sup>2</sup>");
}

TEST(MesurerObjets, CountsObjectsCutByTheEdgeApart)
{
    QImage image = Blanche(40, 40);
    Rectangle(image, 10, 5, 13, 8);
    Rectangle(image, 20, 5, 23, 8);
    Rectangle(image, 10, 20, 13, 23);
    Rectangle(image, 0, 2, 3, 20);   // along the left edge
    Rectangle(image, 36, 20, 39, 38); // along the right edge
    // A lobe joined to the left one by a corridor one pixel wide.
    Rectangle(image, 4, 20, 5, 20);
    Rectangle(image, 5, 21, 5, 21);
    Rectangle(image, 5, 22, 8, 25);
    OptionsObjets o = Details();
    const Mesure m = Mesurer(image, o);
    EXPECT_EQ(m.r.resultat, "3 objets (+2 incomplets)");
    EXPECT_EQ(m.r.incomplets, 2);
    EXPECT_EQ(m.r.pixelsTotal, 48);
    EXPECT_EQ(m.r.resusurf, "Surface totale : 48 pixels<sup>2</sup> (sans les objets incomplets)");
    // The colouring of a left-out object is erased to fully transparent
    // white, not almost-transparent white.
    const QRect gardes[] = {QRect(10, 5, 4, 4), QRect(20, 5, 4, 4), QRect(10, 20, 4, 4)};
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (std::none_of(std::begin(gardes), std::end(gardes), [&](const QRect &r) { return r.contains(x, y); })) {
                ASSERT_EQ(m.provisoire.pixel(x, y), 0x00FFFFFFu) << x << "," << y;
            }
    EXPECT_EQ(m.provisoire.pixel(11, 6), o.CouleurSurface);

    o.CompteIncomplets = true;
    const Mesure tous = Mesurer(image, o);
    EXPECT_EQ(tous.r.resultat, "5 objets");
    EXPECT_EQ(tous.r.resusurf, "Surface totale : 219 pixels<sup>2</sup>");

    o.RegroupEmboites = false;
    o.CompteIncomplets = false;
    const Mesure sansRegrouper = Mesurer(image, o);
    EXPECT_EQ(sansRegrouper.provisoire.pixel(6, 23), 0x00FFFFFFu);
}

// A ring cut by the left edge along its whole height, with a disc inside:
// merged into the ring, the disc is left out with it, and so are its pixels.
TEST(MesurerObjets, AnIncompleteRingLeavesOutTheDiscMergedIntoIt)
{
    QImage image = Blanche(40, 30);
    Rectangle(image, 0, 2, 20, 4);
    Rectangle(image, 0, 22, 20, 24);
    Rectangle(image, 0, 5, 2, 21);
    Rectangle(image, 18, 5, 20, 21);
    Rectangle(image, 8, 11, 12, 15);
    Rectangle(image, 30, 10, 33, 13); // a complete square beside it
    for (const bool details : {false, true}) {
        OptionsObjets o;
        o.ResuStat = details;
        const Mesure m = Mesurer(image, o);
        EXPECT_EQ(m.r.resultat, "1 objet (+1 incomplet)");
        EXPECT_EQ(m.r.pixelsTotal, 16);
        EXPECT_EQ(m.r.resusurf, "Surface totale : 16 pixels<sup>2</sup> (sans les objets incomplets)");
    }
}

TEST(MesurerObjets, StatisticsStartAtTheFirstValue)
{
    DefinirSepDecimal(',');
    QImage image = Blanche(30, 12);
    Rectangle(image, 2, 2, 4, 4);   // 9 pixels
    Rectangle(image, 10, 2, 14, 6); // 25 pixels
    const Mesure m = Mesurer(image, Details(), {100.0, "cm"});
    EXPECT_EQ(m.tableau.Cellule(0, 2), "Moyenne");
    EXPECT_EQ(m.tableau.Cellule(4, 4), "90000");  // above 65535
    EXPECT_EQ(m.tableau.Cellule(4, 5), "2,5E5");
    EXPECT_EQ(m.tableau.Cellule(4, 2), "1,7E5");
    EXPECT_EQ(m.tableau.Cellule(4, 3), "80000");
    EXPECT_EQ(m.tableau.Cellule(0, 7), "2");
    EXPECT_EQ(m.tableau.NbLignes(), 8);
}

// A comb whose outline is longer than a contour may be, and a square beside it.
TEST(MesurerObjets, AnOutlineCutAtTheLimitIsReportedAndSwallowsNothing)
{
    QImage image = Blanche(900, 75);
    for (int y = 1; y <= 69; y += 2)
        Rectangle(image, 1, y, 880, y);
    Rectangle(image, 1, 1, 1, 69);
    Rectangle(image, 890, 10, 894, 14);
    OptionsObjets o;
    o.CompteIncomplets = true;
    const Mesure m = Mesurer(image, o);
    ASSERT_EQ(m.r.objets.size(), 2u);
    EXPECT_TRUE(m.r.objets[0].contourCoupe);
    ASSERT_EQ(m.r.messages.size(), 1);
    EXPECT_TRUE(m.r.messages[0].contains("1 contour(s) coupé(s)"));
}

TEST(MesurerObjets, CountsAbandonedGrowthsInOneMessageAndGoesOn)
{
    QImage image = Blanche(1010, 145);
    for (int y = 1; y <= 69; y += 2)
        Rectangle(image, 1, y, 1000, y);
    Rectangle(image, 1, 1, 1, 69);
    for (int y = 73; y <= 141; y += 2)
        Rectangle(image, 1, y, 1000, y);
    Rectangle(image, 1, 73, 1, 141);
    const Mesure m = Mesurer(image, OptionsObjets{});
    ASSERT_EQ(m.r.messages.size(), 1);
    EXPECT_TRUE(m.r.messages[0].startsWith(MessageTropComplique()));
    EXPECT_TRUE(m.r.messages[0].contains("2 objet(s)"));
}

TEST(MesurerContour, ALineHasLengthAndNoWidth)
{
    const MesureContour m = MesurerContour({{1, 1}, {2, 1}, {3, 1}, {2, 1}, {1, 1}});
    EXPECT_FLOAT_EQ(m.perimetre, 4.0f);
    EXPECT_FLOAT_EQ(m.longueur, 2.0f);
    EXPECT_FLOAT_EQ(m.largeur, 0.0f);
}

TEST(MesurerContour, ADiamondIsAsWideAsItIsLong)
{
    // Clockwise from the left tip; length from the left tip to the right tip.
    const MesureContour m = MesurerContour({{0, 2}, {1, 1}, {2, 0}, {3, 1}, {4, 2}, {3, 3}, {2, 4}, {1, 3}, {0, 2}});
    EXPECT_FLOAT_EQ(m.longueur, 4.0f);
    EXPECT_FLOAT_EQ(m.largeur, 4.0f);
    EXPECT_EQ(m.reperes[2], QPoint(2, 0));
    EXPECT_EQ(m.reperes[3], QPoint(2, 2));
    EXPECT_EQ(m.reperes[4], QPoint(2, 4));
}

struct CasBarre {
    const char *nom;
    int epaisseur;
};
void PrintTo(const CasBarre &c, std::ostream *os)
{
    *os << c.nom;
}
class PerimetreBarre : public testing::TestWithParam<CasBarre> {};

TEST_P(PerimetreBarre, FollowsBothLongSidesOfAThinBar)
{
    const int e = GetParam().epaisseur;
    QImage image = Blanche(24, e + 2);
    Rectangle(image, 1, 1, 20, e);
    QImage ecrit(image.size(), QImage::Format_ARGB32);
    std::vector<std::uint8_t> visite(static_cast<std::size_t>(24 * (e + 2)), 0);
    ObjetDelimite o = DelimiterObjet(1, 1, TesteurConditions(Sombre, nullptr), Noir, image, ecrit, visite);
    ASSERT_GE(o.contour.size(), 9u);
    const QPoint p0 = o.contour.front();
    const float perimetre = PerimetreParSegments(o.contour);
    // Near the rectangle through the border pixels: each run may cut a
    // corner by a pixel, but never folds back along the other long side.
    const float rectangle = 2.0f * (19 + (e - 1));
    EXPECT_NEAR(perimetre, rectangle, 0.1f * rectangle);
    EXPECT_EQ(o.contour.front(), p0);
    EXPECT_EQ(o.contour.back(), p0);
}

INSTANTIATE_TEST_SUITE_P(Epaisseurs, PerimetreBarre,
                         testing::Values(CasBarre{"deux", 2}, CasBarre{"trois", 3}, CasBarre{"six", 6}),
                         [](const auto &info) { return std::string(info.param.nom); });

struct CasBord {
    const char *nom;
    int pointsGauche;
    bool aDroite;
    bool complet;
};
void PrintTo(const CasBord &c, std::ostream *os)
{
    *os << c.nom;
}
class BordImage : public testing::TestWithParam<CasBord> {};

TEST_P(BordImage, CompleteUpToTheChordOfADiscOnePixelDeep)
{
    const CasBord &c = GetParam();
    std::vector<QPoint> contour{QPoint(c.aDroite ? 99 : 5, 30)}; // box height 21: chord 9
    for (int k = 0; k < c.pointsGauche; ++k)
        contour.emplace_back(0, 10 + k);
    contour.push_back(contour.front());
    EXPECT_EQ(EstComplet(contour, 100, 100), c.complet);
}

INSTANTIATE_TEST_SUITE_P(Corde, BordImage,
                         testing::Values(CasBord{"nine_points_on_the_left", 9, false, true},
                                         CasBord{"ten_points_on_the_left", 10, false, false},
                                         CasBord{"left_and_right", 10, true, true}),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST(ChercherInclus, FindsTheObjectInsideTheContour)
{
    ImageEtiquettes e{9, 9, std::vector<std::uint32_t>(81, 0u)};
    std::vector<QPoint> contour;
    for (int x = 1; x <= 7; ++x)
        contour.emplace_back(x, 1);
    for (int y = 2; y <= 7; ++y)
        contour.emplace_back(7, y);
    for (int x = 6; x >= 1; --x)
        contour.emplace_back(x, 7);
    for (int y = 6; y >= 1; --y)
        contour.emplace_back(1, y);
    // Object 1 is a ring 2 pixels thick, object 2 a pixel in its hole.
    for (int y = 1; y <= 7; ++y)
        for (int x = 1; x <= 7; ++x)
            if (x <= 2 || x >= 6 || y <= 2 || y >= 6)
                e.at(x, y) = 1;
    e.at(4, 4) = 2;
    const ObjetsInclus r = ChercherInclus({1, 1}, contour, e);
    EXPECT_EQ(r.numeros, std::vector<int>{2});
    EXPECT_EQ(r.nouveauGerme, QPoint(2, 2)); // the seed lay on the contour
    EXPECT_TRUE(ChercherInclus({4, 4}, {{4, 4}, {4, 4}}, e).numeros.empty()); // already reached
}

TEST(MesurerSurface, CountsAndWritesThePassingPixels)
{
    DefinirSepDecimal(',');
    QImage image = Blanche(200, 200);
    Rectangle(image, 0, 0, 99, 9); // 1000 pixels
    QImage provisoire;
    const ResultatSurface r = MesurerSurface(image, nullptr, Sombre, 0xFFFFFF00u, 0.1, "mm", provisoire);
    EXPECT_EQ(r.resultat, "1000 pixels sur 40000 soit 2,5 %");
    EXPECT_EQ(r.resusurf, "surface : 10 mm<sup>2</sup>");
    EXPECT_EQ(provisoire.pixel(5, 5), 0xFFFFFF00u);
    EXPECT_EQ(provisoire.pixel(5, 50), 0x00FFFFFFu);
    EXPECT_TRUE(MesurerSurface(image, nullptr, Sombre, 0xFFu, 1.0, "pixels", provisoire).resusurf.isEmpty());
}

} // namespace

namespace {

// The longest chord found over the convex hull is the one a search over all
// pairs finds, ties included, on the outlines of random blobs.
TEST(MesurerContour, LongestChordAgreesWithTheSearchOverAllPairs)
{
    std::uint32_t graine = 12345;
    auto aleatoire = [&graine] {
        graine = graine * 1664525u + 1013904223u;
        return graine >> 8;
    };
    for (int essai = 0; essai < 40; ++essai) {
        QImage image = Blanche(24, 24);
        for (int y = 2; y < 22; ++y)
            for (int x = 2; x < 22; ++x)
                if (aleatoire() % 100 < 70)
                    Rectangle(image, x, y, x, y);
        QImage ecrit(image.size(), QImage::Format_ARGB32);
        std::vector<std::uint8_t> visite(24 * 24, 0);
        const TesteurConditions testeur(Sombre, nullptr);
        for (int y = 2; y < 22; ++y)
            for (int x = 2; x < 22; ++x) {
                if (visite[static_cast<std::size_t>(y * 24 + x)] != 0 || image.pixel(x, y) != Noir)
                    continue;
                const ObjetDelimite o = DelimiterObjet(x, y, testeur, Noir, image, ecrit, visite);
                if (o.contour.size() < 3)
                    continue;
                std::int64_t meilleur = -1;
                QPoint a, b;
                for (std::size_t i = 0; i < o.contour.size(); ++i)
                    for (std::size_t j = i + 1; j < o.contour.size(); ++j) {
                        const QPoint d = o.contour[j] - o.contour[i];
                        const std::int64_t c = std::int64_t{d.x()} * d.x() + std::int64_t{d.y()} * d.y();
                        if (c > meilleur) {
                            meilleur = c;
                            a = o.contour[i];
                            b = o.contour[j];
                        }
                    }
                const MesureContour m = MesurerContour(o.contour);
                ASSERT_EQ(m.reperes[0], a) << essai;
                ASSERT_EQ(m.reperes[1], b) << essai;
                ASSERT_FLOAT_EQ(m.longueur, std::sqrt(static_cast<float>(meilleur)));
            }
    }
}

} // namespace

namespace {

struct CasPetiteImage {
    const char *nom;
    int largeur;
    int hauteur;
    int tailleMin;
};
void PrintTo(const CasPetiteImage &c, std::ostream *os)
{
    *os << c.nom;
}
class PetitesImages : public testing::TestWithParam<CasPetiteImage> {};

// Pictures too small to hold a seed, or a minimum size no object reaches:
// no object, the texts still right.
TEST_P(PetitesImages, GiveNoObjectAndAnEmptyTable)
{
    const CasPetiteImage &c = GetParam();
    QImage image(c.largeur, c.hauteur, QImage::Format_ARGB32);
    image.fill(Noir);
    OptionsObjets o = Details();
    o.TailleMin = c.tailleMin;
    const Mesure m = Mesurer(image, o);
    EXPECT_EQ(m.r.resultat, "0 objet");
    EXPECT_EQ(m.r.pixelsTotal, 0);
    EXPECT_TRUE(m.tableau.Cellule(1, 2).isEmpty());
    QImage provisoire;
    EXPECT_EQ(MesurerSurface(image, nullptr, Sombre, 0xFFu, 1.0, "pixels", provisoire).pixels,
              std::int64_t{c.largeur} * c.hauteur);
}

INSTANTIATE_TEST_SUITE_P(Bords, PetitesImages,
                         testing::Values(CasPetiteImage{"one_pixel", 1, 1, 0}, CasPetiteImage{"one_row", 50, 1, 0},
                                         CasPetiteImage{"two_by_two", 2, 2, 0},
                                         CasPetiteImage{"size_1000_on_a_full_picture", 60, 40, 1000}),
                         [](const auto &info) { return std::string(info.param.nom); });

// A picture entirely black: one object on every edge, complete since it
// touches opposite edges.
TEST(MesurerObjets, AnObjectOnEveryEdgeIsComplete)
{
    QImage image(30, 20, QImage::Format_ARGB32);
    image.fill(Noir);
    const Mesure m = Mesurer(image, Details());
    EXPECT_EQ(m.r.resultat, "1 objet");
    EXPECT_EQ(m.r.pixelsTotal, 600);
    ASSERT_EQ(m.r.objets.size(), 1u);
    EXPECT_FLOAT_EQ(m.r.objets[0].longueur, std::sqrt(29.0f * 29.0f + 19.0f * 19.0f));
}

} // namespace
