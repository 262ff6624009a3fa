// The results table in the program, used as a pupil uses it: "&Tableau"
// opens the setup, values typed in the grid are plotted at each Enter,
// totals and means come and go, the graph is saved, copied and printed, the
// presentation editor's Cancel changes nothing, and series by classes have
// no graph. With KAPTORI_CAPTURES set to a folder, the windows are saved
// there as PNG.

#include "app/ui/boites_message.h"
#include "app/ui/gestimp.h"
#include "app/ui/main_window.h"
#include "commun/fichier_texte.h"
#include "document/formats/lecteur_image.h"
#include "plot/graphe.h"
#include "plot/ui/choix_graphe.h"
#include "plot/ui/vue_graphe.h"
#include "support/capture.h"
#include "support/essai_cadre.h"
#include "support/fichier_essai.h"
#include "support/pilote_dialogues.h"
#include "support/separateur.h"
#include "table/ui/choix_tableau.h"
#include "table/ui/grille_tableau.h"
#include "table/ui/tableau1.h"
#include "table/ui/tableau_modif.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class TableauCadre : public EssaiCadre {
protected:
    void SetUp() override
    {
        EssaiCadre::SetUp();
        cadre_ = std::make_unique<TMainForm>();
        cadre_->show();
        fenetre = cadre_->TableauModif;
        ASSERT_NE(fenetre, nullptr);
    }

    // "&Tableau" answered with these choices in the setup dialog.
    bool Ouvrir(const std::function<void(TChoix_T &)> &choix)
    {
        return PiloteDialogues::Executer(cadre_->actTableau, {PiloteDialogues::Quand<TChoix_T>([choix](TChoix_T &d) {
                                                 choix(d);
                                                 d.accept();
                                             })});
    }

    static void DeuxVariables(TChoix_T &d)
    {
        Capturer(d, QStringLiteral("choix_tableau_initial"));
        d.Titre->setText(QStringLiteral("Chute"));
        d.nombre_Y->setValue(2);
        d.DefinirNom(0, 1, QStringLiteral("t"));
        d.DefinirNom(0, 2, QStringLiteral("s"));
        d.DefinirNom(1, 1, QStringLiteral("h"));
        d.DefinirNom(1, 2, QStringLiteral("m"));
        d.DefinirNom(2, 1, QStringLiteral("T"));
        d.DefinirNom(2, 2, QStringLiteral("°C"));
        Capturer(d, QStringLiteral("choix_tableau_deux_y"));
    }

    // Types a value into the current cell and presses Enter, as on a keyboard.
    void Taper(const QString &texte)
    {
        GrilleTableau *g = fenetre->StringGrid1;
        QTest::keyClick(g, texte.at(0).toLatin1());
        QLineEdit *editeur = nullptr;
        for (QLineEdit *e : g->viewport()->findChildren<QLineEdit *>())
            if (e != fenetre->Ediparam && e->isVisible())
                editeur = e;
        ASSERT_NE(editeur, nullptr);
        QTest::keyClicks(editeur, texte.mid(1));
        QTest::keyClick(editeur, Qt::Key_Return);
    }

    void Aller(int colonne, int ligne)
    {
        fenetre->StringGrid1->setCurrentIndex(fenetre->StringGrid1->model()->index(ligne, colonne));
    }

    SeparateurTemporaire virgule{QLatin1Char(',')};
    TTableauModif *fenetre = nullptr;
};

