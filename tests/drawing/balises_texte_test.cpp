// Reading a markup line into pieces and tags, and the sizes and offsets of
// superscripts and subscripts.

#include "drawing/balises_texte.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CasLecture {
    const char *nom;
    const char *ligne;
    std::vector<MorceauBalise> attendu;
};

void PrintTo(const CasLecture &c, std::ostream *os) { *os << c.nom; }

MorceauBalise M(const char *texte, Balise b = Balise::Aucune) { return {QString::fromUtf8(texte), b}; }

const CasLecture kCasLecture[] = {
    {"formula with a subscript", "H<sub>2</sub>O",
     {M("H", Balise::Indice), M("2", Balise::FinIndice), M("O")}},
    {"unit with a superscript", "m<sup>2</sup>", {M("m", Balise::Exposant), M("2", Balise::FinExposant), M("")}},
    {"empty line", "", {M("")}},
    {"lone angle bracket stays in the text", "a < b", {M("a <"), M(" b")}},
    {"unknown tag is written as it is", "<x>y", {M("<"), M("x>y")}},
    {"upper-case tag is not a tag", "<B>z", {M("<"), M("B>z")}},
    {"tag with a space is not a tag", "< b>z", {M("<"), M(" b>z")}},
    {"bracket right before a tag", "<<b>x", {M("<"), M("", Balise::Gras), M("x")}},
    {"unterminated tag at the end", "x<sup", {M("x<"), M("sup")}},
    {"every tag in turn", "<b></b><i></i><u></u><sup></sup><sub></sub>",
     {M("", Balise::Gras), M("", Balise::FinGras), M("", Balise::Italique), M("", Balise::FinItalique),
      M("", Balise::Souligne), M("", Balise::FinSouligne), M("", Balise::Exposant), M("", Balise::FinExposant),
      M("", Balise::Indice), M("", Balise::FinIndice), M("")}},
};

class LectureLigne : public ::testing::TestWithParam<CasLecture> {};

TEST_P(LectureLigne, cuts_the_line_at_its_tags_only)
{
    const CasLecture &c = GetParam();
    const std::vector<MorceauBalise> lu = LireLigneBalisee(QString::fromUtf8(c.ligne));
    ASSERT_EQ(lu.size(), c.attendu.size());
    for (std::size_t i = 0; i < lu.size(); ++i) {
        EXPECT_EQ(lu[i].texte, c.attendu[i].texte) << "piece " << i;
        EXPECT_EQ(lu[i].balise, c.attendu[i].balise) << "piece " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Balises, LectureLigne, ::testing::ValuesIn(kCasLecture));

// Worked by hand: r = Round(S / 6) with halves to even, reduced size S - r,
// raise Round(r * 96 / 72), drop Round(r * 96 / 72 * 2).
struct CasTaille {
    const char *nom;
    int points;
    double reduits;
    int montee;
    int descente;
};

void PrintTo(const CasTaille &c, std::ostream *os) { *os << c.nom; }

const CasTaille kCasTaille[] = {
    {"12 points", 12, 10, 3, 5},   // r = 2; 2.67 -> 3; 5.33 -> 5
    {"10 points", 10, 8, 3, 5},    // r = Round(1.67) = 2
    {"9 points", 9, 7, 3, 5},      // r = Round(1.5) = 2, half to even
    {"15 points", 15, 13, 3, 5},   // r = Round(2.5) = 2, half to even
    {"21 points", 21, 17, 5, 11},  // r = Round(3.5) = 4; 5.33 -> 5; 10.67 -> 11
    {"3 points", 3, 3, 0, 0},      // r = Round(0.5) = 0
    {"30 points", 30, 25, 7, 13},  // r = 5; 6.67 -> 7; 13.33 -> 13
};

class TailleReduite : public ::testing::TestWithParam<CasTaille> {};

TEST_P(TailleReduite, follows_the_sixth_of_the_size_at_96_pixels_per_inch)
{
    const CasTaille &c = GetParam();
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(c.points);
    EtatBalises etat(f, 96.0);
    EXPECT_DOUBLE_EQ(etat.PointsReduits(), c.reduits);
    etat.Appliquer(Balise::Exposant);
    EXPECT_EQ(etat.Decalage(), -c.montee);
    EXPECT_EQ(etat.Police().pixelSize(), qRound(c.reduits * 96.0 / 72.0));
    etat.Appliquer(Balise::Indice);
    EXPECT_EQ(etat.Decalage(), c.descente);
    etat.Appliquer(Balise::FinExposant);
    EXPECT_EQ(etat.Decalage(), 0);
    EXPECT_EQ(etat.Police().pixelSize(), qRound(c.points * 96.0 / 72.0));
}

INSTANTIATE_TEST_SUITE_P(Balises, TailleReduite, ::testing::ValuesIn(kCasTaille));

TEST(EtatBalises, offsets_follow_the_fonts_pixels_per_inch)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(12); // r = 2, q = 1 at 72 pixels per inch
    EtatBalises etat(f, 72.0);
    etat.Appliquer(Balise::Exposant);
    EXPECT_EQ(etat.Decalage(), -2);
    etat.Appliquer(Balise::Indice);
    EXPECT_EQ(etat.Decalage(), 4);
}

TEST(EtatBalises, tags_do_not_nest_and_strike_out_comes_from_the_font)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(12);
    f.setStrikeOut(true);
    EtatBalises etat(f, 96.0);
    etat.Appliquer(Balise::Gras);
    etat.Appliquer(Balise::Gras);
    etat.Appliquer(Balise::FinGras);
    EXPECT_FALSE(etat.Police().bold());
    etat.Appliquer(Balise::Exposant);
    etat.Appliquer(Balise::FinIndice); // either closing tag restores the full size
    EXPECT_FALSE(etat.Reduit());
    EXPECT_EQ(etat.Decalage(), 0);
    EXPECT_TRUE(etat.Police().strikeOut());
}

TEST(EtatBalises, a_font_given_in_pixels_is_sized_in_points_at_the_resolution)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(16); // 12 points at 96 pixels per inch
    const EtatBalises etat(f, 96.0);
    EXPECT_DOUBLE_EQ(etat.Points(), 12.0);
    EXPECT_EQ(etat.Montee(), 3);
}

} // namespace
