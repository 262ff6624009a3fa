// The measuring tool driven as the document window drives it: press, moves
// and release in image pixels, on a small document.

#include "calibration/echelle.h"
#include "document/image_document.h"
#include "measure/outil_mesure.h"
#include "support/separateur.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

class OutilMesureTest : public ::testing::Test {
protected:
    OutilMesureTest()
    {
        doc_.image = QImage(120, 100, QImage::Format_ARGB32);
        doc_.image.fill(0xFFFFFFFF);
        doc_.PreparerRafraichissement(255);
        plume_.couleur = 0xFFFF0000;
    }

    void glisser(QPoint de, QPoint a)
    {
        (void)AppuyerMesure(doc_, de, plume_);
        (void)DeplacerMesure(doc_, (de + a) / 2, true, plume_);
        (void)DeplacerMesure(doc_, a, true, plume_);
        (void)RelacherMesure(doc_, a, plume_);
    }

    [[nodiscard]] QRgb provisoire(int x, int y) const
    {
        return reinterpret_cast<const QRgb *>(doc_.coucheProvisoire.constScanLine(y))[x];
    }

    [[nodiscard]] int pixelsPeints() const
    {
        int n = 0;
        for (int y = 0; y < doc_.coucheProvisoire.height(); ++y) {
            const auto *ligne = reinterpret_cast<const QRgb *>(doc_.coucheProvisoire.constScanLine(y));
            for (int x = 0; x < doc_.coucheProvisoire.width(); ++x)
                n += qAlpha(ligne[x]) != 0;
        }
        return n;
    }

    SeparateurTemporaire sep_{QLatin1Char(',')};
    ImageDocument doc_;
    PlumeMesure plume_;
};

TEST_F(OutilMesureTest, dragging_with_a_length_scale_shows_the_scaled_length)
{
    doc_.echelle.Facteur = 0.5;
    doc_.echelle.Unite = QStringLiteral("mm");
    (void)AppuyerMesure(doc_, {10, 10}, plume_);
    const ReactionMesure r = DeplacerMesure(doc_, {13, 14}, true, plume_);
    EXPECT_TRUE(r.afficherTexte);
    EXPECT_EQ(doc_.mesure.texteMesure, QStringLiteral("2,5 mm"));
    ASSERT_TRUE(r.longueur.has_value());
    EXPECT_DOUBLE_EQ(*r.longueur, 2.5);
}

TEST_F(OutilMesureTest, default_scale_gives_pixels_and_the_segment_stays_on_the_provisional_layer)
{
    glisser({10, 10}, {13, 14});
    EXPECT_EQ(doc_.mesure.texteMesure, QStringLiteral("5 pixels"));
    EXPECT_GT(qAlpha(provisoire(10, 10)), 0);
    EXPECT_EQ(qAlpha(provisoire(100, 80)), 0);
}

TEST_F(OutilMesureTest, a_press_empties_the_readout_and_a_free_move_keeps_it)
{
    glisser({10, 10}, {13, 14});
    (void)DeplacerMesure(doc_, {50, 50}, false, plume_);
    EXPECT_EQ(doc_.mesure.texteMesure, QStringLiteral("5 pixels"));
    const ReactionMesure r = AppuyerMesure(doc_, {40, 40}, plume_);
    EXPECT_TRUE(r.afficherTexte);
    EXPECT_TRUE(doc_.mesure.texteMesure.isEmpty());
}

TEST_F(OutilMesureTest, with_a_position_scale_moves_read_positions_and_nothing_is_drawn)
{
    doc_.echelle = TexteEnEchelle(QStringLiteral("<SCALE=3;100;100;de;0;0,5;cm;>"));
    ASSERT_EQ(doc_.echelle.Definie, 1);
    (void)AppuyerMesure(doc_, {110, 100}, plume_);
    EXPECT_EQ(doc_.mesure.texteMesure, QStringLiteral("R=5 cm  A=0°"));
    (void)DeplacerMesure(doc_, {100, 90}, false, plume_);
    EXPECT_EQ(doc_.mesure.texteMesure, QStringLiteral("R=5 cm  A=90°"));
    (void)DeplacerMesure(doc_, {90, 100}, true, plume_);
    (void)RelacherMesure(doc_, {90, 100}, plume_);
    EXPECT_EQ(doc_.mesure.texteMesure, QStringLiteral("R=5 cm  A=-180°"));
    EXPECT_EQ(pixelsPeints(), 0);
}

TEST_F(OutilMesureTest, band_mode_takes_and_draws_its_line_whatever_the_scale)
{
    doc_.echelle = TexteEnEchelle(QStringLiteral("<SCALE=3;100;100;de;0;0,5;cm;>"));
    doc_.modeMesure = MesureLumiereBande;
    (void)AppuyerMesure(doc_, {10, 20}, plume_);
    (void)DeplacerMesure(doc_, {90, 100}, true, plume_);
    // The readout is the position under the pointer, as without a button.
    EXPECT_EQ(doc_.mesure.texteMesure, QStringLiteral("R=5 cm  A=-180°"));
    (void)DeplacerMesure(doc_, {60, 30}, true, plume_);
    (void)RelacherMesure(doc_, {60, 30}, plume_);
    EXPECT_EQ(doc_.mesure.pointAppui, QPoint(10, 20));
    EXPECT_EQ(doc_.mesure.pointCourant, QPoint(60, 30));
    EXPECT_GT(qAlpha(provisoire(10, 20)), 0);
    EXPECT_GT(qAlpha(provisoire(60, 30)), 0);
}

