// Drawing on a document through the pointer: elements made at release,
// undo, deletion and rebuilding of the drawing layer.

#include "document/document_blanc_essai.h"
#include "document/dessins_document.h"
#include "document/placement_flottant.h"
#include "document/pointeur_dessin.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

class DessinDocument : public ::testing::Test {
protected:
    void SetUp() override
    {
        PreparerDocumentBlanc(doc, reglages, 60, 40);
    }

    void Geste(int outil, QPoint de, QPoint a)
    {
        doc.outilCourant = outil;
        AppuiPointeur(doc, reglages, de, Qt::LeftButton);
        DeplacementPointeur(doc, reglages, (de + a) / 2, Qt::LeftButton);
        DeplacementPointeur(doc, reglages, a, Qt::LeftButton);
        RelachementPointeur(doc, reglages, a, Qt::LeftButton);
    }

    [[nodiscard]] static int Peints(const QImage &couche)
    {
        int n = 0;
        for (int y = 0; y < couche.height(); ++y)
            for (int x = 0; x < couche.width(); ++x)
                n += qAlpha(couche.pixel(x, y)) != 0;
        return n;
    }

    ImageDocument doc;
    ReglagesDessin reglages;
};

TEST_F(DessinDocument, ALineGestureMakesANamedElementLeftOnTheProvisionalLayer)
{
    Geste(1, {5, 5}, {40, 5});
    ASSERT_EQ(doc.dessins.Nombre(), 1);
    EXPECT_EQ(doc.dessins.NomNumero(0), QStringLiteral("Trait 1"));
    EXPECT_GT(Peints(doc.coucheProvisoire), 30);
    EXPECT_EQ(Peints(doc.coucheDessin), 0);
    EXPECT_TRUE(doc.etatDessin.NonFusionne);
}

TEST_F(DessinDocument, UndoRightAfterALineClearsOnlyTheProvisionalLayer)
{
    Geste(0, {5, 30}, {20, 30});
    Geste(3, {12, 30}, {12, 30}); // the eraser clears part of the merged stroke
    const int apresGomme = Peints(doc.coucheDessin);
    Geste(1, {5, 5}, {40, 5});
    EXPECT_TRUE(AnnulerDernier(doc, reglages.Contexte()));
    EXPECT_EQ(doc.dessins.Nombre(), 1);
    EXPECT_EQ(Peints(doc.coucheProvisoire), 0);
    EXPECT_EQ(Peints(doc.coucheDessin), apresGomme) << "the drawing layer, eraser marks included, stays";
}

TEST_F(DessinDocument, UndoAfterALaterPressRebuildsTheLayerAndErasedPixelsReturn)
{
    Geste(0, {5, 30}, {20, 30});
    doc.FusionnerProvisoire();
    const int avant = Peints(doc.coucheDessin);
    Geste(3, {12, 30}, {12, 30});
    ASSERT_LT(Peints(doc.coucheDessin), avant);
    Geste(1, {5, 5}, {40, 5});
    Geste(2, {5, 10}, {30, 20}); // the press merges the line
    EXPECT_TRUE(AnnulerDernier(doc, reglages.Contexte()));
    EXPECT_TRUE(AnnulerDernier(doc, reglages.Contexte()));
    EXPECT_EQ(Peints(doc.coucheDessin), avant);
}

TEST_F(DessinDocument, UndoAfterAFillRebuildsTheDrawingLayer)
{
    Geste(2, {10, 10}, {30, 30});
    doc.outilCourant = 6;
    reglages.RemplirSurImage = false;
    AppuiPointeur(doc, reglages, {20, 20}, Qt::LeftButton);
    RelachementPointeur(doc, reglages, {20, 20}, Qt::LeftButton);
    ASSERT_EQ(doc.dessins.Nombre(), 2);
    EXPECT_EQ(doc.dessins.NomNumero(1), QStringLiteral("Remplissage 2"));
    EXPECT_EQ(doc.coucheDessin.pixel(20, 20), 0xFF0000FFu);
    EXPECT_TRUE(AnnulerDernier(doc, reglages.Contexte()));
    EXPECT_EQ(qAlpha(doc.coucheDessin.pixel(20, 20)), 0);
    EXPECT_EQ(doc.coucheDessin.pixel(10, 10), 0xFF0000FFu) << "the rectangle is drawn again";
}

TEST_F(DessinDocument, ALineEndingOutsideTheImageKeepsItsDirection)
{
    Geste(1, {10, 10}, {500, -70});
    ASSERT_EQ(doc.dessins.Nombre(), 1);
    const TDessin &d = *doc.dessins.ElementNumero(0);
    EXPECT_EQ(QPoint(d.X1, d.Y1), QPoint(10, 10));
    EXPECT_EQ(QPoint(d.X2, d.Y2), QPoint(500, -70));
}

