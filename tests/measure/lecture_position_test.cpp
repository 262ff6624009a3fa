// Readouts of the measuring tool, with expected texts worked out by hand
// from the scale's definition (frame bounds, triangle shares, polar angles).

#include "calibration/echelle.h"
#include "document/image_document.h"
#include "measure/lecture_position.h"
#include "support/echelles_essai.h"
#include "support/separateur.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

TEchelle Cartesien()
{
    return echelle_essai::Cartesien(0, 0, 100, 100, 20, 0.5, "s", {{-0.1, "m", 100}});
}

TEchelle CartesienDeuxAxes()
{
    TEchelle e = Cartesien();
    e.NbAxesY = 2;
    e.FacteurY[1] = -2.5;
    e.UniteY[1] = QStringLiteral("°C");
    e.OrigineY[1] = 90;
    return e;
}

TEchelle Triangle(int sens)
{
    return echelle_essai::Triangle(0, 100, 100, sens, "X", "Y", "Z");
}

TEchelle Polaire(double angleZero, const char *unite = "de")
{
    return echelle_essai::Polaire(100, 100, unite, angleZero, 0.5, "cm");
}

struct CasLecture {
    const char *nom;
    TEchelle echelle;
    int x;
    int y;
    const char *texte; // under ','
};

void PrintTo(const CasLecture &c, std::ostream *os)
{
    *os << c.nom << " at (" << c.x << ", " << c.y << ")";
}

std::vector<CasLecture> Cas()
{
    TEchelle sansAxe = Cartesien();
    sansAxe.NbAxesY = 0;
    TEchelle triangleNul = Triangle(0);
    triangleNul.CoteTriangle = 0;
    TEchelle indefinie = Polaire(0);
    indefinie.Definie = 0;
    return {
        {"length_scale_reads_no_position", EchelleParDefaut(), 10, 10, ""},
        {"undefined_scale_reads_nothing", indefinie, 110, 100, ""},
        {"cartesian_x_from_origin_and_factor", Cartesien(), 30, 100, "5 s   0 m"},
        {"cartesian_values_grow_upwards", Cartesien(), 20, 0, "0 s   10 m"},
        {"cartesian_three_digits", Cartesien(), 45, 33, "12,5 s   6,7 m"},
        {"cartesian_right_of_the_frame_is_empty", Cartesien(), 101, 50, ""},
        {"cartesian_below_the_frame_is_empty", Cartesien(), 50, 101, ""},
        {"cartesian_frame_corner_is_included", Cartesien(), 100, 100, "40 s   0 m"},
        {"cartesian_frame_origin_corner_is_included", Cartesien(), 0, 0, "-10 s   10 m"},
        {"cartesian_two_y_axes", CartesienDeuxAxes(), 30, 50, "5 s   5 m   100 °C"},
        {"cartesian_without_y_axis_is_empty", sansAxe, 30, 50, ""},
        {"triangle_lower_left_corner", Triangle(0), 0, 100, "X: 0%  Y: 100%  Z: 0%"},
        {"triangle_lower_right_corner", Triangle(0), 100, 100, "X: 0%  Y: 0%  Z: 100%"},
        {"triangle_near_the_apex", Triangle(0), 50, 15, "X: 98,1%  Y: 0,925%  Z: 0,925%"},
        {"triangle_drawn_apex_pixel_is_outside", Triangle(0), 50, 13, ""},
        {"triangle_below_the_base_is_outside", Triangle(0), 50, 101, ""},
        {"triangle_turned_lower_left_is_x", Triangle(1), 0, 100, "X: 100%  Y: 0%  Z: 0%"},
        {"triangle_turned_lower_right_is_y", Triangle(1), 100, 100, "X: 0%  Y: 100%  Z: 0%"},
        {"triangle_turned_near_the_apex_is_z", Triangle(1), 50, 15, "X: 0,925%  Y: 0,925%  Z: 98,1%"},
        {"triangle_of_side_zero_reads_nothing", triangleNul, 0, 100, ""},
        {"polar_right_is_zero", Polaire(0), 110, 100, "R=5 cm  A=0°"},
        {"polar_up_is_90", Polaire(0), 100, 90, "R=5 cm  A=90°"},
        {"polar_left_is_minus_180", Polaire(0), 90, 100, "R=5 cm  A=-180°"},
        {"polar_down_is_minus_90", Polaire(0), 100, 110, "R=5 cm  A=-90°"},
        {"polar_centre_shows_only_the_radius", Polaire(0), 100, 100, "R=0 cm"},
        {"polar_zero_angle_90_right_is_minus_90", Polaire(90), 110, 100, "R=5 cm  A=-90°"},
        {"polar_zero_angle_90_wraps_minus_225_to_135", Polaire(90), 90, 110, "R=7,07 cm  A=135°"},
        {"polar_radians_unit_mark", Polaire(0, "Rd"), 100, 90, "R=5 cm  A=1,57 Rd"},
        {"polar_radians_wrap_into_the_half_turn", Polaire(1.5708, "Rd"), 90, 110, "R=7,07 cm  A=2,36 Rd"},
    };
}

