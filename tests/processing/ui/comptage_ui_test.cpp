// Counting and the grid in the program, used as a pupil and a teacher use
// them: two kinds of cells counted by clicking, a mark deleted, shapes,
// colours and the pen width changed, the picture copied with its marks; a
// grid laid on a calibrated photo and merged into it. With KAPTORI_CAPTURES
// set to a folder, the windows are saved there as PNG.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "document/ui/fenetre_document.h"
#include "drawing/reglages_dessin.h"
#include "drawing/ui/ch_grille.h"
#include "processing/comptage_document.h"
#include "processing/ui/multicompt.h"
#include "support/cadre_photo.h"
#include "support/capture.h"
#include "support/pilote_dialogues.h"
#include "support/separateur.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ComptageDansLeCadre : public CadrePhoto {
protected:
    static TMulticompt *Compteur(TMDIChild *f)
    {
        return f->findChild<TMulticompt *>(QStringLiteral("Compteur"), Qt::FindDirectChildrenOnly);
    }
    void Cliquer(TMDIChild *f, QPoint pixel) { QTest::mouseClick(f->vue()->viewport(), Qt::LeftButton, {}, Ecran(f, pixel)); }
    void Glisser(TMDIChild *f, QPoint de, QPoint a)
    {
        QWidget *vue = f->vue()->viewport();
        QTest::mousePress(vue, Qt::LeftButton, {}, Ecran(f, de));
        const QPoint p = Ecran(f, a);
        QMouseEvent mouvement(QEvent::MouseMove, p, vue->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(vue, &mouvement);
        QTest::mouseRelease(vue, Qt::LeftButton, {}, p);
    }
};

TEST_F(ComptageDansLeCadre, TwoKindsOfCellsAreCountedAMarkDeletedAndThePictureCopiedWithItsMarks)
{
    TMDIChild *photo = Photo();
    ASSERT_NE(photo, nullptr);
    EXPECT_FALSE(cadre_->actCopierPoints->isEnabled());
    cadre_->actComptage->trigger();
    QApplication::processEvents();
    ImageDocument &doc = photo->document();
    EXPECT_EQ(doc.outilCourant, 9);
    EXPECT_TRUE(doc.comptageActif);
    EXPECT_TRUE(cadre_->actCopierPoints->isEnabled());
    TMulticompt *w = Compteur(photo);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), photo->windowTitle());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowCloseButtonHint);

    // Two categories; the second one drawn as green crosses.
    w->menuNombre->actions().at(1)->trigger();
    EXPECT_EQ(w->Compteurs().NbCompteurs, 2);
    EXPECT_EQ(w->height(), std::max(TMulticompt::Hauteur(2), w->menus->height() + 2 * 32 + 6));
    EXPECT_TRUE(w->BoutonsRAZ[1]->isVisible());
    EXPECT_FALSE(w->BoutonsRAZ[2]->isVisible());
    Cliquer(photo, {40, 40});
    Cliquer(photo, {100, 40});
    w->Radios[1]->click();
    EXPECT_EQ(w->Compteurs().CompteurCourant, 2);
    w->menuMarque->actions().at(Croix)->trigger();
    Cliquer(photo, {200, 100});
    // The mark just put is dragged into place.
    Glisser(photo, {300, 200}, {310, 210});
    EXPECT_EQ(w->EditsEffectif[0]->text(), QStringLiteral("2"));
    EXPECT_EQ(w->EditsEffectif[1]->text(), QStringLiteral("2"));
    ASSERT_EQ(doc.marquesComptage[1].size(), 2u);
    EXPECT_EQ(doc.marquesComptage[1][1].position, QPointF(297, 197));
    Capturer(*w, QStringLiteral("multicompt_deux_categories"));

    // A press on a mark asks; "Non" puts a new mark on top, "Oui" deletes.
    reponse_ = QMessageBox::No;
    Cliquer(photo, {100, 40});
    EXPECT_EQ(messages_.value(0), QStringLiteral("Voulez-vous effacer cette marque ?"));
    EXPECT_EQ(w->EditsEffectif[1]->text(), QStringLiteral("3"));
    reponse_ = QMessageBox::Yes;
    Cliquer(photo, {100, 40});
    EXPECT_EQ(w->EditsEffectif[1]->text(), QStringLiteral("2"));

    // A wider pen redraws every mark at the new size.
    cadre_->choixEpaisseur->setValue(11);
    QApplication::processEvents();
    EXPECT_EQ(doc.marquesComptage[0][0].image, ImageMarque(11, 0xFFFF0000, Rond));
    EXPECT_EQ(doc.marquesComptage[1][0].image, ImageMarque(11, 0xFF00FF00, Croix));

    // The copy: "Comptage 2", the marks in its pixels, the scale copied.
    cadre_->actCopierPoints->trigger();
    QApplication::processEvents();
    TMDIChild *copie = cadre_->DocumentActif();
    ASSERT_NE(copie, photo);
    EXPECT_EQ(copie->windowTitle(), QStringLiteral("Comptage 2"));
    EXPECT_EQ(copie->document().image.pixel(40, 40), 0xFFFF0000u);
    EXPECT_EQ(copie->document().echelle.Facteur, doc.echelle.Facteur);
    EXPECT_FALSE(w->isVisible());
    Capturer(*cadre_, QStringLiteral("comptage_cadre"));
}

