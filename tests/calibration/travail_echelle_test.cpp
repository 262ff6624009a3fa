// The scale window's working values: what "&Transférer l'échelle" computes
// from the points the user placed, how the pointer moves the frame, the
// triangle and the polar radius, and what the value edits let through.

#include "commun/nombres.h"
#include "calibration/travail_echelle.h"
#include "support/separateur.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class TravailEchelleTest : public ::testing::Test {
protected:
    TravailEchelleTest() { t_.Ouvrir(QSize(400, 300), EchelleParDefaut()); }
    TravailEchelle t_;
};

TEST_F(TravailEchelleTest, a_segment_of_known_length_gives_units_per_pixel)
{
    t_.Appuyer({10, 10});
    t_.Deplacer({40, 50});
    t_.valeurLongueur = QStringLiteral("25");
    t_.uniteLongueur = QStringLiteral("mm");
    const TEchelle e = t_.Transferer();
    ASSERT_EQ(e.Definie, 1);
    EXPECT_DOUBLE_EQ(e.Facteur, 0.5); // 25 mm over a 30-40-50 segment
    EXPECT_EQ(e.Unite, QStringLiteral("mm"));
}

TEST_F(TravailEchelleTest, a_zero_length_segment_or_a_bad_value_gives_the_default_scale)
{
    t_.valeurLongueur = QStringLiteral("10");
    t_.Appuyer({5, 5});
    EXPECT_EQ(t_.Transferer(), EchelleParDefaut());
    t_.Deplacer({9, 5});
    t_.valeurLongueur = QStringLiteral("-");
    EXPECT_EQ(t_.Transferer(), EchelleParDefaut());
}

TEST_F(TravailEchelleTest, a_length_is_calculable_only_with_a_number_and_a_segment)
{
    t_.valeurLongueur = QStringLiteral("10");
    EXPECT_FALSE(t_.LongueurCalculable()); // the segment restarts at (0, 0)-(0, 0)
    t_.Appuyer({5, 5});
    t_.Deplacer({5, 6});
    EXPECT_TRUE(t_.LongueurCalculable());
    EXPECT_DOUBLE_EQ(t_.Transferer().Facteur, 10.0);
    t_.valeurLongueur = QStringLiteral("1,2,3");
    EXPECT_FALSE(t_.LongueurCalculable());
    t_.valeurLongueur.clear();
    EXPECT_FALSE(t_.LongueurCalculable());
}

TEST_F(TravailEchelleTest, value_with_the_foreign_separator_is_read)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    t_.Appuyer({0, 0});
    t_.Deplacer({4, 0});
    t_.valeurLongueur = QStringLiteral("1.5");
    EXPECT_DOUBLE_EQ(t_.Transferer().Facteur, 0.375);
}

TEST_F(TravailEchelleTest, two_y_axes_give_factors_and_origins_of_each_axis)
{
    t_.ChangerMode(TEchelle::Cartesien);
    t_.nbAxesY = 2;
    t_.axes[0] = {QStringLiteral("s"), {PointAxe{40, QStringLiteral("0")}, PointAxe{360, QStringLiteral("4")}}};
    t_.axes[1] = {QStringLiteral("m"), {PointAxe{260, QStringLiteral("0")}, PointAxe{80, QStringLiteral("3")}}};
    t_.axes[2] = {QStringLiteral("°C"), {PointAxe{200, QStringLiteral("10")}, PointAxe{80, QStringLiteral("30")}}};
    const TEchelle e = t_.Transferer();
    ASSERT_EQ(e.Definie, 1);
    EXPECT_EQ(e.NbAxesY, 2);
    EXPECT_DOUBLE_EQ(e.FacteurX, 4.0 / 320);
    EXPECT_EQ(e.OrigineX, 40);
    EXPECT_DOUBLE_EQ(e.FacteurY[0], 3.0 / -180);
    EXPECT_EQ(e.OrigineY[0], 260);
    // 20 °C over -120 rows: origin 200 - round(10 / (-1/6)) = 260.
    EXPECT_DOUBLE_EQ(e.FacteurY[1], 20.0 / -120);
    EXPECT_EQ(e.OrigineY[1], 260);
    EXPECT_EQ(e.UniteY[1], QStringLiteral("°C"));
    EXPECT_EQ(std::tie(e.CadreX1, e.CadreY1, e.CadreX2, e.CadreY2), std::make_tuple(0, 0, 400, 300));
}

