// Merging every layer into the image, and how the grid lives in the drawing
// layer: gone at a rebuild, kept by erasing an empty element list.

#include "document/document_blanc_essai.h"
#include "document/dessins_document.h"
#include "document/fusion_couches.h"
#include "document/pointeur_dessin.h"
#include "drawing/quadrillage.h"

#include <gtest/gtest.h>

namespace {

class FusionCouches : public ::testing::Test {
protected:
    void SetUp() override
    {
        PreparerDocumentBlanc(doc, reglages, 100, 60);
    }

    void Ligne(QPoint de, QPoint a)
    {
        doc.outilCourant = 1;
        AppuiPointeur(doc, reglages, de, Qt::LeftButton);
        DeplacementPointeur(doc, reglages, a, Qt::LeftButton);
        RelachementPointeur(doc, reglages, a, Qt::LeftButton);
    }

    ImageDocument doc;
    ReglagesDessin reglages;
};

TEST_F(FusionCouches, mergingEverythingLeavesNothingToUndoAndTheDrawingInTheImage)
{
    Ligne({10, 10}, {50, 10});
    Ligne({10, 30}, {50, 30});
    TracerQuadrillage(doc.coucheDessin, 20, CouleurQuadrillage(0xFF000000));
    const QImage attendu = doc.Aplatir();
    FusionnerToutesCouches(doc);
    EXPECT_EQ(doc.image, attendu);
    EXPECT_EQ(doc.image.pixel(30, 30), 0xFF0000FFu);
    EXPECT_TRUE(doc.dessins.EstVide());
    EXPECT_FALSE(AnnulerDernier(doc, reglages.Contexte()));
    EXPECT_EQ(doc.Aplatir(), attendu);
    for (const QImage *c : {&doc.coucheDessin, &doc.coucheProvisoire})
        for (int y = 0; y < c->height(); ++y)
            for (int x = 0; x < c->width(); ++x)
                ASSERT_EQ(qAlpha(c->pixel(x, y)), 0) << x << "," << y;
}

TEST_F(FusionCouches, theGridGoesAtARebuildOfTheDrawingLayer)
{
    Ligne({10, 10}, {50, 10});
    Ligne({10, 50}, {50, 50});
    doc.FusionnerProvisoire();
    TracerQuadrillage(doc.coucheDessin, 20, 0x40000000);
    ASSERT_EQ(doc.coucheDessin.pixel(80, 5), 0x40000000u);
    SupprimerElement(doc, 0, reglages.Contexte());
    EXPECT_EQ(qAlpha(doc.coucheDessin.pixel(80, 5)), 0);
}

TEST_F(FusionCouches, erasingAnEmptyElementListKeepsTheGrid)
{
    TracerQuadrillage(doc.coucheDessin, 20, 0x40000000);
    EffacerTout(doc);
    EXPECT_EQ(doc.coucheDessin.pixel(80, 5), 0x40000000u);
}

} // namespace
