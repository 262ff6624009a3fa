// The colour-code definition window as a user drives it: choosing a kind,
// typing bounds, choosing a rainbow order, picking colours from the image for
// the two-colour scale and the table, and OK. Setting KAPTORI_CAPTURES to a
// folder saves a picture of each panel there.

#include "calibration/ui/fenetre_code_couleur.h"
#include "calibration/ui/panneau_couleur.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class FenetreCode : public ::testing::Test {
protected:
    TFenChCodcoul fenetre;
    std::optional<TCodeCouleur> valide;
    std::vector<bool> saisies;

    void SetUp() override
    {
        fenetre.choisirCouleur = [](CouleurWin) { return std::optional<CouleurWin>(CouleurRvb(1, 2, 3)); };
        QObject::connect(&fenetre, &TFenChCodcoul::CodeValide,
                         [this](const TCodeCouleur &c, bool, bool) { valide = c; });
        QObject::connect(&fenetre, &TFenChCodcoul::SaisieCouleur, [this](bool a) { saisies.push_back(a); });
    }

    void capturer(const char *nom)
    {
        const QString dossier = qEnvironmentVariable("KAPTORI_CAPTURES");
        if (dossier.isEmpty())
            return;
        fenetre.adjustSize();
        fenetre.grab().save(QDir(dossier).filePath(QString::fromLatin1(nom) + QStringLiteral(".png")));
    }

    // Typing goes through the edit's validator; accented characters are
    // inserted as a paste would (the key simulator knows only ASCII).
    static void taper(QLineEdit *e, const QString &texte)
    {
        e->selectAll();
        e->del();
        for (const QChar c : texte) {
            if (c.unicode() < 0x80)
                QTest::keyClick(e, c.toLatin1());
            else
                e->insert(QString(c));
        }
    }
};

TEST_F(FenetreCode, opens_on_true_colours_and_ok_gives_the_default_code)
{
    fenetre.Ouvrir(CodeInitial());
    EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Choix du codage des couleurs"));
    EXPECT_TRUE(fenetre.types[0]->isChecked());
    EXPECT_EQ(fenetre.pile->currentWidget(), fenetre.Troiscan);
    EXPECT_TRUE(fenetre.S_C[0]->isReadOnly());
    EXPECT_FALSE(fenetre.Alignteinte->isVisible());
    capturer("code_0_trois_canaux");
    QTest::mouseClick(fenetre.OK, Qt::LeftButton);
    ASSERT_TRUE(valide.has_value());
    EXPECT_EQ(*valide, CodeParDefaut());
    EXPECT_FALSE(fenetre.isVisible());
}

TEST_F(FenetreCode, false_colours_make_names_and_colours_editable)
{
    fenetre.Ouvrir(CodeParDefaut());
    QTest::mouseClick(fenetre.faussesCouleurs, Qt::LeftButton);
    EXPECT_EQ(fenetre.S_C[2]->text(), QStringLiteral("Infra-Rouge"));
    EXPECT_FALSE(fenetre.S_C[2]->isReadOnly());
    EXPECT_EQ(fenetre.ChcoulC[2]->couleur(), CouleurRvb(0, 0, 0));
    QTest::mouseClick(fenetre.ChcoulC[2], Qt::LeftButton);
    EXPECT_EQ(fenetre.ChcoulC[2]->couleur(), CouleurRvb(1, 2, 3));

    QTest::mouseClick(fenetre.chcoeff, Qt::LeftButton);
    EXPECT_FALSE(fenetre.OK->isEnabled());
    EXPECT_FALSE(fenetre.Typecode->isEnabled());
    taper(fenetre.MinC[0], QStringLiteral("-20"));
    taper(fenetre.MaxC[0], QStringLiteral("40"));
    capturer("code_0_mini_maxi");
    QTest::mouseClick(fenetre.retourCoeff, Qt::LeftButton);
    EXPECT_TRUE(fenetre.OK->isEnabled());
    QTest::mouseClick(fenetre.OK, Qt::LeftButton);
    ASSERT_TRUE(valide.has_value());
    EXPECT_EQ(valide->NomC[2], QStringLiteral("Infra-Rouge"));
    EXPECT_EQ(valide->CouleurC[2], CouleurRvb(1, 2, 3));
    EXPECT_EQ(valide->MiniC[0], -20);
    EXPECT_EQ(valide->MaxiC[0], 40);
}

TEST_F(FenetreCode, defines_a_rainbow_code_with_a_chosen_order)
{
    fenetre.Ouvrir(CodeParDefaut());
    QTest::mouseClick(fenetre.types[1], Qt::LeftButton);
    EXPECT_EQ(fenetre.pile->currentWidget(), fenetre.Pdegrade3C);
    EXPECT_TRUE(fenetre.ordres[0]->isChecked());
    taper(fenetre.signif3C, QStringLiteral("Température"));
    taper(fenetre.unite3C, QStringLiteral("°C"));
    taper(fenetre.valmin3C, QStringLiteral("-10"));
    taper(fenetre.Valmax3c, QStringLiteral("30,5"));
    fenetre.ordres[2]->trigger();
    EXPECT_EQ(fenetre.couleurDeb->couleur(), CouleurRvb(255, 0, 0));
    EXPECT_EQ(fenetre.couleurFin->couleur(), CouleurRvb(0, 255, 0));
    capturer("code_1_arc_en_ciel");
    QTest::mouseClick(fenetre.OK, Qt::LeftButton);
    ASSERT_TRUE(valide.has_value());
    EXPECT_EQ(valide->TypeCodage, CodageArcEnCiel);
    EXPECT_EQ(valide->OrdreArcEnCiel, 2);
    EXPECT_EQ(valide->ValeurMin, -10);
    EXPECT_EQ(valide->ValeurMax, 30.5);
    EXPECT_EQ(valide->Grandeur, QStringLiteral("Température"));
    EXPECT_EQ(valide->CouleurMilieu, CouleurRvb(0, 0, 255));
}

