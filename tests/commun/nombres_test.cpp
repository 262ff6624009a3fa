#include "commun/nombres.h"
#include "support/separateur.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CasFormat {
    const char *nom;
    double valeur;
    int chiffres;
    const char *attendu; // written with "," as separator
};

void PrintTo(const CasFormat &c, std::ostream *os) { *os << c.nom; }

// Expected texts worked out by hand from the rule: P significant digits,
// halves away from zero, fixed between 0,0001 and 10^P, scientific elsewhere.
const CasFormat kCasFormat[] = {
    {"deux tiers", 2.0 / 3.0, 3, "0,667"},
    {"douze et demi", 12.5, 3, "12,5"},
    {"cent vingt", 120, 3, "120"},
    {"mille deux cent trente", 1234, 3, "1,23E3"},
    {"cinq cent-millièmes", 0.00005, 3, "5E-5"},
    {"petit à deux chiffres", 0.000012, 3, "1,2E-5"},
    {"moitié vers le haut à quatre chiffres", 12345, 4, "1,235E4"},
    {"deux et demi à un chiffre", 2.5, 1, "3"},
    {"moins deux et demi à un chiffre", -2.5, 1, "-3"},
    {"arrondi qui passe à 1E3", 999.7, 3, "1E3"},
    {"arrondi qui remonte à 0,0001", 0.00009996, 3, "0,0001"},
    {"zéro", 0.0, 3, "0"},
    {"négatif fixe", -0.5, 3, "-0,5"},
    {"négatif scientifique", -123456, 3, "-1,23E5"},
    {"juste sous 10^P", 999, 3, "999"},
    {"limite basse fixe", 0.0001, 3, "0,0001"},
    {"0,15 lu en décimal", 0.15, 1, "0,2"},
    {"échelle à 4 chiffres", 0.0254, 4, "0,0254"},
    {"un", 1, 3, "1"},
    {"grand exposant", 6.02e23, 3, "6,02E23"},
    {"dix-sept chiffres courts arrondis", 29.599999999999998, 3, "29,6"},
    {"0,1 plus 0,2 à quinze chiffres", 0.1 + 0.2, 15, "0,3"},
    {"un tiers à quinze chiffres", 1.0 / 3.0, 15, "0,333333333333333"},
    {"entier long à quinze chiffres", 123456789012345678.0, 15, "1,23456789012346E17"},
    {"exposant à trois chiffres", -1e-300, 3, "-1E-300"},
    {"neuf à quinze chiffres qui remonte", 9.9999999999999999e14, 15, "1E15"},
};

class FormatGeneralTest : public ::testing::TestWithParam<CasFormat> {};

TEST_P(FormatGeneralTest, writes_the_rounded_value_with_the_comma)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    const CasFormat &c = GetParam();
    EXPECT_EQ(FormatGeneral(c.valeur, c.chiffres), QString::fromUtf8(c.attendu));
}

TEST_P(FormatGeneralTest, writes_the_rounded_value_with_the_point)
{
    SeparateurTemporaire sep(QLatin1Char('.'));
    const CasFormat &c = GetParam();
    QString attendu = QString::fromUtf8(c.attendu);
    attendu.replace(QLatin1Char(','), QLatin1Char('.'));
    EXPECT_EQ(FormatGeneral(c.valeur, c.chiffres), attendu);
}

INSTANTIATE_TEST_SUITE_P(Tableau, FormatGeneralTest, ::testing::ValuesIn(kCasFormat));

TEST(Arrondi, sends_halves_to_the_even_integer)
{
    EXPECT_EQ(Arrondi(142.5), 142);
    EXPECT_EQ(Arrondi(143.5), 144);
    EXPECT_EQ(Arrondi(-2.5), -2);
    EXPECT_EQ(Arrondi(0.5), 0);
    EXPECT_EQ(Arrondi(2.6), 3);
    EXPECT_EQ(ArrondiBorne(300.2, 0, 255), 255);
    EXPECT_EQ(ArrondiBorne(-4, 0, 255), 0);
}

TEST(SeparateurDecimal, follows_the_locale_rule_for_one_comma_five)
{
    SeparateurTemporaire garde(QLatin1Char('.'));
    EXPECT_EQ(TesterSeparateurDecimal(QLocale(QLocale::French, QLocale::France)), QLatin1Char(','));
    EXPECT_EQ(SepAutre(), QLatin1Char('.'));
    EXPECT_EQ(TesterSeparateurDecimal(QLocale(QLocale::English, QLocale::UnitedStates)), QLatin1Char('.'));
    EXPECT_EQ(SepAutre(), QLatin1Char(','));
    EXPECT_EQ(TesterSeparateurDecimal(QLocale::c()), QLatin1Char('.'));
}

struct CasReel {
    const char *nom;
    const char *texte;
    bool valide;
    double valeur;
};

void PrintTo(const CasReel &c, std::ostream *os) { *os << c.nom; }

const CasReel kCasReel[] = {
    {"entier", "12", true, 12},
    {"blancs devant et signe", "  -1,5", true, -1.5},
    {"exposant", "2,5E-3", true, 0.0025},
    {"exposant minuscule signé", "1e+2", true, 100},
    {"séparateur étranger", "1.5", false, 0},
    {"deux séparateurs", "1,5,2", false, 0},
    {"texte après", "12 mm", false, 0},
    {"blanc après", "12 ", false, 0},
    {"vide", "", false, 0},
    {"signe seul", "-", false, 0},
    {"exposant sans chiffres", "1E", false, 0},
    {"séparateur final", "3,", true, 3},
};

class TexteEnReelTest : public ::testing::TestWithParam<CasReel> {};

TEST_P(TexteEnReelTest, accepts_only_the_strict_form)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    const CasReel &c = GetParam();
    bool ok = !c.valide;
    const double v = TexteEnReel(QString::fromUtf8(c.texte), &ok);
    EXPECT_EQ(ok, c.valide);
    if (c.valide) {
        EXPECT_DOUBLE_EQ(v, c.valeur);
    }
}

INSTANTIATE_TEST_SUITE_P(Tableau, TexteEnReelTest, ::testing::ValuesIn(kCasReel));

TEST(RemplacerSepAutre, replaces_only_the_first_foreign_separator)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    EXPECT_EQ(RemplacerSepAutre(QStringLiteral("1.5.2")), QStringLiteral("1,5.2"));
}

TEST(TexteEnEntier, converts_signed_decimal_integers_only)
{
    bool ok = false;
    EXPECT_EQ(TexteEnEntier(QStringLiteral(" -42"), &ok), -42);
    EXPECT_TRUE(ok);
    (void)TexteEnEntier(QStringLiteral("4,2"), &ok);
    EXPECT_FALSE(ok);
    (void)TexteEnEntier(QStringLiteral(""), &ok);
    EXPECT_FALSE(ok);
}

} // namespace