TEST_F(TableauCadre, TypedValuesArePlottedAtEachEnterAndLinesAreAdded)
{
    ASSERT_TRUE(Ouvrir(DeuxVariables));
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(fenetre->windowTitle(), QStringLiteral("Chute"));
    TableauResultats &t = fenetre->tableau();
    EXPECT_EQ(t.Ligne(0), QStringList({"t", "h", "T"}));
    Aller(0, 2);
    for (const char *v : {"0", "0", "20", "1", "4.9", "21", "2", "19.6", "22"})
        Taper(QString::fromLatin1(v));
    EXPECT_EQ(t.NbLignes(), 6) << "each Enter in the last cell adds a line";
    EXPECT_EQ(t.Cellule(1, 3), QStringLiteral("4,9")) << "the point became the decimal comma";
    const TGraphe &g = fenetre->xyGraph1->graphe();
    EXPECT_EQ(g.TrouverSerie(1)->NombrePoints(), 3);
    EXPECT_EQ(g.TrouverSerie(2)->YDuPoint(2), 22);
    EXPECT_TRUE(g.TrouverSerie(2)->surY2);
    EXPECT_TRUE(g.Axe(AxeId::Y2).visible);

    fenetre->actTotaux->trigger();
    EXPECT_EQ(t.NbColonnes(), 5);
    EXPECT_EQ(t.Cellule(0, t.NbLignes() - 1), QStringLiteral("totaux"));
    EXPECT_EQ(t.Cellule(1, t.NbLignes() - 1), QStringLiteral("24,5"));
    Capturer(*fenetre, QStringLiteral("tableau_totaux"));
    fenetre->actMoyennes->trigger();
    EXPECT_FALSE(fenetre->actTotaux->isChecked());
    EXPECT_EQ(t.Cellule(3, 0), QStringLiteral("moyennes"));
    EXPECT_EQ(t.Cellule(3, 2), QStringLiteral("10"));
    Capturer(*fenetre, QStringLiteral("tableau_moyennes"));
}

TEST_F(TableauCadre, PointerOverThePlotReadsItsValues)
{
    ASSERT_TRUE(Ouvrir(DeuxVariables));
    TGraphe &g = fenetre->xyGraph1->graphe();
    const QRect z = g.ZoneTrace();
    fenetre->LirePosition(z.center());
    EXPECT_TRUE(fenetre->position->text().startsWith(QStringLiteral("t : "))) << fenetre->position->text().toStdString();
    EXPECT_TRUE(fenetre->position->text().contains(QStringLiteral("  T : ")));
    fenetre->LirePosition(QPoint(1, 1));
    EXPECT_TRUE(fenetre->position->text().isEmpty());
}

TEST_F(TableauCadre, SeriesByClassesHideTheGraphAndItsMenus)
{
    ASSERT_TRUE(Ouvrir([](TChoix_T &d) {
        d.series->setChecked(true);
        d.parClasses->setChecked(true);
        Capturer(d, QStringLiteral("choix_tableau_classes"));
    }));
    EXPECT_FALSE(fenetre->xyGraph1->isVisible());
    EXPECT_FALSE(fenetre->actCopierGraphique->isEnabled());
    EXPECT_FALSE(fenetre->actPresentation->isEnabled());
    EXPECT_FALSE(fenetre->actTout->isEnabled());
    EXPECT_TRUE(fenetre->actAjouterColonne->isEnabled());
    EXPECT_EQ(fenetre->tableau().Cellule(0, 1), QStringLiteral("///série"));
}

TEST_F(TableauCadre, SeriesHeaderIsEditedOverItsCell)
{
    ASSERT_TRUE(Ouvrir([](TChoix_T &d) { d.series->setChecked(true); }));
    fenetre->AjouterColonne();
    EXPECT_EQ(fenetre->tableau().NbSeries, 2);
    EXPECT_TRUE(fenetre->Y_grand->isVisible());
    GrilleTableau *g = fenetre->StringGrid1;
    const QRect cellule = g->visualRect(g->model()->index(2, 1));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cellule.center());
    ASSERT_TRUE(fenetre->Ediparam->isVisible());
    fenetre->Ediparam->setText(QStringLiteral("lot A"));
    QTest::keyClick(fenetre->Ediparam, Qt::Key_Return);
    EXPECT_FALSE(fenetre->Ediparam->isVisible());
    EXPECT_EQ(fenetre->tableau().Cellule(1, 2), QStringLiteral("lot A"));
    EXPECT_EQ(fenetre->xyGraph1->graphe().TrouverSerie(1)->nom, QStringLiteral("lot A"));
    Capturer(*fenetre, QStringLiteral("tableau_series"));
}

