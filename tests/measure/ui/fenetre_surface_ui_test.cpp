// The surface window in the program, driven as a pupil drives it on the
// coins photo: clicks of the measuring tool fill the conditions, "Mesurer"
// counts the surface or delimits the coins, the table is copied.
// With KAPTORI_CAPTURES set to a folder, the window is saved there as PNG.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "document/ui/fenetre_document.h"
#include "drawing/reglages_dessin.h"
#include "measure/outil_mesure.h"
#include "drawing/ui/etiquette2.h"
#include "measure/ui/fenetre_surface.h"
#include "support/separateur.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QSpinBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString Donnee(const char *nom)
{
    return qEnvironmentVariable("KAPTORI_DATA") + QLatin1Char('/') + QLatin1String(nom);
}

void Capturer(QWidget *w, const char *nom)
{
    const QString dossier = qEnvironmentVariable("KAPTORI_CAPTURES");
    if (!dossier.isEmpty())
        w->grab().save(dossier + QLatin1Char('/') + QLatin1String(nom) + QStringLiteral(".png"));
}

class SurfaceDansLeCadre : public ::testing::Test {
protected:
    void SetUp() override
    {
        DefinirIntercepteurMessages([](TypeMessage, const QString &, BoutonsMessage) { return QMessageBox::Ok; });
        ReglagesDessinProgramme() = ReglagesDessin{};
        // A wide pen tip: each click reads the colours of a small disc.
        ReglagesDessinProgramme().EpaisseurCrayon = 6;
        ReglagesDessinProgramme().RebatirPointe();
        cadre = std::make_unique<TMainForm>();
        cadre->resize(1100, 800);
        cadre->show();
        ASSERT_TRUE(cadre->OuvrirImage(Donnee("pieces.jpg"), 0));
        fenetre = cadre->DocumentActif();
        ASSERT_NE(fenetre, nullptr);
        cadre->Zoom11();
        QApplication::processEvents();
        cadre->boutonsOutils[ImageDocument::OutilMesure]->trigger();
    }
    void TearDown() override
    {
        cadre.reset();
        DefinirIntercepteurMessages({});
    }

    TMesursurf *Choisir(int mode)
    {
        for (QAction *a : cadre->menuMesures->actions())
            if (a->isCheckable() && a->data().toInt() == mode)
                a->trigger();
        auto *s = cadre->findChild<TMesursurf *>();
        EXPECT_NE(s, nullptr);
        s->demander = [this](QMessageBox::Icon, const QString &texte, QMessageBox::StandardButtons) {
            questions.append(texte);
            return QMessageBox::Yes;
        };
        return s;
    }

    void Cliquer(QPoint pixel)
    {
        const QPointF o = fenetre->vue()->OrigineImage();
        const double z = fenetre->document().zoom;
        const QPoint p(static_cast<int>(o.x() + pixel.x() * z), static_cast<int>(o.y() + pixel.y() * z));
        QTest::mouseClick(fenetre->vue()->viewport(), Qt::LeftButton, {}, p);
    }

    // The intervals widened by 10 units three times, as a pupil does when
    // the coins come out patchy.
    static void ElargirTroisFois(TMesursurf *s)
    {
        s->conditions.pas = DixUnites;
        for (int i = 0; i < 3; ++i)
            s->BAgrandir->click();
    }

    std::unique_ptr<TMainForm> cadre;
    TMDIChild *fenetre = nullptr;
    QStringList questions;
};

TEST_F(SurfaceDansLeCadre, AClickInHslModeMeasuresTheGoldOfTheCoins)
{
    SeparateurTemporaire virgule(QLatin1Char(','));
    TMesursurf *s = Choisir(MesureSurface);
    ASSERT_TRUE(s->isVisible());
    EXPECT_EQ(s->windowTitle(), "Mesure de surface");
    s->ChoixMode->setCurrentIndex(2);
    Cliquer({170, 170}); // the gold centre of the first coin
    ASSERT_EQ(s->conditions.NbConditions(), 3);
    EXPECT_EQ(s->conditions.Conditions()[0].Composante, 4);
    EXPECT_EQ(s->onglets->count(), 3);
    s->Mesurer();
    EXPECT_TRUE(questions.isEmpty()) << questions.join('|').toStdString();
    EXPECT_TRUE(s->resultat->text().contains(" pixels sur 960000 soit ")) << s->resultat->text().toStdString();
    EXPECT_TRUE(s->Resusurf->isVisible()); // the photo's scale is in mm
    EXPECT_EQ(fenetre->document().coucheProvisoire.pixel(170, 170), 0xFFFFFF00u);
    Capturer(s, "surface_tsl");
    s->Reduire(true);
    QApplication::processEvents();
    Capturer(s, "surface_reduite");
    EXPECT_FALSE(s->onglets->isVisible());
    EXPECT_TRUE(s->BMesurer->isVisible());
}

