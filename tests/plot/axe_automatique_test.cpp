// The automatic axis rule: the displayed range, the step and the label
// decimals a graph derives from the extent of its data. Expected values are
// worked by hand from the rule (step = first of g, g/2, g/5... giving at
// least MinSteps steps; bounds rounded out with a free step at a tick).

#include "plot/axe_automatique.h"
#include "support/separateur.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

struct CasAxe {
    const char *nom;
    EntreeAxe reglage;
    bool donnees;
    double oMin, oMax;
    double min, max, pas;
    int decimales;
    const char *graduations; // labels joined by "; " with the comma separator
};

void PrintTo(const CasAxe &c, std::ostream *os)
{
    *os << c.nom;
}

EntreeAxe Auto()
{
    return EntreeAxe{};
}

EntreeAxe Fixe(double mini, double maxi, double pas)
{
    EntreeAxe e;
    e.Min = mini;
    e.Max = maxi;
    e.Pas = pas;
    e.AutoEchelle = false;
    e.AutoPas = false;
    return e;
}

EntreeAxe SansDonnees(double mini, double maxi)
{
    EntreeAxe e;
    e.Min = mini;
    e.Max = maxi;
    return e;
}

const CasAxe kCas[] = {
    {"data_10_to_20_give_step_2_and_8_to_22", Auto(), true, 10, 20, 8, 22, 2, 0, "8; 10; 12; 14; 16; 18; 20; 22"},
    {"data_0_to_100_give_step_20_and_minus_20_to_120", Auto(), true, 0, 100, -20, 120, 20, 0,
     "-20; 0; 20; 40; 60; 80; 100; 120"},
    {"single_value_3_gives_0_to_3_5", Auto(), true, 3, 3, 0, 3.5, 0.5, 1,
     "0,0; 0,5; 1,0; 1,5; 2,0; 2,5; 3,0; 3,5"},
    {"single_zero_gives_minus_1_to_1", Auto(), true, 0, 0, -1, 1, 0.2, 1,
     "-1,0; -0,8; -0,6; -0,4; -0,2; 0,0; 0,2; 0,4; 0,6; 0,8; 1,0"},
    {"single_negative_value_ends_at_zero", Auto(), true, -4, -4, -4.8, 0, 0.5, 1,
     "-4,5; -4,0; -3,5; -3,0; -2,5; -2,0; -1,5; -1,0; -0,5; 0,0"},
    {"negative_data_get_a_step_below_and_above", Auto(), true, -20, -10, -22, -8, 2, 0,
     "-22; -20; -18; -16; -14; -12; -10; -8"},
    {"data_near_zero_take_zero_in", Auto(), true, 20, 100, 0, 120, 20, 0, "0; 20; 40; 60; 80; 100; 120"},
    // Zero is taken in, then the bounds are rounded again with the new step
    // from the data, which starts the axis at 20.
    {"rounding_after_zero_starts_from_the_data", Auto(), true, 21, 100, 20, 120, 20, 0,
     "20; 40; 60; 80; 100; 120"},
    {"unit_range_gets_a_decimal", Auto(), true, 1, 2, 0.8, 2.2, 0.2, 1, "0,8; 1,0; 1,2; 1,4; 1,6; 1,8; 2,0; 2,2"},
    {"range_off_keeps_the_set_bounds_and_step", Fixe(0, 7, 1), true, 3, 300, 0, 7, 1, 0, "0; 1; 2; 3; 4; 5; 6; 7"},
    {"no_data_keeps_the_set_bounds_in_order", SansDonnees(10, 0), false, 0, 0, 0, 10, 2, 0, "0; 2; 4; 6; 8; 10"},
    {"no_data_with_equal_bounds_goes_from_zero", SansDonnees(5, 5), false, 0, 0, 0, 5, 1, 0, "0; 1; 2; 3; 4; 5"},
};

class RegleAxe : public ::testing::TestWithParam<CasAxe> {};

