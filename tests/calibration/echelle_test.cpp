// The text form of a scale is what side-files, the standard list and document
// files hold: it must read back what it wrote, under either decimal separator,
// and turn anything else into an undefined scale rather than a wrong one.

#include "calibration/echelle.h"
#include "support/echelles_essai.h"
#include "support/separateur.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

TEchelle CartesienDeuxAxes()
{
    return echelle_essai::Cartesien(10, 20, 390, 280, 40, 0.5, "s", {{-0.25, "m", 260}, {-2, "°C", 250}});
}

TEchelle Triangle()
{
    return echelle_essai::Triangle(5, 300, 200, 1, "sable", "limon", "argile");
}

TEchelle Polaire()
{
    return echelle_essai::Polaire(200, 150, "de", 30, 0.5, "cm");
}

// Texts below are written with ','; the '.' runs swap the separator.
QString AvecSeparateur(QString texte, QChar sep)
{
    return sep == QLatin1Char(',') ? texte : texte.replace(QLatin1Char(','), QLatin1Char('.'));
}

struct CasEcriture {
    const char *nom;
    TEchelle echelle;
    QString texte;
    double facteurRelu = 0; // length factor read back, when four digits change it
};

void PrintTo(const CasEcriture &c, std::ostream *os)
{
    *os << c.nom;
}

std::vector<CasEcriture> CasEcritures()
{
    TEchelle troisAxes = CartesienDeuxAxes();
    troisAxes.NbAxesY = 3;
    troisAxes.FacteurY[2] = 1000;
    troisAxes.UniteY[2] = QStringLiteral("Pa");
    troisAxes.OrigineY[2] = -5;
    TEchelle radians = Polaire();
    radians.UniteAngle = QStringLiteral("Rd");
    radians.AngleZero = 1.571;
    return {
        {"length_scale_in_mm", echelle_essai::Longueur(0.0254, "mm"), QStringLiteral("<SCALE=0;0,0254;mm;>")},
        {"default_scale", EchelleParDefaut(), QStringLiteral("<SCALE=0;1;pixels;>")},
        {"tiny_factor_in_scientific_notation", echelle_essai::Longueur(1.2e-5, "m"), QStringLiteral("<SCALE=0;1,2E-5;m;>")},
        {"large_factor_rounded_to_four_digits", echelle_essai::Longueur(12345, "nm"), QStringLiteral("<SCALE=0;1,235E4;nm;>"), 12350},
        {"scanner_300_dpi_keeps_four_digits", echelle_essai::Longueur(25.4 / 300, "mm"), QStringLiteral("<SCALE=0;0,08467;mm;>"), 0.08467},
        {"cartesian_with_two_y_axes_has_no_third_group", CartesienDeuxAxes(),
         QStringLiteral("<SCALE=1;10;20;390;280;40;0,5;s;2;-0,25;m;260;-2;°C;250;>")},
        {"cartesian_with_three_y_axes", troisAxes,
         QStringLiteral("<SCALE=1;10;20;390;280;40;0,5;s;3;-0,25;m;260;-2;°C;250;1000;Pa;-5;>")},
        {"triangle", Triangle(), QStringLiteral("<SCALE=2;5;300;200;1;sable;limon;argile;>")},
        {"polar_in_degrees", Polaire(), QStringLiteral("<SCALE=3;200;150;de;30;0,5;cm;>")},
        {"polar_in_radians", radians, QStringLiteral("<SCALE=3;200;150;Rd;1,571;0,5;cm;>")},
    };
}

class EchelleEcriture : public ::testing::TestWithParam<std::tuple<CasEcriture, char>> {};

TEST_P(EchelleEcriture, writes_the_text_form_and_reads_it_back)
{
    const auto &[cas, sepChar] = GetParam();
    const QChar sep = QLatin1Char(sepChar);
    SeparateurTemporaire s(sep);
    const QString attendu = AvecSeparateur(cas.texte, sep);
    EXPECT_EQ(EchelleEnTexte(cas.echelle), attendu);

    const TEchelle relue = TexteEnEchelle(attendu);
    TEchelle arrondie = cas.echelle;
    // The text keeps four significant digits, and that is what a reloaded scale holds.
    if (cas.facteurRelu != 0)
        arrondie.Facteur = cas.facteurRelu;
    EXPECT_EQ(relue, arrondie) << EchelleEnTexte(relue).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Echelle, EchelleEcriture,
                         ::testing::Combine(::testing::ValuesIn(CasEcritures()), ::testing::Values(',', '.')),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).nom)
                                 + (std::get<1>(info.param) == ',' ? "_comma" : "_point");
                         });

struct CasLecture {
    const char *nom;
    const char *texte;
    bool definie;
    std::uint8_t mode = 0;
    double facteur = 0;
    const char *unite = "";
};

void PrintTo(const CasLecture &c, std::ostream *os)
{
    *os << c.nom << " <" << c.texte << ">";
}

