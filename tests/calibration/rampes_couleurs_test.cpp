// The ramps paint the colour scales of the definition window and of the
// legend. Expected bitmaps are worked by hand: an 8-pixel rainbow has four
// stretches of two pixels, each starting on a key colour and moving half-way
// (127.5, rounded to the even 128) towards the next.

#include "calibration/rampes_couleurs.h"

#include <QImage>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<QRgb> Ligne(const QImage &image, int y)
{
    const auto *p = reinterpret_cast<const QRgb *>(image.constScanLine(y));
    return {p, p + image.width()};
}

std::vector<QRgb> Colonne(const QImage &image, int x)
{
    std::vector<QRgb> c;
    for (int y = 0; y < image.height(); ++y)
        c.push_back(reinterpret_cast<const QRgb *>(image.constScanLine(y))[x]);
    return c;
}

TEST(RampeArcEnCiel, horizontal_passes_through_the_mixtures_of_neighbours)
{
    QImage image(8, 3, QImage::Format_ARGB32);
    image.fill(0);
    RampeArcEnCiel(image, CouleurRvb(0, 0, 255), CouleurRvb(0, 255, 0), CouleurRvb(255, 0, 0), true);
    const std::vector<QRgb> attendu = {
        qRgb(0, 0, 255),   qRgb(0, 128, 255), // blue towards cyan
        qRgb(0, 255, 255), qRgb(0, 255, 127), // cyan towards green
        qRgb(0, 255, 0),   qRgb(128, 255, 0), // green towards yellow
        qRgb(255, 255, 0), qRgb(255, 127, 0), // yellow towards red
    };
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(Ligne(image, y), attendu) << "row " << y;
}

TEST(RampeArcEnCiel, vertical_starts_at_the_bottom_row)
{
    QImage image(2, 4, QImage::Format_ARGB32);
    RampeArcEnCiel(image, CouleurRvb(255, 0, 0), CouleurRvb(0, 255, 0), CouleurRvb(0, 0, 255), false);
    const std::vector<QRgb> attendu = {qRgb(0, 255, 255), qRgb(0, 255, 0), qRgb(255, 255, 0), qRgb(255, 0, 0)};
    EXPECT_EQ(Colonne(image, 0), attendu);
    EXPECT_EQ(Colonne(image, 1), attendu);
}

TEST(RampeDeuxCouleurs, vertical_grey_ramp_rounds_halves_to_even)
{
    QImage image(3, 4, QImage::Format_RGB32);
    RampeDeuxCouleurs(image, CouleurRvb(0, 0, 0), CouleurRvb(255, 255, 255), false);
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    // Positions 0..3 from the bottom: 0, 63.75, 127.5, 191.25.
    EXPECT_EQ(Colonne(image, 2),
              (std::vector<QRgb>{qRgb(191, 191, 191), qRgb(128, 128, 128), qRgb(64, 64, 64), qRgb(0, 0, 0)}));
}

TEST(RampeDeuxCouleurs, horizontal_moves_each_component_on_its_own)
{
    QImage image(5, 1, QImage::Format_ARGB32);
    RampeDeuxCouleurs(image, CouleurRvb(200, 0, 100), CouleurRvb(0, 50, 100), true);
    EXPECT_EQ(Ligne(image, 0), (std::vector<QRgb>{qRgb(200, 0, 100), qRgb(160, 10, 100), qRgb(120, 20, 100),
                                                  qRgb(80, 30, 100), qRgb(40, 40, 100)}));
}

TEST(Rampes, an_empty_bitmap_is_left_alone)
{
    QImage vide;
    RampeArcEnCiel(vide, 1, 2, 3, true);
    RampeDeuxCouleurs(vide, 1, 2, false);
    EXPECT_TRUE(vide.isNull());
}

} // namespace
