// The priming panel's rules: grouping of the colour components, the sliders
// with and without ticked components, and values kept within their ranges.

#include "schema/reglages_amorcage.h"

#include <gtest/gtest.h>

namespace {

ReglagesAmorcage Avec(const TParamStyleDes &style)
{
    ReglagesAmorcage r;
    r.ChargerStyle(style);
    return r;
}

TEST(ReglagesGroupes, ARedThresholdOf30SetsAllThreeColours)
{
    ReglagesAmorcage r = Avec(StylesIntegres().front().param);
    ASSERT_TRUE(r.ParamCourant.GrouperRVB);
    EXPECT_EQ(r.DefinirSeuil(Rouge, 30), SuiteReglage::RelancerMinuterie);
    EXPECT_EQ(r.ParamCourant.Seuil[Bleu], 30);
    EXPECT_EQ(r.ParamCourant.Seuil[Vert], 30);
    EXPECT_EQ(r.ParamCourant.Seuil[Rouge], 30);
    EXPECT_EQ(r.ParamCourant.Seuil[Teinte], 20);
    // A threshold above the gradient raises the gradient with it.
    r.DefinirSeuil(Vert, 90);
    EXPECT_EQ(r.ParamCourant.Degrad[Rouge], 90);
}

TEST(ReglagesGroupes, GroupingThresholds10_20_31MakesThemAll20)
{
    TParamStyleDes style = StylesIntegres().front().param;
    style.GrouperRVB = false;
    style.Seuil[Bleu] = 10;
    style.Seuil[Vert] = 20;
    style.Seuil[Rouge] = 31;
    style.Degrad[Bleu] = 60;
    style.Degrad[Vert] = 61;
    style.Degrad[Rouge] = 65;
    ReglagesAmorcage r = Avec(style);
    r.DefinirGrouper(true);
    for (int k = Bleu; k <= Rouge; ++k) {
        EXPECT_EQ(r.ParamCourant.Seuil[k], 20);
        EXPECT_EQ(r.ParamCourant.Degrad[k], 62);
    }
    // Ungrouping changes nothing, and the colours then move alone.
    EXPECT_EQ(r.DefinirGrouper(false), SuiteReglage::Rien);
    r.DefinirSeuil(Rouge, 40);
    EXPECT_EQ(r.ParamCourant.Seuil[Bleu], 20);
    EXPECT_EQ(r.ParamCourant.Seuil[Rouge], 40);
}

TEST(ReglagesCurseurs, WithoutTickedComponentsTheSlidersMoveTheDarkMarking)
{
    // "micro contrasté": no component ticked, SeuilNoir 100, DegradNoir 160.
    ReglagesAmorcage r = Avec(StylesIntegres().back().param);
    ASSERT_TRUE(r.ModeNoir);
    EXPECT_EQ(r.MaximumGlobal(), 250);
    EXPECT_EQ(r.ValeurGlobale, 150);
    EXPECT_EQ(r.PositionGlobale(), 100);
    EXPECT_EQ(r.PositionContraste(), 160);
    // Ten steps right: 10 more on both the threshold and the gradient.
    r.DeplacerGlobal(110);
    EXPECT_EQ(r.ParamCourant.SeuilNoir, 110);
    EXPECT_EQ(r.ParamCourant.DegradNoir, 170);
    r.DeplacerContraste(150);
    EXPECT_EQ(r.ParamCourant.DegradNoir, 160);
    // Far right: the threshold stops at 250 and the gradient with it.
    r.DeplacerGlobal(250);
    EXPECT_EQ(r.ParamCourant.SeuilNoir, 250);
    EXPECT_EQ(r.ParamCourant.DegradNoir, 250);
}

TEST(ReglagesCurseurs, WithTickedComponentsTheSlidersMoveTheirThresholdsAndGradients)
{
    ReglagesAmorcage r = Avec(StylesIntegres().front().param);
    ASSERT_FALSE(r.ModeNoir);
    EXPECT_EQ(r.PositionGlobale(), 80);    // 100 - 20
    EXPECT_EQ(r.PositionContraste(), 170); // 250 - 80
    r.DeplacerGlobal(90); // value 10: everything ticked loses 10
    for (int k = Bleu; k <= Rouge; ++k) {
        EXPECT_EQ(r.ParamCourant.Seuil[k], 10);
        EXPECT_EQ(r.ParamCourant.Degrad[k], 70);
    }
    EXPECT_EQ(r.ParamCourant.Seuil[Lum], 20) << "an unticked component stays";
    r.DeplacerGlobal(100); // value 0: thresholds stop at 1
    EXPECT_EQ(r.ParamCourant.Seuil[Bleu], 1);
    EXPECT_EQ(r.ParamCourant.Degrad[Bleu], 60);
    r.DeplacerContraste(250); // value 0: gradients stop at their thresholds
    EXPECT_EQ(r.ParamCourant.Degrad[Bleu], 1);
}

TEST(ReglagesCurseurs, TickingAComponentLeavesModeNoirAndPrimesAtOnce)
{
    ReglagesAmorcage r = Avec(StylesIntegres().back().param);
    EXPECT_EQ(r.DefinirActif(Lum, true), SuiteReglage::AmorcerMaintenant);
    EXPECT_FALSE(r.ModeNoir);
    EXPECT_EQ(r.ValeurGlobale, 20);
    // A smallest threshold above the slider's range stands at its bound.
    r.DefinirSeuil(Lum, 200);
    r.ReglerCurseurs();
    EXPECT_EQ(r.PositionGlobale(), 0);
}

TEST(ReglagesPanneau, TheLightThresholdIsShownAsItsDistanceFrom255)
{
    ReglagesAmorcage r = Avec(StylesIntegres().front().param);
    r.DefinirSeuilBlanc(20);
    EXPECT_EQ(r.ParamCourant.LimiteBlanc, 235);
    r.DefinirSeuilBlanc(500);
    EXPECT_EQ(r.ParamCourant.LimiteBlanc, 127);
    r.DefinirSeuilNoir(70);
    EXPECT_EQ(r.ParamCourant.DegradNoir, 70);
    EXPECT_EQ(r.DefinirMarquerNoir(false), SuiteReglage::AmorcerMaintenant);
}

} // namespace
