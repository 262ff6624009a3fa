// The picture of a markup text: its size, where each piece lands, and the
// state carried from line to line. Fonts are DejaVu Sans, which the build
// dependencies install, at 96 pixels per inch: 12 points are 16 pixels and
// the reduced 10 points are 13 pixels.

#include "drawing/composer_texte.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kFond = 0xFFFFFFFF;
constexpr QRgb kEncre = 0xFF000000;

QFont DejaVu(int points)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(points);
    return f;
}

QFont DejaVuPixels(int pixels)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    return f;
}

int Avance(int pixels, const char *texte, bool gras = false)
{
    QFont f = DejaVuPixels(pixels);
    f.setBold(gras);
    return QFontMetrics(f).horizontalAdvance(QString::fromUtf8(texte));
}

QImage Composer(const QStringList &lignes, int points = 12, int alignement = 0)
{
    return ComposerTexte(DejaVu(points), kEncre, alignement, kFond, lignes);
}

bool LigneEncree(const QImage &im, int y)
{
    const auto *p = reinterpret_cast<const QRgb *>(im.constScanLine(y));
    for (int x = 0; x < im.width(); ++x)
        if (p[x] != kFond)
            return true;
    return false;
}

int PremiereLigneEncree(const QImage &im)
{
    for (int y = 0; y < im.height(); ++y)
        if (LigneEncree(im, y))
            return y;
    return -1;
}

// Pixels of rows [y0, y0 + n) of a, compared with rows [y1, y1 + n) of b,
// over the columns [x0, x0 + largeur) of a and [x1, ...) of b.
bool BandesEgales(const QImage &a, int xa, int ya, const QImage &b, int xb, int yb, int largeur, int n)
{
    for (int dy = 0; dy < n; ++dy) {
        const auto *pa = reinterpret_cast<const QRgb *>(a.constScanLine(ya + dy));
        const auto *pb = reinterpret_cast<const QRgb *>(b.constScanLine(yb + dy));
        for (int dx = 0; dx < largeur; ++dx)
            if (pa[xa + dx] != pb[xb + dx])
                return false;
    }
    return true;
}

