// PNG row filters: undoing a filter gives back the row, for every filter and
// every pixel size, on rows whose close values make the Paeth predictor's
// ties frequent; an unknown filter type is refused. The filtering and the
// restoring are separate code (the restoring of 3- and 4-byte pixels works a
// pixel at a time), so each checks the other.

#include "document/formats/filtres_png.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

struct CasFiltre {
    std::string nom;
    FiltrePng filtre;
};

void PrintTo(const CasFiltre &c, std::ostream *os)
{
    *os << c.nom;
}

class FiltresPng : public ::testing::TestWithParam<CasFiltre> {};

TEST_P(FiltresPng, DefiltrerRendLaLigneFiltree)
{
    std::mt19937 hasard(5);
    for (int bpp : {1, 2, 3, 4, 6, 8})
        for (int etendue : {4, 256}) {
            for (std::size_t n : {std::size_t(bpp), std::size_t(bpp) * 37}) {
                std::vector<std::uint8_t> ligne(n), precedente(n), filtree(n);
                for (std::size_t i = 0; i < n; ++i) {
                    ligne[i] = static_cast<std::uint8_t>(250 + hasard() % etendue);
                    precedente[i] = static_cast<std::uint8_t>(250 + hasard() % etendue);
                }
                FiltrerLigne(GetParam().filtre, ligne.data(), precedente.data(), n, bpp, filtree.data());
                ASSERT_TRUE(DefiltrerLigne(static_cast<std::uint8_t>(GetParam().filtre), filtree.data(),
                                           precedente.data(), n, bpp));
                ASSERT_EQ(filtree, ligne) << "bpp " << bpp << ", " << n << " octets, étendue " << etendue;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(Tous, FiltresPng,
                         ::testing::Values(CasFiltre{"aucun", FiltrePng::Aucun}, CasFiltre{"sub", FiltrePng::Sub},
                                           CasFiltre{"up", FiltrePng::Up}, CasFiltre{"moyenne", FiltrePng::Moyenne},
                                           CasFiltre{"paeth", FiltrePng::Paeth}),
                         [](const auto &info) { return info.param.nom; });

TEST(FiltresPngInconnus, UnTypeAuDelaDe4EstRefuse)
{
    std::vector<std::uint8_t> ligne(6, 1), precedente(6, 2);
    EXPECT_FALSE(DefiltrerLigne(5, ligne.data(), precedente.data(), 6, 3));
    EXPECT_FALSE(DefiltrerLigne(255, ligne.data(), precedente.data(), 6, 1));
}

// The worked example of Paeth's predictor: left 10, above 12, above left 11
// predict 11 (the three distances are 1, 1 and 0, so the upper-left wins).
TEST(PredicteurPaeth, ChoisitCommeLExempleCalculeALaMain)
{
    const std::uint8_t precedente[2] = {11, 12};
    std::uint8_t ligne[2] = {10, 30};
    std::uint8_t filtree[2];
    FiltrerLigne(FiltrePng::Paeth, ligne, precedente, 2, 1, filtree);
    EXPECT_EQ(filtree[1], 30 - 11);
}

// The predictor as the format describes it, ties to a, then b.
int PaethDeReference(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

TEST(PredicteurPaeth, PreditCommeLaDefinitionSurToutesLesValeurs)
{
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b)
            for (int c = 0; c < 256; c += 3) {
                const std::uint8_t precedente[2] = {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(b)};
                const std::uint8_t ligne[2] = {static_cast<std::uint8_t>(a), 0};
                std::uint8_t filtree[2];
                FiltrerLigne(FiltrePng::Paeth, ligne, precedente, 2, 1, filtree);
                ASSERT_EQ(static_cast<std::uint8_t>(-filtree[1]), PaethDeReference(a, b, c))
                    << "a " << a << ", b " << b << ", c " << c;
            }
}

} // namespace
