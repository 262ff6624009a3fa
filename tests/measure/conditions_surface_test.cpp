// Conditions of the surface window: checks, grouping, clicks, widening and
// narrowing, reset and undo.

#include "measure/conditions_surface.h"

#include "drawing/tester_pixel.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace {

TCondicoul Cond(int code, int mini, int maxi, int liaison = 0)
{
    TCondicoul c;
    c.Liaison = static_cast<std::uint8_t>(liaison);
    c.Composante = static_cast<std::uint8_t>(code);
    c.Mini = static_cast<std::uint16_t>(mini);
    c.Maxi = static_cast<std::uint16_t>(maxi);
    return c;
}

TEST(ArcDesTeintes, CoversTheHuesAcrossZeroByTheSmallestArc)
{
    EXPECT_EQ(ArcDesTeintes({350, 355, 5, 10}), std::make_pair(350, 10));
    EXPECT_EQ(ArcDesTeintes({100, 120, 110}), std::make_pair(100, 120));
    EXPECT_EQ(ArcDesTeintes({42, 42}), std::make_pair(42, 42));
}

struct CasUnion {
    const char *nom;
    int a1, b1, a2, b2;
    std::pair<int, int> attendu;
};
void PrintTo(const CasUnion &c, std::ostream *os)
{
    *os << c.nom;
}
class UnionTeintes : public testing::TestWithParam<CasUnion> {};
TEST_P(UnionTeintes, JoinsTheArcs)
{
    const CasUnion &c = GetParam();
    EXPECT_EQ(UnionArcsTeinte(c.a1, c.b1, c.a2, c.b2), c.attendu);
}
INSTANTIATE_TEST_SUITE_P(
    Arcs, UnionTeintes,
    testing::Values(CasUnion{"inside", 10, 50, 20, 30, {10, 50}}, CasUnion{"overlapping_end", 10, 50, 40, 70, {10, 70}},
                    CasUnion{"across_zero", 350, 10, 5, 20, {350, 20}},
                    CasUnion{"disjoint_after", 10, 20, 40, 50, {10, 50}},
                    CasUnion{"disjoint_before", 100, 120, 10, 20, {10, 120}},
                    CasUnion{"covering", 20, 30, 10, 40, {10, 40}},
                    CasUnion{"closing_the_circle", 10, 200, 150, 20, {0, 359}}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(VerifierParentheses, GivesTheWindowsMessages)
{
    std::vector<int> deux{Ouvrante, Ouvrante, SansParenthese};
    EXPECT_EQ(VerifierParentheses(deux).Message(),
              "Condition C2 deuxième parenthèse (\r(un seul niveau de parenthèses autorisé)");
    std::vector<int> seule{SansParenthese, Fermante};
    EXPECT_EQ(VerifierParentheses(seule).Message(), "Condition C2\r parenthèse ) sans ( correspondante");
    std::vector<int> ouverte{Ouvrante, SansParenthese};
    EXPECT_EQ(VerifierParentheses(ouverte).Message(), "Condition C1 parenthèse ( sans ) correspondante\rL'ajouter à le fin?");
    std::vector<int> voisines{SansParenthese, Ouvrante, Fermante};
    EXPECT_EQ(VerifierParentheses(voisines).etat, VerificationParentheses::Correct);
    EXPECT_EQ(voisines, (std::vector<int>{SansParenthese, Ouvrante, Fermante}));
}

// "Rouge 1..2 et non (Verte 3..4 ou Bleue 0..9)": the two conditions in
// parentheses are one group, so black (blue 0) is not selected, as it would
// be if the group were read "(Rouge et non Verte) ou Bleue".
TEST(ConstruireGroupes, ATwoConditionGroupIsLinkedAsAWhole)
{
    std::vector<int> parentheses{SansParenthese, Ouvrante, Fermante};
    ASSERT_EQ(VerifierParentheses(parentheses).etat, VerificationParentheses::Correct);
    const auto groupes =
        ConstruireGroupes({Cond(2, 1, 2, 3), Cond(1, 3, 4, 1), Cond(0, 0, 9)}, parentheses);
    ASSERT_EQ(groupes.size(), 2u);
    EXPECT_FALSE(TesterPixel(qRgb(0, 0, 0), nullptr, 0, groupes));
    EXPECT_FALSE(TesterPixel(qRgb(1, 200, 5), nullptr, 0, groupes));
    EXPECT_TRUE(TesterPixel(qRgb(1, 200, 20), nullptr, 0, groupes));
}

// A document of two channels: a click includes channel values 10..20 and
// 30..40, a click in exclusion mode leaves out 12..14 and 32..34. A pixel
// whose channels are 11 and 31 lies in the first zone only and is selected;
// one at 13 and 33 is left out; 13 and 31 is outside the left-out zone.
TEST(ConditionsSurface, ExcludingTwoChannelsLeavesOutTheirZoneOnly)
{
    ConditionsSurface s;
    s.DefinirNbCanaux(2);
    s.RAZ();
    ASSERT_FALSE(s.AjouterConditionsCanaux({10, 30}, {20, 40}));
    s.modeInclure = false;
    ASSERT_FALSE(s.AjouterConditionsCanaux({12, 32}, {14, 34}));
    ASSERT_EQ(s.PreparerGroupes(), std::nullopt);
    auto selectionne = [&](std::uint8_t c0, std::uint8_t c1) {
        const std::uint8_t canaux[2] = {c0, c1};
        return TesterPixel(qRgb(0, 0, 0), canaux, 2, s.Groupes());
    };
    EXPECT_TRUE(selectionne(11, 31));
    EXPECT_FALSE(selectionne(13, 33));
    EXPECT_TRUE(selectionne(13, 31));
    EXPECT_FALSE(selectionne(5, 33));
}

// "L'ajouter à le fin?" answered Yes: the ")" goes on the last condition and
// the measurement goes on, also when the open "(" is on that last condition.
struct CasFermanteAjoutee {
    const char *nom;
    std::vector<int> parentheses;
    std::vector<int> attendues;
    std::size_t groupes;
};
void PrintTo(const CasFermanteAjoutee &c, std::ostream *os)
{
    *os << c.nom;
}
class FermanteAjoutee : public testing::TestWithParam<CasFermanteAjoutee> {};
TEST_P(FermanteAjoutee, GroupsWithoutARefusal)
{
    const CasFermanteAjoutee &c = GetParam();
    ConditionsSurface s;
    std::vector<TCondicoul> conditions;
    for (std::size_t i = 0; i < c.parentheses.size(); ++i)
        conditions.push_back(Cond(2, 10, 20));
    s.DefinirConditions(conditions, c.parentheses);
    EXPECT_EQ(s.PreparerGroupes(true), std::nullopt);
    EXPECT_EQ(s.Parentheses(), c.attendues);
    EXPECT_EQ(s.Groupes().size(), c.groupes);
}
INSTANTIATE_TEST_SUITE_P(
    Parentheses, FermanteAjoutee,
    testing::Values(CasFermanteAjoutee{"open_on_the_first_of_three", {Ouvrante, SansParenthese, SansParenthese},
                                       {Ouvrante, SansParenthese, Fermante}, 1},
                    CasFermanteAjoutee{"open_on_the_only_condition", {Ouvrante}, {SansParenthese}, 1},
                    CasFermanteAjoutee{"open_on_the_last_of_three", {SansParenthese, SansParenthese, Ouvrante},
                                       {SansParenthese, SansParenthese, SansParenthese}, 3}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(ConstruireGroupes, GroupsFromOpeningToClosingParenthesis)
{
    const std::vector<TCondicoul> c{Cond(0, 1, 2), Cond(1, 3, 4), Cond(2, 5, 6), Cond(4, 7, 8)};
    const auto groupes = ConstruireGroupes(c, {Ouvrante, SansParenthese, Fermante, SansParenthese});
    ASSERT_EQ(groupes.size(), 2u);
    EXPECT_EQ(groupes[0].size(), 3u);
    EXPECT_EQ(groupes[1], TTableaudeCondicoul{c[3]});
}

TEST(ConditionsSurface, FirstInclusionClickTurnsTheDefaultIntoBlueGreenRed)
{
    ConditionsSurface s;
    ASSERT_FALSE(s.AjouterConditionsRVB(qRgb(10, 20, 30), qRgb(40, 50, 60)));
    ASSERT_EQ(s.NbConditions(), 3);
    EXPECT_EQ(s.Conditions()[0], Cond(0, 30, 60));
    EXPECT_EQ(s.Conditions()[1], Cond(1, 20, 50));
    EXPECT_EQ(s.Conditions()[2], Cond(2, 10, 40));
    EXPECT_EQ(s.Parentheses(), (std::vector<int>{Ouvrante, SansParenthese, Fermante}));
    // A second click with "étend" widens the three intervals.
    ASSERT_FALSE(s.AjouterConditionsRVB(qRgb(5, 25, 35), qRgb(45, 55, 65)));
    ASSERT_EQ(s.NbConditions(), 3);
    EXPECT_EQ(s.Conditions()[0], Cond(0, 30, 65));
    EXPECT_EQ(s.Conditions()[2], Cond(2, 5, 45));
}

TEST(ConditionsSurface, ExclusionClicksAppendAfterAnAndNot)
{
    ConditionsSurface s;
    ASSERT_FALSE(s.AjouterConditionsRVB(qRgb(10, 20, 30), qRgb(40, 50, 60)));
    s.modeInclure = false;
    ASSERT_FALSE(s.AjouterConditionsTSL(350, 10, 20, 10, 30, 40));
    ASSERT_EQ(s.NbConditions(), 6);
    EXPECT_EQ(s.Conditions()[2].Liaison, 3);
    EXPECT_EQ(s.Conditions()[3], Cond(4, 350, 10));
    EXPECT_EQ(s.Parentheses()[3], Ouvrante);
    EXPECT_EQ(s.Parentheses()[5], Fermante);
}

TEST(ConditionsSurface, RefusesThe31stConditionAndChangesNothing)
{
    ConditionsSurface s;
    for (int i = 1; i < NbConditionsMaxi; ++i)
        ASSERT_FALSE(s.AjouterCondition());
    const auto avant = s.Conditions();
    EXPECT_EQ(s.AjouterCondition(), MessageMaximumAtteint());
    s.effet = Ajoute;
    EXPECT_EQ(s.AjouterConditionsRVB(0, 0xFFFFFFFF), MessageMaximumAtteint());
    EXPECT_EQ(s.Conditions(), avant);
    EXPECT_EQ(s.Conditions()[6].Composante, 0); // C7 tests blue again
}

TEST(ConditionsSurface, KeepsTheLastCondition)
{
    ConditionsSurface s;
    EXPECT_EQ(s.SupprimerCondition(0), MessageUneConditionMinimum());
    EXPECT_EQ(s.NbConditions(), 1);
}

TEST(ConditionsSurface, WidensAndNarrowsIntervals)
{
    ConditionsSurface s;
    s.DefinirConditions({Cond(4, 350, 10)}, {});
    s.pas = DixPourcent;
    s.Agrandir();
    EXPECT_EQ(s.Conditions()[0], Cond(4, 349, 11));
    s.DefinirConditions({Cond(2, 100, 102)}, {});
    s.pas = DixUnites;
    s.Retrecir();
    EXPECT_EQ(s.Conditions()[0], Cond(2, 101, 101));
    // The undo copy holds the new bounds.
    s.DefinirConditions({Cond(2, 0, 5)}, {});
    s.Annule();
    EXPECT_EQ(s.Conditions()[0], Cond(2, 101, 101));
}

TEST(ConditionsSurface, ResetReturnsToOneDefaultCondition)
{
    ConditionsSurface s;
    ASSERT_FALSE(s.AjouterConditionsRVB(0, 0xFFFFFFFF));
    s.modeInclure = false;
    s.RAZ();
    EXPECT_TRUE(s.modeInclure);
    EXPECT_FALSE(s.PremierClicInclure());
    ASSERT_EQ(s.NbConditions(), 1);
    EXPECT_EQ(s.Conditions()[0], Cond(0, 0, 255));
    s.DefinirNbCanaux(3);
    EXPECT_EQ(s.ConditionParDefaut(0).Composante, 10);
    EXPECT_EQ(s.ConditionParDefaut(3).Composante, 0);
}

TEST(ConditionChecks, HueArcsWrapAndFullRangesAreAlwaysTrue)
{
    EXPECT_FALSE(ConditionImpossible(Cond(4, 300, 40)));
    EXPECT_FALSE(ConditionToujoursVraie(Cond(4, 300, 40)));
    EXPECT_TRUE(ConditionToujoursVraie(Cond(4, 0, 359)));
    EXPECT_TRUE(ConditionImpossible(Cond(2, 40, 30)));
    EXPECT_EQ(NomOnglet(9), "C9");
    EXPECT_EQ(NomOnglet(10), "10");
}

// Two 40 x 40 planes with rows 48 bytes apart, and a provisional layer
// opaque at four pixels: two inside the zone of a click at (10, 10)
// (columns and rows 0..22) and two just outside it, whose bytes would
// widen the bounds if they were read.
struct ZoneCanaux {
    static constexpr int Cote = 40;
    static constexpr int Pas = 48;
    std::array<std::vector<std::uint8_t>, 2> octets{std::vector<std::uint8_t>(Pas * Cote, 100),
                                                   std::vector<std::uint8_t>(Pas * Cote, 0)};
    QImage couche{Cote, Cote, QImage::Format_ARGB32};
    PlansCanaux plans;

    ZoneCanaux()
    {
        couche.fill(Qt::transparent);
        Poser(10, 10, 40, 200);
        Poser(22, 22, 90, 201);
        Poser(23, 10, 5, 255);
        Poser(10, 23, 250, 0);
        plans.largeur = Cote;
        for (auto &o : octets)
            plans.plans.push_back({o.data(), Pas});
    }
    void Poser(int x, int y, std::uint8_t plan0, std::uint8_t plan1)
    {
        couche.setPixel(x, y, qRgba(1, 2, 3, 255));
        octets[0][static_cast<std::size_t>(y * Pas + x)] = plan0;
        octets[1][static_cast<std::size_t>(y * Pas + x)] = plan1;
    }
};

TEST(BornesCanauxZone, ReadsTheIndexedPlanesUnderTheOpaquePixelsWithinThirteenOfTheClick)
{
    const ZoneCanaux z;
    const BornesCanaux b = BornesCanauxZone(z.plans, {1, 0}, z.couche, 10, 10);
    EXPECT_EQ(b.minis, (std::vector<int>{200, 40}));
    EXPECT_EQ(b.maxis, (std::vector<int>{201, 90}));
}

TEST(BornesCanauxZone, AZoneWithoutOpaquePixelsKeepsTheEmptyBounds)
{
    const ZoneCanaux z;
    const BornesCanaux b = BornesCanauxZone(z.plans, {0, 1}, z.couche, 38, 38);
    EXPECT_EQ(b.minis, (std::vector<int>{255, 255}));
    EXPECT_EQ(b.maxis, (std::vector<int>{0, 0}));
}

} // namespace