TEST_F(TableauCadre, SeveralSeriesArePlottedUnderTheirNames)
{
    ASSERT_TRUE(Ouvrir([](TChoix_T &d) {
        d.Titre->setText(QStringLiteral("Refroidissement"));
        d.series->setChecked(true);
        d.parParametre->setChecked(true);
        d.P_grandeur->setText(QStringLiteral("masse"));
        d.P_unite->setText(QStringLiteral("g"));
        d.DefinirNom(0, 1, QStringLiteral("temps"));
        d.DefinirNom(0, 2, QStringLiteral("min"));
        d.DefinirNom(1, 1, QStringLiteral("température"));
        d.DefinirNom(1, 2, QStringLiteral("°C"));
        Capturer(d, QStringLiteral("choix_tableau_series_parametre"));
    }));
    fenetre->AjouterColonne();
    fenetre->AjouterColonne();
    TableauResultats &t = fenetre->tableau();
    ASSERT_EQ(t.NbSeries, 3);
    const char *masses[] = {"50", "100", "200"};
    for (int k = 1; k <= 3; ++k)
        t.DefinirCellule(k, 2, QString::fromLatin1(masses[k - 1]));
    fenetre->TableauModifie();
    Aller(0, 3);
    for (int minute = 0; minute <= 10; minute += 2)
        for (int k = 0; k <= 3; ++k)
            Taper(k == 0 ? QString::number(minute) : QString::number(80 - minute * (4 - k) * 1.5, 'f', 1));
    const TGraphe &g = fenetre->xyGraph1->graphe();
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(g.TrouverSerie(k)->NombrePoints(), 6) << "series " << k;
        EXPECT_EQ(g.TrouverSerie(k)->nom, QStringLiteral("%1 g").arg(QString::fromLatin1(masses[k - 1])));
    }
    EXPECT_EQ(t.Cellule(0, 2), QStringLiteral("//masse (g)"));
    EXPECT_TRUE(fenetre->Y_grand->isVisible());
    EXPECT_EQ(fenetre->Y_grand->text(), QStringLiteral("température"));
    Capturer(*fenetre, QStringLiteral("tableau_trois_series"));
    Capturer(*fenetre->xyGraph1, QStringLiteral("graphe_trois_series"));
    fenetre->actMoyennes->trigger();
    Capturer(*fenetre, QStringLiteral("tableau_trois_series_moyennes"));
}

TEST_F(TableauCadre, GraphIsSavedOnlyWhenReplacingIsAccepted)
{
    ASSERT_TRUE(Ouvrir(DeuxVariables));
    TableauResultats &t = fenetre->tableau();
    t.DefinirCellule(0, 2, QStringLiteral("1"));
    t.DefinirCellule(1, 2, QStringLiteral("2"));
    t.DefinirCellule(2, 2, QStringLiteral("3"));
    fenetre->RafraichirGraphe();
    const QString chemin = Chemin(QStringLiteral("courbe.gif"));
    {
        ASSERT_TRUE(EcrireFichier(chemin, "ancien"));
    }
    QString filtreChoisi;
    fenetre->DemanderNomFichier = [&](const QString &, const QString &, const QString &filtre, const QString &) {
        filtreChoisi = filtre;
        return chemin;
    };
    reponse_ = QMessageBox::No;
    fenetre->actEnregistrerGraphique->trigger();
    EXPECT_EQ(filtreChoisi, QStringLiteral("Fichier Gif (*.Gif)"));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].startsWith(QStringLiteral("Voulez-vous remplacer le fichier ")));
    QFile ancien(chemin);
    ASSERT_TRUE(ancien.open(QIODevice::ReadOnly));
    EXPECT_EQ(ancien.readAll(), QByteArray("ancien"));
    ancien.close();

    reponse_ = QMessageBox::Yes;
    fenetre->actEnregistrerGraphique->trigger();
    QFile nouveau(chemin);
    ASSERT_TRUE(nouveau.open(QIODevice::ReadOnly));
    const QByteArray octets = nouveau.readAll();
    EXPECT_TRUE(DecoderTexte(CommentaireGif(octets)).startsWith(QStringLiteral("<SCALE=1;")));
    EXPECT_EQ(LireImage(chemin).size(), fenetre->xyGraph1->size());
}

TEST_F(TableauCadre, CopyPutsTheTextAndAnHtmlTable)
{
    ASSERT_TRUE(Ouvrir(DeuxVariables));
    fenetre->tableau().DefinirCellule(1, 2, QStringLiteral("2,5"));
    fenetre->actCopierTableau->trigger();
    const QMimeData *donnees = QApplication::clipboard()->mimeData();
    ASSERT_NE(donnees, nullptr);
    EXPECT_EQ(donnees->text(), fenetre->tableau().TexteTableau());
    EXPECT_TRUE(donnees->html().contains(QStringLiteral("x:num=\"2.5\"")));
    fenetre->actCopierGraphique->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), fenetre->xyGraph1->size());
}

