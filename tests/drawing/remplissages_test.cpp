// Region fills: 4-connected growth from a seed, pattern rule, stops.

#include "drawing/remplissages.h"

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

// A bitmap from rows of characters: '#' black, '.' white, ' ' transparent,
// 'g' almost-transparent grey.
QImage Bitmap(const std::vector<std::string> &lignes)
{
    QImage image(static_cast<int>(lignes[0].size()), static_cast<int>(lignes.size()), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const char c = lignes[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            ligne[x] = c == '#' ? 0xFF000000 : c == '.' ? 0xFFFFFFFF : c == 'g' ? 0x01808080 : 0x00FFFFFF;
        }
    }
    return image;
}

// The written bitmap as rows: 'R' the fill colour, 'r' its almost-transparent
// form, ' ' untouched.
std::vector<std::string> Lignes(const QImage &image, QRgb couleur)
{
    std::vector<std::string> lignes;
    for (int y = 0; y < image.height(); ++y) {
        std::string s;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            s += p == couleur ? 'R' : p == PresqueTransparent(couleur) ? 'r' : ' ';
        }
        lignes.push_back(s);
    }
    return lignes;
}

QImage Vide(int l, int h)
{
    QImage image(l, h, QImage::Format_ARGB32);
    image.fill(0x00FFFFFFu);
    return image;
}

const QRgb Rouge = 0xFFFF0000;
const TTableaudeTableaudeCondicoul Blanc = {{{0, 0, 0, 255, 255}, {0, 1, 0, 255, 255}, {0, 2, 0, 255, 255}}};

TEST(RemplirConditionnel, FillsThe4ConnectedPassingRegionOnly)
{
    const QImage image = Bitmap({
        "..#..",
        "..#..",
        "###.#",
        "..#..",
        ".#...",
    });
    QImage couche = Vide(5, 5);
    EXPECT_EQ(RemplirConditionnel(4, 0, Rouge, 1, Blanc, image, couche), 10);
    EXPECT_EQ(Lignes(couche, Rouge), (std::vector<std::string>{
                                         "   RR",
                                         "   RR",
                                         "   R ",
                                         "   RR",
                                         "  RRR",
                                     }));
}

TEST(RemplirConditionnel, AFailingSeedStillFillsItsPassingNeighbours)
{
    const QImage image = Bitmap({
        ".#.",
        "#.#",
        ".#.",
    });
    QImage couche = Vide(3, 3);
    EXPECT_EQ(RemplirConditionnel(1, 0, Rouge, 1, Blanc, image, couche), 3);
    EXPECT_EQ(Lignes(couche, Rouge), (std::vector<std::string>{"R R", " R ", "   "}));
}

TEST(RemplirConditionnel, ASeedOutsideTheImageWritesNothing)
{
    const QImage image = Bitmap({"..", ".."});
    QImage couche = Vide(2, 2);
    EXPECT_EQ(RemplirConditionnel(-1, 0, Rouge, 1, Blanc, image, couche), 0);
    EXPECT_EQ(RemplirConditionnel(0, 2, Rouge, 1, Blanc, image, couche), 0);
}

TEST(RemplirConditionnel, CanTestTheBitmapItWrites)
{
    QImage couche = Bitmap({"  #", "  #", "###"});
    const TTableaudeTableaudeCondicoul transparent = {{{0, 3, 0, 0, 0}}};
    EXPECT_EQ(RemplirConditionnel(0, 0, Rouge, 1, transparent, couche, couche), 4);
    EXPECT_EQ(Lignes(couche, Rouge)[0], "RR ");
}

struct CasMotif {
    const char *nom;
    int motif;
    std::vector<std::string> attendu; // the 9×2 bitmap after the fill
};
void PrintTo(const CasMotif &c, std::ostream *os) { *os << c.nom; }

const CasMotif CasMotifs[] = {
    {"pattern 0 paints everything", 0, {"RRRRRRRRR", "RRRRRRRRR"}},
    {"vertical stripes every 6 pixels", 2, {"RrrrrrRrr", "RrrrrrRrr"}},
    {"horizontal stripes every 6 pixels", 3, {"RRRRRRRRR", "rrrrrrrrr"}},
    {"grid every 6 pixels", 4, {"RRRRRRRRR", "RrrrrrRrr"}},
    {"oblique 1 every 8 pixels", 5, {"RrrrrrrrR", "rRrrrrrrr"}},
    {"oblique 2 every 8 pixels", 6, {"RrrrrrrrR", "rrrrrrrRr"}},
    {"oblique grid every 8 pixels", 7, {"RrrrrrrrR", "rRrrrrrRr"}},
    {"codes above 7 are almost transparent", 8, {"rrrrrrrrr", "rrrrrrrrr"}},
};

class MotifRemplissage : public ::testing::TestWithParam<CasMotif> {};

