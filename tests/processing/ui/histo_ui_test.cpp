// The histogram window and the decomposition in the program, used as a
// pupil uses them: a photo blurred with the preview shown, a marker moved
// over a histogram, OK without change, the question on a rainbow code, and a
// picture split into its three components. With KAPTORI_CAPTURES set to a
// folder, the window is saved there as PNG.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "document/ui/fenetre_document.h"
#include "drawing/reglages_dessin.h"
#include "drawing/ui/repere_v.h"
#include "processing/convolution.h"
#include "processing/histogrammes.h"
#include "processing/ui/choix_canaux.h"
#include "processing/ui/fen_f_c.h"
#include "processing/ui/graphique_histogramme.h"
#include "processing/ui/histo.h"
#include "support/essai_cadre.h"
#include "support/capture.h"
#include "support/pilote_dialogues.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QString FichierDonnee(const char *nom)
{
    return qEnvironmentVariable("KAPTORI_DATA") + QLatin1Char('/') + QLatin1String(nom);
}

QPushButton *BoutonNomme(QWidget &fenetre, const QString &texte)
{
    for (QPushButton *b : fenetre.findChildren<QPushButton *>())
        if (b->text() == texte)
            return b;
    return nullptr;
}

class HistogrammesDansLeCadre : public EssaiCadre {
protected:
    void SetUp() override
    {
        EssaiCadre::SetUp();
        if (HasFatalFailure())
            return;
        ReglagesDessinProgramme() = ReglagesDessin{};
        CreerCadre(1100, 800);
    }
    TMDIChild *Ouvrir(const char *nom)
    {
        EXPECT_TRUE(cadre_->OuvrirImage(FichierDonnee(nom), 0));
        QApplication::processEvents();
        return cadre_->DocumentActif();
    }
    int NombreDocuments() const { return static_cast<int>(cadre_->Documents().size()); }

};

TEST_F(HistogrammesDansLeCadre, BlurredPhotoWithPreviewOpensAModifieDocumentWithTheScale)
{
    EXPECT_FALSE(cadre_->actHistogrammes->isEnabled());
    TMDIChild *photo = Ouvrir("photo.jpg");
    ASSERT_NE(photo, nullptr);
    ASSERT_TRUE(cadre_->actHistogrammes->isEnabled());
    const QImage source = photo->document().image;
    const bool fait = PiloteDialogues::Executer(cadre_->actHistogrammes, {PiloteDialogues::Quand<THisto>([&](THisto &d) {
        auto *onglets = d.findChild<QTabWidget *>(QStringLiteral("onglets"));
        EXPECT_EQ(onglets->tabText(onglets->currentIndex()), QStringLiteral("filtres"));
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Histogrammes des trois composantes"));
        d.findChild<QCheckBox *>()->setChecked(true);
        BoutonNomme(d, QStringLiteral("flou"))->click();
        Capturer(d, QStringLiteral("histo_flou"));
        for (int k = 0; k < 3; ++k) {
            // The markers cover the whole plot area at opening.
            TGraphiqueHistogramme *g = d.graphique(k);
            EXPECT_EQ(d.repere(k)->x(), g->GaucheTrace());
            EXPECT_EQ(d.repere(k)->x() + d.repere(k)->width(), g->DroiteTrace());
        }
        d.accept();
    })});
    ASSERT_TRUE(fait);
    TMDIChild *resultat = cadre_->DocumentActif();
    ASSERT_NE(resultat, photo);
    EXPECT_EQ(resultat->windowTitle(), QStringLiteral("Modifié"));
    EXPECT_EQ(resultat->document().image, AppliquerFiltre(source, FiltreConvolution::Flou));
    EXPECT_DOUBLE_EQ(resultat->document().echelle.Facteur, photo->document().echelle.Facteur);
    EXPECT_EQ(photo->document().image, source);
}

