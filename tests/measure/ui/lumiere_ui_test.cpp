// Light values and multiple measurements in the program, driven with the
// mouse as a pupil drives them: a zero taken on a blank, a rectangle dragged
// backwards on a grey area, what is coloured on the drawing layer, three
// lengths sent to the results table, a series over three pictures chosen in
// the picture chooser, and a point read off a graph picture made active.
// Expected values are worked by hand
// (128 / 255 = 50,2 %).
// With KAPTORI_CAPTURES set to a folder, the windows are saved there as PNG.

#include "animation/ui/choix_fichiers.h"
#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "calibration/echelle.h"
#include "document/ui/fenetre_document.h"
#include "drawing/reglages_dessin.h"
#include "measure/outil_mesure.h"
#include "measure/ui/res_i_r.h"
#include "support/essai_cadre.h"
#include "support/pilote_dialogues.h"
#include "support/separateur.h"
#include "table/ui/choix_series.h"
#include "table/ui/saisie_mult.h"
#include "table/ui/tableau_modif.h"

#include <QApplication>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

void Capturer(QWidget *w, const char *nom)
{
    const QString dossier = qEnvironmentVariable("KAPTORI_CAPTURES");
    if (!dossier.isEmpty())
        w->grab().save(dossier + QLatin1Char('/') + QLatin1String(nom) + QStringLiteral(".png"));
}

class LumiereDansLeCadre : public EssaiCadre {
protected:
    void SetUp() override
    {
        EssaiCadre::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(dossier.isValid());
        ReglagesDessinProgramme() = ReglagesDessin{};
        CreerCadre(1100, 800);
    }

    // A 200 × 150 picture, white on its left half and grey 128 on its right.
    void Ouvrir(const QString &nom, QRgb droite = qRgb(128, 128, 128))
    {
        QImage image(200, 150, QImage::Format_ARGB32);
        image.fill(qRgb(255, 255, 255));
        for (int y = 0; y < 150; ++y)
            for (int x = 100; x < 200; ++x)
                image.setPixel(x, y, droite);
        const QString chemin = dossier.filePath(nom);
        ASSERT_TRUE(image.save(chemin));
        ASSERT_TRUE(cadre_->OuvrirImage(chemin, 0));
        fenetre = cadre_->DocumentActif();
        ASSERT_NE(fenetre, nullptr);
        cadre_->Zoom11();
        cadre_->ZoomAugmenter();
        QApplication::processEvents();
        cadre_->boutonsOutils[ImageDocument::OutilMesure]->trigger();
    }

