// Stretch bounds counted from the extreme values only must be those of the
// whole histogram, whatever the scene and however its sample misleads.

#include "document/raster/canal.h"
#include "document/raster/etirement_queues.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <random>
#include <vector>

namespace {

using Generateur = std::function<int(int x, int y, std::mt19937 &alea)>;

struct Scene {
    const char *nom;
    int largeur;
    int hauteur;
    Generateur valeur;
};

void PrintTo(const Scene &s, std::ostream *os)
{
    *os << s.nom;
}

int Entre(std::mt19937 &alea, int a, int b)
{
    return a + static_cast<int>(alea() % static_cast<unsigned>(b - a + 1));
}

// Three bands of the scene: the first in a plane of its own, the other two
// alternating row by row in a shared block, as a Landsat file has them.
std::vector<TCanal> Bandes(const Scene &s)
{
    std::mt19937 alea(11);
    const qsizetype plan = qsizetype{s.largeur} * s.hauteur;
    QByteArray bloc(2 * plan, '\0');
    std::vector<TCanal> canaux(3);
    for (int k = 0; k < 3; ++k) {
        TCanal &c = canaux[static_cast<std::size_t>(k)];
        c.largeur = s.largeur;
        c.hauteur = s.hauteur;
        if (k == 0) {
            c.plan = QByteArray(plan, '\0');
        } else {
            c.debut = qsizetype{k - 1} * s.largeur;
            c.pas = 2 * qsizetype{s.largeur};
        }
        QByteArray &octets = k == 0 ? c.plan : bloc;
        for (int y = 0; y < s.hauteur; ++y)
            for (int x = 0; x < s.largeur; ++x)
                octets[c.debut + y * c.pasLigne() + x] = static_cast<char>(s.valeur(x, y, alea));
    }
    canaux[1].plan = bloc;
    canaux[2].plan = bloc;
    return canaux;
}

class EtirementQueuesTest : public ::testing::TestWithParam<Scene> {};

TEST_P(EtirementQueuesTest, gives_the_bounds_of_the_whole_histogram)
{
    const std::vector<TCanal> canaux = Bandes(GetParam());
    for (const int e : {2, 5, 20, 50}) {
        std::array<BornesEtirement, 3> attendues{};
        for (std::size_t k = 0; k < 3; ++k)
            attendues[k] = EtirementDeHistogramme(HistogrammeCanal(canaux[k], 0, canaux[k].hauteur), e);
        for (const JeuComparaisons jeu : {JeuComparaisons::Simple, JeuComparaisons::Avx2, JeuComparaisons::Avx512}) {
            const auto bornes = EtirementsCanaux({&canaux[0], &canaux[1], &canaux[2]}, e, jeu);
            for (std::size_t k = 0; k < 3; ++k) {
                SCOPED_TRACE(testing::Message() << "e " << e << ", comparisons " << static_cast<int>(jeu)
                                                << ", band " << k);
                EXPECT_EQ(bornes[k].applique, attendues[k].applique);
                EXPECT_EQ(bornes[k].mini, attendues[k].mini);
                EXPECT_EQ(bornes[k].maxi, attendues[k].maxi);
            }
        }
    }
}

// Large enough to be counted by their ends (over 4 million pixels).
constexpr int Cote = 2100;

// The first row the sample of a Cote × Cote scene reads.
int PremiereLigneEchantillon()
{
    return LignesEchantillon(Cote, Cote).front();
}

const Scene Scenes[] = {
    {"uniform noise over all values", Cote, Cote, [](int, int, std::mt19937 &a) { return Entre(a, 0, 255); }},
    {"narrow range with rare outliers", Cote, Cote,
     [](int, int, std::mt19937 &a) { return a() % 1000 == 0 ? Entre(a, 1, 254) : Entre(a, 100, 150); }},
    {"no-data zeros over the left half", Cote, Cote,
     [](int x, int, std::mt19937 &a) { return x < Cote / 2 ? 0 : Entre(a, 20, 230); }},
    {"saturated 0 and 255, sparse middle", Cote, Cote,
     [](int, int, std::mt19937 &a) {
         const unsigned r = a() % 100;
         return r < 45 ? 0 : (r < 90 ? 255 : Entre(a, 1, 254));
     }},
    {"dark rows clustered in one band", Cote, Cote,
     [](int, int y, std::mt19937 &a) { return y >= 1000 && y < 1040 ? Entre(a, 3, 8) : Entre(a, 90, 160); }},
    {"only 1 and 254", Cote, Cote, [](int x, int y, std::mt19937 &) { return (x + y) % 2 ? 1 : 254; }},
    {"constant", Cote, Cote, [](int, int, std::mt19937 &) { return 77; }},
    {"sample misled: its first row alone holds the low values", Cote, Cote,
     [](int, int y, std::mt19937 &a) {
         static const int premiere = PremiereLigneEchantillon();
         return y == premiere ? 2 : Entre(a, 100, 150);
     }},
    {"odd width, smooth ramp", 2049, 2051, [](int x, int y, std::mt19937 &) { return (x / 9 + y / 13) % 256; }},
    {"small scene, whole histogram", 300, 200, [](int, int, std::mt19937 &a) { return Entre(a, 30, 220); }},
};

INSTANTIATE_TEST_SUITE_P(Scenes, EtirementQueuesTest, ::testing::ValuesIn(Scenes));

TEST(EtirementQueues, no_stretch_and_null_or_incomplete_channels_give_no_bounds)
{
    const std::vector<TCanal> canaux = Bandes(Scenes[0]);
    TCanal incomplet = canaux[0];
    incomplet.plan.truncate(10);
    const auto sans = EtirementsCanaux({&canaux[0], nullptr, &incomplet}, 0);
    const auto avec = EtirementsCanaux({&canaux[0], nullptr, &incomplet}, 5);
    EXPECT_FALSE(sans[0].applique);
    EXPECT_TRUE(avec[0].applique);
    EXPECT_FALSE(avec[1].applique);
    EXPECT_FALSE(avec[2].applique);
}

} // namespace
