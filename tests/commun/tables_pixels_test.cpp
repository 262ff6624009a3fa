#include "commun/tables_pixels.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Every row length around the 16-pixel steps, in place and into another buffer,
// against the rule written pixel by pixel.
TEST(TablesPixels, ChaqueLongueurDonneLesOctetsDesTables)
{
    std::mt19937 alea(7);
    TableOctets rouge{}, vert{}, bleu{};
    for (int v = 0; v < 256; ++v) {
        rouge[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(alea());
        vert[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(alea());
        bleu[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(alea());
    }
    for (int n : {0, 1, 15, 16, 17, 31, 33, 64, 1001}) {
        std::vector<std::uint32_t> source(static_cast<std::size_t>(n));
        for (auto &p : source)
            p = static_cast<std::uint32_t>(alea());
        std::vector<std::uint32_t> attendu(source.size());
        for (std::size_t x = 0; x < source.size(); ++x) {
            const std::uint32_t a = source[x] >> 24, r = (source[x] >> 16) & 255, g = (source[x] >> 8) & 255,
                                b = source[x] & 255;
            attendu[x] = (a << 24) | (std::uint32_t{rouge[r]} << 16) | (std::uint32_t{vert[g]} << 8) | bleu[b];
        }
        std::vector<std::uint32_t> dest(source.size(), 0xDEADBEEFu);
        AppliquerTablesPixels(source.data(), dest.data(), n, rouge, vert, bleu);
        EXPECT_EQ(dest, attendu) << "n = " << n;
        AppliquerTablesPixels(source.data(), source.data(), n, rouge, vert, bleu);
        EXPECT_EQ(source, attendu) << "n = " << n << ", en place";
    }
}

} // namespace