// The text of a PDF file as pdftotext reads it.
QString TextePdf(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(TableauCadre, TablePrintsThroughThePrintDialogIntoAPdfFile)
{
    ASSERT_TRUE(Ouvrir(DeuxVariables));
    TableauResultats &t = fenetre->tableau();
    t.DefinirTaille(3, 2 + 90 + 1);
    for (int r = 0; r < 90; ++r) {
        t.DefinirCellule(0, 2 + r, QString::number(r));
        t.DefinirCellule(1, 2 + r, QStringLiteral("%1,5").arg(r));
        t.DefinirCellule(2, 2 + r, QString::number(1000 + r));
    }
    fenetre->TableauModifie();
    const QString pdf = Chemin(QStringLiteral("tableau.pdf"));
    // The dialog answered as a user does: the PDF printer and a file name.
    ASSERT_TRUE(PiloteDialogues::Executer(fenetre->actImprimerTableau,
                                          {PiloteDialogues::Quand<QPrintDialog>([&](QPrintDialog &d) {
                                              auto *imprimantes = d.findChild<QComboBox *>(QStringLiteral("printers"));
                                              ASSERT_NE(imprimantes, nullptr);
                                              for (int i = 0; i < imprimantes->count(); ++i)
                                                  if (imprimantes->itemText(i).contains(QStringLiteral("PDF")))
                                                      imprimantes->setCurrentIndex(i);
                                              auto *fichier = d.findChild<QLineEdit *>(QStringLiteral("filename"));
                                              ASSERT_NE(fichier, nullptr);
                                              fichier->setText(pdf);
                                              d.accept();
                                          })}));
    EXPECT_TRUE(messages_.isEmpty());
    const QString texte = TextePdf(pdf);
    // 91 rows under the header spread over pages titled with their number.
    EXPECT_TRUE(texte.contains(QStringLiteral("Chute (p 1 / ")));
    const int pages = static_cast<int>(texte.count(QStringLiteral("Chute (p ")));
    EXPECT_GE(pages, 2);
    EXPECT_TRUE(texte.contains(QStringLiteral("Chute (p %1 / %1)").arg(pages)));
    // The header row repeated on each page, the first and last values.
    EXPECT_EQ(texte.count(QRegularExpression(QStringLiteral("\\bt\\s+h\\s+T\\b"))), pages);
    EXPECT_TRUE(texte.contains(QRegularExpression(QStringLiteral("\\b0\\s+0,5\\s+1000\\b"))));
    EXPECT_TRUE(texte.contains(QRegularExpression(QStringLiteral("\\b89\\s+89,5\\s+1089\\b"))));
}

TEST_F(TableauCadre, GraphPrintsFromTheTableWindowIntoAPdfFile)
{
    ASSERT_TRUE(Ouvrir(DeuxVariables));
    Aller(0, 2);
    Taper(QStringLiteral("1"));
    Taper(QStringLiteral("10"));
    Taper(QStringLiteral("20"));
    const QString pdf = Chemin(QStringLiteral("graphique"));
    double rapport = 0;
    ASSERT_TRUE(PiloteDialogues::Executer(fenetre->actImprimerGraphique,
                                          {PiloteDialogues::Quand<Tgestimp>([&](Tgestimp &d) {
                                              auto *imprimante = d.findChild<QComboBox *>(QStringLiteral("imprimante"));
                                              ASSERT_NE(imprimante, nullptr);
                                              imprimante->setCurrentIndex(imprimante->findText(Tgestimp::TextePdf()));
                                              d.DemanderFichierPdf = [pdf](QWidget *) { return pdf; };
                                              rapport = d.miseEnPage().Rapport;
                                              d.accept();
                                          })}));
    EXPECT_TRUE(messages_.isEmpty());
    // The picture printed is the graph as shown, at its own proportions.
    const QSize taille = fenetre->xyGraph1->size();
    EXPECT_DOUBLE_EQ(rapport, static_cast<double>(taille.height()) / taille.width());
    QProcess liste;
    liste.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf + QStringLiteral(".pdf")});
    ASSERT_TRUE(liste.waitForFinished(30000));
    const QString images = QString::fromUtf8(liste.readAllStandardOutput());
    EXPECT_TRUE(images.contains(QRegularExpression(QStringLiteral("\\b%1\\s+%2\\b").arg(taille.width()).arg(taille.height()))))
        << images.toStdString();
}