TEST_F(TravailEchelleTest, an_axis_whose_points_share_a_position_leaves_the_scale_undefined)
{
    t_.ChangerMode(TEchelle::Cartesien);
    t_.axes[0] = {QStringLiteral("s"), {PointAxe{40, QStringLiteral("0")}, PointAxe{360, QStringLiteral("4")}}};
    t_.axes[1] = {QStringLiteral("m"), {PointAxe{100, QStringLiteral("0")}, PointAxe{100, QStringLiteral("3")}}};
    EXPECT_EQ(t_.Transferer().Definie, 0);
    t_.axes[1].points[1] = {80, QStringLiteral("0")}; // same values: a factor of 0
    EXPECT_EQ(t_.Transferer().Definie, 0);
    t_.axes[1].points[1] = {80, QStringLiteral("abc")};
    EXPECT_EQ(t_.Transferer().Definie, 0);
}

TEST_F(TravailEchelleTest, frame_edges_stay_ordered_and_inside_the_image)
{
    t_.ChangerMode(TEchelle::Cartesien);
    t_.Appuyer({50, 60});
    EXPECT_EQ(std::tie(t_.cadreX1, t_.cadreY1, t_.cadreX2, t_.cadreY2), std::make_tuple(50, 60, 51, 61));
    t_.Deplacer({20, 500});
    EXPECT_EQ(std::tie(t_.cadreX1, t_.cadreY1, t_.cadreX2, t_.cadreY2), std::make_tuple(50, 60, 51, 300));
    t_.Deplacer({390, 200});
    EXPECT_EQ(std::tie(t_.cadreX2, t_.cadreY2), std::make_tuple(390, 200));
    t_.DefinirCadre(0, 395);
    EXPECT_EQ(t_.cadreX1, 389);
    t_.Appuyer({400, 300});
    EXPECT_EQ(std::tie(t_.cadreX1, t_.cadreY1, t_.cadreX2, t_.cadreY2), std::make_tuple(399, 299, 400, 300));
}

TEST_F(TravailEchelleTest, triangle_side_follows_the_pointer_right_of_the_corner)
{
    t_.ChangerMode(TEchelle::Triangle);
    EXPECT_EQ(std::tie(t_.coinX, t_.coinY, t_.cote), std::make_tuple(1, 299, 40));
    // round(2 × 300 / √3) − 1 = 345, below the width.
    EXPECT_EQ(t_.CoteMax(), 345);
    t_.Appuyer({20, 250});
    t_.Deplacer({21, 100}); // not beyond corner + 1: the side stays
    EXPECT_EQ(t_.cote, 40);
    t_.Deplacer({220, 100});
    EXPECT_EQ(t_.cote, 200);
    const auto s = t_.SommetsTriangle();
    EXPECT_EQ(s[2], QPoint(120, 250 - 173)); // round(200 × √3 / 2) = 173
    t_.Deplacer({399, 100});
    EXPECT_EQ(t_.cote, 345);
}

TEST_F(TravailEchelleTest, polar_radius_and_zero_angle_make_the_scale)
{
    t_.ChangerMode(TEchelle::Polaire);
    EXPECT_EQ(QPoint(t_.centreX, t_.centreY), QPoint(200, 150));
    t_.Appuyer({100, 100});
    t_.cible = CibleEchelle::Rayon;
    t_.Deplacer({130, 140});
    EXPECT_EQ(t_.rayonPixels, 50);
    t_.valeurRayon = QStringLiteral("5");
    t_.uniteRayon = QStringLiteral("cm");
    t_.curseurAngle = 30;
    TEchelle e = t_.Transferer();
    ASSERT_EQ(e.Definie, 1);
    EXPECT_DOUBLE_EQ(e.FacteurRayon, 0.1);
    EXPECT_EQ(e.UniteAngle, QStringLiteral("de"));
    EXPECT_DOUBLE_EQ(e.AngleZero, 30);
    t_.uniteAngle = QStringLiteral("Rd");
    EXPECT_EQ(t_.TexteAngleZero(), QStringLiteral("0.524"));
    EXPECT_DOUBLE_EQ(t_.Transferer().AngleZero, 0.524);
    t_.valeurRayon = QStringLiteral("x");
    EXPECT_EQ(t_.Transferer().Definie, 0);
}