TEST_F(HistogrammesDansLeCadre, MarkerSetsTheLimitsAndOkWithoutChangeMakesNoDocument)
{
    Ouvrir("scene.lan");
    const int avant = NombreDocuments();
    LimitesComposantes limites;
    const bool fait = PiloteDialogues::Executer(cadre_->actHistogrammes, {PiloteDialogues::Quand<THisto>([&](THisto &d) {
        TGraphiqueHistogramme *g = d.graphique(ComposanteBleue);
        TRepereV *r = d.repere(ComposanteBleue);
        const int pl = g->GaucheTrace();
        const int pr = g->DroiteTrace();
        // Dragged half past the left edge of the plot: it comes back inside.
        r->setGeometry(pl - 10, r->y(), (pr - pl) / 2 + 10, r->height());
        emit r->OnChange();
        EXPECT_EQ(r->x(), pl);
        limites = d.travail()->limites;
        BoutonNomme(d, QStringLiteral("Etirer"));
        auto *onglets = d.findChild<QTabWidget *>(QStringLiteral("onglets"));
        onglets->setCurrentIndex(2);
        Capturer(d, QStringLiteral("histo_lan_etirer"));
        for (int i : {0, 1, 3, 5}) {
            onglets->setCurrentIndex(i);
            Capturer(d, QStringLiteral("histo_lan_onglet_%1").arg(i));
        }
        d.accept();
    })});
    ASSERT_TRUE(fait);
    EXPECT_EQ(limites.basse[ComposanteBleue], 0);
    EXPECT_NEAR(limites.haute[ComposanteBleue], 127, 1);
    EXPECT_EQ(limites.haute[ComposanteRouge], 255);
    EXPECT_EQ(NombreDocuments(), avant);
}

// The painting colour belongs to the window: a second opening keeps it.
TEST_F(HistogrammesDansLeCadre, PaintingColourIsKeptFromOneOpeningToTheNext)
{
    Ouvrir("photo.jpg");
    const auto ouvrir = [&](const std::function<void(THisto &)> &action) {
        ASSERT_TRUE(PiloteDialogues::Executer(cadre_->actHistogrammes,
                                              {PiloteDialogues::Quand<THisto>([&](THisto &d) {
                                                  action(d);
                                                  d.reject();
                                              })}));
    };
    ouvrir([](THisto &d) {
        EXPECT_EQ(d.travail()->Couleur, qRgb(0, 0, 0)); // black at start
        d.travail()->Couleur = qRgb(255, 0, 0);
    });
    ouvrir([](THisto &d) { EXPECT_EQ(d.travail()->Couleur, qRgb(255, 0, 0)); });
}

TEST_F(HistogrammesDansLeCadre, RainbowCodeAsksAbandonAndYesEndsTheCommand)
{
    TMDIChild *photo = Ouvrir("photo.jpg");
    photo->document().codeCouleur.Definie = 1;
    photo->document().codeCouleur.TypeCodage = CodageArcEnCiel;
    reponse_ = QMessageBox::Yes;
    const int avant = NombreDocuments();
    cadre_->actHistogrammes->trigger();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].endsWith(QStringLiteral("Abandon ?")));
    EXPECT_EQ(NombreDocuments(), avant);
}

TEST_F(HistogrammesDansLeCadre, GreyDecompositionOpensBleuVertRouge)
{
    TMDIChild *f = cadre_->CreerDocument(QStringLiteral("source"));
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(qRgb(200, 100, 50));
    f->document().image = image;
    f->Rafraichir();
    cadre_->SynchroniserDocument();
    QApplication::processEvents();
    const int avant = NombreDocuments();
    cadre_->actDecompositionGrises->trigger();
    QApplication::processEvents();
    EXPECT_EQ(NombreDocuments(), avant + 3);
    TMDIChild *rouge = cadre_->DocumentActif();
    EXPECT_EQ(rouge->windowTitle(), QStringLiteral("Rouge"));
    EXPECT_EQ(rouge->document().image.pixel(3, 3), qRgb(200, 200, 200));
    EXPECT_EQ(rouge->document().echelle.Facteur, f->document().echelle.Facteur);
}

