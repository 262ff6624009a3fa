// The animation in the program as a teacher uses it: a list of photos opened
// into the player, stepped, played and paused; an animation built from open
// documents in the chooser, saved and split back into documents; and a
// faulty list that leaves the animation in place. With KAPTORI_CAPTURES set
// to a folder, the player and the chooser are saved there as PNG.

#include "animation/ui/anim_form.h"
#include "animation/ui/choix_fichiers.h"
#include "document/ui/fenetre_document.h"
#include "support/capture.h"
#include "support/essai_cadre.h"
#include "support/fichier_essai.h"
#include "support/pilote_dialogues.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QString Donnee(const char *nom)
{
    return qEnvironmentVariable("KAPTORI_DATA") + QLatin1Char('/') + QLatin1String(nom);
}

class AnimationDansLeCadre : public EssaiCadre {
protected:
    void SetUp() override
    {
        EssaiCadre::SetUp();
        cadre_ = std::make_unique<TMainForm>();
        cadre_->resize(1100, 800);
        cadre_->show();
        lecteur = cadre_->findChild<TAnimForm *>();
        ASSERT_NE(lecteur, nullptr);
        for (const char *nom : {"photo.jpg", "pieces.jpg", "cellules.jpg"})
            ASSERT_TRUE(QFile::copy(Donnee(nom), Chemin(QString::fromLatin1(nom))));
    }
    void EcrireListe(const QString &nom, const QByteArray &octets)
    {
        ASSERT_TRUE(EcrireFichier(Chemin(nom), octets));
    }
    [[nodiscard]] QStringList Titres() const
    {
        QStringList titres;
        for (TMDIChild *d : cadre_->Documents())
            titres.append(d->windowTitle());
        return titres;
    }

    TAnimForm *lecteur = nullptr;
};

TEST_F(AnimationDansLeCadre, AListOfPhotosOpensIntoThePlayerWhichStepsPlaysAndPauses)
{
    EXPECT_FALSE(cadre_->actAnimation->isEnabled());
    EXPECT_FALSE(cadre_->actDecomposerAnimation->isEnabled());
    EcrireListe(QStringLiteral("serie.anm"), "photo.jpg\r\npieces.jpg\r\ncellules.jpg\r\n");
    EXPECT_TRUE(cadre_->OuvrirFichier(Chemin("serie.anm"), 5));
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('\n').toStdString();
    ASSERT_EQ(lecteur->animation().nombre(), 3);
    EXPECT_TRUE(lecteur->isVisible());
    EXPECT_TRUE(cadre_->actAnimation->isEnabled());
    EXPECT_TRUE(cadre_->actDecomposerAnimation->isEnabled());
    EXPECT_TRUE(lecteur->actPause->isChecked());
    EXPECT_FALSE(lecteur->actPrecedente->isEnabled());
    Capturer(*lecteur, QStringLiteral("lecteur_animation"));

    lecteur->actSuivante->trigger();
    EXPECT_EQ(lecteur->lecteur().index(), 1);
    EXPECT_TRUE(lecteur->actPrecedente->isEnabled());
    lecteur->actDerniere->trigger();
    EXPECT_FALSE(lecteur->actSuivante->isEnabled());

    lecteur->intervalle->setValue(1);
    EXPECT_EQ(lecteur->minuterie->interval(), 50);
    lecteur->actBoucle->trigger(); // up: no loop
    lecteur->actRetourDebut->trigger();
    lecteur->actAvance->trigger();
    EXPECT_TRUE(lecteur->minuterie->isActive());
    EXPECT_FALSE(lecteur->actSuivante->isEnabled());
    // Without loop the playing ends on the last frame by itself.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !lecteur->lecteur().enLecture(); }, 5000));
    EXPECT_EQ(lecteur->lecteur().index(), 2);
    EXPECT_TRUE(lecteur->actPause->isChecked());
    EXPECT_FALSE(lecteur->minuterie->isActive());
    EXPECT_FALSE(lecteur->actDerniere->isEnabled());

    // Closing only hides the window.
    lecteur->close();
    EXPECT_FALSE(lecteur->isVisible());
    cadre_->actAnimation->trigger();
    EXPECT_TRUE(lecteur->isVisible());

    cadre_->actDecomposerAnimation->trigger();
    EXPECT_EQ(Titres(), (QStringList{Chemin("serie00.anm"), Chemin("serie01.anm"), Chemin("serie02.anm")}));
    EXPECT_EQ(cadre_->Documents().first()->document().image.size(),
              lecteur->animation().images[0].image.size());
}