TEST_F(TableauCadre, ToutEffacerEmptiesTheTableAndReopensTheSetup)
{
    ASSERT_TRUE(Ouvrir(DeuxVariables));
    Aller(0, 2);
    Taper(QStringLiteral("1"));
    Taper(QStringLiteral("10"));
    fenetre->actTotaux->trigger();
    reponse_ = QMessageBox::Yes;
    bool reglageOuvert = false;
    ASSERT_TRUE(PiloteDialogues::Executer(fenetre->actToutEffacer,
                                          {PiloteDialogues::Quand<TChoix_T>([&](TChoix_T &d) {
                                              reglageOuvert = true;
                                              d.Titre->setText(QStringLiteral("Refroidissement"));
                                              d.accept();
                                          })}));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0], QStringLiteral("Etes-vous sûr de vouloir effacer les données ?"));
    EXPECT_TRUE(reglageOuvert);
    const TableauResultats &t = fenetre->tableau();
    EXPECT_FALSE(t.Totaux());
    EXPECT_FALSE(fenetre->actTotaux->isChecked());
    EXPECT_EQ(t.NbLignes(), 3);
    EXPECT_TRUE(t.Cellule(0, 2).isEmpty());
    EXPECT_EQ(t.Titre, QStringLiteral("Refroidissement"));
    for (const auto &[numero, serie] : fenetre->xyGraph1->graphe().Series())
        EXPECT_EQ(serie.NombrePoints(), 0) << "series " << numero;
}

TEST_F(TableauCadre, ToutEffacerAnsweredNoKeepsEverything)
{
    ASSERT_TRUE(Ouvrir(DeuxVariables));
    Aller(0, 2);
    Taper(QStringLiteral("1"));
    Taper(QStringLiteral("10"));
    const QString avant = fenetre->tableau().TexteTableau();
    reponse_ = QMessageBox::No;
    EXPECT_TRUE(PiloteDialogues::Executer(fenetre->actToutEffacer, {}));
    EXPECT_EQ(fenetre->tableau().TexteTableau(), avant);
}

TEST_F(TableauCadre, PresentationCancelLeavesTheGraphAsItWas)
{
    ASSERT_TRUE(Ouvrir(DeuxVariables));
    const QImage avant = fenetre->xyGraph1->Rendre();
    DefinirExecutionChoixGraphe([](Tchoixgraphe &d) {
        d.titre->setText(QStringLiteral("changé"));
        d.croixZero->setChecked(true);
        return false;
    });
    fenetre->actPresentation->trigger();
    // A double click on the graph opens the same editor.
    int ouvertures = 0;
    DefinirExecutionChoixGraphe([&](Tchoixgraphe &) { return ++ouvertures, false; });
    QTest::mouseDClick(fenetre->xyGraph1, Qt::LeftButton, {}, fenetre->xyGraph1->rect().center());
    DefinirExecutionChoixGraphe({});
    EXPECT_EQ(ouvertures, 1);
    EXPECT_EQ(fenetre->xyGraph1->graphe().GraphTitle, QStringLiteral("Chute"));
    EXPECT_EQ(fenetre->xyGraph1->Rendre(), avant);
}