TEST(TravailEchelle, opening_on_a_polar_scale_keeps_its_factor_when_transferred_again)
{
    TEchelle polaire = TexteEnEchelle(QStringLiteral("<SCALE=3;120;80;Rd;0,5;0,25;mm;>"));
    ASSERT_EQ(polaire.Definie, 1);
    TravailEchelle t;
    t.Ouvrir(QSize(400, 300), polaire);
    EXPECT_EQ(t.mode, TEchelle::Polaire);
    EXPECT_EQ(t.curseurAngle, 29); // round(0,5 × 180 / π)
    EXPECT_EQ(t.rayonPixels, 30);
    const TEchelle e = t.Transferer();
    EXPECT_DOUBLE_EQ(e.FacteurRayon, 0.25);
    EXPECT_EQ(QPoint(e.CentreX, e.CentreY), QPoint(120, 80));
}

TEST(TravailEchelle, opening_on_a_cartesian_scale_starts_each_axis_at_its_origin)
{
    const TEchelle c = TexteEnEchelle(QStringLiteral("<SCALE=1;10;20;390;280;-5;0,5;s;2;1;m;260;2;V;250;>"));
    ASSERT_EQ(c.Definie, 1);
    TravailEchelle t;
    t.Ouvrir(QSize(400, 300), c);
    EXPECT_EQ(t.nbAxesY, 2);
    EXPECT_EQ(std::tie(t.cadreX1, t.cadreY1, t.cadreX2, t.cadreY2), std::make_tuple(10, 20, 390, 280));
    EXPECT_EQ(t.axes[0].points[0].position, 0); // a negative origin becomes 0
    EXPECT_EQ(t.axes[1].points[0].position, 260);
    EXPECT_EQ(t.axes[2].points[0].position, 250);
    EXPECT_EQ(t.axes[2].unite, QStringLiteral("V"));
}

TEST(TravailEchelle, axis_points_kept_from_a_larger_picture_come_inside_the_new_one)
{
    TravailEchelle t;
    t.Ouvrir(QSize(400, 300), EchelleParDefaut());
    t.ChangerMode(TEchelle::Cartesien);
    t.axes[0].points[1] = {350, QStringLiteral("10")};
    t.axes[1].points[1] = {250, QStringLiteral("5")};
    t.Ouvrir(QSize(100, 80), EchelleParDefaut());
    EXPECT_EQ(t.axes[0].points[1].position, 99);
    EXPECT_EQ(t.axes[1].points[1].position, 79);
    EXPECT_EQ(t.axes[0].points[1].valeur, QStringLiteral("10")); // the value stays

    // What the window shows is what the scale is computed from.
    t.ChangerMode(TEchelle::Cartesien);
    t.axes[0].points[0] = {0, QStringLiteral("0")};
    t.axes[1].points[0] = {0, QStringLiteral("0")};
    const TEchelle e = t.Transferer();
    ASSERT_EQ(e.Definie, 1);
    EXPECT_DOUBLE_EQ(e.FacteurX, 10.0 / 99);
}

TEST(TravailEchelle, opening_on_a_triangle_keeps_its_corner_and_side)
{
    const TEchelle tri = TexteEnEchelle(QStringLiteral("<SCALE=2;30;250;200;1;sable;limon;argile;>"));
    TravailEchelle t;
    t.Ouvrir(QSize(400, 300), tri);
    EXPECT_EQ(std::tie(t.coinX, t.coinY, t.cote, t.sens), std::make_tuple(30, 250, 200, 1));
    EXPECT_EQ(t.Transferer(), tri);
}

struct CasTouche {
    const char *nom;
    const char *texte;
    char tape;
    char garde; // 0: dropped
};

void PrintTo(const CasTouche &c, std::ostream *os)
{
    *os << c.nom;
}

const CasTouche kTouches[] = {
    {"digit", "12", '3', '3'},
    {"letter_is_dropped", "12", 'a', 0},
    {"exponent_letter_is_dropped", "12", 'E', 0},
    {"space_is_dropped", "1", ' ', 0},
    {"first_minus", "12", '-', '-'},
    {"second_minus_is_dropped", "-12", '-', 0},
    {"foreign_separator_becomes_the_local_one", "12", '.', ','},
    {"local_separator", "12", ',', ','},
    {"second_separator_is_dropped", "1,2", '.', 0},
};

class FiltreValeur : public ::testing::TestWithParam<CasTouche> {};

TEST_P(FiltreValeur, keeps_only_what_a_number_may_hold)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    const CasTouche &c = GetParam();
    const QChar r = FiltrerCaractereValeur(QString::fromLatin1(c.texte), QLatin1Char(c.tape));
    EXPECT_EQ(r, c.garde ? QChar(QLatin1Char(c.garde)) : QChar());
}

INSTANTIATE_TEST_SUITE_P(TravailEchelle, FiltreValeur, ::testing::ValuesIn(kTouches),
                         [](const auto &info) { return std::string(info.param.nom); });

} // namespace
