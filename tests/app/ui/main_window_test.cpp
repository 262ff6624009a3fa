// The frame: its state without a document, its menus, the start-up files and
// the help menu, configuration files, the command line, zoom, synchronisation
// with the active document, new images, pasting and failed opening.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "app/ui/saisie_nom.h"
#include "app/ui/taille_nouvelle_image.h"
#include "document/ui/fenetre_document.h"
#include "support/capture.h"
#include "support/essai_cadre.h"
#include "support/fichier_essai.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QBuffer>
#include <QRegularExpression>
#include <QtEndian>
#include <QStatusBar>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList Legendes(const QList<QAction *> &actions)
{
    QStringList legendes;
    for (QAction *a : actions)
        legendes.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    return legendes;
}

class Cadre : public EssaiCadre {
protected:
    TMainForm &Cadre_()
    {
        if (!cadre_) {
            cadre_ = std::make_unique<TMainForm>();
            cadre_->ouvrirParLeBureau = [this](const QString &chemin) {
                bureau_.append(chemin);
                return QFile::exists(chemin);
            };
            cadre_->resize(1000, 800);
        }
        return *cadre_;
    }
    void Ecrire(const QString &nom, const QByteArray &contenu) const
    {
        ASSERT_TRUE(EcrireFichier(Chemin(nom), contenu));
    }
    QString Image(const QString &nom, QSize taille = QSize(40, 30), QColor couleur = Qt::red) const
    {
        QImage image(taille, QImage::Format_ARGB32);
        image.fill(couleur);
        image.save(Chemin(nom));
        return Chemin(nom);
    }
    QStringList Titres()
    {
        QStringList titres;
        for (TMDIChild *d : Cadre_().Documents())
            titres.append(d->windowTitle());
        return titres;
    }

    QStringList bureau_;
};

TEST_F(Cadre, StartsWithoutStartupFilesAsAnEmptyFrameTitledKaptori)
{
    TMainForm &f = Cadre_();
    f.PremiereActivation();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("KAPTORI"));
    EXPECT_FALSE(f.BarreFenetre->isHidden());
    EXPECT_TRUE(f.BarreOutils->isHidden());
    EXPECT_TRUE(f.Coul_taille->isHidden());
    EXPECT_TRUE(f.BarreChoix->isHidden());
    EXPECT_FALSE(f.menuImage->menuAction()->isVisible());
    EXPECT_FALSE(f.menuChoix->menuAction()->isVisible());
    EXPECT_FALSE(f.actComptage->isEnabled());
    EXPECT_EQ(f.NbItemsAideFixes, 4);
    EXPECT_TRUE(f.ListeFichAide.isEmpty());
    EXPECT_EQ(f.TextePanneau(1), QStringLiteral("outil : crayon"));
    EXPECT_EQ(f.TextePanneau(2), QStringLiteral("RVBLS"));
    EXPECT_EQ(f.TextePanneau(3), QStringLiteral("mesure"));
    EXPECT_TRUE(f.TextePanneau(0).isEmpty());
    EXPECT_TRUE(f.TextePanneau(4).isEmpty());
}

