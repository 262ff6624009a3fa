// The measuring tool in the program, driven with the mouse as a pupil drives
// it: lengths on the calibrated photo, the angle between two dragged lines,
// positions on a graph with two Y axes, the measurement menu following the
// active document, and scales made through "Créer/modifier l'&Echelle" and
// its windows before reading them. Measured lines live on the provisional
// layer only: they never reach the drawing layer or the element list.
// With KAPTORI_CAPTURES set to a folder, the windows are saved there as PNG.

#include "app/ui/boites_message.h"
#include "app/ui/gestimp.h"
#include "app/ui/main_window.h"
#include "calibration/ui/dialogue_attribution_echelle.h"
#include "calibration/ui/dialogue_nom_echelle.h"
#include "calibration/echelle.h"
#include "calibration/ui/edit_valeur.h"
#include "calibration/ui/fenetre_echelle.h"
#include "calibration/ui/image_echelle.h"
#include "document/ui/dialogue_enregistrement.h"
#include "document/ui/fenetre_document.h"
#include "drawing/ui/gestion_dessins.h"
#include "drawing/reglages_dessin.h"
#include "measure/outil_mesure.h"
#include "measure/ui/fenetre_surface.h"
#include "measure/ui/mesu_courbe.h"
#include "plot/ui/vue_graphe.h"
#include "support/pilote_dialogues.h"
#include "support/separateur.h"
#include "table/ui/saisie_mult.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
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

// Runs `action` on the modal dialog of type T as soon as it is shown; the
// dialogs of the scale assignment follow one another, each in its own loop.
template <class T>
void SurDialogue(std::function<void(T *)> action)
{
    auto *attente = new QTimer;
    attente->setInterval(10);
    QObject::connect(attente, &QTimer::timeout, [attente, action] {
        auto *dialogue = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialogue || !dialogue->isVisible())
            return;
        attente->stop();
        attente->deleteLater();
        action(dialogue);
    });
    attente->start();
}

// A drag with the left or right button on a widget, in its own coordinates,
// in four steps.
void GlisserSur(QWidget *w, QPoint de, QPoint a, const std::function<QPoint(QPoint)> &ecran,
                Qt::MouseButton bouton = Qt::LeftButton)
{
    QTest::mousePress(w, bouton, {}, ecran(de));
    for (int i = 1; i <= 4; ++i) {
        const QPoint p = ecran(de + (a - de) * i / 4);
        QMouseEvent mouvement(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, bouton, {});
        QApplication::sendEvent(w, &mouvement);
    }
    QTest::mouseRelease(w, bouton, {}, ecran(a));
}

class MesureDansLeCadre : public ::testing::Test {
protected:
    void SetUp() override
    {
        DefinirIntercepteurMessages([this](TypeMessage, const QString &texte, BoutonsMessage) {
            messages.append(texte);
            return QMessageBox::Ok;
        });
        ReglagesDessinProgramme() = ReglagesDessin{};
        cadre = std::make_unique<TMainForm>();
        cadre->resize(1100, 800);
        cadre->show();
        Ouvrir("photo.jpg");
    }
    void TearDown() override
    {
        cadre.reset();
        DefinirIntercepteurMessages({});
    }

    void Ouvrir(const char *nom)
    {
        ASSERT_TRUE(cadre->OuvrirImage(Donnee(nom), 0));
        fenetre = cadre->DocumentActif();
        ASSERT_NE(fenetre, nullptr);
        // Two screen pixels per image pixel: the view maps the pointer back.
        cadre->Zoom11();
        cadre->ZoomAugmenter();
        QApplication::processEvents();
    }

    ImageDocument &doc() { return fenetre->document(); }
    void Outil(int n) { cadre->boutonsOutils[static_cast<std::size_t>(n)]->trigger(); }
    QString Panneau4() const { return cadre->TextePanneau(4); }

    void ChoisirMode(int mode)
    {
        for (QAction *a : cadre->menuMesures->actions())
            if (a->isCheckable() && a->data().toInt() == mode)
                a->trigger();
    }
    [[nodiscard]] int ModeCoche() const
    {
        for (QAction *a : cadre->menuMesures->actions())
            if (a->isChecked())
                return a->data().toInt();
        return -1;
    }

