// The angle between two segments: the oriented angle from the first to the
// second, its acute companion, and where the two lines cross.

#include "measure/angle_segments.h"
#include "support/separateur.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CasAngle {
    const char *nom;
    QPoint a, b, c, d;
    const char *texte;
    QPoint intersection;
};

void PrintTo(const CasAngle &c, std::ostream *os)
{
    *os << c.nom;
}

constexpr QPoint kAucune{-15, -15};

const CasAngle kAngles[] = {
    {"rightwards_then_upwards", {10, 50}, {60, 50}, {30, 80}, {30, 20}, "90° (90°)", {30, 50}},
    {"rightwards_then_downwards", {10, 50}, {60, 50}, {30, 20}, {30, 80}, "90° (270°)", {30, 50}},
    {"parallels_drawn_the_same_way", {10, 50}, {60, 50}, {10, 80}, {60, 80}, "0° (0°)", kAucune},
    {"parallels_drawn_opposite_ways", {10, 50}, {60, 50}, {60, 80}, {10, 80}, "0° (180°)", kAucune},
    {"slanted_parallels_drawn_opposite_ways", {0, 0}, {10, 5}, {20, 20}, {0, 10}, "0° (180°)", kAucune},
    {"vertical_parallels", {5, 0}, {5, 40}, {9, 40}, {9, 0}, "0° (180°)", kAucune},
    {"upwards_then_rightwards", {30, 80}, {30, 20}, {10, 50}, {60, 50}, "90° (270°)", {30, 50}},
    {"forty_five_degrees", {0, 100}, {100, 100}, {0, 100}, {100, 0}, "45° (45°)", {0, 100}},
    {"hundred_and_thirty_five_degrees", {0, 100}, {100, 100}, {100, 100}, {0, 0}, "45° (135°)", {100, 100}},
    {"thirty_degrees_crossing_off_the_segments", {0, 0}, {100, 0}, {200, 0}, {1066, -500}, "30° (30°)", {200, 0}},
    {"first_slanted_second_vertical", {0, 0}, {10, 10}, {50, 0}, {50, 10}, "45° (315°)", {50, 50}},
};

class AngleTest : public ::testing::TestWithParam<CasAngle> {};

TEST_P(AngleTest, gives_the_readout_and_the_crossing)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    const CasAngle &c = GetParam();
    const AngleSegments r = AngleEntreSegments(c.a, c.b, c.c, c.d);
    EXPECT_EQ(TexteAngle(r.angle).toStdString(), std::string(c.texte));
    EXPECT_EQ(r.intersection, c.intersection);
}

INSTANTIATE_TEST_SUITE_P(Mesure, AngleTest, ::testing::ValuesIn(kAngles),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST(AngleEntreSegments, acute_angle_is_the_smaller_angle_between_the_lines)
{
    // Brute force: the acute angle is min over the line directions, folded into 0..90.
    for (int angle = 0; angle < 360; angle += 7) {
        double pli = std::fmod(angle, 180.0);
        pli = std::min(pli, 180.0 - pli);
        EXPECT_NEAR(AngleAigu(angle), pli, 1e-9) << angle;
    }
}

TEST(AngleEntreSegments, nearly_parallel_lines_cross_far_away_without_overflow)
{
    const AngleSegments r = AngleEntreSegments({0, 0}, {30000, 1}, {0, 10}, {30001, 11});
    EXPECT_FALSE(r.paralleles());
    EXPECT_GT(r.intersection.x(), 1000000);
}

} // namespace