TEST_F(SurfaceDansLeCadre, ObjectsWithDetailsAndMarksFillTheTableToCopy)
{
    TMesursurf *s = Choisir(MesureDelimitation);
    EXPECT_EQ(s->windowTitle(), "Délimitation d'objets");
    s->actChoixDivers->trigger();
    ASSERT_TRUE(s->boiteChoix->isVisible());
    s->ResuStat->setChecked(true);
    s->TraceLargeur->setChecked(true);
    s->TailleMin->setValue(20);
    Capturer(s, "objets_choix");
    s->BChoixOK->click();
    s->ChoixMode->setCurrentIndex(1);
    Cliquer({170, 170});
    Cliquer({650, 200}); // a second gold coin widens the colour intervals
    ElargirTroisFois(s);
    EXPECT_GE(s->conditions.Conditions()[0].Maxi - s->conditions.Conditions()[0].Mini, 30);
    s->Mesurer();
    EXPECT_TRUE(s->resultat->text().contains(" objets")) << s->resultat->text().toStdString();
    ASSERT_GT(s->TableauTailles->rowCount(), 7);
    EXPECT_EQ(s->TableauTailles->item(2, 0)->text(), "Moyenne");
    EXPECT_EQ(s->TableauTailles->item(1, 4)->text(), QString("mm") + QChar(0x00B2));
    ASSERT_TRUE(s->BCopier->isVisible());
    s->BCopier->click();
    const QString copie = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copie.startsWith("Délimitation d'objets\r\n\tPérimètre\tLongueur\tLargeur\tSurface\r\n"));
    Capturer(s, "objets_tableau");
}

// "Mesurer" pressed while the options box is still open measures with the
// options ticked in it.
TEST_F(SurfaceDansLeCadre, ObjectsAreMeasuredWithTheOptionsTickedInTheOpenBox)
{
    TMesursurf *s = Choisir(MesureDelimitation);
    s->actChoixDivers->trigger();
    s->ResuStat->setChecked(true);
    s->TailleMin->setValue(20);
    s->ChoixMode->setCurrentIndex(1);
    Cliquer({170, 170});
    ElargirTroisFois(s);
    s->Mesurer();
    EXPECT_TRUE(s->Resusurf->isVisible());
    EXPECT_TRUE(s->TableauTailles->isVisible());
    EXPECT_EQ(s->TableauTailles->item(1, 4)->text(), QString("mm") + QChar(0x00B2));
}

// "RAZ" empties the first mean of the table; the copy shows it emptied too.
TEST_F(SurfaceDansLeCadre, TheCopyAfterAResetMatchesTheTable)
{
    TMesursurf *s = Choisir(MesureDelimitation);
    s->ResuStat->setChecked(true);
    s->ChoixMode->setCurrentIndex(1);
    Cliquer({170, 170});
    ElargirTroisFois(s);
    s->Mesurer();
    ASSERT_FALSE(s->TableauTailles->item(2, 1)->text().isEmpty());
    s->BRAZ->click();
    EXPECT_TRUE(s->TableauTailles->item(2, 1)->text().isEmpty());
    s->BCopier->click();
    const QStringList lignes = QGuiApplication::clipboard()->text().split("\r\n");
    ASSERT_GT(lignes.size(), 3);
    EXPECT_TRUE(lignes[3].section('\t', 1, 1).isEmpty()) << lignes[3].toStdString();
    EXPECT_EQ(lignes[3].section('\t', 2, 2), s->TableauTailles->item(2, 2)->text());
}

