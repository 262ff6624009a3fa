// The drawing tools as a user meets them in the program: choosing a tool,
// drawing on a photo with the mouse, undo, deleting one element and erasing.
// With KAPTORI_CAPTURES set to a folder, the windows are saved there as PNG.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "document/ui/fenetre_document.h"
#include "drawing/ui/gestion_dessins.h"
#include "drawing/reglages_dessin.h"
#include "support/essai_cadre.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

class OutilsDessin : public EssaiCadre {
protected:
    void SetUp() override
    {
        EssaiCadre::SetUp();
        if (HasFatalFailure())
            return;
        ReglagesDessinProgramme() = ReglagesDessin{};
        CreerCadre(1100, 800);
        ASSERT_TRUE(cadre_->OuvrirImage(qEnvironmentVariable("KAPTORI_DATA") + QStringLiteral("/photo.jpg"), 0));
        fenetre = cadre_->DocumentActif();
        ASSERT_NE(fenetre, nullptr);
        QApplication::processEvents();
    }

    ImageDocument &doc() { return fenetre->document(); }

    QPoint Ecran(QPoint pixel)
    {
        const QPointF o = fenetre->vue()->OrigineImage();
        const double z = doc().zoom;
        return QPoint(static_cast<int>(o.x() + pixel.x() * z), static_cast<int>(o.y() + pixel.y() * z));
    }

    void Outil(int n) { cadre_->boutonsOutils[static_cast<std::size_t>(n)]->trigger(); }

    void Glisser(QPoint de, QPoint a, Qt::MouseButton bouton = Qt::LeftButton)
    {
        QWidget *vue = fenetre->vue()->viewport();
        QTest::mousePress(vue, bouton, {}, Ecran(de));
        for (int i = 1; i <= 4; ++i) {
            QMouseEvent mouvement(QEvent::MouseMove, Ecran(de + (a - de) * i / 4), vue->mapToGlobal(Ecran(de + (a - de) * i / 4)),
                                  Qt::NoButton, bouton, {});
            QApplication::sendEvent(vue, &mouvement);
        }
        QTest::mouseRelease(vue, bouton, {}, Ecran(a));
    }

    void Capture(const char *nom)
    {
        const QString dossier = qEnvironmentVariable("KAPTORI_CAPTURES");
        if (!dossier.isEmpty())
            cadre_->grab().save(dossier + QLatin1Char('/') + QLatin1String(nom) + QStringLiteral(".png"));
    }

    TMDIChild *fenetre = nullptr;
};

TEST_F(OutilsDessin, EachToolShowsItsOwnStatusText)
{
    const char *attendus[] = {"outil : crayon",  "outil : ligne",          "outil : forme",   "outil : gomme",
                              "outil : texte",   "outil : mesure",         "outil : pot de peinture",
                              "outil : pipette", "outil : sélection",      "outil : compteur"};
    for (int i = 0; i < 10; ++i) {
        Outil(i);
        EXPECT_EQ(cadre_->TextePanneau(1), QString::fromUtf8(attendus[i])) << i;
        EXPECT_EQ(doc().outilCourant, i);
    }
}

TEST_F(OutilsDessin, TheLineToolShowsItsStyleAndArrowButtonsOnly)
{
    Outil(1);
    auto visible = [this](QToolButton *b) {
        for (QAction *a : cadre_->BarreChoix->actions())
            if (cadre_->BarreChoix->widgetForAction(a) == b)
                return a->isVisible();
        return false;
    };
    EXPECT_TRUE(visible(cadre_->boutonStyleTrait));
    EXPECT_TRUE(visible(cadre_->boutonFleche));
    EXPECT_FALSE(visible(cadre_->boutonRemplissage));
    Outil(6);
    EXPECT_TRUE(visible(cadre_->boutonRemplissage));
    EXPECT_TRUE(visible(cadre_->boutonModeRemplissage));
    EXPECT_FALSE(visible(cadre_->boutonFleche));
}

