// Arrangement of document windows: icons in rows from the bottom-left corner,
// mosaics sharing the area exactly, cascades that keep every caption visible.
// Expected corners are worked out by hand from the sizes.

#include "app/disposition_fenetres.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CasIcones {
    const char *nom;
    QSize zone;
    QList<QSize> icones;
    QList<QPoint> attendu;
    int hauteurRangees;
};

void PrintTo(const CasIcones &c, std::ostream *os) { *os << c.nom; }

const QSize kIcone(196, 24);

const CasIcones kIcones[] = {
    {"no icon", QSize(600, 400), {}, {}, 0},
    {"three icons fill the bottom row", QSize(600, 400), {kIcone, kIcone, kIcone},
     {QPoint(0, 376), QPoint(196, 376), QPoint(392, 376)}, 24},
    {"a fourth icon starts a row above", QSize(600, 400), {kIcone, kIcone, kIcone, kIcone},
     {QPoint(0, 376), QPoint(196, 376), QPoint(392, 376), QPoint(0, 352)}, 48},
    {"an icon exactly reaching the right edge stays in its row", QSize(392, 400), {kIcone, kIcone},
     {QPoint(0, 376), QPoint(196, 376)}, 24},
    {"an icon wider than the area has a row to itself", QSize(100, 300), {QSize(150, 20), QSize(50, 20)},
     {QPoint(0, 280), QPoint(0, 260)}, 40},
    {"a lower icon rests on the bottom of its row", QSize(300, 200), {QSize(100, 30), QSize(100, 20), QSize(200, 10)},
     {QPoint(0, 170), QPoint(100, 180), QPoint(0, 160)}, 40},
};

class Icones : public ::testing::TestWithParam<CasIcones> {};

TEST_P(Icones, line_up_from_the_bottom_left_corner_and_wrap_upwards)
{
    const CasIcones &c = GetParam();
    EXPECT_EQ(PositionsIcones(c.zone, c.icones), c.attendu);
    EXPECT_EQ(HauteurRangeesIcones(c.zone, c.icones), c.hauteurRangees);
}

INSTANTIATE_TEST_SUITE_P(Rangees, Icones, ::testing::ValuesIn(kIcones));

TEST(Mosaique, horizontal_strips_share_the_height_and_the_last_takes_the_remainder)
{
    EXPECT_EQ(RectanglesMosaique(QRect(0, 0, 600, 352), 3, true),
              (QList<QRect>{QRect(0, 0, 600, 117), QRect(0, 117, 600, 117), QRect(0, 234, 600, 118)}));
}

TEST(Mosaique, vertical_columns_share_the_width)
{
    EXPECT_EQ(RectanglesMosaique(QRect(0, 0, 601, 300), 2, false),
              (QList<QRect>{QRect(0, 0, 300, 300), QRect(300, 0, 301, 300)}));
}

TEST(Mosaique, of_no_window_is_empty)
{
    EXPECT_TRUE(RectanglesMosaique(QRect(0, 0, 600, 300), 0, true).isEmpty());
}

TEST(Cascade, three_windows_step_down_by_the_title_bar_and_end_at_the_far_corner)
{
    EXPECT_EQ(RectanglesCascade(QRect(0, 0, 600, 400), 3, 24),
              (QList<QRect>{QRect(0, 0, 552, 352), QRect(24, 24, 552, 352), QRect(48, 48, 552, 352)}));
}

TEST(Cascade, many_windows_keep_half_the_area_and_start_again_from_the_top)
{
    const QList<QRect> r = RectanglesCascade(QRect(0, 0, 600, 400), 12, 24);
    ASSERT_EQ(r.size(), 12);
    // Width 600 − 11 × 24 = 336; height 400 − 264 is below half the area, so
    // 200; steps of 24 fit 9 times in the 200 pixels left below.
    for (const QRect &f : r) {
        EXPECT_EQ(f.size(), QSize(336, 200));
        EXPECT_TRUE(QRect(0, 0, 600, 400).contains(f)) << f.x() << "," << f.y();
    }
    EXPECT_EQ(r[8].topLeft(), QPoint(192, 192));
    EXPECT_EQ(r[9].topLeft(), QPoint(0, 0));
    EXPECT_EQ(r[11].topLeft(), QPoint(48, 48));
}

} // namespace