TEST_F(TableauCadre, ComputedColumnsAreRefusedWithoutAQuestion)
{
    ASSERT_TRUE(Ouvrir(DeuxVariables));
    fenetre->actTotaux->trigger();
    for (int c : {0, 3, 4}) {
        Aller(c, 2);
        fenetre->actSupprimerColonne->trigger();
    }
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_EQ(fenetre->tableau().NbColonnes(), 5);
    Aller(2, 2);
    reponse_ = QMessageBox::Yes;
    fenetre->actSupprimerColonne->trigger();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0], QStringLiteral("Voulez-vous supprimer la colonne ?"));
    EXPECT_EQ(fenetre->tableau().NbY, 1);
    EXPECT_FALSE(fenetre->xyGraph1->graphe().Axe(AxeId::Y2).visible);

    // Lines: the totals row is refused without a word, a data line is
    // deleted after the question.
    const int lignes = fenetre->tableau().NbLignes();
    Aller(0, lignes - 1);
    fenetre->actSupprimerLigne->trigger();
    EXPECT_EQ(messages_.size(), 1);
    Aller(0, 2);
    fenetre->actSupprimerLigne->trigger();
    ASSERT_EQ(messages_.size(), 2);
    EXPECT_EQ(messages_[1], QStringLiteral("Voulez-vous supprimer la ligne ?"));
    EXPECT_EQ(fenetre->tableau().Cellule(0, fenetre->tableau().NbLignes() - 1), QStringLiteral("totaux"));
}

TEST_F(TableauCadre, DeletingY1LeavesY2AsTheYVariableOfTheGraphAndTheSetup)
{
    ASSERT_TRUE(Ouvrir(DeuxVariables));
    Aller(1, 2);
    reponse_ = QMessageBox::Yes;
    fenetre->actSupprimerColonne->trigger();
    const TableauResultats &t = fenetre->tableau();
    EXPECT_EQ(t.Ligne(0), QStringList({"t", "T"}));
    EXPECT_EQ(fenetre->xyGraph1->graphe().Axe(AxeId::Y).titre, QStringLiteral("T (°C)"));
    EXPECT_EQ(fenetre->choix().nombre_Y->value(), 1);
    const ChoixTableau choix = fenetre->choix().Choix();
    EXPECT_EQ(choix.noms[1], QStringLiteral("T"));
    EXPECT_EQ(choix.unites[1], QStringLiteral("°C"));
}

TEST_F(TableauCadre, ToutEffacerCancelledLeavesAPlainVariablesTable)
{
    ASSERT_TRUE(Ouvrir([](TChoix_T &d) { d.series->setChecked(true); }));
    fenetre->AjouterColonne();
    reponse_ = QMessageBox::Yes;
    ASSERT_TRUE(PiloteDialogues::Executer(fenetre->actToutEffacer,
                                          {PiloteDialogues::Quand<TChoix_T>([](TChoix_T &d) { d.reject(); })}));
    EXPECT_FALSE(fenetre->tableau().ModeSeries);
    EXPECT_FALSE(fenetre->actAjouterColonne->isEnabled());
    // Row 2 is the entry row: a click there selects it for typing.
    GrilleTableau *g = fenetre->StringGrid1;
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(2, 1)).center());
    EXPECT_FALSE(fenetre->Ediparam->isVisible());
    EXPECT_TRUE(g->model()->flags(g->model()->index(2, 1)) & Qt::ItemIsEditable);
}

TEST_F(TableauCadre, SeriesByClassesFromTheGraphAloneBringTheTableBack)
{
    ASSERT_TRUE(Ouvrir(DeuxVariables));
    fenetre->actGrapheSeul->trigger();
    ASSERT_FALSE(fenetre->PanTab->isVisible());
    ASSERT_TRUE(PiloteDialogues::Executer(fenetre->actReglage, {PiloteDialogues::Quand<TChoix_T>([](TChoix_T &d) {
                                              d.series->setChecked(true);
                                              d.parClasses->setChecked(true);
                                              d.accept();
                                          })}));
    EXPECT_FALSE(fenetre->xyGraph1->isVisible());
    EXPECT_TRUE(fenetre->PanTab->isVisible());
    EXPECT_GT(fenetre->StringGrid1->width(), 0);
    EXPECT_TRUE(fenetre->actTout->isChecked());
    // Numeric X again: the graph comes back beside the table.
    ASSERT_TRUE(PiloteDialogues::Executer(fenetre->actReglage, {PiloteDialogues::Quand<TChoix_T>([](TChoix_T &d) {
                                              d.numerique->setChecked(true);
                                              d.accept();
                                          })}));
    EXPECT_TRUE(fenetre->xyGraph1->isVisible());
    EXPECT_TRUE(fenetre->PanTab->isVisible());
}