TEST_F(Cadre, MenusCarryTheirFrenchCaptionsAndShortcuts)
{
    TMainForm &f = Cadre_();
    QStringList menus;
    for (QAction *a : f.menuBar()->actions())
        menus.append(a->text());
    EXPECT_EQ(menus, (QStringList{"&Fichier", "&Edition", "&Outils", "Fe&nêtre", "&Image", "&Choix", "&Aide"}));
    EXPECT_EQ(Legendes(f.menuFichier->actions()),
              (QStringList{"&Nouveau", "&Ouvrir", "&Fermer", "&Enregistrer sous...", "Ouvrir &Configuration",
                           "&Imprimer", "&Choix de la source", "&Acquérir", "&Quitter"}));
    EXPECT_EQ(Legendes(f.menuEdition->actions()),
              (QStringList{"Annuler", "&Effacer les tracés", "&Supprimer un élément", "Copier",
                           "Co&ller comme nouvelle image", "Copier la &sélection", "Copier avec les points",
                           "&Recadrer"}));
    EXPECT_EQ(Legendes(f.menuZoom->actions()), (QStringList{"1:1", "&Augmenter", "&Diminuer"}));
    EXPECT_EQ(Legendes(f.menuAide->actions()), (QStringList{"&A propos...", "-", "&Charger un fichier", "-"}));
    EXPECT_EQ(f.actNouveau->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(f.actOuvrir->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(f.actEnregistrerSous->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(f.actCollerNouvelleImage->shortcut(), QKeySequence(QStringLiteral("Shift+Ins")));
    EXPECT_FALSE(f.actCopier->isEnabled());
    EXPECT_FALSE(f.actAnnuler->isEnabled());
    // The seven measurement types, then "Mesures multiples" at the foot.
    EXPECT_EQ(f.menuMesures->actions().size(), 9);
    EXPECT_EQ(f.menuMesures->actions().at(6)->text(), QStringLiteral("L&umière sous ce qui est coloré"));
    EXPECT_TRUE(f.menuMesures->actions().at(7)->isSeparator());
    EXPECT_EQ(f.menuMesures->actions().at(8), f.actMesuresMultiples);
    EXPECT_EQ(f.actMesuresMultiples->text(), QStringLiteral("Mesures multiples"));
}

TEST_F(Cadre, ToolWindowImageAndChoiceMenusCarryTheirFrenchCaptions)
{
    TMainForm &f = Cadre_();
    EXPECT_EQ(Legendes(f.menuOutils->actions()),
              (QStringList{"&Calculatrice", "&Tableau", "&Schéma", "C&omptage", "Créer une &animation",
                           "&Decomposer l'animation", "&Combinaison d'images", "&Pixellisation",
                           "Composition &fausses couleurs"}));
    EXPECT_EQ(Legendes(f.menuCombinaison->actions()), (QStringList{"&Algébrique", "&Logique"}));
    EXPECT_EQ(Legendes(f.menuFenetre->actions()),
              (QStringList{"&Animation", "&Cascade", "Mosaïque &horizontale", "Mosaïque &verticale", "&Tout réduire",
                           "&Tout réorganiser"}));
    EXPECT_EQ(Legendes(f.menuImage->actions()),
              (QStringList{"&Zoom", "Créer/modifier l'&Echelle", "Définir le coda&ge des couleurs",
                           "Ajouter la légende de l'échelle", "&Ajouter la légende des couleurs", "&Redimensionner",
                           "A&grandir le canevas", "&Niveaux de gris", "&Inverser", "Faire le &blanc",
                           "Délimiter des &zones", "&Histogrammes et filtres", "&Décomposition", "No&mmer la fenêtre",
                           "Ajouter un quadrillage", "Transformation"}));
    EXPECT_EQ(Legendes(f.menuDecomposition->actions()), (QStringList{"en images &colorées", "en images &grises"}));
    EXPECT_EQ(Legendes(f.menuTransformation->actions()),
              (QStringList{"Symétrie horizontale", "Symétrie verticale", "Rotation de 90°", "Rotation de 180 °",
                           "Rotation de 270 °"}));
    EXPECT_EQ(Legendes(f.menuChoix->actions()),
              (QStringList{"&Couleur", "Outil de &mesure", "Afficher/masquer le &Décodage des couleurs",
                           "&Canaux affichés"}));
    EXPECT_EQ(Legendes(f.menuCouleur->actions()), (QStringList{"du &crayon", "du &fond"}));
    EXPECT_EQ(f.actSchema->statusTip(), QStringLiteral("Appeler le logiciel Schéma"));
    EXPECT_FALSE(f.actCanauxAffiches->isVisible()) << "only for documents with a choice of channels";
}

TEST_F(Cadre, RightClickOnTheToolBarsOffersNoMenuToHideThem)
{
    TMainForm &f = Cadre_();
    f.show();
    bool menuOuvert = false;
    QTimer::singleShot(0, [&] {
        if (QWidget *menu = QApplication::activePopupWidget()) {
            menuOuvert = true;
            menu->close();
        }
    });
    QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(5, 5), f.BarreFenetre->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(f.BarreFenetre, &clic);
    QCoreApplication::processEvents();
    EXPECT_FALSE(menuOuvert);
    EXPECT_FALSE(f.BarreFenetre->isHidden());
}

TEST_F(Cadre, IconButtonsNameTheirCommandsInTheirHints)
{
    TMainForm &f = Cadre_();
    QStringList bulles;
    for (QAction *a : f.BarreFenetre->actions())
        if (!a->isSeparator()) {
            bulles.append(a->toolTip());
            EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
        }
    EXPECT_EQ(bulles, (QStringList{"Nouveau", "Ouvrir", "Enregistrer sous", "Imprimer", "Quitter", "Annuler", "Copier",
                                   "Copier la sélection", "Coller", "Recadrer"}));
    QStringList outils;
    for (QAction *a : f.boutonsOutils) {
        outils.append(a->toolTip());
        EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
    }
    EXPECT_EQ(outils, (QStringList{"crayon", "ligne", "forme", "gomme", "texte", "mesure", "pot de peinture", "pipette",
                                   "sélection", "comptage"}));
}

TEST_F(Cadre, StatusBarPanelsHaveTheirWidthsAndAlignment)
{
    TMainForm &f = Cadre_();
    f.show();
    QList<QLabel *> panneaux;
    for (QLabel *l : f.statusBar()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        panneaux.append(l);
    ASSERT_GE(panneaux.size(), 5);
    const int largeurs[] = {150, 150, 160, 95};
    for (int i = 0; i < 4; ++i)
        EXPECT_GE(panneaux[i]->width(), largeurs[i]) << "panel " << i;
    EXPECT_EQ(panneaux[0]->width(), 150);
    EXPECT_EQ(panneaux[1]->width(), 150);
    EXPECT_GE(panneaux[4]->width(), 150);
    // The widest colour and position readouts show whole in the running font.
    const QFontMetrics mesure(panneaux[2]->font());
    EXPECT_GE(panneaux[2]->contentsRect().width(), mesure.horizontalAdvance(QStringLiteral("RVBLS:255,255,255,765,255")));
    EXPECT_GE(panneaux[3]->contentsRect().width(), mesure.horizontalAdvance(QStringLiteral("X:32767;Y:32767")));
    EXPECT_TRUE(panneaux[0]->alignment() & Qt::AlignLeft);
    for (int i = 1; i < 5; ++i)
        EXPECT_TRUE(panneaux[i]->alignment() & Qt::AlignHCenter) << "panel " << i;
}

TEST_F(Cadre, HelpFileWithOneEntryAddsItsItemAndATrailingSeparator)
{
    Ecrire(QStringLiteral("FichAide.txt"), "guide.htm,&Guide de l'\xe9l\xe8ve\r\n");
    Ecrire(QStringLiteral("guide.htm"), "<html></html>");
    TMainForm &f = Cadre_();
    EXPECT_EQ(Legendes(f.menuAide->actions()),
              (QStringList{"&A propos...", "-", "&Charger un fichier", "-", "&Guide de l'élève", "-"}));
    EXPECT_TRUE(f.separateurAide->isVisible());
    EXPECT_EQ(f.NbItemsAideFixes, 6);
    ASSERT_EQ(f.ListeFichAide.size(), 2);
    EXPECT_EQ(f.ListeFichAide[1], QStringLiteral("-"));

    f.menuAide->actions().at(4)->trigger();
    ASSERT_EQ(bureau_.size(), 1);
    EXPECT_EQ(QFileInfo(bureau_[0]).canonicalFilePath(), QFileInfo(Chemin("guide.htm")).canonicalFilePath());
    EXPECT_FALSE(f.menuAide->actions().at(4)->isChecked()) << "items of FichAide.txt are not checked";
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(Cadre, ConfigurationNamedInTheHelpFileWithAWindowsFolderIsLoadedAtFirstActivation)
{
    // "FichAide.txt" written on Windows: "\\" between folders, another case.
    QDir(dossier_.path()).mkdir(QStringLiteral("cours"));
    Ecrire(QStringLiteral("cours/sciences.cfm"), "y.htm,Sciences,NON\r\n");
    Ecrire(QStringLiteral("FichAide.txt"), "cours\\Sciences.CFM\r\n");
    TMainForm &f = Cadre_();
    f.PremiereActivation();
    EXPECT_EQ(f.menuAide->actions().last()->text(), QStringLiteral("Sciences"));
}

TEST_F(Cadre, HelpItemWhoseDocumentIsMissingSaysFileNotFound)
{
    Ecrire(QStringLiteral("FichAide.txt"), "absent.htm,Absent\r\n");
    TMainForm &f = Cadre_();
    f.menuAide->actions().at(4)->trigger();
    EXPECT_EQ(messages_, QStringList{QStringLiteral("Fichier non trouvé")});
}

TEST_F(Cadre, SecondConfigurationFileReplacesTheItemsOfTheFirst)
{
    Ecrire(QStringLiteral("FichAide.txt"), "guide.htm,Guide\r\n");
    Ecrire(QStringLiteral("un.cfm"), "a.htm,Premier A,NON\r\nb.htm,Premier B,non\r\n");
    Ecrire(QStringLiteral("deux.cfm"), "c.htm,Second C,NON\r\n");
    TMainForm &f = Cadre_();
    f.ChargerConfiguration(Chemin("un.cfm"));
    EXPECT_EQ(Legendes(f.menuAide->actions()).mid(4), (QStringList{"Guide", "-", "Premier A", "Premier B"}));
    f.ChargerConfiguration(Chemin("deux.cfm"));
    EXPECT_EQ(Legendes(f.menuAide->actions()).mid(4), (QStringList{"Guide", "-", "Second C"}));
    ASSERT_EQ(f.ListeFichAide.size(), 3);
    EXPECT_TRUE(f.ListeFichAide[2].endsWith(QStringLiteral("c.htm")));
}

TEST_F(Cadre, ConfigurationItemWithFlagOuiOpensAtOnceAndIsChecked)
{
    Ecrire(QStringLiteral("cours.htm"), "x");
    Ecrire(QStringLiteral("cours.cfm"), "cours.htm,Cours,oui\r\n");
    TMainForm &f = Cadre_();
    f.ChargerConfiguration(Chemin("cours.cfm"));
    EXPECT_EQ(bureau_.size(), 1);
    EXPECT_TRUE(f.menuAide->actions().last()->isChecked());
}

TEST_F(Cadre, ConfigurationDocumentMissingFromTheCurrentDirectoryIsTakenBesideTheConfigurationFile)
{
    QDir(dossier_.path()).mkdir(QStringLiteral("ailleurs"));
    Ecrire(QStringLiteral("ailleurs/guide.htm"), "x");
    Ecrire(QStringLiteral("ailleurs/cours.cfm"), "guide.htm,Guide,OUI\r\n");
    TMainForm &f = Cadre_();
    f.ChargerConfiguration(Chemin("ailleurs/cours.cfm"));
    ASSERT_EQ(bureau_.size(), 1);
    EXPECT_EQ(QFileInfo(bureau_[0]).canonicalFilePath(), QFileInfo(Chemin("ailleurs/guide.htm")).canonicalFilePath());
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(Cadre, KprCfgFirstLineBecomesTheCaptionAtFirstActivation)
{
    Ecrire(QStringLiteral("kpr.cfg"), "KAPTORI coll\xe8ge\r\n");
    TMainForm &f = Cadre_();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("KAPTORI"));
    f.PremiereActivation();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("KAPTORI collège"));
}

TEST_F(Cadre, CommandLineTellsAMissingFileAndOpensTheFollowingOnes)
{
    const QString a = Image(QStringLiteral("a.bmp"));
    const QString b = Image(QStringLiteral("b.png"));
    const QString c = Image(QStringLiteral("c.bmp"));
    TMainForm &f = Cadre_();
    f.DefinirLigneCommande({a, b, Chemin("missing.png"), QString(), c});
    f.PremiereActivation();
    EXPECT_EQ(Titres(), (QStringList{a, b, c}));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_.first(),
              QStringLiteral("Le fichier « %1 » est introuvable.").arg(QDir::toNativeSeparators(Chemin("missing.png"))));
}

// Opened from the file manager, a scale or colour-code file opens the
// picture it sits beside, which reads it; one with no picture says so.
TEST_F(Cadre, CommandLineSideFileOpensThePictureItBelongsTo)
{
    const QString photo = Image(QStringLiteral("photo.png"));
    Ecrire(QStringLiteral("photo.sca"), "<SCALE=0;2;mm;>\r\n");
    Ecrire(QStringLiteral("seule.ccc"), "x\r\n");
    TMainForm &f = Cadre_();
    f.DefinirLigneCommande({Chemin("photo.sca"), Chemin("seule.ccc")});
    f.PremiereActivation();
    EXPECT_EQ(Titres(), QStringList{photo});
    ASSERT_EQ(f.Documents().size(), 1);
    EXPECT_EQ(f.Documents().front()->document().echelle.Unite, QStringLiteral("mm"));
    EXPECT_EQ(messages_, QStringList{QStringLiteral("Aucune image ne correspond au fichier seule.ccc")});
}

TEST_F(Cadre, CommandLineConfigurationFileIsLookedUpInTheCurrentDirectory)
{
    QDir(dossier_.path()).mkdir(QStringLiteral("ailleurs"));
    Ecrire(QStringLiteral("ailleurs/cours.cfm"), "x.htm,Ailleurs,NON\r\n");
    Ecrire(QStringLiteral("cours.cfm"), "y.htm,Ici,NON\r\n");
    TMainForm &f = Cadre_();
    f.DefinirLigneCommande({Chemin("ailleurs/cours.cfm")});
    f.PremiereActivation();
    EXPECT_EQ(f.menuAide->actions().last()->text(), QStringLiteral("Ici"));
}

// The command line hands an animation list to the player and goes on with
// the next argument; only the open dialog's selection ends at an animation.
TEST_F(Cadre, CommandLineHelpDocumentGoesToTheDesktopAndPicturesListedInExtImgOpenInside)
{
    Ecrire(QStringLiteral("Ext_Aide.txt"), ".htm\r\n.PNG\r\n");
    Ecrire(QStringLiteral("ExtImg.txt"), ".png\r\n");
    Ecrire(QStringLiteral("cours.HTM"), "<html></html>");
    const QString planche = Image(QStringLiteral("planche.png"));
    TMainForm &f = Cadre_();
    f.DefinirLigneCommande({Chemin("cours.HTM"), planche});
    f.PremiereActivation();
    ASSERT_EQ(bureau_.size(), 1) << "the help page goes to the desktop";
    EXPECT_EQ(QFileInfo(bureau_[0]).fileName(), QStringLiteral("cours.HTM"));
    EXPECT_EQ(f.Documents().size(), 1) << "a help picture listed in ExtImg.txt opens inside the program";
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(Cadre, HelpPictureThatCannotBeReadFailsSilently)
{
    Ecrire(QStringLiteral("ExtImg.txt"), ".png\r\n");
    Ecrire(QStringLiteral("abime.png"), "pas une image");
    TMainForm &f = Cadre_();
    f.OuvrirDocumentAide(Chemin("abime.png"));
    EXPECT_TRUE(f.Documents().isEmpty());
    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_TRUE(bureau_.isEmpty());
}

TEST_F(Cadre, CalculatorStartsTheFirstOneFoundOnThePathAndNothingWithoutOne)
{
    TMainForm &f = Cadre_();
    QStringList lances;
    f.lancerProgramme = [&](const QString &programme) {
        lances.append(programme);
        return true;
    };
    const QByteArray ancienPath = qgetenv("PATH");
    QDir(dossier_.path()).mkdir(QStringLiteral("bin"));
    for (const char *nom : {"xcalc", "galculator"}) {
        const QString chemin = Chemin(QStringLiteral("bin/") + QLatin1String(nom));
        Ecrire(QStringLiteral("bin/") + QLatin1String(nom), "#!/bin/sh\n");
        QFile::setPermissions(chemin, QFile::ReadOwner | QFile::ExeOwner);
    }
    qputenv("PATH", Chemin("bin").toLocal8Bit());
    f.actCalculatrice->trigger();
    qputenv("PATH", Chemin("vide").toLocal8Bit());
    f.actCalculatrice->trigger();
    qputenv("PATH", ancienPath);
    ASSERT_EQ(lances.size(), 1);
    EXPECT_EQ(QFileInfo(lances[0]).fileName(), QStringLiteral("galculator")) << "galculator comes before xcalc";
}

TEST_F(Cadre, HintOfTheItemUnderThePointerGoesToPanelZero)
{
    TMainForm &f = Cadre_();
    f.actSchema->showStatusText(&f);
    EXPECT_EQ(f.TextePanneau(0), QStringLiteral("Appeler le logiciel Schéma"));
}

TEST_F(Cadre, ActivatingTheProgramWithoutADocumentHidesSchema)
{
    TMainForm &f = Cadre_();
    f.show();
    ASSERT_TRUE(f.OuvrirImage(Image(QStringLiteral("s.png")), 2));
    EXPECT_TRUE(f.actSchema->isVisible());
    f.DocumentActif()->close();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_FALSE(f.actSchema->isVisible());
    EXPECT_FALSE(f.menuImage->menuAction()->isVisible());
}

TEST_F(Cadre, CommandLineOpensThePicturesOnEitherSideOfAnAnimationList)
{
    const QString a = Image(QStringLiteral("a.jpg"));
    Ecrire(QStringLiteral("b.anm"), "a.jpg\r\n");
    const QString c = Image(QStringLiteral("c.jpg"), QSize(20, 10));
    TMainForm &f = Cadre_();
    QStringList animations;
    f.ouvrirAnimation = [&](const QString &chemin) { animations.append(chemin); };
    f.DefinirLigneCommande({a, Chemin("b.anm"), c});
    f.PremiereActivation();
    EXPECT_EQ(Titres(), (QStringList{a, c}));
    EXPECT_EQ(animations, QStringList{Chemin("b.anm")});
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(Cadre, CommandLineWithoutAnAnimationPlayerPassesOverTheListQuietly)
{
    const QString a = Image(QStringLiteral("a.jpg"));
    Ecrire(QStringLiteral("b.anm"), "a.jpg\r\n");
    const QString c = Image(QStringLiteral("c.jpg"));
    TMainForm &f = Cadre_();
    f.ouvrirAnimation = nullptr;
    f.DefinirLigneCommande({a, Chemin("b.anm"), c});
    f.PremiereActivation();
    EXPECT_EQ(Titres(), (QStringList{a, c})) << "no document window for the animation list";
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(Cadre, OpenDialogSelectionEndsAtAnAnimationList)
{
    const QString a = Image(QStringLiteral("a.jpg"));
    Ecrire(QStringLiteral("b.anm"), "a.jpg\r\n");
    Image(QStringLiteral("c.jpg"));
    TMainForm &f = Cadre_();
    QStringList animations;
    f.ouvrirAnimation = [&](const QString &chemin) { animations.append(chemin); };
    QTimer::singleShot(0, [this] {
        auto *dialogue = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialogue, nullptr);
        dialogue->setDirectory(dossier_.path());
        auto *nom = dialogue->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nom, nullptr);
        nom->setText(QStringLiteral("\"a.jpg\" \"b.anm\" \"c.jpg\""));
        static_cast<QDialog *>(dialogue)->accept();
    });
    f.Ouvrir();
    EXPECT_EQ(Titres(), QStringList{a});
    EXPECT_EQ(animations, QStringList{Chemin("b.anm")});
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(Cadre, ZoomStopsWhereThePictureWouldPassTheViewsReachOrVanish)
{
    TMainForm &f = Cadre_();
    f.show();
    ASSERT_TRUE(f.OuvrirImage(Image(QStringLiteral("z.png"), QSize(40, 30)), 2));
    ImageDocument &doc = f.DocumentActif()->document();
    for (int i = 0; i < 40; ++i)
        f.ZoomAugmenter();
    // 40 × 16384 = 655360 pixels; one more step would pass 2^20 = 1048576.
    EXPECT_EQ(doc.zoom, 16384.0f);
    f.Zoom11();
    for (int i = 0; i < 40; ++i)
        f.ZoomDiminuer();
    // 30 / 32 rounds to one pixel; 30 / 64 would round to none.
    EXPECT_EQ(doc.zoom, 1.0f / 32.0f);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.DocumentActif()->PositionImage(QPointF(1, 1)), QPoint(32, 32));
}

TEST_F(Cadre, CtrlWheelZoomsByTheMenusStepsAndTheWheelAloneDoesNot)
{
    TMainForm &f = Cadre_();
    f.resize(900, 700);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    ASSERT_TRUE(f.OuvrirImage(Image(QStringLiteral("z.png"), QSize(40, 30)), 2));
    TMDIChild *fenetre = f.DocumentActif();
    QWidget *vue = fenetre->vue()->viewport();
    const auto molette = [&](int cran, Qt::KeyboardModifiers touches) {
        const QPointF ici(5, 5);
        QWheelEvent e(ici, vue->mapToGlobal(ici), QPoint(), QPoint(0, cran), Qt::NoButton, touches, Qt::NoScrollPhase,
                      false);
        QCoreApplication::sendEvent(vue, &e);
    };
    molette(120, Qt::ControlModifier);
    EXPECT_EQ(fenetre->document().zoom, 2.0f);
    molette(120, Qt::ControlModifier);
    EXPECT_EQ(fenetre->document().zoom, 4.0f);
    molette(-120, Qt::ControlModifier);
    EXPECT_EQ(fenetre->document().zoom, 2.0f);
    molette(120, Qt::NoModifier);
    EXPECT_EQ(fenetre->document().zoom, 2.0f);
}

TEST_F(Cadre, CtrlZRunsAnnuler)
{
    TMainForm &f = Cadre_();
    EXPECT_EQ(f.actAnnuler->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.activateWindow();
    ASSERT_TRUE(f.OuvrirImage(Image(QStringLiteral("u.png")), 2));
    f.actAnnuler->setEnabled(true);
    int annulations = 0;
    QObject::connect(f.actAnnuler, &QAction::triggered, [&] { ++annulations; });
    QTest::keyClick(f.DocumentActif()->vue()->viewport(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(annulations, 1);
}

TEST_F(Cadre, AMinimisedDocumentChosenInTheWindowListIsRestored)
{
    TMainForm &f = Cadre_();
    f.show();
    ASSERT_TRUE(f.OuvrirImage(Image(QStringLiteral("p1.png")), 2));
    ASSERT_TRUE(f.OuvrirImage(Image(QStringLiteral("p2.png")), 2));
    TMDIChild *premier = f.Documents().first();
    premier->showMinimized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(premier->isMinimized());
    emit f.menuFenetre->aboutToShow();
    QAction *item = nullptr;
    for (QAction *a : f.menuFenetre->actions())
        if (a->text().endsWith(QStringLiteral("p1.png")))
            item = a;
    ASSERT_NE(item, nullptr);
    item->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(premier->isMinimized());
    EXPECT_EQ(f.DocumentActif(), premier);
}

TEST_F(Cadre, TheWindowListShowsACaptionWithAnAmpersandWhole)
{
    // "&" in a caption is a letter of the name, not the mark of a shortcut.
    TMainForm &f = Cadre_();
    f.show();
    ASSERT_TRUE(f.OuvrirImage(Image(QStringLiteral("Tom & Jerry.png")), 2));
    const QString titre = f.DocumentActif()->windowTitle();
    ASSERT_TRUE(titre.endsWith(QStringLiteral("Tom & Jerry.png")));
    emit f.menuFenetre->aboutToShow();
    QAction *item = f.menuFenetre->actions().last();
    EXPECT_EQ(item->iconText(), QStringLiteral("1 ") + titre);
}

TEST_F(Cadre, ArrangeAllPutsMovedIconsBackInRowsAlongTheBottom)
{
    TMainForm &f = Cadre_();
    f.show();
    for (const char *nom : {"i1.png", "i2.png", "i3.png", "i4.png", "i5.png", "i6.png"})
        ASSERT_TRUE(f.OuvrirImage(Image(QString::fromLatin1(nom)), 2));
    f.actToutReduire->trigger();
    QList<QMdiSubWindow *> icones = f.zoneDocuments()->subWindowList();
    icones[0]->move(300, 100);
    icones[4]->move(10, 10);
    f.actToutReorganiser->trigger();
    const QRect zone = f.zoneDocuments()->viewport()->rect();
    const int hauteur = icones[0]->height();
    for (int i = 0; i < icones.size(); ++i) {
        ASSERT_TRUE(icones[i]->isMinimized());
        EXPECT_TRUE(zone.contains(icones[i]->geometry())) << i;
        EXPECT_EQ((zone.bottom() + 1 - icones[i]->geometry().bottom() - 1) % hauteur, 0) << "icon " << i << " sits in a row";
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(icones[i]->geometry().intersects(icones[j]->geometry())) << i << " and " << j;
    }
    EXPECT_EQ(icones[0]->pos(), QPoint(0, zone.bottom() + 1 - hauteur)) << "the first icon starts the bottom row";
}

TEST_F(Cadre, MosaicAndCascadeLeaveTheIconRowFree)
{
    TMainForm &f = Cadre_();
    f.show();
    for (const char *nom : {"m1.png", "m2.png", "m3.png"})
        ASSERT_TRUE(f.OuvrirImage(Image(QString::fromLatin1(nom), QSize(900, 900)), 2));
    QList<QMdiSubWindow *> fenetres = f.zoneDocuments()->subWindowList();
    fenetres[0]->showMinimized();
    fenetres[1]->showMaximized();
    for (QAction *commande : {f.actMosaiqueHorizontale, f.actMosaiqueVerticale, f.actCascade}) {
        commande->trigger();
        QCoreApplication::processEvents();
        const QRect icone = fenetres[0]->geometry();
        EXPECT_TRUE(fenetres[0]->isMinimized());
        EXPECT_EQ(icone.bottom(), f.zoneDocuments()->viewport()->rect().bottom());
        for (QMdiSubWindow *fenetre : {fenetres[1], fenetres[2]}) {
            EXPECT_FALSE(fenetre->isMaximized()) << commande->text().toStdString();
            EXPECT_FALSE(fenetre->geometry().intersects(icone)) << commande->text().toStdString();
        }
    }
}

TEST_F(Cadre, ZoomDoublesHalvesAndReturnsToOne)
{
    TMainForm &f = Cadre_();
    f.OuvrirImage(Image(QStringLiteral("z.png")), 2);
    ImageDocument &doc = f.DocumentActif()->document();
    f.ZoomAugmenter();
    f.ZoomAugmenter();
    f.ZoomAugmenter();
    EXPECT_EQ(doc.zoom, 8.0f);
    f.Zoom11();
    f.ZoomDiminuer();
    f.ZoomDiminuer();
    EXPECT_EQ(doc.zoom, 0.25f);
    f.Zoom11();
    EXPECT_EQ(doc.zoom, 1.0f);
}

TEST_F(Cadre, OpeningADocumentShowsItsToolsAndClosingTheLastHidesThem)
{
    TMainForm &f = Cadre_();
    f.show();
    ASSERT_TRUE(f.OuvrirImage(Image(QStringLiteral("s.png")), 2));
    EXPECT_FALSE(f.BarreOutils->isHidden());
    EXPECT_FALSE(f.Coul_taille->isHidden());
    EXPECT_FALSE(f.BarreChoix->isHidden());
    EXPECT_TRUE(f.menuImage->menuAction()->isVisible());
    EXPECT_TRUE(f.menuChoix->menuAction()->isVisible());
    EXPECT_TRUE(f.actComptage->isEnabled());
    EXPECT_TRUE(f.actCopier->isEnabled());
    EXPECT_TRUE(f.boutonsOutils[5]->isVisible());
    EXPECT_TRUE(f.boutonsOutils[5]->isChecked()) << "a new document has the measuring tool";
    EXPECT_FALSE(f.actCanauxAffiches->isVisible());

    f.DocumentActif()->close();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(f.DocumentActif(), nullptr);
    EXPECT_TRUE(f.BarreOutils->isHidden());
    EXPECT_FALSE(f.menuImage->menuAction()->isVisible());
    EXPECT_FALSE(f.actComptage->isEnabled());
}

TEST_F(Cadre, SwitchingDocumentsChecksTheActiveOnesChoices)
{
    TMainForm &f = Cadre_();
    f.show();
    f.OuvrirImage(Image(QStringLiteral("un.png")), 2);
    TMDIChild *premier = f.DocumentActif();
    premier->document().styleFleche = 2;
    premier->document().modeMesure = 4;
    f.OuvrirImage(Image(QStringLiteral("deux.png")), 2);
    f.zoneDocuments()->setActiveSubWindow(premier);
    f.SynchroniserDocument();
    auto coche = [](QMenu *menu) {
        for (QAction *a : menu->actions())
            if (a->isChecked())
                return a->data().toInt();
        return -1;
    };
    EXPECT_EQ(coche(f.menuFleche), 2);
    EXPECT_EQ(coche(f.menuMesures), 4);
}

TEST_F(Cadre, NewImageIsWhiteOfTheChosenSizeAndNamedNouveau1)
{
    TMainForm &f = Cadre_();
    QTimer::singleShot(0, [] {
        auto *dialogue = qobject_cast<TTaillIm *>(QApplication::activeModalWidget());
        ASSERT_NE(dialogue, nullptr);
        EXPECT_EQ(dialogue->windowTitle(), QStringLiteral("Taille de la nouvelle image"));
        dialogue->champLargeur->setValue(250);
        dialogue->champHauteur->setValue(80);
        dialogue->accept();
    });
    f.Nouveau();
    ASSERT_NE(f.DocumentActif(), nullptr);
    const ImageDocument &doc = f.DocumentActif()->document();
    EXPECT_EQ(f.DocumentActif()->windowTitle(), QStringLiteral("Nouveau1"));
    EXPECT_EQ(doc.image.size(), QSize(250, 80));
    QImage blanc(250, 80, QImage::Format_ARGB32);
    blanc.fill(0xFFFFFFFF);
    EXPECT_EQ(doc.image, blanc);
    EXPECT_TRUE(doc.nomFichier.isEmpty());
}

TEST_F(Cadre, NewImageNameCountsTheOpenWindows)
{
    TMainForm &f = Cadre_();
    f.OuvrirImage(Image(QStringLiteral("un.png")), 2);
    f.OuvrirImage(Image(QStringLiteral("deux.png")), 2);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    f.Nouveau();
    EXPECT_EQ(f.Documents().size(), 2) << "closing the dialog without OK does nothing";
    QTimer::singleShot(0, [] { qobject_cast<QDialog *>(QApplication::activeModalWidget())->accept(); });
    f.Nouveau();
    EXPECT_EQ(f.DocumentActif()->windowTitle(), QStringLiteral("Nouveau3"));
    EXPECT_EQ(f.DocumentActif()->document().image.size(), QSize(100, 100));
}

TEST_F(Cadre, PastingABitmapMakesANewDocument)
{
    TMainForm &f = Cadre_();
    QImage image(7, 5, QImage::Format_ARGB32);
    image.fill(0xFF336699);
    QGuiApplication::clipboard()->setImage(image);
    f.CollerCommeNouvelleImage();
    ASSERT_NE(f.DocumentActif(), nullptr);
    EXPECT_EQ(f.DocumentActif()->windowTitle(), QStringLiteral("Nouveau1"));
    EXPECT_EQ(f.DocumentActif()->document().image, image);
}

TEST_F(Cadre, PastingADrawingOf300By200GivesA299By199Image)
{
    TMainForm &f = Cadre_();
    auto *donnees = new QMimeData;
    donnees->setData(QStringLiteral("image/svg+xml"),
                     "<svg xmlns='http://www.w3.org/2000/svg' width='300' height='200'>"
                     "<rect width='300' height='200' fill='blue'/></svg>");
    QGuiApplication::clipboard()->setMimeData(donnees);
    f.CollerCommeNouvelleImage();
    ASSERT_NE(f.DocumentActif(), nullptr);
    EXPECT_EQ(f.DocumentActif()->document().image.size(), QSize(299, 199));
}

TEST_F(Cadre, PastingWithNothingOnTheClipboardDoesNothing)
{
    TMainForm &f = Cadre_();
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
    f.CollerCommeNouvelleImage();
    EXPECT_TRUE(f.Documents().isEmpty());
}

TEST_F(Cadre, FileThatCannotBeDecodedLeavesNoWindowAndShowsTheError)
{
    Ecrire(QStringLiteral("bruit.gif"), QByteArray(300, '\x5a'));
    TMainForm &f = Cadre_();
    EXPECT_FALSE(f.OuvrirImage(Chemin("bruit.gif"), 2));
    EXPECT_TRUE(f.Documents().isEmpty());
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_FALSE(messages_[0].isEmpty());
}

TEST_F(Cadre, OpenedPictureKeepsItsPathAsCaptionAndFileName)
{
    TMainForm &f = Cadre_();
    const QString chemin = Image(QStringLiteral("photo.png"), QSize(12, 9), Qt::green);
    ASSERT_TRUE(f.OuvrirImage(chemin, 2));
    EXPECT_EQ(f.DocumentActif()->windowTitle(), chemin);
    EXPECT_EQ(f.DocumentActif()->document().nomFichier, chemin);
    EXPECT_EQ(f.DocumentActif()->document().image.size(), QSize(12, 9));
}

TEST_F(Cadre, NewDocumentsOpenMaximisedWhileTheActiveOneIs)
{
    TMainForm &f = Cadre_();
    f.show();
    f.OuvrirImage(Image(QStringLiteral("un.png")), 2);
    f.DocumentActif()->showMaximized();
    f.OuvrirImage(Image(QStringLiteral("deux.png")), 2);
    f.OuvrirImage(Image(QStringLiteral("trois.png")), 2);
    ASSERT_EQ(f.Documents().size(), 3);
    EXPECT_TRUE(f.DocumentActif()->isMaximized());
    EXPECT_TRUE(f.DocumentActif()->windowTitle().endsWith(QStringLiteral("trois.png")));
}

TEST_F(Cadre, NewWindowsCascadeFromTheTopLeftAndShowTheirPictureWhole)
{
    TMainForm &f = Cadre_();
    f.resize(1024, 768);
    f.show();
    ASSERT_TRUE(f.OuvrirImage(Image(QStringLiteral("un.png"), QSize(300, 200)), 2));
    f.ZoomAugmenter();
    QCoreApplication::processEvents();
    ASSERT_TRUE(f.OuvrirImage(Image(QStringLiteral("deux.png"), QSize(300, 200)), 2));
    QCoreApplication::processEvents();
    const QList<TMDIChild *> documents = f.Documents();
    ASSERT_EQ(documents.size(), 2);
    EXPECT_EQ(documents[0]->pos(), QPoint(0, 0));
    const QPoint second = documents[1]->pos();
    EXPECT_EQ(second.x(), second.y()) << "one step down and right";
    EXPECT_GT(second.x(), 0);
    EXPECT_LT(second.x(), 60);
    // Placed near the corner, the second window is fitted to its whole picture.
    EXPECT_EQ(documents[1]->widget()->size(), QSize(300 + 18, 200 + 18));
}

TEST_F(Cadre, RenamingGivesTheTypedCaption)
{
    TMainForm &f = Cadre_();
    f.OuvrirImage(Image(QStringLiteral("r.png")), 2);
    QTimer::singleShot(0, [] {
        auto *dialogue = qobject_cast<TSaisieNom *>(QApplication::activeModalWidget());
        ASSERT_NE(dialogue, nullptr);
        dialogue->champ->setText(QStringLiteral("Mon échantillon"));
        dialogue->accept();
    });
    f.NommerFenetre();
    EXPECT_EQ(f.DocumentActif()->windowTitle(), QStringLiteral("Mon échantillon"));
}

TEST_F(Cadre, WindowAtZoom2On100By50AsksFor218By118)
{
    TMainForm &f = Cadre_();
    f.show();
    f.OuvrirImage(Image(QStringLiteral("petite.png"), QSize(100, 50)), 2);
    TMDIChild *fenetre = f.DocumentActif();
    fenetre->move(0, 0);
    f.ZoomAugmenter();
    EXPECT_EQ(fenetre->widget()->size(), QSize(218, 118))
        << f.LargeurDispo() << "x" << f.HauteurDispo() << " at " << fenetre->pos().x() << "," << fenetre->pos().y();
}

} // namespace

namespace {

// The frame's small dialogs show every caption, field and button whole.
TEST_F(Cadre, NewImageAndRenameDialogsShowTheirTextsWhole)
{
    TMainForm &f = Cadre_();
    TTaillIm taille(&f);
    TSaisieNom nom(&f);
    for (QDialog *dialogue : std::initializer_list<QDialog *>{&taille, &nom}) {
        dialogue->show();
        QCoreApplication::processEvents();
        for (QWidget *w : dialogue->findChildren<QWidget *>()) {
            if (!w->isVisible())
                continue;
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << dialogue->windowTitle().toStdString();
            EXPECT_TRUE(dialogue->rect().contains(QRect(w->mapTo(dialogue, QPoint(0, 0)), w->size())));
        }
    }
    QStringList boutons;
    for (QPushButton *b : nom.findChildren<QPushButton *>())
        boutons.append(b->text());
    boutons.sort();
    EXPECT_EQ(boutons, (QStringList{"Abandon", "OK"}));
    EXPECT_FALSE(Capturer(taille, QStringLiteral("taille_nouvelle_image.png")).isNull());
    EXPECT_FALSE(Capturer(nom, QStringLiteral("saisie_nom.png")).isNull());
}

// On a 1024 × 768 screen every button of every bar is on screen, whatever
// tool shows its option buttons: no bar folds buttons into its overflow menu.
TEST_F(Cadre, EveryToolBarButtonIsOnScreenAt1024PixelsWide)
{
    TMainForm &f = Cadre_();
    f.resize(1024, 768);
    f.show();
    ASSERT_TRUE(f.OuvrirImage(Image(QStringLiteral("e.png")), 2));
    for (int outil = 0; outil < 10; ++outil) {
        f.boutonsOutils[outil]->trigger();
        QCoreApplication::processEvents();
        for (QToolBar *barre : {f.BarreFenetre, f.BarreOutils, f.Coul_taille, f.BarreChoix}) {
            ASSERT_TRUE(barre->isVisible());
            EXPECT_TRUE(f.rect().contains(barre->geometry())) << barre->objectName().toStdString();
            for (QAction *a : barre->actions()) {
                if (!a->isVisible() || a->isSeparator())
                    continue;
                QWidget *bouton = barre->widgetForAction(a);
                ASSERT_NE(bouton, nullptr);
                EXPECT_TRUE(bouton->isVisible()) << "tool " << outil << ": " << barre->objectName().toStdString()
                                                 << " hides " << a->text().toStdString();
            }
        }
    }
    f.boutonsOutils[2]->trigger();
    EXPECT_FALSE(Capturer(f, QStringLiteral("cadre_1024.png")).isNull());
    const QImage crayon = f.panneauCouleurCrayon->grab().toImage();
    const QImage fond = f.panneauCouleurFond->grab().toImage();
    EXPECT_EQ(crayon.pixel(crayon.width() / 2, crayon.height() / 2), 0xFF000000u) << "black pen swatch";
    EXPECT_EQ(fond.pixel(fond.width() / 2, fond.height() / 2), 0xFFFFFFFFu) << "white background swatch";
}

TEST_F(Cadre, FrameIsDrawnWithAndWithoutADocument)
{
    TMainForm &f = Cadre_();
    f.resize(1100, 700);
    f.show();
    EXPECT_FALSE(Capturer(f, QStringLiteral("cadre_vide.png")).isNull());
    const QString photo = qEnvironmentVariable("KAPTORI_DATA") + QStringLiteral("/photo.jpg");
    ASSERT_TRUE(f.OuvrirImage(QFileInfo::exists(photo) ? photo : Image(QStringLiteral("p.png")), 2));
    f.OuvrirImage(Image(QStringLiteral("petite.png"), QSize(120, 80), Qt::darkCyan), 2);
    EXPECT_FALSE(Capturer(f, QStringLiteral("cadre_documents.png")).isNull());
    f.DocumentActif()->showMaximized();
    f.ZoomAugmenter();
    EXPECT_FALSE(Capturer(f, QStringLiteral("cadre_maximise.png")).isNull());
    EXPECT_EQ(f.Documents().size(), 2);
}

} // namespace

namespace {

// A pupil's first session: three pictures from the command line, zoom in and
// out, a maximised document, a copy pasted back as a new picture, a rename.
// Each step checks what the user sees and leaves a picture of the frame.
class PremiereSeance : public Cadre {
protected:
    QString Donnee(const QString &nom) const
    {
        const QString chemin = qEnvironmentVariable("KAPTORI_DATA") + QLatin1Char('/') + nom;
        return QFileInfo::exists(chemin) ? chemin : Image(nom, QSize(400, 300), Qt::darkYellow);
    }
};

TEST_F(PremiereSeance, OpensThreePicturesZoomsCopiesPastesAndRenames)
{
    TMainForm &f = Cadre_();
    f.resize(1024, 768);
    f.show();
    const QStringList fichiers = {Donnee(QStringLiteral("photo.jpg")), Donnee(QStringLiteral("graphe.png")),
                                  Donnee(QStringLiteral("objets.png"))};
    f.DefinirLigneCommande(fichiers);
    f.PremiereActivation();
    ASSERT_EQ(Titres(), fichiers);
    EXPECT_FALSE(Capturer(f, QStringLiteral("seance_1_trois_images.png")).isNull());

    // The active document is the last one opened; zooming in shows scroll bars
    // whose range is the displayed size less the visible part.
    TMDIChild *objets = f.DocumentActif();
    ASSERT_EQ(objets->windowTitle(), fichiers[2]);
    objets->move(400, 0);
    f.ZoomAugmenter();
    QCoreApplication::processEvents();
    const QSize image = objets->document().image.size();
    VueImage *vue = objets->vue();
    EXPECT_EQ(objets->document().zoom, 2.0f);
    EXPECT_EQ(vue->horizontalScrollBar()->maximum(), std::max(0, image.width() * 2 - vue->viewport()->width()));
    EXPECT_EQ(vue->verticalScrollBar()->maximum(), std::max(0, image.height() * 2 - vue->viewport()->height()));
    EXPECT_GT(vue->horizontalScrollBar()->maximum(), 0) << "an 800-pixel-wide view scrolls in a window placed 400 pixels from the left of a 1024 frame";
    EXPECT_FALSE(Capturer(f, QStringLiteral("seance_2_zoom_2.png")).isNull());
    f.ZoomDiminuer();
    f.ZoomDiminuer();
    QCoreApplication::processEvents();
    EXPECT_EQ(objets->document().zoom, 0.5f);
    EXPECT_EQ(vue->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(objets->widget()->size(), QSize(image.width() / 2 + 18, image.height() / 2 + 18))
        << "the window fits the picture at half size";
    f.Zoom11();
    EXPECT_EQ(objets->document().zoom, 1.0f);

    // Maximised: every document opened next is maximised too.
    objets->showMaximized();
    ASSERT_TRUE(f.OuvrirImage(Image(QStringLiteral("quatrieme.png"), QSize(50, 40), Qt::magenta), 2));
    EXPECT_TRUE(f.DocumentActif()->isMaximized());
    EXPECT_TRUE(f.windowTitle().contains(QStringLiteral("quatrieme.png")))
        << "a maximised document names itself in the frame's caption: " << f.windowTitle().toStdString();
    EXPECT_FALSE(Capturer(f, QStringLiteral("seance_3_maximise.png")).isNull());
    f.DocumentActif()->showNormal();
    f.zoneDocuments()->setActiveSubWindow(objets);
    objets->showNormal();

    // Copy, then paste as a new picture: the same pixels in "Nouveau5".
    f.actCopier->trigger();
    const QImage copie = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(copie.size(), image);
    EXPECT_TRUE(f.actColler->isEnabled());
    f.actColler->trigger();
    TMDIChild *colle = f.DocumentActif();
    ASSERT_NE(colle, objets);
    EXPECT_EQ(colle->windowTitle(), QStringLiteral("Nouveau5"));
    EXPECT_EQ(colle->document().image.size(), image);
    EXPECT_EQ(colle->document().image, copie);

    // Rename the pasted picture; the window list of "Fe&nêtre" follows.
    QTimer::singleShot(0, [] {
        auto *dialogue = qobject_cast<TSaisieNom *>(QApplication::activeModalWidget());
        ASSERT_NE(dialogue, nullptr);
        dialogue->champ->setText(QStringLiteral("Objets du TP"));
        dialogue->accept();
    });
    f.actNommerFenetre->trigger();
    EXPECT_EQ(colle->windowTitle(), QStringLiteral("Objets du TP"));
    emit f.menuFenetre->aboutToShow();
    EXPECT_TRUE(Legendes(f.menuFenetre->actions()).contains(QStringLiteral("&5 Objets du TP")));
    for (QMenu *menu : {f.menuFenetre, f.menuImage, colle->menuContextuel, colle->menuCopier}) {
        menu->popup(QPoint(0, 0));
        EXPECT_FALSE(Capturer(*menu, QStringLiteral("seance_menu_%1.png").arg(menu->title().remove(QLatin1Char('&')))).isNull());
        menu->hide();
    }
    f.actCascade->trigger();
    EXPECT_FALSE(Capturer(f, QStringLiteral("seance_4_cascade.png")).isNull());
    f.actMosaiqueVerticale->trigger();
    EXPECT_FALSE(Capturer(f, QStringLiteral("seance_5_mosaique.png")).isNull());
}

} // namespace

namespace {

// Bad files opened through the frame: no window is left behind, one French
// error box is shown, and a document already open stays as it was.
struct CasFichierRefuse {
    const char *nom;
    const char *fichier;
    QByteArray (*contenu)();
};

void PrintTo(const CasFichierRefuse &c, std::ostream *os) { *os << c.nom; }

QByteArray Png(QSize taille)
{
    QImage image(taille, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    return octets;
}

// CRC-32 of PNG chunks (polynomial 0xEDB88320), bit by bit.
quint32 Crc32(const QByteArray &octets)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char c : octets) {
        crc ^= static_cast<quint8>(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

// A PNG whose header announces 40000 × 10 pixels, with a valid header CRC,
// followed by the few data bytes of a 4 × 4 picture.
QByteArray PngGeant()
{
    QByteArray octets = Png(QSize(4, 4));
    // IHDR: length at 8, type at 12, width at 16, height at 20, CRC at 29.
    qToBigEndian<quint32>(40000, octets.data() + 16);
    qToBigEndian<quint32>(10, octets.data() + 20);
    qToBigEndian<quint32>(Crc32(octets.mid(12, 17)), octets.data() + 29);
    return octets;
}

const CasFichierRefuse kRefuses[] = {
    {"a PNG cut short named .jpg", "photo.jpg", [] { return Png(QSize(64, 64)).left(60); }},
    {"random bytes named .gif", "bruit.gif", [] { return QByteArray(300, '\x5a'); }},
    {"random bytes named .jpg", "bruit.jpg", [] { return QByteArray(300, '\x5a'); }},
    {"random bytes named .tif", "bruit.tif", [] { return QByteArray(300, '\x5a'); }},
    {"an empty .bmp", "vide.bmp", [] { return QByteArray(); }},
    {"a PNG cut after its header", "coupe.png", [] { return Png(QSize(64, 64)).left(40); }},
    {"a PNG announcing 40000 pixels of width", "geant.png", PngGeant},
    {"unknown content under an unknown extension", "image.xyz", [] { return QByteArray(300, '\x5a'); }},
};

class FichiersRefuses : public Cadre, public ::testing::WithParamInterface<CasFichierRefuse> {};

TEST_P(FichiersRefuses, leave_no_window_and_show_one_french_error)
{
    const CasFichierRefuse &c = GetParam();
    Ecrire(QString::fromLatin1(c.fichier), c.contenu());
    TMainForm &f = Cadre_();
    f.show();
    ASSERT_TRUE(f.OuvrirImage(Image(QStringLiteral("deja.png")), 2));
    TMDIChild *deja = f.DocumentActif();
    const QImage avant = deja->document().image;

    EXPECT_FALSE(f.OuvrirImage(Chemin(QString::fromLatin1(c.fichier)), 2));
    EXPECT_EQ(f.Documents(), QList<TMDIChild *>{deja});
    EXPECT_EQ(f.DocumentActif(), deja);
    EXPECT_EQ(deja->document().image, avant);
    ASSERT_EQ(messages_.size(), 1);
    const QString message = messages_[0];
    EXPECT_FALSE(message.isEmpty());
    EXPECT_FALSE(message.contains(QRegularExpression(QStringLiteral("\\b(error|file|invalid|not|cannot|unknown|"
                                                                 "failed|data|read|end|starts)\\b"),
                                                 QRegularExpression::CaseInsensitiveOption)))
        << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Fichiers, FichiersRefuses, ::testing::ValuesIn(kRefuses));

} // namespace

