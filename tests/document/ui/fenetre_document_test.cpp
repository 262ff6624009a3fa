// The document window: pasting through the floating layer and its placement
// window, the copy commands of the popup menu, pointer positions in image
// pixels, and the look of the frame's dialogs.

#include "app/ui/a_propos.h"
#include "app/ui/dialogue_ouverture.h"
#include "app/ui/traduction_qt.h"
#include "document/ui/fenetre_document.h"
#include "document/ui/fenetre_placement.h"
#include "support/capture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QRadioButton>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FenetreDocument : public ::testing::Test {
protected:
    void SetUp() override
    {
        fenetre_ = std::make_unique<TMDIChild>(QStringLiteral("essai"));
        fenetre_->document().image = QImage(40, 30, QImage::Format_ARGB32);
        fenetre_->document().image.fill(0xFF204060);
        fenetre_->show();
        fenetre_->Rafraichir();
    }
    std::unique_ptr<TMDIChild> fenetre_;
};

TEST_F(FenetreDocument, RefreshCreatesTheProvisionalLayerAndReportsTheChannels)
{
    QSignalSpy canaux(fenetre_.get(), &TMDIChild::CanauxChanges);
    fenetre_->Rafraichir();
    EXPECT_EQ(canaux.count(), 1);
    EXPECT_EQ(fenetre_->document().coucheProvisoire.size(), QSize(40, 30));
    EXPECT_EQ(fenetre_->document().outilCourant, 5);
}

TEST_F(FenetreDocument, PasteIntoTheImageGoesThroughTheFloatingLayerUntilConfirmed)
{
    QImage colle(3, 2, QImage::Format_ARGB32);
    colle.fill(0xFFFFFFFF);
    colle.setPixel(1, 1, 0xFFFF0000);
    QGuiApplication::clipboard()->setImage(colle);
    QSignalSpy confirme(fenetre_.get(), &TMDIChild::PlacementConfirme);
    fenetre_->actCollerDansImage->trigger();
    ImageDocument &doc = fenetre_->document();
    ASSERT_TRUE(doc.placementEnCours);
    ASSERT_NE(fenetre_->fenetrePlacement(), nullptr);
    EXPECT_TRUE(fenetre_->fenetrePlacement()->isVisible());
    EXPECT_EQ(fenetre_->fenetrePlacement()->windowTitle(), QStringLiteral("Disposer la légende"));
    EXPECT_FALSE(Capturer(*fenetre_->fenetrePlacement(), QStringLiteral("placement.png")).isNull());
    // Every control shows whole, the instructions unfolded or not.
    for (int repli = 0; repli < 2; ++repli) {
        TContLegEch *placement = fenetre_->fenetrePlacement();
        QApplication::processEvents();
        for (QWidget *w : {static_cast<QWidget *>(placement->boutonOui), static_cast<QWidget *>(placement->boutonNon)}) {
            EXPECT_GE(w->height(), w->sizeHint().height()) << repli;
            EXPECT_GE(w->width(), w->sizeHint().width()) << repli;
            EXPECT_TRUE(placement->rect().contains(QRect(w->mapTo(placement, QPoint(0, 0)), w->size()))) << repli;
        }
        placement->BasculerInstructions();
    }

    fenetre_->fenetrePlacement()->accept();
    EXPECT_FALSE(doc.placementEnCours);
    EXPECT_EQ(confirme.count(), 1);
    const auto *ligne = reinterpret_cast<const QRgb *>(doc.coucheProvisoire.constScanLine(11));
    EXPECT_EQ(ligne[11], 0xFFFF0000u);
    EXPECT_EQ(ligne[10] >> 24, 0u) << "white was the background colour and stays transparent";
}

TEST_F(FenetreDocument, CancelledPasteLeavesTheLayersUntouched)
{
    QImage colle(2, 2, QImage::Format_ARGB32);
    colle.fill(0xFF00FF00);
    QGuiApplication::clipboard()->setImage(colle);
    fenetre_->CollerDansImage();
    fenetre_->fenetrePlacement()->reject();
    const ImageDocument &doc = fenetre_->document();
    EXPECT_FALSE(doc.placementEnCours);
    EXPECT_FALSE(doc.coucheFlottante.visible);
    EXPECT_FALSE(doc.ProvisoireNonVide());
}