TEST_F(TableauCadre, GraphCommandsOfTheTableAloneStillGiveTheGraph)
{
    ASSERT_TRUE(Ouvrir(DeuxVariables));
    const QSize taille = fenetre->xyGraph1->size();
    ASSERT_FALSE(taille.isEmpty());
    fenetre->actTableauSeul->trigger();
    fenetre->actCopierGraphique->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), taille);
}

TEST_F(TableauCadre, DisplayModesShowTableGraphOrBoth)
{
    ASSERT_TRUE(Ouvrir(DeuxVariables));
    fenetre->actTableauSeul->trigger();
    EXPECT_FALSE(fenetre->xyGraph1->isVisible());
    EXPECT_TRUE(fenetre->PanTab->isVisible());
    Capturer(*fenetre, QStringLiteral("tableau_seul"));
    fenetre->actGrapheSeul->trigger();
    Capturer(*fenetre, QStringLiteral("graphe_seul"));
    EXPECT_FALSE(fenetre->PanTab->isVisible());
    EXPECT_TRUE(fenetre->xyGraph1->isVisible());
    EXPECT_GT(fenetre->xyGraph1->width(), fenetre->width() * 9 / 10);
    fenetre->actTout->trigger();
    EXPECT_TRUE(fenetre->PanTab->isVisible());
    EXPECT_TRUE(fenetre->xyGraph1->isVisible());
}

// Quitting the program never loses the values of the table without a word:
// values in no file ask "Enregistrer les valeurs du tableau « titre » ?";
// Annuler, a cancelled save or a failed one keep the program open.
class QuitterAvecTableau : public TableauCadre {
protected:
    // The frame's close box; true when the program may end.
    bool Quitter()
    {
        QCloseEvent evenement;
        QCoreApplication::sendEvent(cadre_.get(), &evenement);
        return evenement.isAccepted();
    }
    void Remplir()
    {
        ASSERT_TRUE(Ouvrir(DeuxVariables));
        Aller(0, 2);
        for (const char *v : {"0", "0", "20", "1", "4.9", "21"})
            Taper(QString::fromLatin1(v));
        fenetre->hide();
    }
    const QString question = QStringLiteral("Enregistrer les valeurs du tableau « Chute » ?");
};

TEST_F(QuitterAvecTableau, AnnulerKeepsTheProgramAndTheValuesNonLetsItEnd)
{
    Remplir();
    const QString avant = fenetre->tableau().TexteTableau();
    reponse_ = QMessageBox::Cancel;
    EXPECT_FALSE(Quitter());
    EXPECT_EQ(messages_, QStringList{question});
    EXPECT_TRUE(fenetre->isVisible()) << "the table shows what is asked about";
    EXPECT_EQ(fenetre->tableau().TexteTableau(), avant);

    messages_.clear();
    reponse_ = QMessageBox::No;
    EXPECT_TRUE(Quitter());
    EXPECT_EQ(messages_, QStringList{question});
}

TEST_F(QuitterAvecTableau, OuiSavesTheTextAndAFailedOrCancelledSaveKeepsTheProgramOpen)
{
    Remplir();
    reponse_ = QMessageBox::Yes;
    fenetre->DemanderNomFichier = [](const QString &, const QString &, const QString &, const QString &) {
        return QString();
    };
    EXPECT_FALSE(Quitter()) << "the save dialog cancelled";

    messages_.clear();
    const QString absent = Chemin(QStringLiteral("absent/chute.txt"));
    fenetre->DemanderNomFichier = [&](const QString &, const QString &, const QString &, const QString &) {
        return absent;
    };
    EXPECT_FALSE(Quitter()) << "a folder that does not exist";
    ASSERT_EQ(messages_.size(), 2);
    EXPECT_TRUE(messages_[1].startsWith(QStringLiteral("Impossible de créer le fichier"))) << messages_[1].toStdString();

    messages_.clear();
    const QString chemin = Chemin(QStringLiteral("chute.txt"));
    fenetre->DemanderNomFichier = [&](const QString &, const QString &, const QString &, const QString &) {
        return chemin;
    };
    EXPECT_TRUE(Quitter());
    EXPECT_EQ(messages_, QStringList{question});
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(DecoderTexte(f.readAll()), fenetre->tableau().TexteTableau());
}

