// The profile window driven as a pupil drives it on a generated spectrum:
// "Mesurer", channel and quantity choices, the zero placed on the graph, a
// conversion calibrated by a press and a typed value, the limits band, both
// grids, saving the graph, and the source document closing.
// With KAPTORI_CAPTURES set to a folder, the windows are saved there as PNG.

#include "document/image_document.h"
#include "drawing/ui/repere_v.h"
#include "measure/ui/dialogue_etal.h"
#include "measure/ui/mesu_courbe.h"
#include "plot/ui/choix_graphe.h"
#include "plot/ui/vue_graphe.h"
#include "support/separateur.h"
#include "table/ui/tableau1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QFileInfo>
#include <QLabel>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

// A 400 × 60 spectrum: hues from red to violet with three dark absorption lines.
QImage Spectre()
{
    QImage image(400, 60, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            QColor c = QColor::fromHsv(std::min(300, x * 300 / 400), 255, 255);
            if (std::abs(x - 90) < 3 || std::abs(x - 210) < 2 || std::abs(x - 320) < 4)
                c = c.darker(500);
            ligne[x] = c.rgb();
        }
    }
    return image;
}

void Capturer(QWidget *w, const char *nom)
{
    const QString dossier = qEnvironmentVariable("KAPTORI_CAPTURES");
    if (!dossier.isEmpty())
        w->grab().save(dossier + QLatin1Char('/') + QLatin1String(nom) + QStringLiteral(".png"));
}

class MesuCourbeTest : public ::testing::Test {
protected:
    MesuCourbeTest()
    {
        doc_.image = Spectre();
        doc_.echelle.Definie = 1;
        doc_.echelle.Facteur = 1;
        doc_.echelle.Unite = QStringLiteral("pixels");
        doc_.mesure.pointAppui = {10, 30};
        doc_.mesure.pointCourant = {390, 30};
        fenetre_.tableau = &tableau_;
        fenetre_.services.PoserQuestion = [](QWidget *, const QString &, bool) { return true; };
        fenetre_.DefinirSource(&doc_, gardien_.get());
        fenetre_.show();
    }

    void mesurer()
    {
        QTest::mouseClick(fenetre_.boutonMesurer, Qt::LeftButton);
    }

    // A press on the graph at a pixel of the graph.
    void presser(QPoint p)
    {
        QTest::mousePress(fenetre_.Graphe, Qt::LeftButton, {}, p);
        QTest::mouseRelease(fenetre_.Graphe, Qt::LeftButton, {}, p);
    }

    SeparateurTemporaire sep_{QLatin1Char(',')};
    ImageDocument doc_;
    std::unique_ptr<QObject> gardien_ = std::make_unique<QObject>();
    TTableau1 tableau_;
    TMesu_Courbe fenetre_;
};

TEST_F(MesuCourbeTest, MeasureDrawsTheCurveAndEnablesTheOutputs)
{
    EXPECT_FALSE(fenetre_.actCopier->isEnabled());
    EXPECT_FALSE(fenetre_.surf->isEnabled());
    mesurer();
    EXPECT_EQ(doc_.LongueurProfil, 380);
    EXPECT_EQ(fenetre_.Graphe->size(), QSize(380 + 30 + fenetre_.modele.Graphe.RightMargin, 360));
    EXPECT_TRUE(fenetre_.actCopier->isEnabled());
    EXPECT_TRUE(fenetre_.actConversion->isEnabled());
    EXPECT_TRUE(fenetre_.surf->isEnabled());
    Capturer(&fenetre_, "profil_emission");
}

TEST_F(MesuCourbeTest, RedThenGreenThenFullGrid)
{
    mesurer();
    QTest::mouseClick(fenetre_.rouge, Qt::LeftButton);
    QTest::mouseClick(fenetre_.vert, Qt::LeftButton);
    fenetre_.actComplet->trigger();
    ASSERT_TRUE(tableau_.isVisible());
    EXPECT_EQ(tableau_.grille->rowCount(), 380 + 3);
    EXPECT_EQ(tableau_.grille->item(0, 1)->text(), QStringLiteral("émiss. (R)"));
    EXPECT_EQ(tableau_.grille->item(0, 2)->text(), QStringLiteral("émiss. (V)"));
    EXPECT_EQ(tableau_.grille->item(0, 3)->text(), QStringLiteral("émission"));
    Capturer(&fenetre_, "profil_rouge_vert");
    Capturer(&tableau_, "profil_grille");
}

