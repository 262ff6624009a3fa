// The processing commands in the program, used as a pupil uses them: two
// photos combined with the preview, a white card made white, a drawn-on
// photo turned and a drawing undone, a frame cropped, a copy resized, the
// canvas enlarged, a picture pixelised. With KAPTORI_CAPTURES set to a
// folder, each dialog and window is saved there as PNG.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "document/ui/fenetre_document.h"
#include "drawing/reglages_dessin.h"
#include "drawing/ui/ed_shape.h"
#include "processing/combinaison_algebrique.h"
#include "processing/transformation.h"
#include "processing/ui/coef_tail.h"
#include "processing/ui/combialg.h"
#include "processing/ui/combilog.h"
#include "processing/ui/expblanc.h"
#include "processing/ui/param_ag.h"
#include "processing/ui/pixel.h"
#include "support/cadre_photo.h"
#include "support/capture.h"
#include "support/pilote_dialogues.h"
#include "support/separateur.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>

namespace {

class TraitementsDansLeCadre : public CadrePhoto {
protected:
    TMDIChild *Document(const QString &titre, const QImage &image)
    {
        TMDIChild *f = cadre_->CreerDocument(titre);
        f->document().image = image.convertToFormat(QImage::Format_ARGB32);
        f->Rafraichir();
        cadre_->SynchroniserDocument();
        QApplication::processEvents();
        return f;
    }