class LirePositionTest : public ::testing::TestWithParam<std::tuple<CasLecture, char>> {};

TEST_P(LirePositionTest, reads_the_position_under_either_separator)
{
    const auto &[cas, sepChar] = GetParam();
    SeparateurTemporaire sep{QLatin1Char(sepChar)};
    QString attendu = QString::fromUtf8(cas.texte);
    if (sepChar == '.')
        attendu.replace(QLatin1Char(','), QLatin1Char('.'));
    EXPECT_EQ(LirePosition(cas.echelle, cas.x, cas.y).texte.toStdString(), attendu.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Mesure, LirePositionTest,
                         ::testing::Combine(::testing::ValuesIn(Cas()), ::testing::Values(',', '.')),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).nom)
                                 + (std::get<1>(info.param) == ',' ? "_comma" : "_point");
                         });

TEST(LirePosition, cartesian_values_are_kept_for_multiple_measurements)
{
    const LecturePosition l = LirePosition(CartesienDeuxAxes(), 30, 50);
    ASSERT_TRUE(l.valeursRepere.has_value());
    EXPECT_DOUBLE_EQ((*l.valeursRepere)[0], 5);
    EXPECT_DOUBLE_EQ((*l.valeursRepere)[1], 5);
    EXPECT_DOUBLE_EQ((*l.valeursRepere)[2], 100);
    EXPECT_FALSE(LirePosition(CartesienDeuxAxes(), 300, 50).valeursRepere.has_value());
}

TEST(LirePosition, the_document_readout_is_emptied_outside_and_keeps_the_last_values)
{
    ImageDocument doc;
    doc.echelle = Cartesien();
    (void)LirePosition(doc, 30, 100);
    EXPECT_EQ(doc.mesure.texteMesure, QStringLiteral("5 s   0 m"));
    (void)LirePosition(doc, 300, 100);
    EXPECT_TRUE(doc.mesure.texteMesure.isEmpty());
    EXPECT_DOUBLE_EQ(doc.mesure.valeursRepere[0], 5);
}

struct CasLongueur {
    const char *nom;
    TEchelle echelle;
    QPoint depart;
    QPoint arrivee;
    const char *texte;
};

void PrintTo(const CasLongueur &c, std::ostream *os)
{
    *os << c.nom;
}

TEchelle Longueur(double f, const char *unite)
{
    TEchelle e = EchelleParDefaut();
    e.Facteur = f;
    e.Unite = QString::fromUtf8(unite);
    return e;
}

const CasLongueur kLongueurs[] = {
    {"half_millimetre_scale", Longueur(0.5, "mm"), {10, 10}, {13, 14}, "2,5 mm"},
    {"default_scale_in_pixels", EchelleParDefaut(), {10, 10}, {13, 14}, "5 pixels"},
    {"three_significant_digits", Longueur(1, "µm"), {0, 0}, {1, 1}, "1,41 µm"},
    {"zero_length", Longueur(2, "cm"), {7, 7}, {7, 7}, "0 cm"},
    {"large_length_in_scientific_notation", Longueur(1000, "m"), {0, 0}, {3000, 4000}, "5E6 m"},
};

class TexteLongueurTest : public ::testing::TestWithParam<CasLongueur> {};

TEST_P(TexteLongueurTest, writes_the_scaled_length_and_its_unit)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    const CasLongueur &c = GetParam();
    EXPECT_EQ(TexteLongueur(c.echelle, c.depart, c.arrivee).toStdString(), std::string(c.texte));
}

INSTANTIATE_TEST_SUITE_P(Mesure, TexteLongueurTest, ::testing::ValuesIn(kLongueurs),
                         [](const auto &info) { return std::string(info.param.nom); });

} // namespace