TEST_F(FenetreDocument, CopyUnderThePaintPutsTheImagePixelOnTheClipboard)
{
    ImageDocument &doc = fenetre_->document();
    reinterpret_cast<QRgb *>(doc.image.scanLine(7))[5] = 0xFF0A0B0C;
    reinterpret_cast<QRgb *>(doc.coucheProvisoire.scanLine(7))[5] = 0xFF000000;
    QSignalSpy copie(fenetre_.get(), &TMDIChild::CopieFaite);
    fenetre_->actCopierSousPeint->trigger();
    EXPECT_EQ(copie.count(), 1);
    const QImage presse = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(presse.size(), QSize(1, 1));
    EXPECT_EQ(presse.pixel(0, 0), 0xFF0A0B0Cu);
}

TEST_F(FenetreDocument, CopyUnderThePaintWithNothingPaintedDoesNothing)
{
    QSignalSpy copie(fenetre_.get(), &TMDIChild::CopieFaite);
    fenetre_->CopierSousPeint();
    EXPECT_EQ(copie.count(), 0);
}

TEST_F(FenetreDocument, DrawingLayerCopyIsOfferedOnceTheLayerExists)
{
    emit fenetre_->menuCopier->aboutToShow();
    EXPECT_FALSE(fenetre_->actCopierCoucheDessin->isEnabled());
    fenetre_->document().CreerCoucheDessin();
    emit fenetre_->menuCopier->aboutToShow();
    EXPECT_TRUE(fenetre_->actCopierCoucheDessin->isEnabled());
}

TEST_F(FenetreDocument, PointerPressIsReportedInImagePixelsAtTheCurrentZoom)
{
    fenetre_->document().zoom = 2.0f;
    fenetre_->AppliquerZoom();
    QSignalSpy enfonce(fenetre_.get(), &TMDIChild::PointeurEnfonce);
    QTest::mousePress(fenetre_->vue()->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(21, 9));
    ASSERT_EQ(enfonce.count(), 1);
    EXPECT_EQ(enfonce[0][0].toPoint(), QPoint(10, 4));
    EXPECT_EQ(enfonce[0][1].value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(enfonce[0][3].value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
}

TEST_F(FenetreDocument, CursorShapeItemsSetTheViewCursor)
{
    fenetre_->actFormesCurseur[2]->trigger();
    EXPECT_EQ(fenetre_->vue()->viewport()->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(fenetre_->actFormesCurseur[2]->isChecked());
    fenetre_->actFormesCurseur[3]->trigger();
    EXPECT_EQ(fenetre_->vue()->viewport()->cursor().shape(), Qt::IBeamCursor);
}

TEST(DialoguesDuCadre, OpenDialogOffersTheFilterListAndTheRawImagePanel)
{
    // The program installs Qt's French texts at start-up, as here.
    InstallerTraductionQt(*QCoreApplication::instance());
    DialogueOuverture dialogue(nullptr, true);
    const QStringList filtres = FiltresOuverture(true);
    ASSERT_EQ(filtres.size(), 17);
    EXPECT_TRUE(filtres[0].startsWith(QStringLiteral("Tout (*.kpt;*.jpg;*.png;*.jpeg;*.bmp;")));
    EXPECT_EQ(FiltresOuverture(false).size(), 16);
    auto *types = dialogue.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(types->itemText(1), QStringLiteral("Fichiers Kaptori"));
    EXPECT_EQ(types->itemText(3), QStringLiteral("Fichier image JPEG (*.jpg)"));
    EXPECT_EQ(types->itemText(0), QStringLiteral("Tout (*.kpt;*.jpg;*.png;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.img;*.ima;*.per;*.anm;*.lan;*.inf;*.gif;*.tif;*.psp;*.pcd)"));
    EXPECT_TRUE(dialogue.apercu->vide());
    dialogue.show();
    EXPECT_FALSE(Capturer(dialogue, QStringLiteral("ouvrir.png")).isNull());
}

TEST(DialoguesDuCadre, AboutBoxWithoutKprCfgShowsTheDefaultsAndItsExtraLine)
{
    QTemporaryDir dossier;
    const QString ancien = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    TAPropos boite;
    QDir::setCurrent(ancien);
    EXPECT_EQ(boite.windowTitle(), QStringLiteral("A propos de Kaptori"));
    EXPECT_EQ(boite.produit->text(), QStringLiteral("logiciel Kaptori Pro"));
    EXPECT_FALSE(boite.creditSansConfiguration->isHidden());
    boite.show();
    EXPECT_FALSE(Capturer(boite, QStringLiteral("a_propos.png")).isNull());
}

} // namespace