// On a document that has a drawing layer, the surface coloured by "Mesurer"
// (or the objects outlined) is discarded by the next press on the image,
// never merged into the drawing.
TEST_F(SurfaceDansLeCadre, TheNextPressDiscardsTheMeasuredColouring)
{
    ImageDocument &doc = fenetre->document();
    auto nonTransparents = [](const QImage &couche) {
        int n = 0;
        for (int y = 0; y < couche.height(); ++y) {
            const auto *ligne = reinterpret_cast<const QRgb *>(couche.constScanLine(y));
            for (int x = 0; x < couche.width(); ++x)
                n += qAlpha(ligne[x]) > 0;
        }
        return n;
    };
    for (const int mode : {MesureSurface, MesureDelimitation}) {
        doc.CreerCoucheDessin();
        doc.coucheDessin.fill(Qt::transparent);
        TMesursurf *s = Choisir(mode);
        s->ChoixMode->setCurrentIndex(0); // "Manuel": no click before
        s->ChoixValmax->setValue(100);
        s->Mesurer();
        ASSERT_GT(nonTransparents(doc.coucheProvisoire), 1000) << mode;
        Cliquer({20, 20});
        EXPECT_EQ(nonTransparents(doc.coucheDessin), 0) << mode;
        EXPECT_EQ(nonTransparents(doc.coucheProvisoire), 0) << mode;
    }
}

TEST_F(SurfaceDansLeCadre, TheOnlyConditionStaysWhenAlwaysTrueAndEverythingIsCounted)
{
    TMesursurf *s = Choisir(MesureSurface);
    s->Mesurer();
    ASSERT_EQ(questions.size(), 2);
    EXPECT_EQ(questions[0], "Condition C1 inutile (toujours vraie) !\rSupprimer la condition ?");
    EXPECT_EQ(questions[1], "Une condition au minimum !");
    EXPECT_TRUE(s->resultat->text().startsWith("960000 pixels sur 960000")) << s->resultat->text().toStdString();
}

// C1 "Rouge 0..255" deleted at "Mesurer", then Abort at C3: the tabs and
// the shown condition follow the deletion, and measuring again keeps
// "Verte 10..20" as it was.
TEST_F(SurfaceDansLeCadre, AbortAfterADeletionLeavesTheOtherConditionsIntact)
{
    TMesursurf *s = Choisir(MesureSurface);
    TCondicoul rouge, verte, bleue;
    rouge.Composante = 2;
    rouge.Maxi = 255;
    verte.Composante = 1;
    verte.Mini = 10;
    verte.Maxi = 20;
    bleue.Composante = 0;
    bleue.Maxi = 255;
    s->conditions.DefinirConditions({rouge, verte, bleue}, {});
    s->conditions.SauverAnnulation();
    s->BAnnule->setEnabled(true);
    s->BAnnule->click(); // shows the list in its tabs
    ASSERT_EQ(s->onglets->count(), 3);
    ASSERT_EQ(s->ChoixComposante->currentText(), "Rouge");
    QStringList reponses;
    s->demander = [&](QMessageBox::Icon, const QString &texte, QMessageBox::StandardButtons) {
        reponses.append(texte);
        return reponses.size() == 1 ? QMessageBox::Yes : QMessageBox::Abort;
    };
    s->Mesurer();
    ASSERT_EQ(reponses.size(), 2);
    EXPECT_EQ(reponses[1], "Condition C2 inutile (toujours vraie) !\rSupprimer la condition ?");
    ASSERT_EQ(s->conditions.NbConditions(), 2);
    EXPECT_EQ(s->onglets->count(), 2);
    EXPECT_EQ(s->ChoixComposante->currentText(), "Verte");
    s->demander = [](QMessageBox::Icon, const QString &, QMessageBox::StandardButtons) { return QMessageBox::Yes; };
    s->Mesurer();
    ASSERT_EQ(s->conditions.NbConditions(), 1);
    EXPECT_EQ(s->conditions.Conditions()[0], verte);
}

TEST_F(SurfaceDansLeCadre, The31stConditionIsRefused)
{
    TMesursurf *s = Choisir(MesureSurface);
    for (int i = 0; i < 30; ++i)
        s->actAjouter->trigger();
    EXPECT_EQ(s->conditions.NbConditions(), 30);
    EXPECT_EQ(s->onglets->count(), 30);
    EXPECT_EQ(s->onglets->tabText(9), "10");
    EXPECT_TRUE(questions.contains("Le nombre maximum est atteint"));
}

} // namespace