TEST_P(MotifRemplissage, SelectsThePixelsOfItsPattern)
{
    QImage couche = Vide(9, 2);
    EXPECT_EQ(RemplirForme(4, 1, Rouge, GetParam().motif, couche), 18);
    EXPECT_EQ(Lignes(couche, Rouge), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Motifs, MotifRemplissage, ::testing::ValuesIn(CasMotifs));

TEST(MotifRemplissage, ModuloKeepsTheSignOfNegativeCoordinates)
{
    EXPECT_TRUE(MotifSelectionne(2, -6, 0));
    EXPECT_FALSE(MotifSelectionne(2, -3, 0));
    EXPECT_TRUE(MotifSelectionne(5, 0, 8));
    EXPECT_FALSE(MotifSelectionne(5, 0, 6));
}

TEST(RemplirForme, StopsAtAlmostTransparentPixels)
{
    QImage couche = Bitmap({
        "   g   ",
        "   g   ",
        "ggg    ",
        "   g   ",
    });
    RemplirForme(0, 0, Rouge, 1, couche);
    EXPECT_EQ(Lignes(couche, Rouge), (std::vector<std::string>{"RRR    ", "RRR    ", "       ", "       "}));
}

TEST(RemplirPolygone, FillsInsideTheOutlineAndDrawsTheOutline)
{
    QImage image = Vide(8, 8);
    image.fill(0xFFFFFFFFu);
    QImage couche = Vide(8, 8);
    const QRgb contour = 0xFF0000FF;
    const std::vector<QPoint> carre{{1, 1}, {5, 1}, {5, 5}, {1, 5}, {1, 1}};
    EXPECT_EQ(RemplirPolygone(3, 3, carre, contour, Rouge, 1, Blanc, image, couche), 9);
    std::vector<std::string> lignes;
    for (int y = 0; y < 8; ++y) {
        std::string s;
        for (int x = 0; x < 8; ++x) {
            const QRgb p = couche.pixel(x, y);
            s += p == contour ? 'o' : p == Rouge ? 'R' : ' ';
        }
        lignes.push_back(s);
    }
    EXPECT_EQ(lignes, (std::vector<std::string>{
                          "        ",
                          " ooooo  ",
                          " oRRRo  ",
                          " oRRRo  ",
                          " oRRRo  ",
                          " ooooo  ",
                          "        ",
                          "        ",
                      }));
}

TEST(RemplirPolygone, ASeedOnTheOutlineStartsFromAnInsidePixel)
{
    QImage image = Vide(8, 8);
    image.fill(0xFFFFFFFFu);
    QImage couche = Vide(8, 8);
    const std::vector<QPoint> carre{{1, 1}, {5, 1}, {5, 5}, {1, 5}, {1, 1}};
    EXPECT_EQ(RemplirPolygone(1, 3, carre, 0xFF0000FF, Rouge, 1, Blanc, image, couche), 9);
    EXPECT_EQ(couche.pixel(7, 7), 0x00FFFFFFu) << "the outside stays untouched";
}

TEST(RemplirPolygone, ASeedOnASharpCornerFillsTheWholeInside)
{
    // Around the corner (20, 2) every pixel is either outline or outside:
    // the fill starts from an inside pixel further along the outline and
    // takes what a seed inside takes.
    QImage image = Vide(24, 24);
    image.fill(0xFFFFFFFFu);
    const std::vector<QPoint> triangle{{0, 0}, {20, 2}, {2, 20}, {0, 0}};
    QImage dedans = Vide(24, 24);
    const int attendu = RemplirPolygone(4, 4, triangle, 0xFF0000FF, Rouge, 1, Blanc, image, dedans);
    ASSERT_GT(attendu, 100);
    QImage coin = Vide(24, 24);
    EXPECT_EQ(RemplirPolygone(20, 2, triangle, 0xFF0000FF, Rouge, 1, Blanc, image, coin), attendu);
    EXPECT_EQ(coin, dedans);
}

TEST(RemplirPolygone, FailingPixelsCarryTheGrowthWithoutBeingWritten)
{
    QImage image = Bitmap({
        "........",
        "........",
        "........",
        "..###...",
        "........",
        "........",
        "........",
        "........",
    });
    QImage couche = Vide(8, 8);
    const std::vector<QPoint> carre{{1, 1}, {6, 1}, {6, 6}, {1, 6}, {1, 1}};
    EXPECT_EQ(RemplirPolygone(3, 3, carre, 0xFF0000FF, Rouge, 1, Blanc, image, couche), 13);
    EXPECT_EQ(couche.pixel(3, 3), 0x00FFFFFFu);
    EXPECT_EQ(couche.pixel(2, 2), Rouge);
}

TEST(RemplirPolygone, APolygonSpanningFewerThanThreePixelsDrawsOnlyItsOutline)
{
    QImage image = Vide(8, 8);
    QImage couche = Vide(8, 8);
    const std::vector<QPoint> mince{{1, 1}, {6, 1}, {6, 3}, {1, 3}, {1, 1}};
    EXPECT_EQ(RemplirPolygone(3, 2, mince, 0xFF0000FF, Rouge, 1, {{{0, 3, 0, 0, 255}}}, image, couche), 0);
    EXPECT_EQ(couche.pixel(3, 2), 0x00FFFFFFu);
    EXPECT_EQ(couche.pixel(3, 1), 0xFF0000FFu);
}

// The fills against a brute-force oracle: a breadth-first growth pixel by
// pixel over random mazes (white walls' gaps, spirals of passing pixels,
// pockets reached only around corners), from passing and failing seeds, with
// every pattern, testing the bitmap written or another one.
struct CasLabyrinthe {
    std::string nom;
    unsigned graine;
    int densiteMurs; // percent of black pixels
    int motif;
    bool memeBitmap;
};

void PrintTo(const CasLabyrinthe &c, std::ostream *os)
{
    *os << c.nom;
}

QImage Labyrinthe(unsigned graine, int densite, int l, int h)
{
    std::mt19937 hasard(graine);
    QImage image(l, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < l; ++x)
            ligne[x] = static_cast<int>(hasard() % 100) < densite ? 0xFF000000u : 0xFFFFFFFFu;
    }
    return image;
}