TEST(ComposerTexte, a_text_of_no_lines_is_8_by_4_pixels_of_background)
{
    const QImage im = ComposerTexte(DejaVu(12), kEncre, 0, 0xFF3366CC, {});
    ASSERT_EQ(im.size(), QSize(8, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(im.pixel(x, y), 0xFF3366CCu);
}

TEST(ComposerTexte, picture_is_the_widest_line_plus_8_by_line_height_times_lines_plus_4)
{
    const int h = QFontMetrics(DejaVuPixels(16)).height() + 2;
    const QImage im = Composer({QStringLiteral("m<sup>2</sup>"), QStringLiteral("H<sub>2</sub>O"), QString()});
    EXPECT_EQ(im.width(), std::max(Avance(16, "m") + Avance(13, "2"), Avance(16, "H") + Avance(13, "2") +
                                                                          Avance(16, "O")) +
                              8);
    EXPECT_EQ(im.height(), 3 * h + 4);
    EXPECT_EQ(HauteurLigneTexte(DejaVu(12)), h);
}

TEST(ComposerTexte, background_colour_fills_the_opaque_picture)
{
    const QImage im = ComposerTexte(DejaVu(12), 0xFFFF0000, 0, 0x00123456, {QStringLiteral("x")});
    EXPECT_EQ(im.pixel(im.width() - 1, im.height() - 1), 0xFF123456u);
    EXPECT_EQ(im.format(), QImage::Format_ARGB32);
}

// A superscript is the reduced size (10 points) drawn 3 pixels higher than a
// plain 10-point text; a subscript 5 pixels lower. Both pictures are
// adv("2") + 8 wide.
TEST(ComposerTexte, superscript_is_the_reduced_size_raised_by_round_r_q)
{
    const QImage exposant = Composer({QStringLiteral("<sup>2</sup>")});
    const QImage simple = Composer({QStringLiteral("2")}, 10);
    ASSERT_EQ(exposant.width(), simple.width());
    const int n = simple.height() - 3;
    EXPECT_TRUE(BandesEgales(exposant, 0, 0, simple, 0, 3, simple.width(), n));
    EXPECT_GT(PremiereLigneEncree(simple), 3) << "the shifted band must hold the whole glyph";
}

TEST(ComposerTexte, subscript_is_the_reduced_size_lowered_by_round_2_r_q)
{
    const QImage indice = Composer({QStringLiteral("<sub>2</sub>")});
    const QImage simple = Composer({QStringLiteral("2")}, 10);
    ASSERT_EQ(indice.width(), simple.width());
    const int n = indice.height() - 5;
    EXPECT_TRUE(BandesEgales(indice, 0, 5, simple, 0, 0, simple.width(), std::min(n, simple.height())));
}

TEST(ComposerTexte, formula_keeps_full_size_letters_around_the_subscript)
{
    // H<sub>2</sub>O: the H and the O are the 12-point letters at offset 0.
    const QImage formule = Composer({QStringLiteral("H<sub>2</sub>O")});
    const QImage h = Composer({QStringLiteral("H")});
    const QImage o = Composer({QStringLiteral("O")});
    const int largeurH = Avance(16, "H");
    const int xO = largeurH + Avance(13, "2");
    EXPECT_TRUE(BandesEgales(formule, 0, 0, h, 0, 0, largeurH, h.height()));
    EXPECT_TRUE(BandesEgales(formule, xO, 0, o, 0, 0, Avance(16, "O"), o.height()));
}

TEST(ComposerTexte, bold_left_open_makes_the_next_line_bold)
{
    const QImage ouvert = Composer({QStringLiteral("<b>E"), QStringLiteral("E")});
    const QImage ferme = Composer({QStringLiteral("<b>E</b>"), QStringLiteral("E")});
    const QImage grasPartout = Composer({QStringLiteral("<b>E"), QStringLiteral("<b>E")});
    const int h = HauteurLigneTexte(DejaVu(12));
    ASSERT_EQ(ouvert.size(), grasPartout.size());
    EXPECT_TRUE(BandesEgales(ouvert, 0, h, grasPartout, 0, h, ouvert.width(), h));
    EXPECT_FALSE(BandesEgales(ouvert, 0, h, ferme, 0, h, std::min(ouvert.width(), ferme.width()), h));
    EXPECT_EQ(ouvert.width(), Avance(16, "E", true) + 8);
}

TEST(ComposerTexte, lone_bracket_and_unknown_tag_are_drawn_as_written)
{
    EXPECT_EQ(Composer({QStringLiteral("a < b")}).width(), Avance(16, "a <") + Avance(16, " b") + 8);
    EXPECT_EQ(Composer({QStringLiteral("<x>y")}).width(), Avance(16, "<") + Avance(16, "x>y") + 8);
    const QImage inconnue = Composer({QStringLiteral("<x>")});
    EXPECT_GE(PremiereLigneEncree(inconnue), 0);
}

struct CasAlignement {
    const char *nom;
    int alignement;
};

void PrintTo(const CasAlignement &c, std::ostream *os) { *os << c.nom; }

class Alignement : public ::testing::TestWithParam<CasAlignement> {};

TEST_P(Alignement, places_each_line_against_the_picture_width)
{
    const int m = Avance(16, "m");
    const int largeur = Avance(16, "mmmm") + 8;
    int x = 0;
    switch (GetParam().alignement) {
    case 1:
        x = (largeur - m) / 2;
        break;
    case 2:
        x = largeur - m;
        break;
    default:
        break;
    }
    const QImage im = Composer({QStringLiteral("m"), QStringLiteral("mmmm")}, 12, GetParam().alignement);
    const QImage seul = Composer({QStringLiteral("m")});
    const int h = HauteurLigneTexte(DejaVu(12));
    ASSERT_EQ(im.width(), largeur);
    EXPECT_TRUE(BandesEgales(im, x, 0, seul, 0, 0, m, h));
}

const CasAlignement kAlignements[] = {{"left", 0}, {"centred", 1}, {"right", 2}, {"out of range aligns left", 7}};
INSTANTIATE_TEST_SUITE_P(ComposerTexte, Alignement, ::testing::ValuesIn(kAlignements));

TEST(ComposerTexte, unbalanced_tags_and_empty_pieces_draw_what_the_rules_give)
{
    const QImage im = Composer({QStringLiteral("</sup></b>x<sup><sub><b>"), QStringLiteral("</sub>y")});
    EXPECT_EQ(im.width(), std::max(Avance(16, "x"), Avance(16, "y", true)) + 8);
}

TEST(ComposerTexte, a_picture_past_the_painters_reach_is_refused)
{
    EXPECT_TRUE(Composer({QString(4000, QLatin1Char('m'))}).isNull());
    EXPECT_TRUE(Composer(QStringList(2000, QStringLiteral("x"))).isNull());
    EXPECT_FALSE(Composer({QString(300, QLatin1Char('m'))}).isNull());
}

TEST(ComposerTexte, an_absent_font_falls_back_on_an_installed_one)
{
    const QImage im = ComposerTexte(PoliceDeTexte(QStringLiteral("Police Absente Kpr"), 12, 0), kEncre, 0, kFond,
                                    {QStringLiteral("H<sub>2</sub>O")});
    ASSERT_FALSE(im.isNull());
    EXPECT_GT(im.width(), 8);
    EXPECT_GE(PremiereLigneEncree(im), 0);
}

TEST(PoliceDeTexte, stored_fields_round_trip_and_sizes_are_clamped_to_255)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(300);
    f.setItalic(true);
    f.setStrikeOut(true);
    const ChampsPolice c = ChampsDePolice(f);
    EXPECT_EQ(c.nom, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(c.taille, 255);
    EXPECT_EQ(c.style, 2 | 8);

    const ChampsPolice relu = ChampsDePolice(PoliceDeTexte(c.nom, c.taille, c.style));
    EXPECT_EQ(relu.taille, 255);
    EXPECT_EQ(relu.style, 10);

    f.setPointSizeF(10.6);
    f.setBold(true);
    f.setUnderline(true);
    EXPECT_EQ(ChampsDePolice(f).taille, 11);
    EXPECT_EQ(ChampsDePolice(f).style, 1 | 2 | 4 | 8);
}

} // namespace