    QPoint Ecran(QPoint pixel)
    {
        const QPointF o = fenetre->vue()->OrigineImage();
        const double z = doc().zoom;
        // The view rounds the pointer divided by the zoom back to this pixel.
        return QPoint(static_cast<int>(o.x() + pixel.x() * z), static_cast<int>(o.y() + pixel.y() * z));
    }
    QWidget *Vue() { return fenetre->vue()->viewport(); }
    void Glisser(QPoint de, QPoint a) { GlisserSur(Vue(), de, a, [this](QPoint p) { return Ecran(p); }); }
    void Survoler(QPoint pixel)
    {
        const QPoint p = Ecran(pixel);
        QMouseEvent mouvement(QEvent::MouseMove, p, Vue()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(Vue(), &mouvement);
    }

    [[nodiscard]] static int Alpha(const QImage &couche, QPoint p)
    {
        return couche.isNull() ? 0 : qAlpha(couche.pixel(p));
    }

    SeparateurTemporaire sep{QLatin1Char(',')};
    std::unique_ptr<TMainForm> cadre;
    TMDIChild *fenetre = nullptr;
    QStringList messages;
};

TEST_F(MesureDansLeCadre, a_line_dragged_on_the_calibrated_photo_reads_its_length_in_millimetres)
{
    ASSERT_EQ(EchelleEnTexte(doc().echelle), QStringLiteral("<SCALE=0;0,25;mm;>")); // from photo.sca
    ASSERT_EQ(doc().zoom, 2.0f);
    Outil(ImageDocument::OutilMesure);
    EXPECT_EQ(cadre->TextePanneau(1), QStringLiteral("outil : mesure"));

    Glisser({100, 100}, {130, 140}); // 50 pixels of 0,25 mm
    EXPECT_EQ(Panneau4(), QStringLiteral("12,5 mm"));
    Capturer(cadre.get(), "mesure_longueur_cadre");

    // The segment is in the pen colour on the provisional layer only.
    EXPECT_EQ(doc().coucheProvisoire.pixel(115, 120), 0xFF000000u);
    EXPECT_EQ(Alpha(doc().coucheDessin, {115, 120}), 0);
    EXPECT_TRUE(doc().etatDessin.LigneMesure);
    EXPECT_TRUE(doc().dessins.EstVide());

    // Moving without a button keeps the length; a new press empties it.
    Survoler({300, 200});
    EXPECT_EQ(Panneau4(), QStringLiteral("12,5 mm"));
    QTest::mousePress(Vue(), Qt::LeftButton, {}, Ecran({200, 200}));
    EXPECT_EQ(Panneau4(), QString());
    EXPECT_EQ(Alpha(doc().coucheProvisoire, {115, 120}), 0); // the last line was discarded
    QTest::mouseRelease(Vue(), Qt::LeftButton, {}, Ecran({200, 200}));
}

TEST_F(MesureDansLeCadre, the_band_mode_shows_the_profile_window_which_measures_the_dragged_line)
{
    Outil(ImageDocument::OutilMesure);
    ChoisirMode(MesureLumiereBande);
    auto *profil = cadre->findChild<TMesu_Courbe *>();
    ASSERT_NE(profil, nullptr);
    EXPECT_TRUE(profil->isVisible());
    Glisser({100, 100}, {220, 100});
    EXPECT_EQ(doc().mesure.pointCourant, QPoint(220, 100));
    EXPECT_EQ(doc().coucheProvisoire.pixel(150, 100), 0xFF000000u) << "the line is drawn as in the common mode";
    QTest::mouseClick(profil->boutonMesurer, Qt::LeftButton);
    EXPECT_EQ(doc().LongueurProfil, 120);
    EXPECT_EQ(profil->modele.Unite, QStringLiteral("mm"));
    EXPECT_TRUE(profil->actCopier->isEnabled());
    Capturer(profil, "profil_cadre");

    // "&Imprimer" goes through the frame's print choices into a PDF holding
    // the graph's picture.
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("profil"));
    ASSERT_TRUE(PiloteDialogues::Executer(profil->actImprimer, {PiloteDialogues::Quand<Tgestimp>([&](Tgestimp &d) {
                                              auto *imprimante = d.findChild<QComboBox *>(QStringLiteral("imprimante"));
                                              ASSERT_NE(imprimante, nullptr);
                                              imprimante->setCurrentIndex(imprimante->findText(Tgestimp::TextePdf()));
                                              d.DemanderFichierPdf = [pdf](QWidget *) { return pdf; };
                                              d.accept();
                                          })}));
    EXPECT_TRUE(messages.isEmpty());
    QProcess liste;
    liste.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf + QStringLiteral(".pdf")});
    ASSERT_TRUE(liste.waitForFinished(30000));
    const QString images = QString::fromUtf8(liste.readAllStandardOutput());
    const QSize taille = profil->Graphe->size();
    EXPECT_TRUE(images.contains(
        QRegularExpression(QStringLiteral("\\b%1\\s+%2\\b").arg(taille.width()).arg(taille.height()))))
        << images.toStdString();

    ChoisirMode(MesureCourante);
    EXPECT_FALSE(profil->isVisible());
}