TEST_P(RegleAxe, GivesTheRangeStepDecimalsAndLabels)
{
    SeparateurTemporaire virgule(QLatin1Char(','));
    const CasAxe &c = GetParam();
    const AxeCalcule r = CalculerAxe(c.reglage, c.donnees, c.oMin, c.oMax, 5, 50);
    ASSERT_TRUE(r.ok()) << r.erreur.toStdString();
    EXPECT_NEAR(r.Min, c.min, 1e-9);
    EXPECT_NEAR(r.Max, c.max, 1e-9);
    EXPECT_NEAR(r.Pas, c.pas, 1e-12);
    EXPECT_EQ(r.Decimales, c.decimales);
    QStringList etiquettes;
    for (double v : Graduations(r.Min, r.Max, r.Pas))
        etiquettes << TexteGraduation(v, r.Decimales);
    EXPECT_EQ(etiquettes.join(QStringLiteral("; ")).toStdString(), c.graduations);
}

INSTANTIATE_TEST_SUITE_P(Cas, RegleAxe, ::testing::ValuesIn(kCas),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST(DecimalesAxe, FollowTheStep)
{
    EXPECT_EQ(DecimalesEtiquettes(0.2), 1);
    EXPECT_EQ(DecimalesEtiquettes(0.05), 2);
    EXPECT_EQ(DecimalesEtiquettes(5), 0);
    EXPECT_EQ(DecimalesEtiquettes(20), 0);
    EXPECT_EQ(DecimalesEtiquettes(0.001), 3);
    EXPECT_EQ(DecimalesEtiquettes(1e-300), 20);
}

TEST(PasAxe, IsTheFirstDivisorGivingEnoughSteps)
{
    EXPECT_DOUBLE_EQ(PasDeGamme(10, 5), 2);
    EXPECT_DOUBLE_EQ(PasDeGamme(100, 5), 20);
    EXPECT_DOUBLE_EQ(PasDeGamme(0.5, 5), 0.1);
    // With ten steps asked, 10 gives 1 rather than 2.
    EXPECT_DOUBLE_EQ(PasDeGamme(10, 10), 1);
}

TEST(RefusAxe, DataMinimumAboveMaximumIsRefusedWithAMessage)
{
    const AxeCalcule r = CalculerAxe(EntreeAxe{}, true, 5, 1, 5, 50);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.erreur.contains(QStringLiteral("minimum")));
}

TEST(RefusAxe, RangeWithoutLengthOrInfiniteIsABadRangeForTheStep)
{
    QString erreur;
    EXPECT_EQ(PasDeGamme(0, 5, &erreur), 0);
    EXPECT_FALSE(erreur.isEmpty());
    erreur.clear();
    EXPECT_EQ(PasDeGamme(INFINITY, 5, &erreur), 0);
    EXPECT_FALSE(erreur.isEmpty());
    // Data spanning more than the largest real: refused, never a crash.
    EXPECT_FALSE(CalculerAxe(EntreeAxe{}, true, -1.7e308, 1.7e308, 5, 50).ok());
    // A fixed range without length cannot get a step.
    EXPECT_FALSE(CalculerAxe(Fixe(3, 3, 0), true, 3, 3, 5, 50).ok());
}

TEST(ExtremesAxe, DataOfPlusMinus1E300GetAnAxis)
{
    const AxeCalcule r = CalculerAxe(EntreeAxe{}, true, -1e300, 1e300, 5, 50);
    ASSERT_TRUE(r.ok());
    EXPECT_NEAR(r.Pas / 2e299, 1, 1e-12);
    EXPECT_NEAR(r.Min / -1.2e300, 1, 1e-12);
    EXPECT_NEAR(r.Max / 1.2e300, 1, 1e-12);
    EXPECT_EQ(Graduations(r.Min, r.Max, r.Pas).size(), 13u);
}

TEST(EtiquettesAxe, NeverWriteMinusZero)
{
    SeparateurTemporaire point(QLatin1Char('.'));
    EXPECT_EQ(TexteGraduation(-0.0, 0), QStringLiteral("0"));
    EXPECT_EQ(TexteGraduation(-0.04, 1), QStringLiteral("0.0"));
    EXPECT_EQ(TexteGraduation(-0.06, 1), QStringLiteral("-0.1"));
    EXPECT_EQ(TexteGraduation(2.5, 2), QStringLiteral("2.50"));
}

TEST(GraduationsAxe, TooManyAreNotListed)
{
    EXPECT_TRUE(Graduations(0, 1, 1e-9).empty());
    EXPECT_TRUE(Graduations(0, 1, 0).empty());
}

} // namespace