TEST_F(HistogrammesDansLeCadre, OneChannelChosenShowsGreyWithStretchTwentyAndItsDesignation)
{
    TMDIChild *lan = Ouvrir("scene.lan");
    ASSERT_TRUE(cadre_->actCanauxAffiches->isVisible());
    const bool fait = PiloteDialogues::Executer(cadre_->actCanauxAffiches, {PiloteDialogues::Quand<TChoix_canaux>([&](TChoix_canaux &d) {
        EXPECT_EQ(d.listes[0]->count(), 4);
        EXPECT_EQ(d.listes[0]->currentRow(), lan->document().canalBleu);
        d.listes[0]->setCurrentRow(3);
        EXPECT_EQ(d.designations[0]->text(), QStringLiteral("TM 4"));
        d.utilises[1]->setChecked(false);
        d.utilises[2]->setChecked(false);
        EXPECT_TRUE(d.nePasEtirer->isChecked()); // opened without stretch
        d.nePasEtirer->setChecked(false);
        d.etirements->setCurrentIndex(1);
        Capturer(d, QStringLiteral("choix_canaux"));
        QMetaObject::invokeMethod(d.findChild<QDialogButtonBox *>(), "accepted");
    })});
    ASSERT_TRUE(fait);
    const ImageDocument &doc = lan->document();
    EXPECT_EQ(doc.canalBleu, 3);
    EXPECT_EQ(doc.canalVert, -1);
    EXPECT_EQ(doc.canalRouge, -1);
    EXPECT_EQ(doc.etirement, 20);
    const QRgb c = doc.image.pixel(100, 100);
    EXPECT_EQ(qRed(c), qBlue(c));
    EXPECT_EQ(qGreen(c), qBlue(c));
}

// Confirming the dialog without a change keeps the name of a channel shown
// in grey, whatever the designation fields held before.
TEST_F(HistogrammesDansLeCadre, ChannelShownInGreyKeepsItsNameWhenTheDialogIsConfirmedUnchanged)
{
    TMDIChild *lan = Ouvrir("scene.lan");
    lan->document().AfficherCanaux(1, -1, -1, 0);
    ASSERT_EQ(lan->document().codeCouleur.Grandeur, QStringLiteral("TM 2"));
    const bool fait = PiloteDialogues::Executer(cadre_->actCanauxAffiches, {PiloteDialogues::Quand<TChoix_canaux>([&](TChoix_canaux &d) {
        EXPECT_EQ(d.listes[0]->currentRow(), 1);
        EXPECT_EQ(d.designations[0]->text(), QStringLiteral("TM 2"));
        QMetaObject::invokeMethod(d.findChild<QDialogButtonBox *>(), "accepted");
    })});
    ASSERT_TRUE(fait);
    EXPECT_EQ(lan->document().canalBleu, 1);
    EXPECT_EQ(lan->document().codeCouleur.TypeCodage, CodageDeuxCouleurs);
    EXPECT_EQ(lan->document().codeCouleur.Grandeur, QStringLiteral("TM 2"));
}

// Each opening restarts the exercise: a white-card rectangle drawn in an
// earlier one does not calibrate the new picture.
TEST_F(HistogrammesDansLeCadre, FalseColourExerciseForgetsTheRectangleOfTheLastOpening)
{
    QImage infra(320, 240, QImage::Format_ARGB32);
    infra.fill(qRgb(200, 100, 50));
    const auto ouvrir = [&](const std::function<void(TFen_f_c &)> &action) {
        ASSERT_TRUE(PiloteDialogues::Executer(cadre_->actFaussesCouleurs,
                                              {PiloteDialogues::Quand<TFen_f_c>([&](TFen_f_c &d) {
                                                  action(d);
                                                  d.reject();
                                              })}));
    };
    ouvrir([&](TFen_f_c &d) {
        d.ChargerImage(true, infra);
        d.places[0]->coin1 = QPoint(10, 10);
        d.places[0]->coin2 = QPoint(40, 30);
        d.blanc[0]->click();
        EXPECT_FALSE(d.blanc[0]->isEnabled());
    });
    ouvrir([&](TFen_f_c &d) {
        d.ChargerImage(true, infra);
        d.blanc[0]->click(); // no rectangle drawn: nothing happens
        EXPECT_TRUE(d.blanc[0]->isEnabled());
        EXPECT_EQ(d.places[0]->grab().toImage().pixel(100, 100), qRgb(200, 100, 50));
    });
}