TEST_F(MesureDansLeCadre, the_surface_window_shows_only_in_the_surface_and_object_modes)
{
    Outil(ImageDocument::OutilMesure);
    auto *surface = cadre->findChild<TMesursurf *>();
    ASSERT_NE(surface, nullptr);
    for (const int mode : {MesureCourante, MesureLumiereRectangle, MesureLumiereBande, MesureAngle,
                           MesureLumiereColore}) {
        ChoisirMode(MesureSurface);
        ASSERT_TRUE(surface->isVisible());
        ChoisirMode(mode);
        EXPECT_FALSE(surface->isVisible()) << "mode " << mode;
    }
    ChoisirMode(MesureDelimitation);
    EXPECT_TRUE(surface->isVisible());
}

TEST_F(MesureDansLeCadre, with_multiple_measurements_the_panel_follows_the_length_while_dragging)
{
    cadre->actMesuresMultiples->trigger();
    auto *panneau = cadre->findChild<Saisie_Mult *>();
    ASSERT_NE(panneau, nullptr);
    Outil(ImageDocument::OutilMesure);
    QTest::mousePress(Vue(), Qt::LeftButton, {}, Ecran({100, 100}));
    const QPoint p = Ecran({130, 140}); // 50 pixels of 0,25 mm
    QMouseEvent mouvement(QEvent::MouseMove, p, Vue()->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(Vue(), &mouvement);
    EXPECT_EQ(Panneau4(), QStringLiteral("12,5 mm"));
    EXPECT_TRUE(panneau->valeurY1Transf->text().startsWith(QStringLiteral("12,5")))
        << panneau->valeurY1Transf->text().toStdString();
    QTest::mouseRelease(Vue(), Qt::LeftButton, {}, Ecran({130, 100}));
    EXPECT_TRUE(panneau->valeurY1Transf->text().startsWith(QStringLiteral("7,5")))
        << panneau->valeurY1Transf->text().toStdString();
}

TEST_F(MesureDansLeCadre, a_new_scale_relabels_the_length_of_the_multiple_measurements)
{
    doc().echelle = EchelleParDefaut();
    Outil(ImageDocument::OutilMesure);
    cadre->actMesuresMultiples->trigger();
    auto *panneau = cadre->findChild<Saisie_Mult *>();
    ASSERT_NE(panneau, nullptr);
    ChoisirMode(MesureCourante);
    ASSERT_EQ(panneau->MesureY1->text(), QStringLiteral("longueur (pixels)"));
    SurDialogue<Tdemandpi>([](Tdemandpi *demande) {
        demande->Scan->setChecked(true);
        demande->resolution->setValue(254);
        demande->accept();
    });
    cadre->actEchelle->trigger();
    ASSERT_EQ(EchelleEnTexte(doc().echelle), QStringLiteral("<SCALE=0;0,1;mm;>"));
    EXPECT_EQ(panneau->MesureY1->text(), QStringLiteral("longueur (mm)"));
}

TEST_F(MesureDansLeCadre, a_measured_line_is_discarded_when_a_drawing_tool_presses_next)
{
    Outil(ImageDocument::OutilMesure);
    Glisser({100, 100}, {200, 100});
    EXPECT_EQ(Panneau4(), QStringLiteral("25 mm"));
    Outil(1); // line
    Glisser({100, 200}, {200, 200});
    Glisser({100, 250}, {200, 250}); // merges the first drawn line
    ASSERT_EQ(doc().dessins.Nombre(), 2);
    EXPECT_EQ(Alpha(doc().coucheDessin, {150, 100}), 0);
    EXPECT_GT(Alpha(doc().coucheDessin, {150, 200}), 0);
    EXPECT_EQ(Alpha(doc().coucheProvisoire, {150, 100}), 0);

    // The same in the angle mode, whose first line stays until the second.
    Outil(ImageDocument::OutilMesure);
    ChoisirMode(MesureAngle);
    Glisser({50, 50}, {150, 50});
    Outil(0); // pencil
    Glisser({300, 300}, {320, 300});
    Glisser({300, 310}, {320, 310});
    EXPECT_EQ(Alpha(doc().coucheDessin, {100, 50}), 0);
    EXPECT_EQ(doc().dessins.Nombre(), 4);
}

TEST_F(MesureDansLeCadre, deleting_copying_or_saving_leaves_a_measured_line_out_of_the_drawing_layer)
{
    Outil(1);
    Glisser({100, 200}, {200, 200});
    Outil(ImageDocument::OutilMesure);
    Glisser({100, 100}, {200, 100}); // merges the drawn line, then measures
    ASSERT_GT(Alpha(doc().coucheDessin, {150, 200}), 0);
    ASSERT_GT(Alpha(doc().coucheProvisoire, {150, 100}), 0);

    fenetre->actCopierCoucheDessin->trigger();
    EXPECT_EQ(Alpha(doc().coucheDessin, {150, 100}), 0);
    const QImage copie = QApplication::clipboard()->image().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(copie.pixel(150, 100), 0xFFFFFFFFu); // the background colour
    EXPECT_EQ(copie.pixel(150, 200), 0xFF000000u); // the drawn line

    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath(QStringLiteral("mesure.kpt"));
    SurDialogue<TSavePictureDialogsg>([&](TSavePictureDialogsg *d) {
        auto *nom = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nom, nullptr);
        nom->setText(chemin);
        QTest::keyClick(nom, Qt::Key_Return);
    });
    cadre->actEnregistrerSous->trigger();
    EXPECT_TRUE(QFile::exists(chemin));
    EXPECT_EQ(Alpha(doc().coucheDessin, {150, 100}), 0);
    EXPECT_GT(Alpha(doc().coucheProvisoire, {150, 100}), 0);

    SurDialogue<TGestionDessins>([](TGestionDessins *d) { d->reject(); });
    cadre->actSupprimerElement->trigger();
    EXPECT_EQ(Alpha(doc().coucheDessin, {150, 100}), 0);
    EXPECT_EQ(Alpha(doc().coucheProvisoire, {150, 100}), 0);
    EXPECT_GT(Alpha(doc().coucheDessin, {150, 200}), 0);
    EXPECT_EQ(doc().dessins.Nombre(), 1);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(MesureDansLeCadre, the_angle_mode_reads_the_angle_between_two_dragged_lines)
{
    Outil(ImageDocument::OutilMesure);
    ChoisirMode(MesureAngle);
    EXPECT_EQ(doc().modeMesure, MesureAngle);

    Glisser({100, 200}, {109, 209}); // 9 by 9 pixels: not a first line
    EXPECT_FALSE(doc().mesure.premierSegmentFait);
    Glisser({100, 200}, {200, 200}); // rightwards
    EXPECT_TRUE(doc().mesure.premierSegmentFait);
    Glisser({150, 250}, {150, 150}); // upwards
    EXPECT_EQ(Panneau4(), QStringLiteral("90° (90°)"));
    EXPECT_EQ(doc().mesure.intersection, QPoint(150, 200));
    // Both lines stay on the provisional layer with the crossing stamped.
    EXPECT_GT(Alpha(doc().coucheProvisoire, {120, 200}), 0);
    EXPECT_GT(Alpha(doc().coucheProvisoire, {150, 230}), 0);
    EXPECT_GT(Alpha(doc().coucheProvisoire, {150, 200}), 0);
    EXPECT_TRUE(doc().etatDessin.LigneMesure);
    Capturer(cadre.get(), "mesure_angle_cadre");

    Glisser({100, 200}, {200, 200});
    Glisser({150, 150}, {150, 250}); // downwards
    EXPECT_EQ(Panneau4(), QStringLiteral("90° (270°)"));

    Glisser({100, 100}, {200, 100});
    Glisser({100, 150}, {200, 150}); // parallel, same way: no crossing
    EXPECT_EQ(Panneau4(), QStringLiteral("0° (0°)"));
    EXPECT_EQ(doc().mesure.intersection, EtatMesure::SansIntersection);
    EXPECT_TRUE(doc().dessins.EstVide());
}

TEST_F(MesureDansLeCadre, a_graph_scale_with_two_y_axes_reads_positions_under_the_pointer)
{
    doc().echelle =
        TexteEnEchelle(QStringLiteral("<SCALE=1;40;20;380;262;40;0,0125;s;2;-0,01667;m;260;-0,1667;°C;260;>"));
    ASSERT_EQ(doc().echelle.Definie, 1);
    Outil(ImageDocument::OutilMesure);

    Survoler({200, 140}); // no button needed
    EXPECT_EQ(Panneau4(), QStringLiteral("2 s   2 m   20 °C"));
    EXPECT_DOUBLE_EQ(doc().mesure.valeursRepere[0], 2.0);
    Survoler({380, 262}); // the frame's corner is inside
    EXPECT_EQ(Panneau4(), QStringLiteral("4,25 s   -0,0333 m   -0,333 °C"));
    Survoler({39, 140}); // left of the frame
    EXPECT_EQ(Panneau4(), QString());

    // Presses and drags read positions and draw nothing.
    Glisser({100, 60}, {300, 60});
    EXPECT_EQ(Panneau4(), QStringLiteral("3,25 s   3,33 m   33,3 °C"));
    EXPECT_FALSE(doc().ProvisoireNonVide());
    EXPECT_TRUE(doc().dessins.EstVide());
}

TEST_F(MesureDansLeCadre, a_press_outside_the_graph_frame_captures_no_curve_point)
{
    doc().echelle = TexteEnEchelle(QStringLiteral("<SCALE=1;40;20;380;262;40;0,0125;s;1;-0,01667;m;260;>"));
    ASSERT_EQ(doc().echelle.Definie, 1);
    Outil(ImageDocument::OutilMesure);
    cadre->actMesuresMultiples->trigger();
    auto *panneau = cadre->findChild<Saisie_Mult *>();
    ASSERT_NE(panneau, nullptr);
    QTest::mouseClick(Vue(), Qt::LeftButton, {}, Ecran({200, 140}));
    EXPECT_EQ(panneau->ValCY1->text(), QStringLiteral("2 m"));

    // The pointer leaves the frame through (380, 80), then presses to its right.
    Survoler({380, 80});
    Survoler({400, 80});
    QTest::mouseClick(Vue(), Qt::LeftButton, {}, Ecran({400, 80}));
    EXPECT_EQ(Panneau4(), QString());
    EXPECT_EQ(panneau->ValCY1->text(), QStringLiteral("2 m")) << "the point clicked last inside the frame";
}

TEST_F(MesureDansLeCadre, polar_and_triangle_scales_read_under_the_pointer)
{
    Outil(ImageDocument::OutilMesure);
    doc().echelle = TexteEnEchelle(QStringLiteral("<SCALE=3;100;100;de;0;0,5;cm;>"));
    Survoler({100, 90});
    EXPECT_EQ(Panneau4(), QStringLiteral("R=5 cm  A=90°"));
    Survoler({90, 100});
    EXPECT_EQ(Panneau4(), QStringLiteral("R=5 cm  A=-180°"));

    doc().echelle = TexteEnEchelle(QStringLiteral("<SCALE=2;0;100;100;0;sable;limon;argile;>"));
    Survoler({0, 100});
    EXPECT_EQ(Panneau4(), QStringLiteral("sable: 0%  limon: 100%  argile: 0%"));
    Survoler({50, 120}); // below the base
    EXPECT_EQ(Panneau4(), QString());
    EXPECT_TRUE(messages.isEmpty());

    // The longest readouts stay whole in the last panel of the status bar.
    doc().echelle = TexteEnEchelle(QStringLiteral("<SCALE=2;0;300;300;0;sable fin;limons;argiles;>"));
    Survoler({100, 250});
    const QString texte = Panneau4();
    ASSERT_EQ(texte, QStringLiteral("sable fin: 19,2%  limons: 57%  argiles: 23,7%"));
    QApplication::processEvents();
    for (QLabel *panneau : cadre->statusBar()->findChildren<QLabel *>())
        if (panneau->text() == texte) {
            EXPECT_GE(panneau->contentsRect().width(), panneau->fontMetrics().horizontalAdvance(texte));
        }
    Capturer(cadre.get(), "mesure_triangle_cadre");
}

TEST_F(MesureDansLeCadre, the_measurement_menu_check_follows_the_active_document)
{
    TMDIChild *photo = fenetre;
    Outil(ImageDocument::OutilMesure);
    ChoisirMode(MesureAngle);
    Ouvrir("graphe.png");
    TMDIChild *graphe = fenetre;
    EXPECT_EQ(graphe->document().modeMesure, MesureCourante);
    EXPECT_EQ(ModeCoche(), MesureCourante);

    cadre->zoneDocuments()->setActiveSubWindow(photo);
    QApplication::processEvents();
    EXPECT_EQ(ModeCoche(), MesureAngle);
    cadre->zoneDocuments()->setActiveSubWindow(graphe);
    QApplication::processEvents();
    EXPECT_EQ(ModeCoche(), MesureCourante);

    // With another tool the choice is only checked; the document keeps its mode
    // and the check mark comes back to it at the next activation.
    Outil(1);
    ChoisirMode(MesureAngle);
    EXPECT_EQ(graphe->document().modeMesure, MesureCourante);
    cadre->zoneDocuments()->setActiveSubWindow(photo);
    QApplication::processEvents();
    cadre->zoneDocuments()->setActiveSubWindow(graphe);
    QApplication::processEvents();
    EXPECT_EQ(ModeCoche(), MesureCourante);
}

TEST_F(MesureDansLeCadre, outil_de_mesure_selects_the_tool_and_offers_the_measurement_menu)
{
    Outil(0);
    QTimer::singleShot(0, [this] {
        EXPECT_TRUE(cadre->menuMesures->isVisible());
        cadre->menuMesures->hide();
    });
    cadre->actOutilMesure->trigger();
    QApplication::processEvents();
    EXPECT_EQ(doc().outilCourant, ImageDocument::OutilMesure);
    EXPECT_EQ(cadre->TextePanneau(1), QStringLiteral("outil : mesure"));
    QStringList legendes;
    for (QAction *a : cadre->menuMesures->actions())
        legendes << a->text();
    EXPECT_EQ(legendes, (QStringList{QStringLiteral("&Courante"), QStringLiteral("&Surface"),
                                     QStringLiteral("&Lumière sur un rectangle"),
                                     QStringLiteral("lumière sur une &Bande"), QStringLiteral("&Angle"),
                                     QStringLiteral("&Délimitation d'objets"),
                                     QStringLiteral("L&umière sous ce qui est coloré"), QString(),
                                     QStringLiteral("Mesures multiples")}));
}

TEST_F(MesureDansLeCadre, a_photo_calibrated_with_a_segment_in_the_scale_window_reads_lengths)
{
    doc().echelle = EchelleParDefaut();
    bool nomPropose = false;
    SurDialogue<Tdemandpi>([&](Tdemandpi *demande) {
        EXPECT_EQ(demande->windowTitle(), QStringLiteral("Attribution d'une échelle"));
        EXPECT_TRUE(demande->adefinir->isChecked());
        SurDialogue<TCre_ech>([&](TCre_ech *f) {
            EXPECT_EQ(f->windowTitle(), QStringLiteral("Création du fichier échelle associé à un fichier image"));
            EXPECT_TRUE(f->Longu->isChecked());
            TImageEch *image = f->imageEch();
            GlisserSur(image, {100, 100}, {400, 100}, [](QPoint p) { return p; });
            EXPECT_EQ(f->seg_X1->value(), 400);
            f->unite_long->clear();
            QTest::keyClicks(f->unite_long, QStringLiteral("mm"));
            f->val_long->clear();
            QTest::keyClicks(f->val_long, QStringLiteral("75"));
            Capturer(f, "echelle_longueur_cadre");
            SurDialogue<TNomEch>([&](TNomEch *nom) {
                nomPropose = true;
                EXPECT_EQ(nom->windowTitle(), QStringLiteral("Nom de l'échelle"));
                nom->RadioButton1->setChecked(true);
                nom->NomEchelle->setText(QStringLiteral("photo 0,25 mm"));
                nom->accept();
            });
            f->actTransferer->trigger();
        });
        demande->accept();
    });
    cadre->actEchelle->trigger();
    EXPECT_TRUE(nomPropose);
    EXPECT_EQ(EchelleEnTexte(doc().echelle), QStringLiteral("<SCALE=0;0,25;mm;>"));

    Outil(ImageDocument::OutilMesure);
    Glisser({10, 10}, {13, 14});
    EXPECT_EQ(Panneau4(), QStringLiteral("1,25 mm"));

    // The scale remembered for the session is offered the next time.
    Ouvrir("graphe.png");
    SurDialogue<Tdemandpi>([](Tdemandpi *demande) {
        EXPECT_EQ(demande->Listechelle->count(), 1);
        EXPECT_EQ(demande->Listechelle->itemText(0), QStringLiteral("photo 0,25 mm"));
        demande->rappel->setChecked(true);
        demande->accept();
    });
    cadre->actEchelle->trigger();
    EXPECT_EQ(EchelleEnTexte(doc().echelle), QStringLiteral("<SCALE=0;0,25;mm;>"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(MesureDansLeCadre, a_graph_calibrated_with_two_y_axes_in_the_scale_window_reads_values)
{
    Ouvrir("graphe.png");
    SurDialogue<Tdemandpi>([&](Tdemandpi *demande) {
        SurDialogue<TCre_ech>([&](TCre_ech *f) {
            TImageEch *image = f->imageEch();
            auto ici = [](QPoint p) { return p; };
            QTest::mouseClick(f->Rep_cart, Qt::LeftButton);
            f->actNbAxes[1]->trigger();
            GlisserSur(image, {40, 20}, {380, 262}, ici); // the active frame
            // Each axis: its unit, then a point and its value, then the other.
            auto axe = [&](int reperage, const QString &unite, QPoint pA, const char *wA, QPoint pB, const char *wB) {
                f->actReperageCartesien[static_cast<std::size_t>(reperage)]->trigger();
                f->unite->setText(unite);
                QTest::mouseClick(f->ppoint, Qt::LeftButton);
                GlisserSur(image, pA, pA, ici);
                f->valeur_P1->clear();
                QTest::keyClicks(f->valeur_P1, QString::fromLatin1(wA));
                QTest::mouseClick(f->dpoint, Qt::LeftButton);
                GlisserSur(image, pB, pB, ici);
                f->valeur_P1->clear();
                QTest::keyClicks(f->valeur_P1, QString::fromLatin1(wB));
            };
            axe(1, QStringLiteral("s"), {40, 150}, "0", {360, 150}, "4");
            axe(2, QStringLiteral("m"), {150, 260}, "0", {150, 80}, "3");
            axe(3, QStringLiteral("°C"), {150, 260}, "0", {150, 80}, "30");
            Capturer(f, "echelle_cartesien_cadre_frame");
            SurDialogue<TNomEch>([](TNomEch *nom) { nom->accept(); });
            f->actTransferer->trigger();
        });
        demande->adefinir->setChecked(true);
        demande->accept();
    });
    cadre->actEchelle->trigger();
    ASSERT_EQ(doc().echelle.Mode, TEchelle::Cartesien);
    EXPECT_EQ(doc().echelle.NbAxesY, 2);

    Outil(ImageDocument::OutilMesure);
    Survoler({200, 140});
    EXPECT_EQ(Panneau4(), QStringLiteral("2 s   2 m   20 °C"));
    Survoler({360, 80});
    EXPECT_EQ(Panneau4(), QStringLiteral("4 s   3 m   30 °C"));
    Capturer(cadre.get(), "mesure_graphe_cadre");
}

TEST_F(MesureDansLeCadre, polar_and_triangle_scales_made_in_the_scale_window_read_under_the_pointer)
{
    Ouvrir("graphe.png");
    auto ici = [](QPoint p) { return p; };
    auto calibrer = [&](const std::function<void(TCre_ech *)> &reglages) {
        SurDialogue<Tdemandpi>([&](Tdemandpi *demande) {
            SurDialogue<TCre_ech>([&](TCre_ech *f) {
                reglages(f);
                SurDialogue<TNomEch>([](TNomEch *nom) { nom->accept(); });
                f->actTransferer->trigger();
            });
            demande->accept();
        });
        cadre->actEchelle->trigger();
    };
    Outil(ImageDocument::OutilMesure);

    // Polar: centre, a radius of 100 pixels worth 5 cm, angle 0 straight up.
    calibrer([&](TCre_ech *f) {
        QTest::mouseClick(f->Coord_pol, Qt::LeftButton);
        GlisserSur(f->imageEch(), {200, 150}, {200, 150}, ici);
        f->menusReperage[2]->actions()[1]->trigger();
        GlisserSur(f->imageEch(), {200, 150}, {300, 150}, ici);
        EXPECT_EQ(f->long_rayon->value(), 100);
        f->Val_rayon->setText(QStringLiteral("5"));
        f->unite_r->setText(QStringLiteral("cm"));
        f->menusReperage[2]->actions()[2]->trigger();
        f->ScrollBar1->setValue(90);
        EXPECT_EQ(f->Angle_zero->text(), QStringLiteral("90"));
        Capturer(f, "echelle_polaire_cadre");
    });
    ASSERT_EQ(doc().echelle.Mode, TEchelle::Polaire);
    Survoler({200, 50});
    EXPECT_EQ(Panneau4(), QStringLiteral("R=5 cm  A=0°"));
    Survoler({250, 150});
    EXPECT_EQ(Panneau4(), QStringLiteral("R=2,5 cm  A=-90°"));

    // Triangle: corner at (60, 280), side 300, named sides.
    calibrer([&](TCre_ech *f) {
        QTest::mouseClick(f->diagtri, Qt::LeftButton);
        GlisserSur(f->imageEch(), {60, 280}, {360, 200}, ici);
        EXPECT_EQ(f->cote->value(), 300);
        f->menusReperage[1]->actions()[1]->trigger();
        f->nom_X->setText(QStringLiteral("sable"));
        f->Nom_Y->setText(QStringLiteral("limon"));
        f->Nom_Z->setText(QStringLiteral("argile"));
        Capturer(f, "echelle_triangle_cadre");
    });
    ASSERT_EQ(doc().echelle.Mode, TEchelle::Triangle);
    Survoler({60, 280});
    EXPECT_EQ(Panneau4(), QStringLiteral("sable: 0%  limon: 100%  argile: 0%"));
    Survoler({360, 280});
    EXPECT_EQ(Panneau4(), QStringLiteral("sable: 0%  limon: 0%  argile: 100%"));
    Survoler({210, 290}); // below the base
    EXPECT_EQ(Panneau4(), QString());
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(MesureDansLeCadre, cancelling_the_assignment_keeps_the_scale_and_a_zero_resolution_gives_pixels)
{
    SurDialogue<Tdemandpi>([](Tdemandpi *demande) {
        demande->Scan->setChecked(true);
        demande->resolution->setValue(300);
        demande->reject();
    });
    cadre->actEchelle->trigger();
    EXPECT_EQ(EchelleEnTexte(doc().echelle), QStringLiteral("<SCALE=0;0,25;mm;>"));

    SurDialogue<Tdemandpi>([](Tdemandpi *demande) {
        demande->Scan->setChecked(true);
        demande->resolution->setValue(0);
        demande->accept();
    });
    cadre->actEchelle->trigger();
    EXPECT_EQ(doc().echelle, EchelleParDefaut());
    Outil(ImageDocument::OutilMesure);
    Glisser({10, 10}, {13, 14});
    EXPECT_EQ(Panneau4(), QStringLiteral("5 pixels"));
}

TEST_F(MesureDansLeCadre, a_scale_window_that_cannot_compute_leaves_the_scale_and_says_why)
{
    SurDialogue<Tdemandpi>([&](Tdemandpi *demande) {
        SurDialogue<TCre_ech>([](TCre_ech *f) {
            QTest::mouseClick(f->Rep_cart, Qt::LeftButton);
            f->actTransferer->trigger(); // both points of X at the same position
        });
        demande->accept();
    });
    cadre->actEchelle->trigger();
    EXPECT_EQ(EchelleEnTexte(doc().echelle), QStringLiteral("<SCALE=0;0,25;mm;>"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("L'échelle n'a pas pu être calculée")));

    // The same for a length typed without a segment to go with it.
    SurDialogue<Tdemandpi>([&](Tdemandpi *demande) {
        SurDialogue<TCre_ech>([](TCre_ech *f) {
            QTest::mouseClick(f->Longu, Qt::LeftButton);
            f->unite_long->setText(QStringLiteral("cm"));
            f->val_long->setText(QStringLiteral("75"));
            f->actTransferer->trigger();
        });
        demande->accept();
    });
    cadre->actEchelle->trigger();
    EXPECT_EQ(EchelleEnTexte(doc().echelle), QStringLiteral("<SCALE=0;0,25;mm;>"));
    EXPECT_EQ(messages.size(), 2);
}

} // namespace

namespace {

// The frame started in a folder holding a list of remembered scales.
class ListeEchellesDansLeCadre : public MesureDansLeCadre {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier.isValid());
        ancien = QDir::currentPath();
        QDir::setCurrent(dossier.path());
        QFile liste(dossier.filePath(QStringLiteral("mesechelles.txt")));
        ASSERT_TRUE(liste.open(QIODevice::WriteOnly));
        for (int i = 1; i <= 20; ++i)
            liste.write(QStringLiteral("loupe %1\r\n<SCALE=0;%1;mm;>\r\n").arg(i).toLatin1());
        liste.close();
        MesureDansLeCadre::SetUp();
    }
    void TearDown() override
    {
        MesureDansLeCadre::TearDown();
        QDir::setCurrent(ancien);
    }

    // "Créer/modifier l'&Echelle" by a segment of 300 pixels worth 75 mm,
    // remembered in the list file under the given name.
    void Calibrer(const QString &nomEchelle)
    {
        SurDialogue<Tdemandpi>([nomEchelle](Tdemandpi *demande) {
            SurDialogue<TCre_ech>([nomEchelle](TCre_ech *f) {
                GlisserSur(f->imageEch(), {100, 100}, {400, 100}, [](QPoint p) { return p; });
                f->unite_long->setText(QStringLiteral("mm"));
                f->val_long->setText(QStringLiteral("75"));
                SurDialogue<TNomEch>([nomEchelle](TNomEch *nom) {
                    nom->Enregistre->setChecked(true);
                    nom->NomEchelle->setText(nomEchelle);
                    nom->accept();
                });
                f->actTransferer->trigger();
            });
            demande->adefinir->setChecked(true);
            demande->accept();
        });
        cadre->actEchelle->trigger();
    }
    [[nodiscard]] QByteArray Liste() const
    {
        QFile f(dossier.filePath(QStringLiteral("mesechelles.txt")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dossier;
    QString ancien;
};

TEST_F(ListeEchellesDansLeCadre, the_twenty_first_scale_is_written_to_the_list_and_a_twenty_second_is_refused)
{
    Calibrer(QStringLiteral("photo à 0,25"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    const QByteArray vingtEtUne = Liste();
    EXPECT_TRUE(vingtEtUne.endsWith("loupe 20\r\n<SCALE=0;20;mm;>\r\nphoto \xE0 0,25\r\n<SCALE=0;0,25;mm;>\r\n"))
        << vingtEtUne.right(80).toStdString();

    Calibrer(QStringLiteral("de trop"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("La liste des échelles standard est pleine (21 échelles au plus) : "
                                          "l'échelle « de trop » n'y est pas ajoutée."));
    EXPECT_EQ(Liste(), vingtEtUne);
    EXPECT_EQ(EchelleEnTexte(doc().echelle), QStringLiteral("<SCALE=0;0,25;mm;>")); // the document keeps it
}

TEST_F(ListeEchellesDansLeCadre, a_list_file_that_cannot_be_written_is_told_and_the_scale_stays_in_the_list)
{
    // The list's name is taken by a folder holding a file: the list cannot be written there.
    const QString liste = dossier.filePath(QStringLiteral("mesechelles.txt"));
    ASSERT_TRUE(QFile::remove(liste));
    ASSERT_TRUE(QDir().mkdir(liste));
    QFile dedans(liste + QStringLiteral("/garde.txt"));
    ASSERT_TRUE(dedans.open(QIODevice::WriteOnly));
    dedans.close();

    Calibrer(QStringLiteral("photo à 0,25"));
    ASSERT_EQ(messages.size(), 1) << messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Impossible d'enregistrer la liste des échelles dans le fichier ")))
        << messages[0].toStdString();
    EXPECT_TRUE(messages[0].endsWith(
        QStringLiteral("mesechelles.txt.\rL'échelle reste dans la liste jusqu'à la fin du programme.")))
        << messages[0].toStdString();
    EXPECT_TRUE(QFileInfo(liste).isDir());
    EXPECT_EQ(EchelleEnTexte(doc().echelle), QStringLiteral("<SCALE=0;0,25;mm;>"));
}

} // namespace