TEST_F(DessinDocument, ACircleCentredOutsideTheImageKeepsItsCentre)
{
    reglages.FormeRectangle = false;
    Geste(2, {-10, 20}, {10, 20});
    ASSERT_EQ(doc.dessins.Nombre(), 1);
    const TDessin &d = *doc.dessins.ElementNumero(0);
    EXPECT_EQ(QPoint(d.XAncre, d.YAncre), QPoint(-10, 20));
    EXPECT_EQ(d.Rayon, 20);
    EXPECT_NE(qAlpha(doc.coucheProvisoire.pixel(10, 20)), 0) << "the circle passes where it was dragged";
}

TEST_F(DessinDocument, APencilStrokeThatLeavesTheImageDrawsNothingAlongItsBorder)
{
    doc.outilCourant = 0;
    AppuiPointeur(doc, reglages, {10, 5}, Qt::LeftButton);
    for (QPoint p : {QPoint(-20, 5), QPoint(-20, 35), QPoint(10, 35)})
        DeplacementPointeur(doc, reglages, p, Qt::LeftButton);
    RelachementPointeur(doc, reglages, {10, 35}, Qt::LeftButton);
    ASSERT_EQ(doc.dessins.Nombre(), 1);
    const TDessin &d = *doc.dessins.ElementNumero(0);
    ASSERT_EQ(d.Trace.listes.front().size(), 5u);
    EXPECT_EQ(d.Trace.listes.front()[2], (TPointFixe{-20 * 65536, 35 * 65536}));
    EXPECT_EQ(qAlpha(doc.coucheProvisoire.pixel(0, 20)), 0) << "the stroke ran outside the image there";
    EXPECT_NE(qAlpha(doc.coucheProvisoire.pixel(5, 35)), 0);
}

TEST_F(DessinDocument, DeletingAMiddleElementRebuildsFromTheOthers)
{
    Geste(1, {5, 5}, {40, 5});
    Geste(1, {5, 20}, {40, 20});
    Geste(1, {5, 35}, {40, 35});
    EXPECT_FALSE(SupprimerElement(doc, 1, reglages.Contexte()));
    EXPECT_EQ(doc.dessins.Nombre(), 2);
    EXPECT_NE(qAlpha(doc.coucheDessin.pixel(20, 5)), 0);
    EXPECT_EQ(qAlpha(doc.coucheDessin.pixel(20, 20)), 0);
    EXPECT_NE(qAlpha(doc.coucheDessin.pixel(20, 35)), 0);
    Geste(1, {5, 20}, {40, 20});
    EXPECT_EQ(doc.dessins.NomNumero(2), QStringLiteral("Trait 4")) << "counter values are never reused";
}

TEST_F(DessinDocument, DraggingThePencilRepaintsOnlyAroundThePen)
{
    doc.outilCourant = 0;
    AppuiPointeur(doc, reglages, {10, 10}, Qt::LeftButton);
    const ResultatPointeur r = DeplacementPointeur(doc, reglages, {11, 10}, Qt::LeftButton);
    EXPECT_LE(r.zoneModifiee.width(), 25);
    EXPECT_LE(r.zoneModifiee.height(), 25);
    EXPECT_TRUE(r.zoneModifiee.contains(11, 10));
}

TEST_F(DessinDocument, ThePipetteTakesThePenColourAndTheRightButtonTheBackground)
{
    doc.image.setPixel(3, 4, 0xFF123456);
    doc.outilCourant = 7;
    EXPECT_TRUE(AppuiPointeur(doc, reglages, {3, 4}, Qt::LeftButton).couleursChangees);
    EXPECT_EQ(reglages.CouleurCrayon, 0xFF123456u);
    AppuiPointeur(doc, reglages, {0, 0}, Qt::RightButton);
    EXPECT_EQ(reglages.CouleurFondDessin, 0xFFFFFFFFu);
}

TEST_F(DessinDocument, ThePaintBucketUpToThePenColourUsesTheBackgroundColour)
{
    reglages.RemplirAvecCrayon = false;
    reglages.CouleurCrayon = 0xFF102030;
    reglages.CouleurFondDessin = 0xFF00FF00;
    const ConditionsPot pot = ConditionsPotDePeinture(reglages);
    EXPECT_EQ(pot.couleur, 0xFF00FF00u);
    ASSERT_EQ(pot.conditions.size(), 2u);
    EXPECT_EQ(pot.conditions[0][0].Liaison, 3);
    EXPECT_EQ(pot.conditions[1][0].Mini, 0x30 - 15);
    EXPECT_EQ(pot.conditions[1][2].Mini, 1);
    EXPECT_EQ(pot.conditions[1][2].Maxi, 0x10 + 15);
}

