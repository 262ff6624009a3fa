// The presentation editor works on a copy: Cancel leaves the caller's graph,
// its series and its picture exactly as they were; OK hands every change
// back. Its controls start from the graph, hold their ranges, and a refused
// step count springs back.

#include "plot/graphe.h"
#include "plot/rendu_graphe.h"
#include "plot/ui/choix_graphe.h"
#include "plot/ui/vue_graphe.h"
#include "support/capture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

TGraphe GrapheAvecSeries()
{
    TGraphe g;
    g.DefinirTaille(QSize(400, 300));
    g.Serie(1).nom = QStringLiteral("hauteur");
    g.Serie(1).AjouterPoint(0, 1);
    g.Serie(1).AjouterPoint(1, 3);
    g.Serie(2).nom = QStringLiteral("T");
    g.Serie(2).AjouterPoint(0, 5);
    g.MettreAJourAxes();
    return g;
}

// Runs EditerReglagesGraphe with `modifier` acting on the dialog, then OK or Cancel.
void Editer(TGraphe &g, const std::function<void(Tchoixgraphe &)> &modifier, bool ok)
{
    DefinirExecutionChoixGraphe([&](Tchoixgraphe &d) {
        modifier(d);
        return ok;
    });
    EditerReglagesGraphe(nullptr, g);
    DefinirExecutionChoixGraphe({});
}

void Modifier(Tchoixgraphe &d)
{
    d.titre->setText(QStringLiteral("Autre"));
    d.margeGauche->setValue(100);
    d.styleGrille->setCurrentIndex(2); // "Tirets"
    d.seriesExistantes->setCurrentRow(1);
    d.etatsLegende->setCurrentRow(0);
    d.croixZero->setChecked(true);
}

TEST(ChoixGraphe, CancelLeavesGraphSeriesAndPictureAsTheyWere)
{
    TGraphe g = GrapheAvecSeries();
    const QImage avant = RendreGraphe(g);
    Editer(g, Modifier, false);
    EXPECT_EQ(g.GraphTitle, QStringLiteral("Titre"));
    EXPECT_EQ(g.LeftMargin, 60);
    EXPECT_EQ(g.TrouverSerie(2)->etatLegende, EtatLegende::PointEtLigne);
    EXPECT_EQ(g.TrouverSerie(1)->NombrePoints(), 2);
    EXPECT_EQ(g.Taille(), QSize(400, 300));
    EXPECT_EQ(RendreGraphe(g), avant);
}

TEST(ChoixGraphe, OkHandsEveryChangeBack)
{
    TGraphe g = GrapheAvecSeries();
    Editer(g, Modifier, true);
    EXPECT_EQ(g.GraphTitle, QStringLiteral("Autre"));
    EXPECT_EQ(g.LeftMargin, 100);
    EXPECT_EQ(g.GridStyle, 1);
    EXPECT_TRUE(g.CrossAtZero);
    EXPECT_EQ(g.TrouverSerie(2)->etatLegende, EtatLegende::NonAffiche);
    EXPECT_EQ(g.TrouverSerie(1)->etatLegende, EtatLegende::PointEtLigne);
    EXPECT_EQ(g.Taille(), QSize(400, 300));
}

TEST(ChoixGraphe, ControlsStartFromTheGraphOnTheAxesTab)
{
    TGraphe g = GrapheAvecSeries();
    g.GridStyle = 3;
    g.Legende.Layout = 7;
    Tchoixgraphe d;
    d.Preparer(g);
    EXPECT_TRUE(d.EditionActive);
    EXPECT_EQ(d.onglets->tabText(d.onglets->currentIndex()), QStringLiteral("Tous Axes"));
    EXPECT_EQ(d.styleGrille->currentText(), QStringLiteral("Tiret Point"));
    EXPECT_FALSE(d.traverser->isChecked());
    EXPECT_FALSE(d.versLeBas->isChecked());
    EXPECT_EQ(d.seriesExistantes->count(), 2);
    EXPECT_EQ(d.seriesExistantes->currentRow(), 0);
    EXPECT_EQ(d.etatsLegende->currentRow(), 4);
    EXPECT_EQ(d.fGraph->graphe().Taille(), QSize(400, 300));
}

TEST(ChoixGraphe, GraphWithoutSeriesDisablesTheStateList)
{
    Tchoixgraphe d;
    d.Preparer(TGraphe());
    EXPECT_EQ(d.seriesExistantes->count(), 0);
    EXPECT_FALSE(d.etatsLegende->isEnabled());
}

TEST(ChoixGraphe, MarginsAreHeldTo2To400AndRefusedStepsSpringBack)
{
    Tchoixgraphe d;
    d.Preparer(GrapheAvecSeries());
    d.margeHaut->setValue(1);
    d.margeBas->setValue(900);
    EXPECT_EQ(d.fGraph->graphe().TopMargin, 2);
    EXPECT_EQ(d.fGraph->graphe().BottomMargin, 400);
    d.graduationsMax->setValue(12); // not above 2,5 x 5
    EXPECT_EQ(d.graduationsMax->value(), 50);
    EXPECT_EQ(d.fGraph->graphe().MaxSteps(), 50);
    d.graduationsMin->setValue(10);
    EXPECT_EQ(d.fGraph->graphe().MinSteps(), 10);
    d.graduationsMax->setValue(24);
    EXPECT_EQ(d.graduationsMax->value(), 50);
    d.graduationsMax->setValue(90);
    EXPECT_EQ(d.fGraph->graphe().MaxSteps(), 90);
}

TEST(ChoixGraphe, PreviewButtonSwitchesPagesAndItsCaption)
{
    Tchoixgraphe d;
    d.Preparer(GrapheAvecSeries());
    EXPECT_EQ(d.apercu->text(), QStringLiteral("Apperçu"));
    d.ChangerPage();
    EXPECT_EQ(d.pages->currentIndex(), 1);
    EXPECT_EQ(d.apercu->text(), QStringLiteral("Choix"));
    d.show();
    Capturer(d, QStringLiteral("choix_graphe_apercu"));
    d.ChangerPage();
    EXPECT_EQ(d.apercu->text(), QStringLiteral("Apperçu"));
    for (int i = 0; i < 3; ++i) {
        d.onglets->setCurrentIndex(i);
        Capturer(d, QStringLiteral("choix_graphe_onglet%1").arg(i));
    }
}

TEST(VueGraphe, ReportsPointerPositionsInGraphPixels)
{
    TVueGraphe vue;
    vue.resize(300, 200);
    QPoint recu;
    QObject::connect(&vue, &TVueGraphe::pointeurDeplace, [&](QPoint p) { recu = p; });
    vue.show();
    QMouseEvent deplacement(QEvent::MouseMove, QPointF(120, 80), QPointF(120, 80), Qt::NoButton, Qt::NoButton,
                            Qt::NoModifier);
    QApplication::sendEvent(&vue, &deplacement);
    EXPECT_EQ(recu, QPoint(120, 80));
    EXPECT_EQ(vue.graphe().Taille(), QSize(300, 200));
    EXPECT_EQ(vue.Rendre().size(), QSize(300, 200));
}

} // namespace
