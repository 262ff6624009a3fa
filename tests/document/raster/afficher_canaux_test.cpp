// Showing channels in the image bitmap and the contrast stretch: the bitmap
// shows the (stretched) channels, the channels keep their raw values.

#include "calibration/code_couleur.h"
#include "document/raster/etirement_contraste.h"
#include "document/image_document.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <random>
#include <vector>

namespace {

TCanal Canal(const char *nom, int w, int h, const std::function<int(int, int)> &valeur)
{
    TCanal c;
    c.nom = QString::fromUtf8(nom);
    c.largeur = w;
    c.hauteur = h;
    c.plan = QByteArray(w * h, '\0');
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            c.ligneAEcrire(y)[x] = static_cast<unsigned char>(valeur(x, y));
    return c;
}

QRgb Pixel(const ImageDocument &d, int x, int y)
{
    return reinterpret_cast<const QRgb *>(d.image.constScanLine(y))[x];
}

// 100 × 100 pixels spread evenly over 1..254: pixel i holds 1 + i·254 div 10000.
TCanal CanalReparti()
{
    return Canal("reparti", 100, 100, [](int x, int y) { return 1 + (y * 100 + x) * 254 / 10000; });
}

TEST(AfficherCanaux, one_channel_0_minus1_minus1_without_stretch_is_shown_in_opaque_grey)
{
    ImageDocument d;
    d.canaux.push_back(Canal("Canal", 3, 2, [](int x, int y) { return 10 * x + 100 * y; }));
    d.AfficherCanaux(0, -1, -1, 0);
    ASSERT_EQ(d.image.size(), QSize(3, 2));
    EXPECT_EQ(Pixel(d, 2, 1), 0xFF787878u); // 120 in every component
    EXPECT_EQ(Pixel(d, 0, 0), 0xFF000000u);
    EXPECT_TRUE(d.avecCanaux);
    EXPECT_EQ(d.canalBleu, 0);
    EXPECT_EQ(d.canalVert, -1);
    EXPECT_EQ(d.etirement, 0);
}

TEST(AfficherCanaux, two_channels_fill_blue_and_green_and_leave_red_at_255)
{
    ImageDocument d;
    d.canaux.push_back(Canal("Canal 1", 2, 2, [](int, int) { return 0x11; }));
    d.canaux.push_back(Canal("Canal 2", 2, 2, [](int, int) { return 0x22; }));
    d.AfficherCanaux(0, 1, 2, 0);
    EXPECT_EQ(Pixel(d, 1, 1) & 0x00FFFFFFu, 0x00FF2211u);
    EXPECT_EQ(d.canalRouge, -1); // index beyond the list: no channel
}

TEST(AfficherCanaux, all_slots_none_changes_nothing)
{
    ImageDocument d;
    d.canaux.push_back(Canal("Canal", 2, 2, [](int, int) { return 5; }));
    d.AfficherCanaux(-1, -1, -1, 50);
    EXPECT_TRUE(d.image.isNull());
    EXPECT_FALSE(d.avecCanaux);
    EXPECT_EQ(d.etirement, 0);
    d.AfficherCanaux(4, 5, -1, 0); // indexes beyond the list
    EXPECT_TRUE(d.image.isNull());
}

TEST(EtirementContraste, stretch_50_on_100_by_100_leaves_out_250_pixels_at_each_end)
{
    // Threshold 10000 div (2000 div 50) = 250. Values 1..k hold ceil(k·10000/254)
    // pixels: 237 for k = 6, 276 for k = 7, so the new minimum is 6; by
    // symmetry 249..254 hold 236 pixels and 248..254 hold 275, so the new
    // maximum is 249.
    const BornesEtirement b = CalculerEtirement(CanalReparti(), 50);
    EXPECT_TRUE(b.applique);
    EXPECT_EQ(b.mini, 6);
    EXPECT_EQ(b.maxi, 249);
}

TEST(EtirementContraste, stretched_display_maps_the_bounds_to_0_and_255_with_halves_to_even)
{
    const auto t = TableEtirement(6, 249);
    EXPECT_EQ(t[6], 0);
    EXPECT_EQ(t[249], 255);
    EXPECT_EQ(t[0], 0);     // clamped
    EXPECT_EQ(t[254], 255); // clamped
    EXPECT_EQ(t[128], 128); // 128·255/243 − 6·255/243 = 128.02
    // 0..2 over 0..255: value 1 gives 127.5, which goes to the even 128.
    EXPECT_EQ(TableEtirement(0, 2)[1], 128);
    // 0..6: value 1 gives 42.5 -> 42.
    EXPECT_EQ(TableEtirement(0, 6)[1], 42);
}

TEST(AfficherCanaux, stretched_display_leaves_the_raw_channel_values)
{
    ImageDocument d;
    d.canaux.push_back(CanalReparti());
    const QByteArray brut = d.canaux[0].plan;
    d.AfficherCanaux(0, -1, -1, 50);
    EXPECT_EQ(d.canaux[0].plan, brut);
    EXPECT_EQ(d.etirement, 50);
    // Pixel 0 holds 1 (below the minimum 6): black; the last holds 254: white.
    EXPECT_EQ(Pixel(d, 0, 0), 0xFF000000u);
    EXPECT_EQ(Pixel(d, 99, 99), 0xFFFFFFFFu);
}

TEST(AfficherCanaux, constant_channel_is_shown_unstretched)
{
    ImageDocument d;
    d.canaux.push_back(Canal("plat", 10, 10, [](int, int) { return 77; }));
    d.AfficherCanaux(0, -1, -1, 50);
    EXPECT_EQ(Pixel(d, 4, 4), 0xFF4D4D4Du);
}

TEST(EtirementContraste, threshold_zero_keeps_the_true_minimum_and_maximum)
{
    // 10 pixels: 10 div 40 = 0, nothing is left out.
    const TCanal c = Canal("petit", 10, 1, [](int x, int) { return 10 + x; });
    const BornesEtirement b = CalculerEtirement(c, 50);
    EXPECT_TRUE(b.applique);
    EXPECT_EQ(b.mini, 10);
    EXPECT_EQ(b.maxi, 19);
}

TEST(EtirementContraste, values_0_and_255_are_never_counted_so_a_two_level_channel_is_not_stretched)
{
    // Only 0 and 255: every count over 1..254 stays below the threshold, the
    // new minimum reaches 254 and the new maximum 1, so nothing changes.
    const TCanal c = Canal("binaire", 100, 100, [](int x, int) { return x < 50 ? 0 : 255; });
    EXPECT_FALSE(CalculerEtirement(c, 5).applique);
    EXPECT_FALSE(CalculerEtirement(c, 0).applique);
}

TEST(AfficherCanaux, colour_composite_stretches_each_slot_on_its_own)
{
    ImageDocument d;
    d.canaux.push_back(Canal("a", 10, 1, [](int x, int) { return 10 + x; })); // 10..19
    d.canaux.push_back(Canal("b", 10, 1, [](int, int) { return 100; }));    // constant
    d.canaux.push_back(Canal("c", 10, 1, [](int x, int) { return 200 + x; })); // 200..209
    d.AfficherCanaux(0, 1, 2, 2);
    EXPECT_EQ(Pixel(d, 0, 0), 0xFF006400u);
    EXPECT_EQ(Pixel(d, 9, 0), 0xFFFF64FFu);
}

// ---- The colour code that describes the shown channels -------------------------

TEST(AfficherCanaux, grey_display_sets_a_two_colour_code_from_black_to_white_over_0_255)
{
    ImageDocument d;
    d.canaux.push_back(Canal("Canal", 3, 2, [](int x, int) { return x; }));
    d.AfficherCanaux(0, -1, -1, 0);
    const TCodeCouleur &c = d.codeCouleur;
    EXPECT_EQ(c.Definie, 1);
    EXPECT_EQ(c.TypeCodage, CodageDeuxCouleurs);
    EXPECT_EQ(c.CouleurMin, 0x000000u);
    EXPECT_EQ(c.CouleurMax, 0xFFFFFFu);
    EXPECT_EQ(c.ValeurMin, 0.0);
    EXPECT_EQ(c.ValeurMax, 255.0);
    EXPECT_FALSE(c.Logarithmique);
    EXPECT_EQ(c.Grandeur, QStringLiteral("Canal"));
    EXPECT_TRUE(c.UniteCode.isEmpty());
}

TEST(AfficherCanaux, stretched_grey_display_records_the_raw_range_as_the_code_values)
{
    ImageDocument d;
    d.canaux.push_back(CanalReparti());
    d.AfficherCanaux(0, -1, -1, 50);
    EXPECT_EQ(d.codeCouleur.ValeurMin, 6.0);
    EXPECT_EQ(d.codeCouleur.ValeurMax, 249.0);
}

TEST(AfficherCanaux, colour_display_names_the_slots_after_their_channels_with_the_default_symbols)
{
    ImageDocument d;
    for (int b = 1; b <= 4; ++b)
        d.canaux.push_back(Canal(b == 1 ? "TM 1" : b == 2 ? "TM 2" : b == 3 ? "TM 3" : "TM 4", 4, 4,
                                 [b](int x, int) { return 10 * b + x; }));
    d.AfficherCanaux(1, 2, 3, 0);
    const TCodeCouleur &c = d.codeCouleur;
    EXPECT_EQ(c.Definie, 1);
    EXPECT_EQ(c.TypeCodage, CodageTroisCanaux);
    EXPECT_EQ(c.NomC[0], QStringLiteral("TM 2"));
    EXPECT_EQ(c.NomC[1], QStringLiteral("TM 3"));
    EXPECT_EQ(c.NomC[2], QStringLiteral("TM 4"));
    EXPECT_EQ(c.CouleurC[0], CouleurRvb(0, 255, 0));
    EXPECT_EQ(c.CouleurC[1], CouleurRvb(255, 0, 0));
    EXPECT_EQ(c.CouleurC[2], CouleurRvb(0, 0, 0));
    EXPECT_EQ(c.MiniC[0], 0.0);
    EXPECT_EQ(c.MaxiC[2], 255.0);
    EXPECT_EQ(Pixel(d, 3, 0), 0xFF2B2117u); // TM 4 = 43 red, TM 3 = 33 green, TM 2 = 23 blue
}

TEST(AfficherCanaux, slot_without_channel_gets_no_name_and_the_neutral_grey)
{
    ImageDocument d;
    d.canaux.push_back(Canal("Canal 1", 2, 2, [](int, int) { return 1; }));
    d.canaux.push_back(Canal("Canal 2", 2, 2, [](int, int) { return 2; }));
    d.AfficherCanaux(0, 1, 2, 0);
    EXPECT_TRUE(d.codeCouleur.NomC[2].isEmpty());
    EXPECT_EQ(d.codeCouleur.CouleurC[2], CouleurRvb(191, 191, 191));
}

TEST(AfficherCanaux, stretched_colour_display_records_each_slot_range)
{
    ImageDocument d;
    d.canaux.push_back(Canal("a", 10, 1, [](int x, int) { return 10 + x; }));
    d.canaux.push_back(Canal("b", 10, 1, [](int, int) { return 100; }));
    d.canaux.push_back(Canal("c", 10, 1, [](int x, int) { return 200 + x; }));
    d.codeCouleur.MiniC = {40, 40, 40}; // left by an earlier display
    d.codeCouleur.MaxiC = {90, 90, 90};
    d.AfficherCanaux(0, 1, 2, 2);
    EXPECT_EQ(d.codeCouleur.MiniC[0], 10.0);
    EXPECT_EQ(d.codeCouleur.MaxiC[0], 19.0);
    EXPECT_EQ(d.codeCouleur.MiniC[1], 0.0); // constant channel: shown raw
    EXPECT_EQ(d.codeCouleur.MaxiC[1], 255.0);
    EXPECT_EQ(d.codeCouleur.MiniC[2], 200.0);
    EXPECT_EQ(d.codeCouleur.MaxiC[2], 209.0);
}

TEST(AfficherCanaux, confirmed_designations_replace_channel_names_and_colours)
{
    ImageDocument d;
    d.canaux.push_back(Canal("TM 1", 2, 2, [](int, int) { return 1; }));
    d.canaux.push_back(Canal("TM 2", 2, 2, [](int, int) { return 2; }));
    DesignationsCanaux des;
    des.noms = {QStringLiteral("Vert"), QStringLiteral("Rouge"), QStringLiteral("Infra-Rouge")};
    des.couleurs = {CouleurRvb(1, 2, 3), CouleurRvb(4, 5, 6), CouleurRvb(7, 8, 9)};
    d.AfficherCanaux(0, 1, -1, 0, &des);
    EXPECT_EQ(d.codeCouleur.NomC[0], QStringLiteral("Vert"));
    EXPECT_EQ(d.codeCouleur.CouleurC[1], CouleurRvb(4, 5, 6));
    EXPECT_TRUE(d.codeCouleur.NomC[2].isEmpty());
    d.AfficherCanaux(1, -1, -1, 0, &des);
    EXPECT_EQ(d.codeCouleur.Grandeur, QStringLiteral("Vert"));
}

TEST(AfficherCanaux, channel_names_longer_than_20_characters_are_cut_in_the_code)
{
    ImageDocument d;
    d.canaux.push_back(Canal("CANAL 12 INFRAROUGE PROCHE", 2, 2, [](int, int) { return 1; }));
    d.AfficherCanaux(0, -1, -1, 0);
    EXPECT_EQ(d.codeCouleur.Grandeur, QStringLiteral("CANAL 12 INFRAROUGE "));
}

// ---- Histogram of a plane ---------------------------------------------------

// Planes of every size class the counting treats apart (below and above a
// megabyte, odd lengths, a tail after the last group of eight), compared
// with counting one byte at a time.
struct CasHistogramme {
    const char *nom;
    std::size_t taille;
    int genre; // 0 constant, 1 smooth ramp, 2 random, 3 alternating 0 and 255
};

void PrintTo(const CasHistogramme &c, std::ostream *os)
{
    *os << c.nom;
}

class HistogrammeOctetsTest : public ::testing::TestWithParam<CasHistogramme> {};

TEST_P(HistogrammeOctetsTest, counts_each_value_as_a_byte_by_byte_count_does)
{
    const CasHistogramme c = GetParam();
    std::vector<std::uint8_t> octets(c.taille);
    std::mt19937 alea(42);
    for (std::size_t i = 0; i < c.taille; ++i) {
        switch (c.genre) {
        case 0:
            octets[i] = 77;
            break;
        case 1:
            octets[i] = static_cast<std::uint8_t>((i / 4099) % 256);
            break;
        case 2:
            octets[i] = static_cast<std::uint8_t>(alea() & 0xFF);
            break;
        default:
            octets[i] = (i % 2) ? 255 : 0;
            break;
        }
    }
    std::array<std::uint64_t, 256> attendu{};
    for (const std::uint8_t o : octets)
        ++attendu[o];
    EXPECT_EQ(HistogrammeOctets(octets.data(), octets.size()), attendu);
}

const CasHistogramme CasHistogrammes[] = {
    {"empty", 0, 2},
    {"one byte", 1, 2},
    {"seven bytes, no group of eight", 7, 2},
    {"just below a megabyte", (std::size_t{1} << 20) - 1, 2},
    {"a megabyte and three bytes of tail", (std::size_t{1} << 20) + 3, 2},
    {"large constant plane", 3'000'001, 0},
    {"large smooth ramp", 3'000'017, 1},
    {"large alternating 0 and 255", 2'000'005, 3},
};

INSTANTIATE_TEST_SUITE_P(Plan, HistogrammeOctetsTest, ::testing::ValuesIn(CasHistogrammes));

// Bands alternating row by row in one shared block (as a Landsat file lays
// them out), against the same bands as planes of their own.
std::vector<TCanal> BandesEntrelacees(int bandes, int w, int h)
{
    std::mt19937 alea(7);
    QByteArray bloc(5 + qsizetype{bandes} * w * h, '\0');
    for (char &o : bloc)
        o = static_cast<char>(alea() % 97 + (alea() % 3) * 80);
    std::vector<TCanal> canaux(static_cast<std::size_t>(bandes));
    for (int b = 0; b < bandes; ++b) {
        TCanal &c = canaux[static_cast<std::size_t>(b)];
        c.nom = QStringLiteral("TM %1").arg(b + 1);
        c.index = b;
        c.largeur = w;
        c.hauteur = h;
        c.plan = bloc;
        c.debut = 5 + qsizetype{b} * w;
        c.pas = qsizetype{bandes} * w;
    }
    return canaux;
}

std::vector<TCanal> PlansSepares(const std::vector<TCanal> &canaux)
{
    std::vector<TCanal> separes = canaux;
    for (TCanal &c : separes) {
        c.plan = c.Octets();
        c.debut = 0;
        c.pas = 0;
    }
    return separes;
}

class BandesEntrelaceesTest : public ::testing::TestWithParam<std::array<int, 2>> {};

TEST_P(BandesEntrelaceesTest, count_and_show_as_the_same_bands_in_planes_of_their_own)
{
    const auto [w, h] = GetParam();
    const std::vector<TCanal> entrelacees = BandesEntrelacees(4, w, h);
    const std::vector<TCanal> separes = PlansSepares(entrelacees);
    ASSERT_EQ(separes[1].plan.size(), qsizetype{w} * h);
    for (const auto &[debut, fin] : {std::array<int, 2>{0, h}, std::array<int, 2>{1, h - 1}}) {
        const auto compte = HistogrammesCanaux({&entrelacees[1], nullptr, &entrelacees[3]}, debut, fin);
        EXPECT_EQ(compte[0], HistogrammeCanal(separes[1], debut, fin));
        EXPECT_EQ(compte[1], (std::array<std::uint64_t, 256>{}));
        EXPECT_EQ(compte[2], HistogrammeCanal(separes[3], debut, fin));
        std::array<std::uint64_t, 256> attendu{};
        for (int y = debut; y < fin; ++y)
            for (int x = 0; x < w; ++x)
                ++attendu[separes[3].ligne(y)[x]];
        EXPECT_EQ(compte[2], attendu);
    }
    ImageDocument a;
    a.canaux = entrelacees;
    a.AfficherCanaux(0, 1, 3, 5);
    ImageDocument b;
    b.canaux = separes;
    b.AfficherCanaux(0, 1, 3, 5);
    EXPECT_TRUE(a.image == b.image);
    EXPECT_EQ(a.codeCouleur.NomC, b.codeCouleur.NomC);
}

INSTANTIATE_TEST_SUITE_P(Canaux, BandesEntrelaceesTest,
                         ::testing::Values(std::array<int, 2>{9, 5}, std::array<int, 2>{1001, 700}));

} // namespace