// Deleting the last element only clears the provisional layer when that
// layer still holds it. Once it has been merged (by "Supprimer un élément",
// by saving, by the context menu) or a later press left something else
// there (the pipette, a text dialog cancelled, a pasted picture), the
// element is on the drawing layer and deleting it must rebuild that layer.
struct CasApresTrait {
    const char *nom;
    std::function<void(ImageDocument &, ReglagesDessin &)> ensuite;
};
void PrintTo(const CasApresTrait &c, std::ostream *os) { *os << c.nom; }

class SuppressionApresFusion : public DessinDocument, public ::testing::WithParamInterface<CasApresTrait> {};

TEST_P(SuppressionApresFusion, DeletingTheLastElementTakesItOffTheDrawingLayer)
{
    Geste(1, {5, 5}, {40, 5});
    GetParam().ensuite(doc, reglages);
    SupprimerElement(doc, doc.dessins.Nombre() - 1, reglages.Contexte());
    EXPECT_TRUE(doc.dessins.EstVide());
    EXPECT_EQ(Peints(doc.coucheDessin), 0);
    EXPECT_EQ(Peints(doc.coucheProvisoire), 0);
}

const CasApresTrait CasApresTraits[] = {
    {"layers merged", [](ImageDocument &d, ReglagesDessin &) { d.FusionnerProvisoire(); }},
    {"pipette pressed",
     [](ImageDocument &d, ReglagesDessin &r) {
         d.outilCourant = 7;
         AppuiPointeur(d, r, {20, 20}, Qt::LeftButton);
         DeplacementPointeur(d, r, {25, 20}, Qt::LeftButton);
         RelachementPointeur(d, r, {25, 20}, Qt::LeftButton);
         d.coucheProvisoire.fill(Qt::transparent); // the pipette's own paint is not at issue
     }},
    {"text dialog cancelled",
     [](ImageDocument &d, ReglagesDessin &r) {
         d.outilCourant = 4;
         AppuiPointeur(d, r, {20, 20}, Qt::LeftButton);
         RelachementPointeur(d, r, {20, 20}, Qt::LeftButton);
     }},
    {"picture pasted then taken back",
     [](ImageDocument &d, ReglagesDessin &) {
         QImage collage(4, 4, QImage::Format_ARGB32);
         collage.fill(0xFF00FF00u);
         CommencerPlacement(d, PlacementCollage, collage, {30, 30}, false);
         ValiderPlacement(d, true, false);
         d.coucheProvisoire.fill(Qt::transparent);
     }},
};

INSTANTIATE_TEST_SUITE_P(Cas, SuppressionApresFusion, ::testing::ValuesIn(CasApresTraits));

TEST_F(DessinDocument, ALegendPlacedOnADocumentWithoutDrawingLayerStaysAtTheNextPress)
{
    ImageDocument neuf;
    neuf.image = QImage(60, 40, QImage::Format_ARGB32);
    neuf.image.fill(0xFFFFFFFFu);
    ASSERT_TRUE(neuf.coucheDessin.isNull());
    QImage legende(10, 6, QImage::Format_ARGB32);
    legende.fill(0xFF000000u);
    auto element = std::make_unique<TDessin>();
    element->Genre = GenreLegende;
    element->Opacite = 255;
    CommencerPlacement(neuf, PlacementLegende, legende, {5, 5}, false, std::move(element));
    ASSERT_TRUE(ValiderPlacement(neuf, true, false));
    ASSERT_EQ(neuf.outilCourant, ImageDocument::OutilMesure);
    AppuiPointeur(neuf, reglages, {50, 30}, Qt::LeftButton);
    ASSERT_FALSE(neuf.coucheDessin.isNull());
    EXPECT_EQ(neuf.coucheDessin.pixel(8, 8), 0xFF000000u) << "the legend is merged, not wiped";
}

TEST_F(DessinDocument, EraseAllEmptiesTheListAndBothLayers)
{
    Geste(1, {5, 5}, {40, 5});
    Geste(2, {5, 10}, {30, 20});
    EffacerTout(doc);
    EXPECT_TRUE(doc.dessins.EstVide());
    EXPECT_EQ(Peints(doc.coucheDessin) + Peints(doc.coucheProvisoire), 0);
    EXPECT_FALSE(AnnulerDernier(doc, reglages.Contexte()));
}

} // namespace