TEST_F(FenetreCode, two_colour_kind_picks_colours_into_the_selected_panel)
{
    fenetre.Ouvrir(CodeParDefaut());
    QTest::mouseClick(fenetre.types[2], Qt::LeftButton);
    EXPECT_EQ(saisies, std::vector<bool>{true});
    EXPECT_TRUE(fenetre.couleurMin->enfonce());
    fenetre.RecevoirEchantillon(CouleurRvb(10, 20, 30));
    QTest::mouseClick(fenetre.couleurMax, Qt::LeftButton);
    EXPECT_TRUE(fenetre.couleurMax->enfonce());
    EXPECT_FALSE(fenetre.couleurMin->enfonce());
    fenetre.RecevoirEchantillon(CouleurRvb(200, 220, 240));
    capturer("code_2_deux_couleurs");
    QTest::mouseClick(fenetre.OK, Qt::LeftButton);
    EXPECT_EQ(saisies, (std::vector<bool>{true, false}));
    ASSERT_TRUE(valide.has_value());
    EXPECT_EQ(valide->CouleurMin, CouleurRvb(10, 20, 30));
    EXPECT_EQ(valide->CouleurMax, CouleurRvb(200, 220, 240));
    EXPECT_EQ(valide->ValeurMax, 255);
}

TEST_F(FenetreCode, table_kind_takes_clicked_colours_and_labels_bottom_up)
{
    fenetre.Ouvrir(CodeParDefaut());
    QTest::mouseClick(fenetre.types[3], Qt::LeftButton);
    fenetre.nombrevals->setValue(4);
    taper(fenetre.signifD, QStringLiteral("Occupation"));
    QTest::mouseClick(fenetre.couleursValeurs, Qt::LeftButton);
    EXPECT_EQ(fenetre.pile->currentWidget(), fenetre.PanChval);
    EXPECT_TRUE(fenetre.saisieActive());
    EXPECT_FALSE(fenetre.OK->isEnabled());
    ASSERT_EQ(fenetre.GrilleCouleurs->rowCount(), 4);
    const CouleurWin couleurs[4] = {CouleurRvb(0, 128, 0), CouleurRvb(0, 0, 255), CouleurRvb(255, 255, 0),
                                    CouleurRvb(128, 128, 128)};
    const char *libelles[4] = {"Forêt", "Eau", "Champs", "Ville"};
    for (int i = 0; i < 4; ++i) {
        fenetre.GrilleCouleurs->setCurrentCell(3 - i, 0);
        fenetre.RecevoirEchantillon(couleurs[i]);
        fenetre.GrilleCouleurs->item(3 - i, 1)->setText(QString::fromUtf8(libelles[i]));
    }
    capturer("code_3_tableau");
    QTest::mouseClick(fenetre.retourTableau, Qt::LeftButton);
    EXPECT_FALSE(fenetre.saisieActive());
    QTest::mouseClick(fenetre.OK, Qt::LeftButton);
    ASSERT_TRUE(valide.has_value());
    EXPECT_EQ(valide->TypeCodage, CodageTableau);
    EXPECT_EQ(valide->NbCouleurs, 4);
    EXPECT_EQ(valide->Libelle[0], QStringLiteral("Forêt"));
    EXPECT_EQ(valide->CouleurTable[0], CouleurRvb(0, 128, 0));
    EXPECT_EQ(valide->Libelle[3], QStringLiteral("Ville"));
    EXPECT_EQ(valide->CouleurTable[3], CouleurRvb(128, 128, 128));
}

TEST_F(FenetreCode, opening_on_a_table_code_puts_the_first_entry_in_the_bottom_row)
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageTableau;
    c.NbCouleurs = 5;
    for (int i = 0; i < 5; ++i) {
        c.Libelle[static_cast<std::size_t>(i)] = QString::number(i * 10);
        c.CouleurTable[static_cast<std::size_t>(i)] = CouleurRvb(i, 0, 0);
    }
    fenetre.Ouvrir(c);
    EXPECT_TRUE(fenetre.types[3]->isChecked());
    EXPECT_EQ(fenetre.nombrevals->value(), 5);
    EXPECT_EQ(fenetre.GrilleCouleurs->item(4, 1)->text(), QStringLiteral("0"));
    EXPECT_EQ(fenetre.GrilleCouleurs->item(0, 1)->text(), QStringLiteral("40"));
    EXPECT_EQ(fenetre.CodeDesControles(), c);
}

TEST_F(FenetreCode, the_two_recolouring_boxes_exclude_each_other)
{
    fenetre.Ouvrir(CodeParDefaut());
    QTest::mouseClick(fenetre.types[1], Qt::LeftButton);
    EXPECT_TRUE(fenetre.Alignteinte->isVisible());
    fenetre.Alignteinte->setChecked(true);
    fenetre.Misencouleurs->setChecked(true);
    EXPECT_FALSE(fenetre.Alignteinte->isChecked());
    fenetre.Alignteinte->setChecked(true);
    EXPECT_FALSE(fenetre.Misencouleurs->isChecked());
}

TEST_F(FenetreCode, cancel_only_hides_the_window)
{
    fenetre.Ouvrir(CodeParDefaut());
    QTest::mouseClick(fenetre.types[2], Qt::LeftButton);
    QTest::mouseClick(fenetre.annule, Qt::LeftButton);
    EXPECT_FALSE(valide.has_value());
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_EQ(saisies, (std::vector<bool>{true, false}));
}

} // namespace
