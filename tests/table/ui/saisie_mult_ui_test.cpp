// The multiple-measurement panel and its parameter dialog in the frame: two
// Y quantities with their own units in the table's headers, X shown with 4
// decimals when it is divided, a step of 0 refused for "Diviser", and the
// pending line of two Y quantities sent from the panel; a graph read keeps
// the 3 decimals of X after lengths were divided.

#include "app/ui/main_window.h"
#include "calibration/echelle.h"
#include "document/ui/fenetre_document.h"
#include "support/capture.h"
#include "support/essai_cadre.h"
#include "support/pilote_dialogues.h"
#include "support/separateur.h"
#include "table/ui/param_mes_mult.h"
#include "table/ui/saisie_mult.h"
#include "table/ui/tableau_modif.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class SaisieMultCadre : public EssaiCadre {
protected:
    void SetUp() override
    {
        EssaiCadre::SetUp();
        cadre_ = std::make_unique<TMainForm>();
        cadre_->resize(1000, 700);
        cadre_->show();
        QImage image(40, 30, QImage::Format_ARGB32);
        image.fill(qRgb(200, 200, 200));
        ASSERT_TRUE(image.save(Chemin(QStringLiteral("gris.png"))));
        ASSERT_TRUE(cadre_->OuvrirImage(Chemin(QStringLiteral("gris.png")), 0));
        cadre_->actMesuresMultiples->trigger();
        panneau_ = cadre_->findChild<Saisie_Mult *>();
        ASSERT_NE(panneau_, nullptr);
    }

    // "Paramètres" pressed, the dialog answered by `reponse`.
    bool Parametres(const std::function<void(TParamMesMult &)> &reponse)
    {
        QAction clic;
        QObject::connect(&clic, &QAction::triggered, panneau_->Button1, &QPushButton::click);
        return PiloteDialogues::Executer(&clic, {PiloteDialogues::Quand<TParamMesMult>(reponse)});
    }

    SeparateurTemporaire sep_{QLatin1Char(',')};
    Saisie_Mult *panneau_ = nullptr;
};

TEST_F(SaisieMultCadre, two_y_quantities_keep_their_own_units_and_a_line_waits_for_y2)
{
    EXPECT_TRUE(Parametres([](TParamMesMult &d) {
        d.titreTab->setText(QStringLiteral("Feuilles"));
        d.deuxVariables->setChecked(true);
        EXPECT_TRUE(d.GrandeurY2->isVisibleTo(&d));
        d.GrandeurY2->setText(QStringLiteral("largeur"));
        d.UniteY2->setText(QStringLiteral("cm"));
        d.modes[3]->setChecked(true);
        d.incrementX->setValue(0);
        EXPECT_FALSE(d.boutons->button(QDialogButtonBox::Ok)->isEnabled()) << "dividing by 0 is refused";
        d.incrementX->setValue(2);
        Capturer(d, QStringLiteral("parametres_mesures_multiples"));
        d.accept();
    }));
    const TableauResultats &t = cadre_->TableauModif->tableau();
    EXPECT_EQ(t.NbColonnes(), 3);
    EXPECT_EQ(t.Cellule(2, 0), QStringLiteral("largeur"));
    EXPECT_EQ(t.Cellule(2, 1), QStringLiteral("cm"));
    EXPECT_EQ(cadre_->TableauModif->windowTitle(), QStringLiteral("Feuilles"));
    EXPECT_TRUE(panneau_->mesureY2->isVisibleTo(panneau_));
    EXPECT_EQ(panneau_->ValXSM->decimals(), 4);

    panneau_->ValXSM->setValue(1);
    QTest::mouseClick(panneau_->envoyer, Qt::LeftButton);
    EXPECT_TRUE(panneau_->mesureY2->isChecked());
    EXPECT_EQ(panneau_->ValXSM->text(), QStringLiteral("1,0000"));
    QTest::mouseClick(panneau_->envoyer, Qt::LeftButton);
    EXPECT_TRUE(panneau_->MesureY1->isChecked());
    EXPECT_EQ(t.Cellule(0, 2), QStringLiteral("1,0000"));
    EXPECT_EQ(panneau_->ValXSM->text(), QStringLiteral("0,5000"));
    Capturer(*cadre_, QStringLiteral("panneau_deux_y"));
}

TEST_F(SaisieMultCadre, emptying_the_table_asks_first_and_keeps_the_headers)
{
    QTest::mouseClick(panneau_->envoyer, Qt::LeftButton);
    reponse_ = QMessageBox::Cancel;
    QTest::mouseClick(panneau_->effacer, Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_.first(), QStringLiteral("Vous aller effacer le contenu de la fenêtre tableau"));
    EXPECT_EQ(cadre_->TableauModif->tableau().NbLignes(), 4);
    reponse_ = QMessageBox::Ok;
    QTest::mouseClick(panneau_->effacer, Qt::LeftButton);
    EXPECT_EQ(cadre_->TableauModif->tableau().NbLignes(), 3);
    EXPECT_EQ(cadre_->TableauModif->tableau().Cellule(0, 0), QStringLiteral("Valeur X"));
}

TEST_F(SaisieMultCadre, a_graph_read_after_dividing_x_gets_its_three_decimals_not_the_hidden_mode)
{
    EXPECT_TRUE(Parametres([](TParamMesMult &d) {
        d.modes[3]->setChecked(true);
        d.incrementX->setValue(2);
        d.accept();
    }));
    ASSERT_EQ(panneau_->ValXSM->decimals(), 4);

    TEchelle repere;
    repere.Definie = 1;
    repere.Mode = TEchelle::Cartesien;
    repere.CadreX2 = 39;
    repere.CadreY2 = 29;
    repere.UniteX = QStringLiteral("s");
    repere.UniteY[0] = QStringLiteral("m");
    cadre_->DocumentActif()->document().echelle = repere;
    // The first press finds the panel of the other kind and prepares the graph one.
    QTest::mouseClick(panneau_->Button1, Qt::LeftButton);
    ASSERT_TRUE(panneau_->Courbe());
    QAction clic;
    QObject::connect(&clic, &QAction::triggered, panneau_->Button3, &QPushButton::click);
    EXPECT_TRUE(PiloteDialogues::Executer(&clic, {PiloteDialogues::Quand<TParamMesMult>([](TParamMesMult &d) {
                                              EXPECT_FALSE(d.groupeMode->isVisibleTo(&d));
                                              d.accept();
                                          })}));
    // The graph's X has 3 decimals, whatever " Mode " was chosen for lengths.
    panneau_->etat.CapturerRepere(1.25, 2, QStringLiteral("s"), QStringLiteral("m"));
    panneau_->Afficher();
    EXPECT_EQ(panneau_->etat.TexteX(), QStringLiteral("1,250"));
    QTest::mouseClick(panneau_->Button2, Qt::LeftButton);
    const TableauResultats &t = cadre_->TableauModif->tableau();
    EXPECT_EQ(t.Cellule(0, t.DerniereLigneDonnees() - 1), QStringLiteral("1,250"));
}

} // namespace
