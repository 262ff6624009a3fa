// The commands on a document's layers as a whole, run from the frame.

#include "app/ui/main_window.h"
#include "document/ui/fenetre_document.h"
#include "document/ui/fenetre_placement.h"
#include "support/essai_cadre.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

class CalquesCadre : public EssaiCadre {};

TEST_F(CalquesCadre, MergingAllLayersDuringAPasteEndsThePlacementWithThePictureInTheImage)
{
    CreerCadre(1000, 800);
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(0xFF808080);
    ASSERT_TRUE(image.save(Chemin(QStringLiteral("gris.png"))));
    cadre_->OuvrirImage(Chemin(QStringLiteral("gris.png")), 2);
    TMDIChild *f = cadre_->DocumentActif();
    ASSERT_NE(f, nullptr);
    QImage colle(3, 2, QImage::Format_ARGB32);
    colle.fill(0xFFFF0000);
    QGuiApplication::clipboard()->setImage(colle);
    f->CollerDansImage();
    ASSERT_TRUE(f->fenetrePlacement()->isVisible());

    f->actFusionnerTout->trigger();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(f->document().image.pixel(11, 11), 0xFFFF0000u) << "the pasted picture is part of the image";
    EXPECT_FALSE(f->fenetrePlacement()->isVisible()) << "nothing is left to place, confirm or cancel";
    EXPECT_EQ(f->document().outilCourant, ImageDocument::OutilMesure);
    EXPECT_TRUE(cadre_->boutonsOutils[ImageDocument::OutilMesure]->isChecked());
}

} // namespace
