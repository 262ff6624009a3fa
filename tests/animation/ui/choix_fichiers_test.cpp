// The picture chooser as a user drives it: lines moved across and back in
// the order of the lists, the buttons enabled only where they can act, the
// chosen line moved up and down, and the identifiers handed back in the
// order chosen.

#include "animation/ui/choix_fichiers.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QStringList Lignes(const QListWidget *liste)
{
    QStringList lignes;
    for (int i = 0; i < liste->count(); ++i)
        lignes.append(liste->item(i)->text());
    return lignes;
}

void Selectionner(QListWidget *liste, std::initializer_list<int> lignes)
{
    liste->clearSelection();
    for (int i : lignes)
        liste->item(i)->setSelected(true);
}

class ChoixFicEssai : public ::testing::Test {
protected:
    void SetUp() override
    {
        choix.Remplir({{QStringLiteral(" 1 a.jpg"), 10}, {QStringLiteral(" 2 b.png"), 20},
                       {QStringLiteral(" 3 c.kpt"), 30}, {QStringLiteral(" 4 d.lan"), 40}});
    }
    TChoixFic choix;
};

TEST_F(ChoixFicEssai, SelectedLinesGoToTheEndOfTheChosenListInListOrder)
{
    Selectionner(choix.disponibles, {3, 1});
    choix.inclure->click();
    Selectionner(choix.disponibles, {0});
    choix.inclure->click();
    EXPECT_EQ(Lignes(choix.aUtiliser), (QStringList{" 2 b.png", " 4 d.lan", " 1 a.jpg"}));
    EXPECT_EQ(Lignes(choix.disponibles), (QStringList{" 3 c.kpt"}));
    EXPECT_EQ(choix.IdsChoisis(), (QList<QVariant>{20, 40, 10}));
}

TEST_F(ChoixFicEssai, TheLineAtTheFirstMovedPositionBecomesCurrent)
{
    Selectionner(choix.disponibles, {1, 2});
    choix.inclure->click();
    EXPECT_EQ(choix.disponibles->currentItem()->text(), " 4 d.lan");
    Selectionner(choix.disponibles, {1});
    choix.inclure->click();
    // The last line moved: the one before it takes its place.
    EXPECT_EQ(choix.disponibles->currentItem()->text(), " 1 a.jpg");
}

TEST_F(ChoixFicEssai, MoveButtonsAreEnabledOnlyWhileTheirSourceListHasLines)
{
    EXPECT_TRUE(choix.inclure->isEnabled());
    EXPECT_TRUE(choix.toutInclure->isEnabled());
    EXPECT_FALSE(choix.exclure->isEnabled());
    EXPECT_FALSE(choix.toutExclure->isEnabled());
    choix.toutInclure->click();
    EXPECT_EQ(choix.disponibles->count(), 0);
    EXPECT_FALSE(choix.inclure->isEnabled());
    EXPECT_FALSE(choix.toutInclure->isEnabled());
    EXPECT_TRUE(choix.exclure->isEnabled());
    EXPECT_TRUE(choix.toutExclure->isEnabled());
    choix.toutExclure->click();
    EXPECT_EQ(Lignes(choix.disponibles), (QStringList{" 1 a.jpg", " 2 b.png", " 3 c.kpt", " 4 d.lan"}));
    EXPECT_FALSE(choix.exclure->isEnabled());
}

TEST_F(ChoixFicEssai, ArrowsMoveTheChosenLineAndKeepItSelected)
{
    choix.toutInclure->click();
    choix.aUtiliser->setCurrentRow(1);
    choix.descendre->click();
    EXPECT_EQ(Lignes(choix.aUtiliser), (QStringList{" 1 a.jpg", " 3 c.kpt", " 2 b.png", " 4 d.lan"}));
    EXPECT_EQ(choix.aUtiliser->currentRow(), 2);
    EXPECT_TRUE(choix.aUtiliser->item(2)->isSelected());
    choix.descendre->click();
    EXPECT_FALSE(choix.descendre->isEnabled()); // now the last line
    choix.monter->click();
    choix.monter->click();
    choix.monter->click();
    EXPECT_EQ(choix.aUtiliser->currentRow(), 0);
    EXPECT_FALSE(choix.monter->isEnabled());
    EXPECT_EQ(choix.IdsChoisis(), (QList<QVariant>{20, 10, 30, 40}));
}

TEST_F(ChoixFicEssai, OkWaitsForTheMinimumNumberOfLines)
{
    choix.DefinirMinimum(2);
    QPushButton *ok = choix.boutons->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    Selectionner(choix.disponibles, {0});
    choix.inclure->click();
    EXPECT_FALSE(ok->isEnabled());
    Selectionner(choix.disponibles, {0});
    choix.inclure->click();
    EXPECT_TRUE(ok->isEnabled());
}

TEST(ChoixFicLegende, TheCaptionGivenIsTheTitleAndRefillingEmptiesTheChoice)
{
    TChoixFic animation;
    EXPECT_EQ(animation.windowTitle(), QStringLiteral("Choisir les images à associer dans l'animation"));
    TChoixFic mesure(QStringLiteral("Images à mesurer"));
    EXPECT_EQ(mesure.windowTitle(), QStringLiteral("Images à mesurer"));
    mesure.Remplir({{QStringLiteral("x"), 1}});
    mesure.toutInclure->click();
    mesure.Remplir({{QStringLiteral("y"), 2}});
    EXPECT_EQ(mesure.aUtiliser->count(), 0);
    EXPECT_EQ(Lignes(mesure.disponibles), (QStringList{"y"}));
}

} // namespace