TEST_F(OutilsDessin, DrawingEveryToolOnThePhotoMakesElementsThatUndoRemoves)
{
    cadre_->choixEpaisseur->setValue(2);
    cadre_->menuFleche->actions()[2]->trigger();
    Outil(0);
    Glisser({20, 20}, {120, 60});
    Outil(1);
    Glisser({30, 100}, {200, 140});
    Outil(2);
    cadre_->menuStyleTrait->actions()[1]->trigger();
    cadre_->menuRemplissage->actions()[5]->trigger();
    Glisser({150, 20}, {260, 90});
    cadre_->menuForme->actions()[1]->trigger();
    cadre_->menuRemplissage->actions()[4]->trigger();
    Glisser({320, 120}, {360, 120});
    Outil(3);
    Glisser({40, 40}, {90, 40});
    Outil(6);
    Glisser({330, 120}, {330, 120});
    Capture("outils_sur_photo");

    ASSERT_EQ(doc().dessins.Nombre(), 5);
    EXPECT_EQ(doc().dessins.NomNumero(0), QStringLiteral("Dessin libre 1"));
    EXPECT_EQ(doc().dessins.NomNumero(1), QStringLiteral("Trait 2"));
    EXPECT_EQ(doc().dessins.NomNumero(2), QStringLiteral("Rectangle 3"));
    EXPECT_EQ(doc().dessins.NomNumero(3), QStringLiteral("Cercle 4"));
    EXPECT_EQ(doc().dessins.NomNumero(4), QStringLiteral("Remplissage 5"));
    EXPECT_EQ(doc().dessins.ElementNumero(1)->Fleche, 2);
    EXPECT_EQ(doc().dessins.ElementNumero(1)->Epaisseur, 2);
    EXPECT_EQ(doc().dessins.ElementNumero(2)->Motif, 5);
    EXPECT_EQ(doc().dessins.ElementNumero(3)->Rayon, 40);
    EXPECT_TRUE(cadre_->actAnnuler->isEnabled());

    cadre_->actAnnuler->trigger();
    EXPECT_EQ(doc().dessins.Nombre(), 4);
    Capture("apres_annuler");
}

TEST_F(OutilsDessin, DeletingAnElementGoesThroughGestionDesDessins)
{
    Outil(1);
    Glisser({30, 100}, {200, 140});
    Glisser({30, 200}, {200, 240});
    QString titre;
    QTimer::singleShot(0, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<TGestionDessins *>(w)) {
                titre = d->windowTitle();
                if (const QString dossier = qEnvironmentVariable("KAPTORI_CAPTURES"); !dossier.isEmpty())
                    d->grab().save(dossier + QStringLiteral("/gestion_des_dessins.png"));
                d->liste()->setCurrentRow(0);
                d->accept();
            }
    });
    cadre_->actSupprimerElement->trigger();
    EXPECT_EQ(titre, QStringLiteral("Gestion des dessins"));
    ASSERT_EQ(doc().dessins.Nombre(), 1);
    EXPECT_EQ(doc().dessins.NomNumero(0), QStringLiteral("Trait 2"));
}

TEST_F(OutilsDessin, ErasingTheDrawingsAsksFirst)
{
    Outil(2);
    Glisser({30, 100}, {200, 140});
    reponse_ = QMessageBox::Cancel;
    cadre_->actEffacerTraces->trigger();
    EXPECT_EQ(messages_.value(0), QStringLiteral("Les tracés ne pourront être récupérés"));
    EXPECT_EQ(doc().dessins.Nombre(), 1);
    reponse_ = QMessageBox::Ok;
    cadre_->actEffacerTraces->trigger();
    EXPECT_TRUE(doc().dessins.EstVide());
    EXPECT_FALSE(cadre_->actAnnuler->isEnabled());
}

TEST_F(OutilsDessin, ThePipetteTakesThePenColourFromThePhoto)
{
    Outil(7);
    const QRgb pixel = doc().image.pixel(50, 50);
    Glisser({50, 50}, {50, 50});
    EXPECT_EQ(cadre_->CouleurCrayon, pixel);
}

TEST_F(OutilsDessin, TheSelectionToolShowsItsRectangle)
{
    Outil(8);
    QApplication::processEvents();
    EXPECT_TRUE(doc().selectionVisible);
    EXPECT_FALSE(doc().selection.isEmpty());
    EXPECT_TRUE(cadre_->actCopierSelection->isEnabled());
    Capture("selection");
    Outil(0);
    EXPECT_FALSE(doc().selectionVisible);
}

} // namespace