// Paint events of a widget, by their rectangles.
class ZonesPeintes : public QObject {
public:
    explicit ZonesPeintes(QWidget *w) { w->installEventFilter(this); }
    QList<QRect> zones;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            zones << static_cast<QPaintEvent *>(e)->rect();
        return false;
    }
};

TEST_F(ComptageDansLeCadre, AClickRepaintsOnlyTheSquareOfItsMarkAndLeavesTheLayersAlone)
{
    TMDIChild *photo = Photo();
    ASSERT_NE(photo, nullptr);
    ImageDocument &doc = photo->document();
    // A line waiting on the provisional layer.
    doc.CreerCoucheProvisoire();
    doc.coucheProvisoire.setPixel(5, 5, 0xFF0000FFu);
    cadre_->actComptage->trigger();
    QApplication::processEvents();
    ZonesPeintes peintes(photo->vue()->viewport());
    Cliquer(photo, {120, 80});
    QApplication::processEvents();
    ASSERT_EQ(doc.marquesComptage[0].size(), 1u);
    const CouchePositionnee &marque = doc.marquesComptage[0][0];
    const QRect carre = QRect(Ecran(photo, marque.position.toPoint()), marque.image.size()).adjusted(-3, -3, 3, 3);
    ASSERT_FALSE(peintes.zones.isEmpty());
    for (const QRect &z : peintes.zones)
        EXPECT_TRUE(carre.contains(z)) << z.x() << "," << z.y() << " " << z.width() << "x" << z.height();
    EXPECT_EQ(doc.coucheProvisoire.pixel(5, 5), 0xFF0000FFu);
}

TEST_F(ComptageDansLeCadre, RAZOnAnEmptyCategoryShowsZeroAndFermerGoesBackToTheMeasuringTool)
{
    TMDIChild *photo = Photo();
    cadre_->actComptage->trigger();
    TMulticompt *w = Compteur(photo);
    ASSERT_NE(w, nullptr);
    Cliquer(photo, {50, 50});
    w->hide();
    w->BoutonsRAZ[0]->click();
    EXPECT_EQ(w->EditsEffectif[0]->text(), QStringLiteral("0"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(EffectifCategorie(photo->document(), 1), 0);
    w->BoutonsRAZ[0]->click();
    EXPECT_EQ(w->EditsEffectif[0]->text(), QStringLiteral("0"));

    Cliquer(photo, {60, 60});
    w->actFermer->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(photo->document().outilCourant, ImageDocument::OutilMesure);
    EXPECT_FALSE(photo->document().marquesComptage[0][0].visible);
    // Counting again shows the kept marks.
    cadre_->actComptage->trigger();
    EXPECT_TRUE(photo->document().marquesComptage[0][0].visible);
    EXPECT_EQ(w->EditsEffectif[0]->text(), QStringLiteral("1"));
}

TEST_F(ComptageDansLeCadre, AGridOfTenMillimetresOnTheCalibratedPhotoIsMergedForGood)
{
    TMDIChild *photo = Photo();
    ImageDocument &doc = photo->document();
    ASSERT_DOUBLE_EQ(doc.echelle.Facteur, 0.25);
    bool vu = false;
    const bool fait = PiloteDialogues::Executer(cadre_->actQuadrillage, {PiloteDialogues::Quand<TCh_grille>([&](TCh_grille &d) {
        vu = true;
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Choix du quadrillage"));
        EXPECT_EQ(d.unite->text(), QStringLiteral("mm"));
        EXPECT_EQ(d.ValeurMaille->decimals(), 1);
        // 5 × 0,25 = 1,25 shown with one decimal.
        EXPECT_DOUBLE_EQ(d.ValeurMaille->minimum(), 1.3);
        EXPECT_DOUBLE_EQ(d.ValeurMaille->maximum(), 60);
        EXPECT_DOUBLE_EQ(d.ValeurMaille->value(), 5);
        d.ValeurMaille->setValue(10);
        Capturer(d, QStringLiteral("ch_grille"));
        d.accept();
    })});
    ASSERT_TRUE(fait);
    ASSERT_TRUE(vu);
    EXPECT_EQ(doc.coucheDessin.pixel(40, 5), 0x40000000u);
    EXPECT_EQ(doc.coucheDessin.pixel(5, 280), 0x40000000u);
    EXPECT_EQ(qAlpha(doc.coucheDessin.pixel(41, 5)), 0);

    const QImage attendu = doc.Aplatir();
    photo->actFusionnerTout->trigger();
    EXPECT_EQ(messages_.value(0), QStringLiteral("Attention, les dessins ne pourront plus être effacés"));
    EXPECT_EQ(doc.image, attendu);
    EXPECT_EQ(qAlpha(doc.coucheDessin.pixel(40, 5)), 0);
    EXPECT_FALSE(cadre_->actAnnuler->isEnabled());
}

TEST_F(ComptageDansLeCadre, TheGridCommandSaysSoForAScaleFactorOfZero)
{
    TMDIChild *photo = Photo();
    photo->document().echelle.Facteur = 0;
    cadre_->actQuadrillage->trigger();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].contains(QStringLiteral("n'est pas un nombre positif")));
    EXPECT_TRUE(photo->document().coucheDessin.isNull() || qAlpha(photo->document().coucheDessin.pixel(20, 5)) == 0);
}

} // namespace
