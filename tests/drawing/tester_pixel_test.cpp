// Pixel conditions: components, hue wrap, connectors within and across groups.

#include "drawing/tester_pixel.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

TCondicoul C(int composante, int mini, int maxi, int liaison = 0)
{
    return {static_cast<std::uint8_t>(liaison), static_cast<std::uint8_t>(composante), 0,
            static_cast<std::uint16_t>(mini), static_cast<std::uint16_t>(maxi)};
}

struct CasCondition {
    const char *nom;
    QRgb pixel;
    TTableaudeTableaudeCondicoul groupes;
    bool attendu;
};
void PrintTo(const CasCondition &c, std::ostream *os) { *os << c.nom; }

const QRgb Rouge = 0xFFFF0000, Vert = 0xFF00FF00, Bleu = 0xFF0000FF, Magenta = 0xFFFF00FF, Jaune = 0xFFFFFF00;

const CasCondition Cas[] = {
    {"an empty list is false", Rouge, {}, false},
    {"an empty group is false", Rouge, {{}}, false},
    {"blue component in range", 0xFF000050, {{C(0, 0x50, 0x50)}}, true},
    {"green component out of range", 0xFF003000, {{C(1, 0x31, 255)}}, false},
    {"alpha component", 0x7F000000, {{C(3, 127, 127)}}, true},
    {"pure blue has hue 240", Bleu, {{C(4, 240, 240)}}, true},
    {"pure red has lightness 128 (127.5 to even)", Rouge, {{C(6, 128, 128), C(5, 255, 255)}}, true},
    {"grey has hue 0 and saturation 0", 0xFF808080, {{C(4, 0, 0), C(5, 0, 0)}}, true},
    {"hue 300..60 holds for red", Rouge, {{C(4, 300, 60)}}, true},
    {"hue 300..60 holds for magenta", Magenta, {{C(4, 300, 60)}}, true},
    {"hue 300..60 holds for yellow", Jaune, {{C(4, 300, 60)}}, true},
    {"hue 300..60 fails for green", Vert, {{C(4, 300, 60)}}, false},
    {"a reversed range on red fails", Rouge, {{C(2, 200, 100)}}, false},
    {"or: false then true", Vert, {{C(2, 255, 255, 1), C(1, 255, 255)}}, true},
    {"and: true then false", Rouge, {{C(2, 255, 255, 0), C(1, 255, 255)}}, false},
    {"exclusive or of two truths", Jaune, {{C(2, 255, 255, 2), C(1, 255, 255)}}, false},
    {"and not: true and not false", Rouge, {{C(2, 255, 255, 3), C(1, 255, 255)}}, true},
    {"an unknown connector keeps the result", Rouge, {{C(2, 255, 255, 9), C(1, 255, 255)}}, true},
    {"groups joined by the last connector of the group before (and not)", 0xFF102030,
     {{C(3, 0, 255, 3)}, {C(0, 0x20, 0x40), C(1, 0x10, 0x30), C(2, 0x00, 0x20)}}, false},
    {"groups joined by or", Bleu, {{C(2, 255, 255, 1)}, {C(0, 255, 255)}}, true},
    {"a channel code without planes reads zero", Rouge, {{C(10, 0, 0)}}, true},
    {"a channel code beyond the planes is false", Rouge, {{C(11, 0, 255)}}, false},
    {"HSV value of yellow", Jaune, {{C(9, 255, 255), C(7, 60, 60)}}, true},
};

class ConditionPixel : public ::testing::TestWithParam<CasCondition> {};

TEST_P(ConditionPixel, GivesTheExpectedAnswer)
{
    const CasCondition &c = GetParam();
    EXPECT_EQ(TesterPixel(c.pixel, nullptr, 0, c.groupes), c.attendu);
    const TesteurConditions prepare(c.groupes, nullptr);
    EXPECT_EQ(prepare.Tester(c.pixel, 0, 0), c.attendu) << "the prepared test must agree";
}

INSTANTIATE_TEST_SUITE_P(Cas, ConditionPixel, ::testing::ValuesIn(Cas));

TEST(ConditionPixel, ReadsTheChannelValuesOfThePixel)
{
    const std::uint8_t valeurs[] = {7, 200};
    EXPECT_TRUE(TesterPixel(Rouge, valeurs, 2, {{C(11, 200, 200)}}));
    EXPECT_FALSE(TesterPixel(Rouge, valeurs, 2, {{C(10, 8, 255)}}));

    // Two 2 × 2 channels whose rows alternate in one block.
    const std::uint8_t bloc[] = {1, 2, 10, 20, 3, 4, 30, 40};
    const PlansCanaux plans{{{bloc, 4}, {bloc + 2, 4}}, 2};
    const TesteurConditions prepare({{C(11, 40, 40)}}, &plans);
    EXPECT_TRUE(prepare.Tester(Rouge, 1, 1));
    EXPECT_FALSE(prepare.Tester(Rouge, 0, 1));
}

} // namespace

namespace {

TEST(TeinteCondition, AHueRoundingTo360CountsAs0)
{
    const QRgb presqueRouge = qRgb(255, 0, 1);
    EXPECT_EQ(RvbVersTslCondition(presqueRouge).teinte, 0);
    const TTableaudeTableaudeCondicoul toutes = {{{0, 4, 0, 0, 359}}};
    EXPECT_TRUE(TesterPixel(presqueRouge, nullptr, 0, toutes));
    EXPECT_TRUE(TesteurConditions(toutes, nullptr).Tester(presqueRouge, 0, 0));
}

} // namespace