TEST_F(AnimationDansLeCadre, AFaultyListIsToldAndLeavesTheAnimationInPlace)
{
    EcrireListe(QStringLiteral("bonne.anm"), "photo.jpg\r\npieces.jpg\r\n");
    EcrireListe(QStringLiteral("mauvaise.anm"), "photo.jpg\r\nabsente.png\r\n");
    EcrireListe(QStringLiteral("courte.anm"), "photo.jpg\r\n");
    ASSERT_TRUE(cadre_->OuvrirFichier(Chemin("bonne.anm"), 5));
    EXPECT_FALSE(cadre_->OuvrirFichier(Chemin("mauvaise.anm"), 5));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].contains(QStringLiteral("Ligne 2"))) << messages_[0].toStdString();
    EXPECT_FALSE(cadre_->OuvrirFichier(Chemin("courte.anm"), 5));
    EXPECT_EQ(messages_.size(), 2);
    EXPECT_EQ(lecteur->animation().CheminAnimation, Chemin("bonne.anm"));
    EXPECT_EQ(lecteur->animation().nombre(), 2);
}

TEST_F(AnimationDansLeCadre, ThreeDocumentsChosenInOrderMakeAnAnimationThatSavesAndSplits)
{
    for (const char *nom : {"photo.jpg", "pieces.jpg", "cellules.jpg"})
        ASSERT_TRUE(cadre_->OuvrirImage(Chemin(QString::fromLatin1(nom)), 5));
    ASSERT_TRUE(cadre_->actCreerAnimation->isEnabled());
    QStringList lignes;
    const bool fait = PiloteDialogues::Executer(
        cadre_->actCreerAnimation, {PiloteDialogues::Quand<TChoixFic>([&](TChoixFic &d) {
            for (int i = 0; i < d.disponibles->count(); ++i)
                lignes.append(d.disponibles->item(i)->text());
            // cellules (the active one) first, then photo.
            d.disponibles->item(2)->setSelected(true);
            d.inclure->click();
            d.disponibles->item(0)->setSelected(true);
            d.inclure->click();
            Capturer(d, QStringLiteral("choix_images"));
            d.boutons->button(QDialogButtonBox::Ok)->click();
        })});
    ASSERT_TRUE(fait);
    EXPECT_EQ(lignes, (QStringList{" 1 photo.jpg", " 2 pieces.jpg", " 3 cellules.jpg"}));
    ASSERT_EQ(lecteur->animation().nombre(), 2);
    EXPECT_EQ(lecteur->animation().FichiersAnimation(), (QStringList{Chemin("cellules.jpg"), Chemin("photo.jpg")}));
    EXPECT_TRUE(lecteur->animation().CheminAnimation.isEmpty());

    lecteur->demanderFichier = [this] { return Chemin("film.anm"); };
    lecteur->actEnregistrer->trigger();
    QFile liste(Chemin("film.anm"));
    ASSERT_TRUE(liste.open(QIODevice::ReadOnly));
    EXPECT_EQ(liste.readAll(), QByteArray("cellules.jpg\r\nphoto.jpg\r\n"));

    const int avant = static_cast<int>(cadre_->Documents().size());
    cadre_->actDecomposerAnimation->trigger();
    EXPECT_EQ(Titres().mid(avant), (QStringList{Chemin("film00.anm"), Chemin("film01.anm")}));
}

} // namespace

namespace {

TEST(TailleLecteur, TheWindowFitsTheFrameWithinTheFreeAreaLess180)
{
    TAnimForm lecteur;
    Animation animation;
    for (int i = 0; i < 2; ++i) {
        QImage image(480, 320, QImage::Format_Indexed8);
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        image.fill(i);
        animation.images.append({image, QString(), QString()});
    }
    lecteur.Installer(std::move(animation));
    lecteur.Montrer(QPoint(0, 0), QSize(2000, 2000));
    EXPECT_EQ(lecteur.width(), 481);
    EXPECT_GE(lecteur.height(), 320 + 32);
    lecteur.Montrer(QPoint(0, 0), QSize(600, 400));
    EXPECT_EQ(lecteur.size(), QSize(420, 220));
    Capturer(lecteur, QStringLiteral("lecteur_reduit"));
    lecteur.hide();
}

} // namespace