const CasLecture kLectures[] = {
    {"comma_text", "<SCALE=0;0,0254;mm;>", true, 0, 0.0254, "mm"},
    {"point_text", "<SCALE=0;0.0254;mm;>", true, 0, 0.0254, "mm"},
    {"without_head_from_first_character", "0;2;cm;>", true, 0, 2, "cm"},
    {"without_final_mark", "<SCALE=0;2;cm", true, 0, 2, "cm"},
    {"head_in_lower_case", "<scale=0;2;cm;>", true, 0, 2, "cm"},
    {"blanks_after_separators", "<SCALE=0;  2,5;  cm;>", true, 0, 2.5, "cm"},
    {"exponent", "<SCALE=0;1,2E-5;m;>", true, 0, 1.2e-5, "m"},
    {"mode_keeps_its_low_byte", "<SCALE=256;3;mm;>", true, 0, 3, "mm"},
    {"unit_cut_to_twenty_characters", "<SCALE=0;1;abcdefghijklmnopqrstuvwxyz;>", true, 0, 1, "abcdefghijklmnopqrst"},
    {"unit_with_semicolon_shifts_the_fields", "<SCALE=0;1;a;b;>", true, 0, 1, "a"},
    {"extra_fields_are_ignored", "<SCALE=0;1;mm;9;9;9;>", true, 0, 1, "mm"},
    {"negative_factor_is_a_number", "<SCALE=0;-3;mm;>", true, 0, -3, "mm"},
    {"missing_unit_gives_an_empty_unit", "<SCALE=0;4", true, 0, 4, ""},
    {"mode_seven", "<SCALE=7;1;mm;>", false},
    {"negative_mode", "<SCALE=-1;1;mm;>", false},
    {"factor_abc", "<SCALE=0;abc;mm;>", false},
    {"factor_with_trailing_letters", "<SCALE=0;2cm;mm;>", false},
    {"factor_too_large_for_a_double", "<SCALE=0;1E400;mm;>", false},
    {"empty_text", "", false},
    {"head_only", "<SCALE=", false},
    {"mode_not_a_number", "<SCALE=x;1;mm;>", false},
    {"cartesian_cut_short", "<SCALE=1;0;0;100;100;0;1;s;1;1;m", false},
    {"cartesian_integer_beyond_32_bits", "<SCALE=1;0;0;99999999999;100;0;1;s;1;1;m;0;>", false},
    {"cartesian_four_y_axes", "<SCALE=1;0;0;100;100;0;1;s;4;1;a;0;1;b;0;1;c;0;1;d;0;>", false},
    {"cartesian_negative_axis_count", "<SCALE=1;0;0;100;100;0;1;s;-1;1;a;0;>", false},
    {"triangle_side_with_decimals", "<SCALE=2;0;100;10,5;0;X;Y;Z;>", false},
    {"polar_factor_missing", "<SCALE=3;1;1;de;0;;cm;>", false},
};

class EchelleLecture : public ::testing::TestWithParam<std::tuple<CasLecture, char>> {};

TEST_P(EchelleLecture, parses_under_either_separator)
{
    const auto &[cas, sepChar] = GetParam();
    SeparateurTemporaire s{QLatin1Char(sepChar)};
    const TEchelle e = TexteEnEchelle(QString::fromUtf8(cas.texte));
    ASSERT_EQ(e.Definie, cas.definie ? 1 : 0);
    if (!cas.definie)
        return;
    EXPECT_EQ(e.Mode, cas.mode);
    EXPECT_DOUBLE_EQ(e.Facteur, cas.facteur);
    EXPECT_EQ(e.Unite, QString::fromUtf8(cas.unite));
}

INSTANTIATE_TEST_SUITE_P(Echelle, EchelleLecture,
                         ::testing::Combine(::testing::ValuesIn(kLectures), ::testing::Values(',', '.')),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).nom)
                                 + (std::get<1>(info.param) == ',' ? "_comma" : "_point");
                         });

TEST(Echelle, cartesian_text_fills_every_axis_field)
{
    const TEchelle e = TexteEnEchelle(QStringLiteral("<SCALE=1;1;2;3;4;5;6,5;t;2;7;u;8;9;v;10;>"));
    ASSERT_EQ(e.Definie, 1);
    EXPECT_EQ(std::tie(e.CadreX1, e.CadreY1, e.CadreX2, e.CadreY2, e.OrigineX), std::make_tuple(1, 2, 3, 4, 5));
    EXPECT_DOUBLE_EQ(e.FacteurX, 6.5);
    EXPECT_EQ(e.NbAxesY, 2);
    EXPECT_EQ(e.FacteurY[0], 7);
    EXPECT_EQ(e.UniteY[0], QStringLiteral("u"));
    EXPECT_EQ(e.OrigineY[0], 8);
    EXPECT_EQ(e.FacteurY[1], 9);
    EXPECT_EQ(e.UniteY[1], QStringLiteral("v"));
    EXPECT_EQ(e.OrigineY[1], 10);
}

TEST(Echelle, angle_unit_is_cut_to_two_characters)
{
    const TEchelle e = TexteEnEchelle(QStringLiteral("<SCALE=3;1;2;degrés;0;1;cm;>"));
    ASSERT_EQ(e.Definie, 1);
    EXPECT_EQ(e.UniteAngle, QStringLiteral("de"));
}

TEST(Echelle, a_unit_with_a_semicolon_breaks_a_cartesian_text)
{
    TEchelle e = CartesienDeuxAxes();
    e.UniteX = QStringLiteral("a;b");
    EXPECT_EQ(TexteEnEchelle(EchelleEnTexte(e)).Definie, 0);
}

} // namespace