TEST_F(OutilMesureTest, angle_first_drag_of_nine_by_nine_is_not_accepted_but_ten_by_zero_is)
{
    doc_.modeMesure = MesureAngle;
    glisser({20, 20}, {29, 29});
    EXPECT_FALSE(AttendSecondSegment(doc_));
    glisser({20, 20}, {30, 20});
    EXPECT_TRUE(AttendSecondSegment(doc_));
}

TEST_F(OutilMesureTest, angle_of_two_segments_shows_both_angles_and_stamps_the_crossing)
{
    doc_.modeMesure = MesureAngle;
    plume_.epaisseur = 3;
    glisser({10, 50}, {60, 50});
    ASSERT_TRUE(AttendSecondSegment(doc_));
    (void)AppuyerMesure(doc_, {30, 80}, plume_);
    const ReactionMesure r = DeplacerMesure(doc_, {30, 20}, true, plume_);
    EXPECT_TRUE(r.afficherTexte);
    EXPECT_EQ(doc_.mesure.texteMesure, QStringLiteral("90° (90°)"));
    // The first segment is still drawn while the second is dragged.
    EXPECT_EQ(provisoire(15, 50), 0xFFFF0000);
    (void)RelacherMesure(doc_, {30, 20}, plume_);
    EXPECT_FALSE(AttendSecondSegment(doc_));
    EXPECT_EQ(doc_.mesure.intersection, QPoint(30, 50));
    EXPECT_DOUBLE_EQ(doc_.mesure.dernierAngle, 90);
}

TEST_F(OutilMesureTest, the_stamp_marks_a_crossing_away_from_both_segments)
{
    doc_.modeMesure = MesureAngle;
    glisser({10, 50}, {60, 50});
    (void)AppuyerMesure(doc_, {80, 80}, plume_);
    (void)DeplacerMesure(doc_, {80, 70}, true, plume_);
    EXPECT_EQ(qAlpha(provisoire(80, 50)), 0);
    (void)RelacherMesure(doc_, {80, 70}, plume_);
    EXPECT_EQ(doc_.mesure.intersection, QPoint(80, 50));
    EXPECT_EQ(provisoire(80, 50), 0xFFFF0000);
}

TEST_F(OutilMesureTest, parallel_segments_print_no_stamp)
{
    doc_.modeMesure = MesureAngle;
    plume_.epaisseur = 5;
    glisser({10, 20}, {60, 20});
    (void)AppuyerMesure(doc_, {60, 60}, plume_);
    (void)DeplacerMesure(doc_, {10, 60}, true, plume_);
    (void)RelacherMesure(doc_, {10, 60}, plume_);
    EXPECT_EQ(doc_.mesure.texteMesure, QStringLiteral("0° (180°)"));
    EXPECT_EQ(doc_.mesure.intersection, EtatMesure::SansIntersection);
    EXPECT_EQ(qAlpha(provisoire(0, 0)), 0);
    EXPECT_EQ(qAlpha(provisoire(35, 40)), 0);
}

} // namespace

namespace {

struct CasRetrace {
    const char *nom;
    int mode; // MesureCourante or MesureAngle
    int epaisseur;
    std::vector<QPoint> trajet; // press, then moves, the last one released
};

void PrintTo(const CasRetrace &c, std::ostream *os)
{
    *os << c.nom;
}

class RetraceMesure : public OutilMesureTest, public ::testing::WithParamInterface<CasRetrace> {};

// The layer after a wandering drag is exactly what drawing the final
// segments on an empty layer gives: nothing is left of earlier positions,
// arrow heads and thick strokes included.
TEST_P(RetraceMesure, leaves_only_the_final_segments_on_the_provisional_layer)
{
    const CasRetrace &c = GetParam();
    doc_.modeMesure = c.mode;
    plume_.epaisseur = c.epaisseur;
    if (c.mode == MesureAngle) {
        (void)AppuyerMesure(doc_, {5, 50}, plume_);
        (void)DeplacerMesure(doc_, {60, 50}, true, plume_);
        (void)RelacherMesure(doc_, {60, 50}, plume_);
    }
    (void)AppuyerMesure(doc_, c.trajet.front(), plume_);
    for (std::size_t i = 1; i < c.trajet.size(); ++i)
        (void)DeplacerMesure(doc_, c.trajet[i], true, plume_);
    const QImage obtenue = doc_.coucheProvisoire.copy();

    ImageDocument attendu;
    attendu.image = doc_.image;
    attendu.PreparerRafraichissement(255);
    attendu.modeMesure = c.mode;
    if (c.mode == MesureAngle) {
        (void)AppuyerMesure(attendu, {5, 50}, plume_);
        (void)RelacherMesure(attendu, {60, 50}, plume_);
    }
    (void)AppuyerMesure(attendu, c.trajet.front(), plume_);
    (void)DeplacerMesure(attendu, c.trajet.back(), true, plume_);
    EXPECT_EQ(obtenue, attendu.coucheProvisoire);
}

INSTANTIATE_TEST_SUITE_P(
    Trajets, RetraceMesure,
    ::testing::Values(CasRetrace{"thin_line_back_and_forth", MesureCourante, 0, {{10, 10}, {110, 90}, {5, 95}, {30, 20}}},
                      CasRetrace{"thick_line_over_the_edges", MesureCourante, 6, {{60, 50}, {119, 0}, {0, 99}, {70, 55}}},
                      CasRetrace{"arrowed_angle_segments", MesureAngle, 3, {{20, 90}, {100, 10}, {10, 10}, {40, 60}}}),
    [](const ::testing::TestParamInfo<CasRetrace> &i) { return std::string(i.param.nom); });

} // namespace