    void Glisser(TMDIChild *f, QPoint de, QPoint a)
    {
        QWidget *vue = f->vue()->viewport();
        QTest::mousePress(vue, Qt::LeftButton, {}, Ecran(f, de));
        for (int i = 1; i <= 4; ++i) {
            const QPoint p = Ecran(f, de + (a - de) * i / 4);
            QMouseEvent mouvement(QEvent::MouseMove, p, vue->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(vue, &mouvement);
        }
        QTest::mouseRelease(vue, Qt::LeftButton, {}, Ecran(f, a));
    }
};

TEST_F(TraitementsDansLeCadre, TwoPhotosCombinedWithThePreviewGiveACombinaisonWithTheScaleOfImage1)
{
    EXPECT_FALSE(cadre_->actCombiAlgebrique->isEnabled());
    TMDIChild *photo = Photo();
    QImage sombre = photo->document().image.copy();
    sombre.invertPixels();
    Document(QStringLiteral("negatif"), sombre);
    EXPECT_TRUE(cadre_->actCombiAlgebrique->isEnabled());

    QImage apercuAjout, apercuDifference;
    const bool fait = PiloteDialogues::Executer(
        cadre_->actCombiAlgebrique, {PiloteDialogues::Quand<TCombialg>([&](TCombialg &d) {
            // Two documents: no third group, the lower layout, the active first.
            EXPECT_EQ(d.Image1->currentText(), QStringLiteral("negatif"));
            EXPECT_FALSE(d.CRVB->isVisible());
            EXPECT_EQ(d.panneauHaut->height(), 185);
            EXPECT_EQ(d.panneauApercu->geometry(), QRect(6, 192, d.width() - 12, 329));
            EXPECT_EQ(d.height(), 554);
            apercuAjout = d.Apercu();
            Capturer(d, QStringLiteral("combialg_deux_images"));
            d.coefim1->setValue(1);
            d.coefim2->setValue(1);
            d.soustraire2->setChecked(true);
            apercuDifference = d.Apercu();
            d.caseApercu->setChecked(false);
            EXPECT_LT(d.height(), 200);
            d.accept();
        })});
    ASSERT_TRUE(fait);
    ASSERT_FALSE(apercuAjout.isNull());
    EXPECT_EQ(apercuAjout.width(), 422); // 480 × 320 into the panel (428 wide) less 6
    EXPECT_NE(apercuAjout, apercuDifference);
    TMDIChild *resultat = cadre_->DocumentActif();
    ASSERT_NE(resultat, photo);
    EXPECT_EQ(resultat->windowTitle(), QStringLiteral("Combinaison"));
    ParametresCombinaison p;
    p.coef1 = 1, p.coef2 = 1;
    p.operation2 = OperationImage2::Soustraire;
    EXPECT_EQ(resultat->document().image, CombinerAlgebrique(sombre, photo->document().image, nullptr, p).image);
    EXPECT_EQ(resultat->document().echelle.Mode, 0);
}

TEST_F(TraitementsDansLeCadre, ThreeDocumentsShowTheThirdGroupAndTheChannelBox)
{
    QImage gris(60, 40, QImage::Format_ARGB32);
    for (int i = 1; i <= 3; ++i) {
        gris.fill(qRgb(20 * i, 20 * i, 20 * i));
        Document(QStringLiteral("gris%1").arg(i), gris);
    }
    const bool fait = PiloteDialogues::Executer(
        cadre_->actCombiAlgebrique, {PiloteDialogues::Quand<TCombialg>([&](TCombialg &d) {
            EXPECT_TRUE(d.CRVB->isVisible());
            EXPECT_TRUE(d.active3->isChecked());
            EXPECT_EQ(d.panneauHaut->height(), 290);
            EXPECT_EQ(d.panneauApercu->y(), 296);
            EXPECT_EQ(d.panneauApercu->height(), 225);
            d.CRVB->setChecked(true);
            d.coefim1->setValue(1);
            d.coefim2->setValue(1);
            Capturer(d, QStringLiteral("combialg_trois_images"));
            d.accept();
        })});
    ASSERT_TRUE(fait);
    // Image 1 is the active (third) picture, 60; image 2 the first, 20; image 3 the second, 40.
    EXPECT_EQ(cadre_->DocumentActif()->document().image.pixel(5, 5), qRgb(40, 20, 60));
}

TEST_F(TraitementsDansLeCadre, LogicalDstInvertGivesTheNegativeOfImage1)
{
    TMDIChild *photo = Photo();
    QImage blanc(480, 320, QImage::Format_ARGB32);
    blanc.fill(Qt::white);
    Document(QStringLiteral("blanc"), blanc);
    photo->setFocus();
    cadre_->zoneDocuments()->setActiveSubWindow(photo);
    const bool fait = PiloteDialogues::Executer(
        cadre_->actCombiLogique, {PiloteDialogues::Quand<TCombilog>([&](TCombilog &d) {
            EXPECT_EQ(d.modecopie->count(), 15);
            EXPECT_EQ(d.modecopie->itemText(8), QStringLiteral("cmPatInvert "));
            d.modecopie->setCurrentIndex(12);
            EXPECT_EQ(d.description->text(), QStringLiteral("Inverse l'image du canevas et ne tient pas compte de la source"));
            Capturer(d, QStringLiteral("combilog"));
            d.accept();
        })});
    ASSERT_TRUE(fait);
    QImage negatif = photo->document().image.copy();
    negatif.invertPixels();
    EXPECT_EQ(cadre_->DocumentActif()->document().image, negatif);
}

TEST_F(TraitementsDansLeCadre, WhiteBalanceOnACardWaitsWithMenusOffThenCorrects)
{
    QImage carte(200, 120, QImage::Format_ARGB32);
    carte.fill(qRgb(100, 110, 125));
    for (int y = 10; y < 60; ++y)
        for (int x = 10; x < 90; ++x)
            carte.setPixel(x, y, qRgb(200, 220, 250));
    TMDIChild *f = Document(QStringLiteral("carte"), carte);
    cadre_->boutonsOutils[1]->trigger();
    cadre_->actFaireBlanc->trigger();
    auto *expblanc = cadre_->findChild<TExpblanc *>();
    ASSERT_NE(expblanc, nullptr);
    EXPECT_TRUE(expblanc->isVisible());
    EXPECT_EQ(cadre_->TextePanneau(1), QStringLiteral("Blanc"));
    EXPECT_TRUE(f->document().captureBlanc);
    EXPECT_FALSE(cadre_->menuImage->menuAction()->isEnabled());
    EXPECT_FALSE(cadre_->menuFichier->menuAction()->isEnabled());
    EXPECT_FALSE(cadre_->BarreOutils->isEnabled());
    Glisser(f, {20, 20}, {80, 50});
    // The dashed rectangle shows on the provisional layer, nothing inside it.
    int bord = 0;
    for (int x = 20; x <= 80; ++x)
        bord += qAlpha(f->document().coucheProvisoire.pixel(x, 20)) != 0;
    EXPECT_GT(bord, 20);
    EXPECT_EQ(qAlpha(f->document().coucheProvisoire.pixel(50, 35)), 0);
    Capturer(*cadre_, QStringLiteral("blanc_attente"));
    Capturer(*expblanc, QStringLiteral("expblanc"));
    expblanc->accept();
    EXPECT_EQ(f->document().image.pixel(30, 30), qRgb(255, 255, 255));
    EXPECT_EQ(f->document().image.pixel(150, 100), qRgb(128, 128, 128));
    EXPECT_FALSE(f->document().captureBlanc);
    EXPECT_TRUE(cadre_->menuImage->menuAction()->isEnabled());
    EXPECT_TRUE(cadre_->BarreOutils->isEnabled());
    EXPECT_EQ(f->document().outilCourant, 1);
    EXPECT_EQ(f->document().modeMesure, 0);
    EXPECT_EQ(qAlpha(f->document().coucheProvisoire.pixel(50, 20)), 0);
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(TraitementsDansLeCadre, WhiteBalanceOnBlackIsRefusedInFrenchAndCancelRestoresToo)
{
    QImage noir(80, 60, QImage::Format_ARGB32);
    noir.fill(Qt::black);
    TMDIChild *f = Document(QStringLiteral("noir"), noir);
    cadre_->actFaireBlanc->trigger();
    Glisser(f, {10, 10}, {30, 30});
    cadre_->findChild<TExpblanc *>()->accept();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.front().contains(QStringLiteral("nulle")));
    EXPECT_EQ(f->document().image, noir.convertToFormat(QImage::Format_ARGB32));
    EXPECT_TRUE(cadre_->menuImage->menuAction()->isEnabled());

    cadre_->actFaireBlanc->trigger();
    EXPECT_FALSE(cadre_->menuImage->menuAction()->isEnabled());
    cadre_->findChild<TExpblanc *>()->reject();
    EXPECT_TRUE(cadre_->menuImage->menuAction()->isEnabled());
    EXPECT_FALSE(f->document().captureBlanc);
}

TEST_F(TraitementsDansLeCadre, ATurnedDrawnOnPhotoKeepsItsDrawingsWhereTheyWereAfterAnUndo)
{
    TMDIChild *f = Photo();
    cadre_->boutonsOutils[1]->trigger(); // line
    Glisser(f, {50, 40}, {200, 40});
    Glisser(f, {60, 200}, {60, 300});
    ASSERT_EQ(f->document().dessins.Nombre(), 2);
    cadre_->actRotation90->trigger();
    ImageDocument &doc = f->document();
    EXPECT_EQ(doc.image.size(), QSize(320, 480));
    EXPECT_EQ(doc.coucheDessin.size(), QSize(320, 480));
    // The first line, (50..200, 40), now runs down column 320 − 1 − 40.
    EXPECT_NE(qAlpha(doc.coucheDessin.pixel(279, 120)), 0);
    Capturer(*cadre_, QStringLiteral("photo_tournee"));
    cadre_->actAnnuler->trigger();
    EXPECT_EQ(doc.dessins.Nombre(), 1);
    EXPECT_NE(qAlpha(doc.coucheDessin.pixel(279, 120)), 0);
    // The second line, (60, 200..300), went to row 60 and is gone.
    EXPECT_EQ(qAlpha(doc.coucheDessin.pixel(319 - 250, 60)), 0);
    EXPECT_TRUE(messages_.isEmpty()); // a length scale: no warning
}

TEST_F(TraitementsDansLeCadre, CroppingTheFrameMakesANewDocumentWithTheDrawings)
{
    TMDIChild *f = Photo();
    cadre_->boutonsOutils[8]->trigger();
    ASSERT_TRUE(cadre_->actRecadrer->isEnabled());
    auto *forme = f->vue()->viewport()->findChild<TEdShape *>(QStringLiteral("selection"));
    ASSERT_NE(forme, nullptr);
    forme->setGeometry(Ecran(f, {100, 50}).x(), Ecran(f, {100, 50}).y(), 120, 80);
    emit forme->OnChange();
    const QRect cadreImage = f->document().selection;
    reponse_ = QMessageBox::Yes;
    cadre_->actRecadrer->trigger();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.front().startsWith(QStringLiteral("Créer une nouvelle fenêtre limitée au cadre ?")));
    TMDIChild *nouveau = cadre_->DocumentActif();
    ASSERT_NE(nouveau, f);
    EXPECT_EQ(nouveau->windowTitle(), QStringLiteral("Recadrage de ") + f->windowTitle());
    EXPECT_EQ(nouveau->document().image.size(), cadreImage.size());
    EXPECT_EQ(nouveau->document().image.pixel(0, 0), f->document().image.pixel(cadreImage.topLeft()));
    EXPECT_EQ(f->document().outilCourant, ImageDocument::OutilMesure);
}

TEST_F(TraitementsDansLeCadre, ALineJustDrawnInTheFrameIsCutWithItAndStaysOnTheSource)
{
    // The line is still on the provisional layer when the frame is cut: it
    // is part of what the frame shows ("Les dessins y seront incorporés au
    // fond") and must not vanish from the source.
    TMDIChild *f = Photo();
    cadre_->boutonsOutils[1]->trigger();
    Glisser(f, {110, 60}, {200, 60});
    ImageDocument &doc = f->document();
    const QRgb trait = doc.Aplatir().pixel(150, 60);
    ASSERT_NE(trait, doc.image.pixel(150, 60));
    cadre_->boutonsOutils[8]->trigger();
    auto *forme = f->vue()->viewport()->findChild<TEdShape *>(QStringLiteral("selection"));
    ASSERT_NE(forme, nullptr);
    forme->setGeometry(Ecran(f, {100, 50}).x(), Ecran(f, {100, 50}).y(), 120, 80);
    emit forme->OnChange();
    ASSERT_EQ(doc.selection.topLeft(), QPoint(100, 50));
    reponse_ = QMessageBox::Yes;
    cadre_->actRecadrer->trigger();
    TMDIChild *nouveau = cadre_->DocumentActif();
    ASSERT_NE(nouveau, f);
    EXPECT_EQ(nouveau->document().image.pixel(50, 10), trait);
    EXPECT_EQ(doc.Aplatir().pixel(150, 60), trait);
    // The line is still its element: undoing it takes it away.
    cadre_->zoneDocuments()->setActiveSubWindow(f);
    QApplication::processEvents();
    cadre_->actAnnuler->trigger();
    EXPECT_EQ(doc.Aplatir().pixel(150, 60), doc.image.pixel(150, 60));
}

TEST_F(TraitementsDansLeCadre, CroppingAfterATurnCutsWhatTheFrameShowsNow)
{
    // The frame stays where it is in the window while the picture turns
    // under it: the crop takes the pixels the frame is over after the turn.
    TMDIChild *f = Photo();
    cadre_->boutonsOutils[8]->trigger();
    auto *forme = f->vue()->viewport()->findChild<TEdShape *>(QStringLiteral("selection"));
    ASSERT_NE(forme, nullptr);
    forme->setGeometry(Ecran(f, {100, 50}).x(), Ecran(f, {100, 50}).y(), 120, 80);
    emit forme->OnChange();
    const QSize cadre = f->document().selection.size();
    ASSERT_EQ(cadre, QSize(120, 80));
    cadre_->actRotation90->trigger();
    QApplication::processEvents();
    const QPoint coin = f->PositionImage(forme->geometry().topLeft());
    reponse_ = QMessageBox::Yes;
    cadre_->actRecadrer->trigger();
    TMDIChild *nouveau = cadre_->DocumentActif();
    ASSERT_NE(nouveau, f);
    const QImage &recadre = nouveau->document().image;
    EXPECT_EQ(recadre.size(), cadre);
    EXPECT_EQ(recadre, f->document().Aplatir().copy(QRect(coin, cadre)));
}

TEST_F(TraitementsDansLeCadre, ResizingToHalfGivesACopyWithTheLengthScaleDoubled)
{
    TMDIChild *f = Photo();
    const bool fait = PiloteDialogues::Executer(cadre_->actRedimensionner, {PiloteDialogues::Quand<TCoefTail>([&](TCoefTail &d) {
                                                    EXPECT_EQ(d.largeur->text(), QStringLiteral("480"));
                                                    d.pourcentage->setValue(50);
                                                    EXPECT_EQ(d.largeur->text(), QStringLiteral("240"));
                                                    EXPECT_EQ(d.hauteur->text(), QStringLiteral("160"));
                                                    Capturer(d, QStringLiteral("coef_tail"));
                                                    d.accept();
                                                })});
    ASSERT_TRUE(fait);
    TMDIChild *copie = cadre_->DocumentActif();
    ASSERT_NE(copie, f);
    EXPECT_EQ(copie->windowTitle(), QStringLiteral("Copie"));
    EXPECT_EQ(copie->document().image.size(), QSize(240, 160));
    EXPECT_DOUBLE_EQ(copie->document().echelle.Facteur, 0.5);
}

TEST_F(TraitementsDansLeCadre, EnlargingTheCanvasAlignsThePictureOnTheBackground)
{
    QImage image(100, 100, QImage::Format_ARGB32);
    image.fill(Qt::red);
    TMDIChild *f = Document(QStringLiteral("rouge"), image);
    const bool fait = PiloteDialogues::Executer(cadre_->actAgrandirCanevas, {PiloteDialogues::Quand<TParam_ag>([&](TParam_ag &d) {
                                                    EXPECT_EQ(d.largeur->minimum(), 100);
                                                    EXPECT_EQ(d.largeur->maximum(), 32767);
                                                    EXPECT_FALSE(d.enBas->isEnabled());
                                                    d.largeur->setValue(200);
                                                    d.hauteur->setValue(150);
                                                    d.centrer->setChecked(false);
                                                    EXPECT_TRUE(d.enBas->isEnabled());
                                                    d.enBas->setChecked(true);
                                                    d.aDroite->setChecked(true);
                                                    Capturer(d, QStringLiteral("param_ag"));
                                                    d.accept();
                                                })});
    ASSERT_TRUE(fait);
    const QImage &r = f->document().image;
    EXPECT_EQ(r.size(), QSize(200, 150));
    EXPECT_EQ(r.pixel(100, 50), qRgb(255, 0, 0));
    EXPECT_EQ(r.pixel(99, 50), cadre_->CouleurFondDessin);
    EXPECT_EQ(f->document().coucheProvisoire.size(), QSize(200, 150));
}

TEST_F(TraitementsDansLeCadre, PixelisationShowsBlocksWithoutChangingTheDocument)
{
    TMDIChild *f = Photo();
    const QImage avant = f->document().image.copy();
    cadre_->actPixellisation->trigger();
    auto *fenetre = cadre_->findChild<TPixel *>();
    ASSERT_NE(fenetre, nullptr);
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(fenetre->resolution->maximum(), 8); // 480 = 2^8,9
    fenetre->resolution->setValue(4);
    EXPECT_EQ(fenetre->larg->text(), QStringLiteral("30"));
    EXPECT_EQ(fenetre->haut->text(), QStringLiteral("20"));
    EXPECT_FALSE(fenetre->patienter->isVisible());
    Capturer(*fenetre, QStringLiteral("pixel"));
    EXPECT_EQ(f->document().image, avant);
}

} // namespace