TEST_F(MesuCourbeTest, OpticalDensityAndChosenValues)
{
    QTest::mouseClick(fenetre_.absorption, Qt::LeftButton);
    EXPECT_TRUE(fenetre_.Mode_mes->isVisible());
    QTest::mouseClick(fenetre_.logarithmique, Qt::LeftButton);
    fenetre_.ch_larg->setValue(5);
    mesurer();
    EXPECT_EQ(fenetre_.modele.Graphe.Axe(AxeId::Y).titre, QStringLiteral("D.O."));
    fenetre_.actValeursChoisies->trigger();
    for (int x : {80, 20, 200})
        presser({30 + x, 100});
    ASSERT_EQ(tableau_.grille->rowCount(), 6);
    EXPECT_EQ(tableau_.grille->item(2, 0)->text(), QStringLiteral("20"));
    EXPECT_EQ(tableau_.grille->item(3, 0)->text(), QStringLiteral("80"));
    EXPECT_EQ(tableau_.grille->item(4, 0)->text(), QStringLiteral("200"));
    Capturer(&fenetre_, "profil_do");
    Capturer(&tableau_, "profil_valeurs_choisies");
}

TEST_F(MesuCourbeTest, ZeroPlacedOnTheGraphOffsetsTheCurve)
{
    mesurer();
    fenetre_.actZero->trigger();
    EXPECT_TRUE(fenetre_.SaisieZero);
    EXPECT_FALSE(fenetre_.panneaux->isEnabled());
    presser({100, 265}); // 20 % on the 0..100 axis of rows 325..25
    EXPECT_EQ(fenetre_.repereZero->y(), 265);
    Capturer(&fenetre_, "profil_zero_repere");
    QPushButton *ok = nullptr;
    for (QPushButton *b : fenetre_.Tzero->findChildren<QPushButton *>())
        if (b->text() == QStringLiteral("OK"))
            ok = b;
    ASSERT_TRUE(ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(fenetre_.SaisieZero);
    EXPECT_TRUE(fenetre_.panneaux->isEnabled());
    EXPECT_NEAR(fenetre_.modele.Zeros[CanalTout], 20, 1e-9);
}

// Closing the "Zéro" window by its frame abandons the zero as its second
// button does: the top panel and the menus are usable again.
TEST_F(MesuCourbeTest, ClosingTheZeroWindowAbandonsTheZero)
{
    mesurer();
    fenetre_.actZero->trigger();
    presser({100, 265});
    ASSERT_TRUE(fenetre_.Tzero->isVisible());
    fenetre_.Tzero->close();
    EXPECT_FALSE(fenetre_.SaisieZero);
    EXPECT_FALSE(fenetre_.repereZero->isVisible());
    EXPECT_TRUE(fenetre_.panneaux->isEnabled());
    EXPECT_TRUE(fenetre_.menuGraphique->menuAction()->isEnabled());
    EXPECT_TRUE(fenetre_.menuFichier->menuAction()->isEnabled());
    EXPECT_EQ(fenetre_.modele.Zeros[CanalTout], 0);
}

TEST_F(MesuCourbeTest, ConversionOnOnePointThenCancelled)
{
    QTest::mouseClick(fenetre_.rouge, Qt::LeftButton);
    mesurer();
    fenetre_.actConversion->trigger();
    ASSERT_TRUE(fenetre_.etal->isVisible());
    EXPECT_FALSE(fenetre_.etal->ok->isEnabled());
    presser({60, 125});
    EXPECT_EQ(fenetre_.etal->YPoint->text(), QStringLiteral("125"));
    fenetre_.etal->NomVar->setText(QStringLiteral("conc."));
    fenetre_.etal->UnitVar->setText(QStringLiteral("g/L"));
    QTest::keyClicks(fenetre_.etal->VPoint, QStringLiteral("50"));
    EXPECT_TRUE(fenetre_.etal->ok->isEnabled());
    Capturer(fenetre_.etal, "profil_conversion_dialogue");
    QTest::mouseClick(fenetre_.etal->ok, Qt::LeftButton);
    EXPECT_TRUE(fenetre_.modele.Converti);
    EXPECT_DOUBLE_EQ(fenetre_.modele.Conversion.ConvMax, 75);
    EXPECT_EQ(fenetre_.panneaux->currentWidget(), fenetre_.PanConv);
    EXPECT_FALSE(fenetre_.actConversion->isEnabled());
    EXPECT_FALSE(fenetre_.actZero->isEnabled());
    Capturer(&fenetre_, "profil_converti");
    QTest::mouseClick(fenetre_.annulerConversion, Qt::LeftButton);
    EXPECT_FALSE(fenetre_.modele.Converti);
    EXPECT_EQ(fenetre_.panneaux->currentWidget(), fenetre_.panneauHaut);
}

TEST_F(MesuCourbeTest, LimitsBandGivesTheSurfaceReadout)
{
    mesurer();
    fenetre_.surf->setChecked(true);
    EXPECT_TRUE(fenetre_.limites->isVisible());
    EXPECT_EQ(fenetre_.limites->height(), fenetre_.Graphe->height() + 2);
    fenetre_.limites->move(130, -1);
    emit fenetre_.limites->OnChange();
    EXPECT_TRUE(fenetre_.position->text().startsWith(QStringLiteral("surface dans le canal (intensité): ")));
    Capturer(&fenetre_, "profil_surface");
    fenetre_.surf->setChecked(false);
    EXPECT_TRUE(fenetre_.position->text().isEmpty());
}

// "Mesurer" on a line too short changes nothing: the curves drawn keep the
// positions they were drawn with, though the document's scale changed since.
TEST_F(MesuCourbeTest, MeasuringATooShortLineKeepsThePositionsOfTheCurve)
{
    mesurer();
    fenetre_.surf->setChecked(true);
    fenetre_.limites->move(130, -1);
    emit fenetre_.limites->OnChange();
    const QString surface = fenetre_.position->text();
    doc_.echelle.Facteur = 0.5;
    doc_.echelle.Unite = QStringLiteral("mm");
    doc_.mesure.pointCourant = doc_.mesure.pointAppui + QPoint(3, 0);
    mesurer();
    fenetre_.actComplet->trigger();
    EXPECT_EQ(tableau_.grille->item(1, 0)->text(), QStringLiteral("pixels"));
    EXPECT_EQ(tableau_.grille->item(5, 0)->text(), QStringLiteral("3"));
    fenetre_.surf->setChecked(true);
    fenetre_.limites->move(130, -1);
    emit fenetre_.limites->OnChange();
    EXPECT_EQ(fenetre_.position->text(), surface);
}

TEST_F(MesuCourbeTest, SavesGifWithScaAndBmpWithEch)
{
    mesurer();
    QTemporaryDir dossier;
    QString chemin = dossier.filePath(QStringLiteral("profil.gif"));
    fenetre_.DemanderNomFichier = [&] { return chemin; };
    fenetre_.Enregistrer();
    EXPECT_TRUE(QFileInfo::exists(chemin));
    EXPECT_TRUE(QFileInfo::exists(dossier.filePath(QStringLiteral("profil.sca"))));
    chemin = dossier.filePath(QStringLiteral("profil.bmp"));
    fenetre_.Enregistrer();
    EXPECT_TRUE(QFileInfo::exists(chemin));
    EXPECT_EQ(QFileInfo(dossier.filePath(QStringLiteral("profil.ech"))).size(), 168);
}

TEST_F(MesuCourbeTest, PrintAndCopyHandOverThePictureOfTheGraph)
{
    mesurer();
    double rapport = 0;
    QImage imprimee;
    fenetre_.services.ImprimerImage = [&](QWidget *, double r, const QImage &image) {
        rapport = r;
        imprimee = image;
    };
    fenetre_.actImprimer->trigger();
    EXPECT_DOUBLE_EQ(rapport, 360.0 / fenetre_.Graphe->width());
    EXPECT_EQ(imprimee.size(), fenetre_.Graphe->size());
    fenetre_.actCopier->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), fenetre_.Graphe->size());
}