TEST_F(QuitterAvecTableau, ASavedFreshOrClearedTableEndsWithoutAQuestion)
{
    EXPECT_TRUE(Quitter()) << "a fresh table holds nothing";
    EXPECT_TRUE(messages_.isEmpty());

    Remplir();
    const QString chemin = Chemin(QStringLiteral("chute.txt"));
    fenetre->DemanderNomFichier = [&](const QString &, const QString &, const QString &, const QString &) {
        return chemin;
    };
    fenetre->actEnregistrerTableau->trigger();
    ASSERT_TRUE(QFile::exists(chemin));
    EXPECT_TRUE(Quitter());
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join(QLatin1Char('\n')).toStdString();

    // A value typed after the save is in no file.
    fenetre->show();
    Aller(1, 3);
    Taper(QStringLiteral("5"));
    reponse_ = QMessageBox::Cancel;
    EXPECT_FALSE(Quitter());
    EXPECT_EQ(messages_, QStringList{question});

    messages_.clear();
    reponse_ = QMessageBox::Yes; // "Etes-vous sûr de vouloir effacer les données ?"
    PiloteDialogues::Executer(fenetre->actToutEffacer, {PiloteDialogues::Quand<TChoix_T>([](TChoix_T &d) { d.reject(); })});
    messages_.clear();
    EXPECT_TRUE(Quitter());
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join(QLatin1Char('\n')).toStdString();
}

TEST_F(QuitterAvecTableau, TheCloseBoxHidesTheTableAndKeepsItsValues)
{
    Remplir();
    fenetre->show();
    const QString avant = fenetre->tableau().TexteTableau();
    EXPECT_TRUE(fenetre->close());
    EXPECT_FALSE(fenetre->isVisible());
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_EQ(cadre_->TableauModif, fenetre);
    EXPECT_EQ(fenetre->tableau().TexteTableau(), avant);
    fenetre->actFermer->trigger();
    EXPECT_EQ(fenetre->tableau().TexteTableau(), avant);
}

// The grid of a red profile: its two header rows, then rows 2 to n − 1
// holding the row number and the value made of it.
std::vector<QStringList> GrillePositionRouge(int n, const std::function<QString(int)> &valeur)
{
    std::vector<QStringList> lignes{{"position", "rouge"}, {"mm", "%"}};
    for (int r = 2; r < n; ++r)
        lignes.push_back({QString::number(r), valeur(r)});
    return lignes;
}

TEST(Tableau1, SelectedRowsAreTheCaptionTheHeadersAndTheSelection)
{
    TTableau1 f;
    f.DefinirGrille(GrillePositionRouge(130, [](int r) { return QString::number(2 * r); }));
    f.SelectionnerLignes(50, 120);
    const QStringList texte = f.Texte(true).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(texte.size(), 1 + 2 + 71);
    EXPECT_EQ(texte[0], QStringLiteral("Résultats"));
    EXPECT_EQ(texte[2], QStringLiteral("mm\t%"));
    EXPECT_EQ(texte[3], QStringLiteral("50\t100"));
    EXPECT_EQ(texte.last(), QStringLiteral("120\t240"));
    EXPECT_EQ(f.Texte(false).count(QStringLiteral("\r\n")), 131);
}

TEST(Tableau1, CopiedSelectionPastesTheSameRowsAsTextAndAsTable)
{
    TTableau1 f;
    f.DefinirGrille(GrillePositionRouge(30, [](int r) { return QStringLiteral("v%1").arg(r); }));
    f.SelectionnerLignes(10, 12);
    f.actCopierSelection->trigger();
    const QMimeData *donnees = QApplication::clipboard()->mimeData();
    ASSERT_NE(donnees, nullptr);
    EXPECT_EQ(donnees->text().count(QStringLiteral("\r\n")), 1 + 2 + 3);
    const QString html = donnees->html();
    EXPECT_EQ(html.count(QStringLiteral("<tr>")), 2 + 3);
    EXPECT_TRUE(html.contains(QStringLiteral(">v10<")));
    EXPECT_TRUE(html.contains(QStringLiteral(">v12<")));
    EXPECT_FALSE(html.contains(QStringLiteral(">v9<")));
    EXPECT_FALSE(html.contains(QStringLiteral(">v13<")));
    f.actCopierTout->trigger();
    EXPECT_EQ(QApplication::clipboard()->mimeData()->html().count(QStringLiteral("<tr>")), 30);
}

} // namespace