// Pixel by pixel, the region the fill must take and what it must write.
QImage Oracle(const QImage &teste, QImage ecrit, int x0, int y0, int motif, int &compte)
{
    const int l = teste.width(), h = teste.height();
    const auto passe = [&](int x, int y) { return teste.pixel(x, y) == 0xFFFFFFFFu; };
    std::vector<char> vu(static_cast<std::size_t>(l) * h, 0);
    std::deque<QPoint> file;
    const auto visiter = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= l || y >= h || vu[static_cast<std::size_t>(y) * l + x] || !passe(x, y))
            return;
        vu[static_cast<std::size_t>(y) * l + x] = 1;
        file.push_back({x, y});
    };
    visiter(x0, y0);
    if (file.empty()) {
        visiter(x0 - 1, y0);
        visiter(x0, y0 - 1);
        visiter(x0 + 1, y0);
        visiter(x0, y0 + 1);
    }
    compte = 0;
    while (!file.empty()) {
        const QPoint p = file.front();
        file.pop_front();
        ecrit.setPixel(p, MotifSelectionne(motif, p.x(), p.y()) ? Rouge : PresqueTransparent(Rouge));
        ++compte;
        visiter(p.x() - 1, p.y());
        visiter(p.x() + 1, p.y());
        visiter(p.x(), p.y() - 1);
        visiter(p.x(), p.y() + 1);
    }
    return ecrit;
}

class RemplissageContreOracle : public ::testing::TestWithParam<CasLabyrinthe> {};

TEST_P(RemplissageContreOracle, TakesAndWritesExactlyTheOraclesPixels)
{
    const CasLabyrinthe &c = GetParam();
    const QImage image = Labyrinthe(c.graine, c.densiteMurs, 61, 47);
    std::mt19937 hasard(c.graine + 1);
    for (int essai = 0; essai < 12; ++essai) {
        const int x = static_cast<int>(hasard() % 61), y = static_cast<int>(hasard() % 47);
        int attendu = 0;
        const QImage depart = c.memeBitmap ? image : Vide(61, 47);
        const QImage oracle = Oracle(image, depart, x, y, c.motif, attendu);
        QImage ecrit = depart;
        const int compte = c.memeBitmap ? RemplirConditionnel(x, y, Rouge, c.motif, Blanc, ecrit, ecrit)
                                        : RemplirConditionnel(x, y, Rouge, c.motif, Blanc, image, ecrit);
        ASSERT_EQ(compte, attendu) << "graine " << x << "," << y;
        ASSERT_EQ(ecrit, oracle) << "graine " << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Labyrinthes, RemplissageContreOracle,
                         ::testing::Values(CasLabyrinthe{"murs_clairsemes", 1, 20, 1, false},
                                           CasLabyrinthe{"murs_denses", 2, 40, 1, false},
                                           CasLabyrinthe{"au_seuil_de_percolation", 3, 45, 0, false},
                                           CasLabyrinthe{"motif_quadrille", 4, 30, 4, false},
                                           CasLabyrinthe{"motif_oblique", 5, 30, 7, false},
                                           CasLabyrinthe{"meme_bitmap", 6, 35, 1, true},
                                           CasLabyrinthe{"meme_bitmap_motif_vertical", 7, 35, 2, true}),
                         [](const auto &info) { return info.param.nom; });

} // namespace