TEST_F(MesuCourbeTest, SourceClosingDisablesTheOutputs)
{
    mesurer();
    gardien_.reset();
    EXPECT_EQ(fenetre_.Source(), nullptr);
    EXPECT_FALSE(fenetre_.actEnregistrer->isEnabled());
    EXPECT_FALSE(fenetre_.boutonMesurer->isEnabled());
}

// Runs the action, answering the message box it shows with OK; the box's text.
QString TexteBoiteApres(const std::function<void()> &action)
{
    QString texte;
    QTimer minuterie;
    minuterie.setInterval(10);
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
        if (auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            texte = boite->text();
            boite->accept();
        }
    });
    minuterie.start();
    action();
    minuterie.stop();
    return texte;
}

TEST_F(MesuCourbeTest, ConversionOnTwoPointsFollowsTheLineThroughBoth)
{
    mesurer();
    fenetre_.actConversion->trigger();
    // The first point entered, "deux points" takes it and asks for the second.
    presser({60, 125});
    QTest::keyClicks(fenetre_.etal->VPoint, QStringLiteral("50"));
    QTest::mouseClick(fenetre_.etal->deuxPoints, Qt::LeftButton);
    EXPECT_TRUE(fenetre_.etal->Choixpoint->isVisible());
    EXPECT_TRUE(fenetre_.etal->point2->isChecked());
    EXPECT_EQ(fenetre_.etal->PremierPixel, 125);
    EXPECT_TRUE(fenetre_.etal->YPoint->text().isEmpty());
    presser({200, 225});
    QTest::keyClicks(fenetre_.etal->VPoint, QStringLiteral("10"));
    QTest::mouseClick(fenetre_.etal->ok, Qt::LeftButton);
    ASSERT_TRUE(fenetre_.modele.Converti);
    // 50 at row 125 and 10 at row 225: 0,4 less per row down, so -30 at the
    // plot's bottom row 325 and 90 at its top row 25.
    EXPECT_NEAR(fenetre_.modele.Conversion.ConvMin, -30, 1e-9);
    EXPECT_NEAR(fenetre_.modele.Conversion.ConvMax, 90, 1e-9);
    EXPECT_EQ(fenetre_.panneaux->currentWidget(), fenetre_.PanConv);
}