// A colour picture taken again must be calibrated and decomposed again
// before "Suite": the channels would otherwise come from the one it replaced.
TEST_F(HistogrammesDansLeCadre, FalseColourExerciseAsksForANewDecompositionAfterANewColourPicture)
{
    QImage image(320, 240, QImage::Format_ARGB32);
    image.fill(qRgb(200, 150, 100));
    ASSERT_TRUE(PiloteDialogues::Executer(cadre_->actFaussesCouleurs, {PiloteDialogues::Quand<TFen_f_c>([&](TFen_f_c &d) {
        d.ChargerImage(true, image);
        d.ChargerImage(false, image);
        d.places[0]->coin1 = QPoint(10, 10);
        d.places[0]->coin2 = QPoint(40, 30);
        d.blanc[1]->click();
        d.decomposer->click();
        EXPECT_TRUE(d.suite->isEnabled());
        d.ChargerImage(false, image);
        EXPECT_FALSE(d.suite->isEnabled());
        EXPECT_FALSE(d.decomposer->isEnabled());
        d.reject();
    })}));
}

// Likewise an infrared picture taken again: channel 3 is made again from it
// before the combination.
TEST_F(HistogrammesDansLeCadre, FalseColourExerciseAsksForChannelThreeAgainAfterANewInfraredPicture)
{
    QImage image(320, 240, QImage::Format_ARGB32);
    image.fill(qRgb(200, 150, 100));
    ASSERT_TRUE(PiloteDialogues::Executer(cadre_->actFaussesCouleurs, {PiloteDialogues::Quand<TFen_f_c>([&](TFen_f_c &d) {
        d.ChargerImage(true, image);
        d.ChargerImage(false, image);
        d.decomposer->setEnabled(true);
        d.decomposer->click();
        d.suite->click();
        for (QPushButton *b : d.operer)
            b->click();
        ASSERT_TRUE(d.combiner->isEnabled());
        d.ChargerImage(true, image);
        EXPECT_FALSE(d.combiner->isEnabled());
        EXPECT_TRUE(d.operer[2]->isEnabled());
        d.reject();
    })}));
}

TEST_F(HistogrammesDansLeCadre, FalseColourExerciseFromFilesKeepsThreeDocumentsAndShowsTheDecodingPanel)
{
    ASSERT_TRUE(cadre_->actFaussesCouleurs->isEnabled());
    auto *panneau = cadre_->findChild<QDockWidget *>(QStringLiteral("DockDecodcoul"));
    ASSERT_NE(panneau, nullptr);
    ASSERT_FALSE(panneau->isVisible());
    const int avant = NombreDocuments();
    QImage infra(320, 240, QImage::Format_ARGB32);
    infra.fill(qRgb(200, 200, 200));
    QImage couleur(160, 120, QImage::Format_ARGB32); // not 320 × 240: drawn scaled
    couleur.fill(qRgb(100, 150, 50));
    const bool fait = PiloteDialogues::Executer(cadre_->actFaussesCouleurs, {PiloteDialogues::Quand<TFen_f_c>([&](TFen_f_c &d) {
        EXPECT_TRUE(d.modeCamera->isEnabled()); // the frame gives its acquisition
        d.modeFichiers->setChecked(true);
        EXPECT_EQ(d.guide->count(), 3); // "Combinaison" and "Fin" hidden
        d.ChargerImage(true, infra);
        d.places[0]->coin1 = QPoint(10, 10);
        d.places[0]->coin2 = QPoint(40, 30);
        d.blanc[0]->click();
        EXPECT_FALSE(d.blanc[0]->isEnabled());
        d.ChargerImage(false, couleur);
        d.blanc[1]->click();
        d.decomposer->click();
        Capturer(d, QStringLiteral("fausses_couleurs_decomposees"));
        d.suite->click();
        for (QPushButton *b : d.operer)
            b->click();
        d.combiner->click();
        d.fin->click();
        Capturer(d, QStringLiteral("fausses_couleurs_fin"));
        d.accept();
    })});
    ASSERT_TRUE(fait);
    ASSERT_EQ(NombreDocuments(), avant + 3);
    TMDIChild *resultat = cadre_->DocumentActif();
    EXPECT_EQ(resultat->windowTitle(), QStringLiteral("fausses couleurs"));
    // Calibrated: every component white, so the result is (IR, red, green) = (255, 255, 255).
    EXPECT_EQ(resultat->document().image.pixel(300, 200), qRgb(255, 255, 255));
    EXPECT_EQ(resultat->document().codeCouleur.NomC[2], QStringLiteral("Infra-Rouge"));
    // As after opening a raster file: the kept pictures are read through their codes.
    EXPECT_TRUE(panneau->isVisible());
}

} // namespace