    ImageDocument &doc() { return fenetre->document(); }
    void ChoisirMode(int mode)
    {
        for (QAction *a : cadre_->menuMesures->actions())
            if (a->isCheckable() && a->data().toInt() == mode)
                a->trigger();
    }
    QPoint Ecran(QPoint pixel)
    {
        const QPointF o = fenetre->vue()->OrigineImage();
        const double z = doc().zoom;
        return QPoint(static_cast<int>(o.x() + pixel.x() * z), static_cast<int>(o.y() + pixel.y() * z));
    }
    void Glisser(QPoint de, QPoint a)
    {
        QWidget *w = fenetre->vue()->viewport();
        QTest::mousePress(w, Qt::LeftButton, {}, Ecran(de));
        for (int i = 1; i <= 4; ++i) {
            const QPoint p = Ecran(de + (a - de) * i / 4);
            QMouseEvent mouvement(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(w, &mouvement);
        }
        QTest::mouseRelease(w, Qt::LeftButton, {}, Ecran(a));
    }
    TRes_I_r *Fenetre() { return cadre_->findChild<TRes_I_r *>(); }
    QStringList Nettes()
    {
        QStringList t;
        for (QLineEdit *e : Fenetre()->nettes)
            t << e->text();
        return t;
    }

    SeparateurTemporaire sep{QLatin1Char(',')};
    QTemporaryDir dossier;
    TMDIChild *fenetre = nullptr;
};

TEST_F(LumiereDansLeCadre, a_zero_on_the_blank_then_a_backwards_rectangle_on_the_grey)
{
    Ouvrir(QStringLiteral("plaque.png"));
    ChoisirMode(MesureLumiereRectangle);
    TRes_I_r *f = Fenetre();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(f->recouvrement->isVisible());
    EXPECT_EQ(f->width(), TRes_I_r::LargeurEtroite);
    Capturer(f, "lumiere_recouvrement");

    Glisser({10, 10}, {60, 60});
    EXPECT_FALSE(f->recouvrement->isVisible());
    EXPECT_EQ(Nettes(), (QStringList{"0", "0", "0", "0"})); // white absorbs nothing
    QTest::mouseClick(f->ref, Qt::LeftButton);

    Glisser({180, 140}, {120, 70});
    EXPECT_EQ(doc().RectangleLumiere, QRect(QPoint(120, 70), QPoint(180, 140)));
    EXPECT_EQ(Nettes(), (QStringList{"49,8", "49,8", "49,8", "49,8"}));
    // The rectangle stays on the provisional layer in the pen colour.
    EXPECT_EQ(doc().coucheProvisoire.pixel(150, 70), 0xFF000000u);
    EXPECT_EQ(qAlpha(doc().coucheProvisoire.pixel(150, 100)), 0);
    EXPECT_TRUE(f->actSeries->isEnabled());

    f->actValeursRvb->trigger();
    QTest::mouseClick(f->choix[LumiereIntensite], Qt::LeftButton);
    EXPECT_EQ(Nettes(), (QStringList{"128", "128", "128", "384"}));
    EXPECT_EQ(f->PC->text(), QStringLiteral("sur 255"));
    EXPECT_EQ(doc().ChoixLumiere, LumiereIntensite);
    EXPECT_FALSE(doc().LumierePourcent);
    f->actVoirZero->trigger();
    EXPECT_EQ(f->width(), TRes_I_r::LargeurLarge);
    EXPECT_EQ(f->noir_blanc->text(), QStringLiteral("(noir)"));
    Capturer(f, "lumiere_rectangle");
    ChoisirMode(MesureCourante);
    EXPECT_FALSE(f->isVisible());
}

TEST_F(LumiereDansLeCadre, what_is_coloured_is_measured_at_once_and_the_mode_returns_to_0)
{
    Ouvrir(QStringLiteral("zone.png"));
    doc().CreerCoucheDessin();
    for (int y = 20; y < 40; ++y)
        for (int x = 150; x < 190; ++x)
            doc().coucheDessin.setPixel(x, y, 0x80FF0000);
    ChoisirMode(MesureLumiereColore);
    TRes_I_r *f = Fenetre();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->entete->text(), QStringLiteral("Valeurs moyennes dans la zone de mesure"));
    EXPECT_EQ(Nettes(), (QStringList{"49,8", "49,8", "49,8", "49,8"}));
    EXPECT_EQ(doc().modeMesure, MesureCourante);
}

TEST_F(LumiereDansLeCadre, three_lengths_sent_from_a_typed_x_give_three_lines)
{
    Ouvrir(QStringLiteral("longueurs.png"));
    ASSERT_TRUE(cadre_->actMesuresMultiples->isEnabled());
    cadre_->actMesuresMultiples->trigger();
    auto *panneau = cadre_->findChild<Saisie_Mult *>();
    ASSERT_NE(panneau, nullptr);
    EXPECT_TRUE(panneau->isVisible());
    EXPECT_TRUE(panneau->MesureY1->text().startsWith(QStringLiteral("longueur (")));
    // X typed before measuring is kept by the measurement.
    panneau->ValXSM->setValue(10);
    for (int i = 1; i <= 3; ++i) {
        Glisser({10, 10}, {10 + 10 * i, 10});
        QTest::mouseClick(panneau->envoyer, Qt::LeftButton);
    }
    EXPECT_EQ(panneau->ValXSM->text(), QStringLiteral("13"));
    const TableauResultats &t = cadre_->TableauModif->tableau();
    ASSERT_EQ(t.NbLignes(), 6);
    EXPECT_EQ(t.Cellule(0, 2), QStringLiteral("10"));
    EXPECT_EQ(t.Cellule(0, 4), QStringLiteral("12"));
    EXPECT_EQ(t.Cellule(1, 4), QStringLiteral("30")); // 30 pixels with the default scale
    EXPECT_TRUE(cadre_->TableauModif->isVisible());
    Capturer(cadre_.get(), "mesures_multiples_cadre");
    Capturer(cadre_->TableauModif, "mesures_multiples_tableau");
}

