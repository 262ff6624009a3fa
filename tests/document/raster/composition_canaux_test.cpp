// The wide composite of three channels against the pixel-by-pixel one, on
// rows of every length around the width of the wide look-ups.

#include "document/raster/composition_canaux.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

TEST(CompositeurCanaux, wide_rows_match_the_pixel_by_pixel_composite_at_every_length)
{
    std::mt19937 hasard(7);
    std::array<TableAffichage, 3> tables{};
    for (TableAffichage &t : tables)
        for (auto &v : t)
            v = static_cast<std::uint8_t>(hasard());
    tables[1].fill(255); // a slot without channel
    const CompositeurCanaux large(tables);
    const CompositeurCanaux simple(tables, false);
    for (int largeur : {1, 63, 64, 65, 127, 128, 200, 7000}) {
        std::array<std::vector<std::uint8_t>, 3> plans;
        for (auto &p : plans) {
            p.resize(static_cast<std::size_t>(largeur));
            for (auto &v : p)
                v = static_cast<std::uint8_t>(hasard());
        }
        std::vector<QRgb> attendu(static_cast<std::size_t>(largeur));
        std::vector<QRgb> obtenu(static_cast<std::size_t>(largeur));
        simple.Ligne(attendu.data(), plans[0].data(), plans[1].data(), plans[2].data(), largeur);
        large.Ligne(obtenu.data(), plans[0].data(), plans[1].data(), plans[2].data(), largeur);
        EXPECT_EQ(obtenu, attendu) << "width " << largeur;
        // The plain composite itself, on the first pixel.
        EXPECT_EQ(attendu[0], qRgba(tables[2][plans[2][0]], 255, tables[0][plans[0][0]], 255));
    }
}

} // namespace