TEST_F(MesuCourbeTest, TwoConversionPointsOnOneRowAreRefusedWithAWarning)
{
    mesurer();
    const QImage avant = fenetre_.Graphe->Rendre();
    fenetre_.actConversion->trigger();
    presser({60, 125});
    QTest::keyClicks(fenetre_.etal->VPoint, QStringLiteral("50"));
    QTest::mouseClick(fenetre_.etal->deuxPoints, Qt::LeftButton);
    presser({200, 125});
    QTest::keyClicks(fenetre_.etal->VPoint, QStringLiteral("10"));
    const QString texte = TexteBoiteApres([&] { QTest::mouseClick(fenetre_.etal->ok, Qt::LeftButton); });
    EXPECT_EQ(texte, QStringLiteral("Les deux points sont sur la même ligne du graphique : pas de conversion."));
    EXPECT_FALSE(fenetre_.modele.Converti);
    EXPECT_TRUE(fenetre_.actConversion->isEnabled());
    EXPECT_EQ(fenetre_.Graphe->Rendre(), avant);
}

TEST_F(MesuCourbeTest, ApparenceChangesTheGraphOnOkAndNothingOnCancel)
{
    mesurer();
    const QImage avant = fenetre_.Graphe->Rendre();
    DefinirExecutionChoixGraphe([](Tchoixgraphe &d) {
        d.titre->setText(QStringLiteral("raies du sodium"));
        return false;
    });
    fenetre_.actApparence->trigger();
    EXPECT_EQ(fenetre_.Graphe->Rendre(), avant);
    EXPECT_NE(fenetre_.modele.TitreGraphe, QStringLiteral("raies du sodium"));
    DefinirExecutionChoixGraphe([](Tchoixgraphe &d) {
        d.titre->setText(QStringLiteral("raies du sodium"));
        return true;
    });
    fenetre_.actApparence->trigger();
    DefinirExecutionChoixGraphe({});
    EXPECT_EQ(fenetre_.modele.TitreGraphe, QStringLiteral("raies du sodium"));
    EXPECT_EQ(fenetre_.Graphe->graphe().GraphTitle, QStringLiteral("raies du sodium"));
    EXPECT_NE(fenetre_.Graphe->Rendre(), avant);
    // The look stays through a background change, which redraws from the model.
    fenetre_.actFondBlanc->trigger();
    EXPECT_EQ(fenetre_.Graphe->graphe().GraphTitle, QStringLiteral("raies du sodium"));
}

TEST_F(MesuCourbeTest, WindowShowsTheWholeGraphOrScrollsAWideOne)
{
    mesurer();
    QApplication::processEvents();
    QScrollBar *horizontale = fenetre_.defilement->horizontalScrollBar();
    EXPECT_EQ(horizontale->maximum(), 0);
    EXPECT_GE(fenetre_.defilement->viewport()->width(), fenetre_.Graphe->width());
    EXPECT_GE(fenetre_.defilement->viewport()->height(), fenetre_.Graphe->height());

    // A line across a picture wider than the screen: the window stays on the
    // screen, the graph scrolls sideways and keeps its whole height in view.
    QImage large(4000, 20, QImage::Format_ARGB32);
    large.fill(qRgb(200, 100, 50));
    doc_.image = large;
    doc_.mesure.pointAppui = {10, 10};
    doc_.mesure.pointCourant = {3990, 10};
    mesurer();
    QApplication::processEvents();
    const QRect ecran = fenetre_.screen()->availableGeometry();
    EXPECT_LE(fenetre_.width(), ecran.width());
    EXPECT_GT(horizontale->maximum(), 0);
    EXPECT_GE(fenetre_.defilement->viewport()->height(), fenetre_.Graphe->height());
}

} // namespace