TEST_F(LumiereDansLeCadre, a_series_over_three_chosen_pictures_fills_the_table)
{
    Ouvrir(QStringLiteral("a.png"));
    Ouvrir(QStringLiteral("b.png"), qRgb(51, 51, 51));
    Ouvrir(QStringLiteral("c.png"));
    ChoisirMode(MesureLumiereRectangle);
    Glisser({120, 20}, {160, 60});
    TRes_I_r *f = Fenetre();
    ASSERT_NE(f, nullptr);
    QStringList lignes;
    const bool ok = PiloteDialogues::Executer(
        f->actSeries,
        {PiloteDialogues::Quand<TChoixFic>([&](TChoixFic &d) {
             EXPECT_EQ(d.windowTitle(), QStringLiteral("Images à mesurer"));
             for (int i = 0; i < d.disponibles->count(); ++i)
                 lignes << d.disponibles->item(i)->text();
             Capturer(&d, "serie_choix_images");
             d.toutInclure->click();
             d.accept();
         }),
         PiloteDialogues::Quand<TChoix_series>([](TChoix_series &d) {
             d.ecart->setValue(5);
             Capturer(&d, "serie_choix");
             d.accept();
         })});
    EXPECT_TRUE(ok);
    EXPECT_EQ(lignes, (QStringList{" 1 a.png", " 2 b.png", " 3 c.png"}));
    EXPECT_EQ(cadre_->TableauModif->tableau().LignesTexte(),
              (QStringList{"Absorption (%)", "temps\tA (R)", "min\t%", "0\t49,8", "5\t80", "10\t49,8"}));
    EXPECT_TRUE(cadre_->TableauModif->isVisible());
    Capturer(cadre_->TableauModif, "serie_tableau");
}

TEST_F(LumiereDansLeCadre, a_series_asks_before_replacing_values_that_are_in_no_file)
{
    Ouvrir(QStringLiteral("a.png"));
    Ouvrir(QStringLiteral("b.png"), qRgb(51, 51, 51));
    ChoisirMode(MesureLumiereRectangle);
    Glisser({120, 20}, {160, 60});
    TRes_I_r *f = Fenetre();
    ASSERT_NE(f, nullptr);
    TableauResultats &t = cadre_->TableauModif->tableau();
    t.DefinirCellule(0, 2, QStringLiteral("1"));
    t.DefinirCellule(1, 2, QStringLiteral("12,5"));
    const QString avant = t.TexteTableau();
    messages_.clear();

    // Answered with something other than Oui: no dialog, the table as it was.
    EXPECT_TRUE(PiloteDialogues::Executer(f->actSeries, {}));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0], QStringLiteral("Le tableau des résultats contient des valeurs qui ne sont dans aucun "
                                          "fichier : la série va les remplacer.\rContinuer ?"));
    EXPECT_EQ(t.TexteTableau(), avant);
}

TEST_F(LumiereDansLeCadre, a_graph_picture_made_active_with_the_mode_on_reads_x_with_its_three_decimals)
{
    Ouvrir(QStringLiteral("longueurs.png"));
    cadre_->actMesuresMultiples->trigger();
    Ouvrir(QStringLiteral("courbe.png"));
    // A frame over the whole picture: 0,5 s a column, 2 m a row upwards.
    TEchelle repere;
    repere.Definie = 1;
    repere.Mode = TEchelle::Cartesien;
    repere.CadreX2 = 199;
    repere.CadreY2 = 149;
    repere.FacteurX = 0.5;
    repere.UniteX = QStringLiteral("s");
    repere.FacteurY[0] = -2;
    repere.OrigineY[0] = 149;
    repere.UniteY[0] = QStringLiteral("m");
    doc().echelle = repere;
    cadre_->SynchroniserDocument();
    auto *panneau = cadre_->findChild<Saisie_Mult *>();
    ASSERT_NE(panneau, nullptr);
    ASSERT_TRUE(panneau->Courbe());

    QWidget *w = fenetre->vue()->viewport();
    QTest::mouseClick(w, Qt::LeftButton, {}, Ecran({21, 100}));
    EXPECT_EQ(panneau->ValCX->text(), QStringLiteral("10,500 s"));
    EXPECT_EQ(panneau->ValCY1->text(), QStringLiteral("98 m"));
    QTest::mouseClick(panneau->Button2, Qt::LeftButton);
    EXPECT_EQ(cadre_->TableauModif->tableau().Cellule(0, 2), QStringLiteral("10,500"));
}

} // namespace
