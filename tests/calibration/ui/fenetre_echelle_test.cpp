// The scale window used as a pupil uses it: a graph calibrated with two Y
// axes by pointing at its ticks, a photo by a dragged segment, and the
// overlays of the triangle and polar modes. Screenshots of each mode go to
// KAPTORI_CAPTURES when that variable names a folder.

#include "calibration/ui/dialogue_attribution_echelle.h"
#include "calibration/ui/dialogue_nom_echelle.h"
#include "calibration/echelles_standard.h"
#include "calibration/ui/edit_valeur.h"
#include "calibration/ui/fenetre_echelle.h"
#include "calibration/ui/image_echelle.h"
#include "measure/lecture_position.h"
#include "support/separateur.h"

#include <QApplication>
#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QImage Echantillon(const char *nom)
{
    const QImage image(QDir(qEnvironmentVariable("KAPTORI_DATA")).filePath(QString::fromLatin1(nom)));
    EXPECT_FALSE(image.isNull()) << nom;
    return image;
}

void Capturer(QWidget *w, const char *nom)
{
    const QString dossier = qEnvironmentVariable("KAPTORI_CAPTURES");
    if (dossier.isEmpty())
        return;
    if (qobject_cast<TCre_ech *>(w))
        w->resize(1100, 700);
    else
        w->adjustSize();
    w->show();
    QApplication::processEvents();
    w->grab().save(QDir(dossier).filePath(QString::fromLatin1(nom) + QStringLiteral(".png")));
}

int PixelsDifferents(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *la = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            n += la[x] != lb[x];
    }
    return n;
}

TEST(FenetreEchelle, a_graph_calibrated_with_two_y_axes_reads_its_values)
{
    SeparateurTemporaire sep{QLatin1Char(',')};
    TCre_ech fenetre;
    fenetre.Ouvrir(Echantillon("graphe.png"), EchelleParDefaut());
    QTest::mouseClick(fenetre.Rep_cart, Qt::LeftButton);
    fenetre.ChoisirNbAxes(2);
    // The active frame: the axes' corner to the top right of the curve.
    fenetre.AppuiImage({40, 20});
    fenetre.DeplacementImage({380, 262});
    Capturer(&fenetre, "echelle_cartesien_cadre");

    auto calibrer = [&fenetre](int reperage, const QString &unite, int pA, const char *wA, int pB, const char *wB) {
        fenetre.ChoisirReperage(reperage);
        fenetre.unite->setText(unite);
        fenetre.ppoint->setChecked(true);
        fenetre.AppuiImage(reperage == 1 ? QPoint(pA, 150) : QPoint(150, pA));
        fenetre.valeur_P1->clear();
        QTest::keyClicks(fenetre.valeur_P1, QString::fromLatin1(wA));
        fenetre.dpoint->setChecked(true);
        fenetre.AppuiImage(reperage == 1 ? QPoint(pB, 150) : QPoint(150, pB));
        fenetre.valeur_P1->clear();
        QTest::keyClicks(fenetre.valeur_P1, QString::fromLatin1(wB));
    };
    calibrer(1, QStringLiteral("s"), 40, "0", 360, "4");
    Capturer(&fenetre, "echelle_cartesien_abscisse");
    calibrer(2, QStringLiteral("m"), 260, "0", 80, "3.0x"); // '.' typed becomes ',', 'x' is dropped
    EXPECT_EQ(fenetre.valeur_P1->text(), QStringLiteral("3,0"));
    calibrer(3, QStringLiteral("°C"), 260, "0", 80, "30");
    Capturer(&fenetre, "echelle_cartesien_ordonnee2");

    fenetre.Transferer();
    EXPECT_EQ(fenetre.result(), QDialog::Accepted);
    const TEchelle e = fenetre.EchelleTransferee();
    ASSERT_EQ(e.Definie, 1);
    EXPECT_EQ(fenetre.imageEch()->echelle, e);
    EXPECT_EQ(LirePosition(e, 200, 140).texte, QStringLiteral("2 s   2 m   20 °C"));
    EXPECT_EQ(LirePosition(e, 39, 140).texte, QString()); // left of the frame
    EXPECT_EQ(EchelleEnTexte(e),
              QStringLiteral("<SCALE=1;40;20;380;262;40;0,0125;s;2;-0,01667;m;260;-0,1667;°C;260;>"));
}

TEST(FenetreEchelle, a_photo_calibrated_by_a_segment_gives_lengths)
{
    TCre_ech fenetre;
    fenetre.Ouvrir(Echantillon("photo.jpg"), EchelleParDefaut());
    EXPECT_TRUE(fenetre.Longu->isChecked());
    fenetre.AppuiImage({100, 100});
    fenetre.DeplacementImage({400, 100});
    EXPECT_EQ(fenetre.unite_long->text(), QStringLiteral("pixels")); // the document's unit
    fenetre.unite_long->clear();
    QTest::keyClicks(fenetre.unite_long, QStringLiteral("mm"));
    fenetre.val_long->clear();
    QTest::keyClicks(fenetre.val_long, QStringLiteral("75"));
    EXPECT_EQ(fenetre.seg_X1->value(), 400);
    Capturer(&fenetre, "echelle_longueur");
    fenetre.Transferer();
    const TEchelle e = fenetre.EchelleTransferee();
    ASSERT_EQ(e.Definie, 1);
    EXPECT_EQ(TexteLongueur(e, {10, 10}, {13, 14}), QStringLiteral("1.25 mm"));
}

TEST(FenetreEchelle, units_and_names_cannot_hold_the_separators_of_the_saved_text)
{
    TCre_ech fenetre;
    fenetre.Ouvrir(Echantillon("graphe.png"), EchelleParDefaut());
    for (QLineEdit *edit : {fenetre.unite_long, fenetre.unite, fenetre.nom_X, fenetre.Nom_Y, fenetre.Nom_Z,
                            fenetre.unite_r}) {
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("m;s>h"));
        EXPECT_EQ(edit->text(), QStringLiteral("msh")) << edit->objectName().toStdString();
    }

    // A graph scale with a typed unit comes back whole from its saved text.
    QTest::mouseClick(fenetre.Rep_cart, Qt::LeftButton);
    fenetre.ChoisirReperage(1);
    fenetre.unite->clear();
    QTest::keyClicks(fenetre.unite, QStringLiteral("t;s"));
    fenetre.AppuiImage({40, 150});
    fenetre.dpoint->setChecked(true);
    fenetre.AppuiImage({360, 150});
    fenetre.valeur_P1->setText(QStringLiteral("4"));
    fenetre.ChoisirReperage(2);
    fenetre.ppoint->setChecked(true);
    fenetre.AppuiImage({150, 260});
    fenetre.dpoint->setChecked(true);
    fenetre.AppuiImage({150, 80});
    fenetre.valeur_P1->setText(QStringLiteral("3"));
    fenetre.Transferer();
    const TEchelle e = fenetre.EchelleTransferee();
    ASSERT_EQ(e.Definie, 1);
    EXPECT_EQ(e.UniteX, QStringLiteral("ts"));
    EXPECT_EQ(TexteEnEchelle(EchelleEnTexte(e)).Definie, 1);
}

TEST(FenetreEchelle, a_length_of_zero_or_below_is_refused_with_a_french_message)
{
    for (const char *valeur : {"0", "-50", "0,0"}) {
        SeparateurTemporaire sep{QLatin1Char(',')};
        TCre_ech fenetre;
        QStringList messages;
        fenetre.avertir = [&](const QString &texte) { messages << texte; };
        fenetre.Ouvrir(Echantillon("photo.jpg"), EchelleParDefaut());
        fenetre.AppuiImage({100, 100});
        fenetre.DeplacementImage({400, 100});
        fenetre.unite_long->setText(QStringLiteral("mm"));
        fenetre.val_long->setText(QString::fromLatin1(valeur));
        fenetre.show();
        fenetre.Transferer();
        ASSERT_EQ(messages.size(), 1) << valeur;
        EXPECT_TRUE(messages.first().contains(QStringLiteral("supérieure à 0"))) << messages.first().toStdString();
        EXPECT_TRUE(fenetre.isVisible()) << "the window stays open for another value";
        EXPECT_FALSE(fenetre.EchelleCalculee());

        fenetre.val_long->setText(QStringLiteral("75"));
        fenetre.Transferer();
        EXPECT_EQ(messages.size(), 1);
        EXPECT_TRUE(fenetre.EchelleCalculee());
    }
}

TEST(FenetreEchelle, triangle_and_polar_overlays_invert_the_picture_and_vanish_when_drawn_twice)
{
    TCre_ech fenetre;
    const QImage graphe = Echantillon("graphe.png");
    fenetre.Ouvrir(graphe, EchelleParDefaut());
    QTest::mouseClick(fenetre.diagtri, Qt::LeftButton);
    fenetre.AppuiImage({60, 280});
    fenetre.DeplacementImage({360, 100});
    EXPECT_EQ(fenetre.cote->value(), 300);
    const QImage triangle = fenetre.imageEch()->ImageAffichee();
    // The base of the triangle inverts the white background to black.
    EXPECT_EQ(triangle.pixel(200, 280) & 0xFFFFFF, 0u);
    Capturer(&fenetre, "echelle_triangle");

    QTest::mouseClick(fenetre.Coord_pol, Qt::LeftButton);
    fenetre.AppuiImage({100, 100});
    fenetre.ChoisirReperage(1);
    fenetre.DeplacementImage({180, 100});
    EXPECT_EQ(fenetre.long_rayon->value(), 80);
    fenetre.ChoisirReperage(2);
    Capturer(&fenetre, "echelle_polaire");
    const QImage polaire = fenetre.imageEch()->ImageAffichee();
    EXPECT_EQ(polaire.pixel(140, 100) & 0xFFFFFF, 0u); // on the radius line at angle 0
    EXPECT_GT(PixelsDifferents(polaire, graphe.convertToFormat(QImage::Format_RGB32)), 400);

    // Drawing the same shapes a second time in XOR gives the picture back.
    FormeXor cercle;
    cercle.genre = FormeXor::Cercle;
    cercle.rect = QRect(120, 70, 160, 160);
    TImageEch vue;
    vue.DefinirImage(graphe);
    vue.DefinirFormes({cercle, cercle});
    EXPECT_EQ(PixelsDifferents(vue.ImageAffichee(), graphe.convertToFormat(QImage::Format_RGB32)), 0);
}

TEST(FenetreEchelle, every_panel_of_every_mode_shows_its_captions_whole)
{
    TCre_ech fenetre;
    fenetre.Ouvrir(Echantillon("graphe.png"), EchelleParDefaut());
    fenetre.resize(1024, 700);
    fenetre.show();
    fenetre.ChoisirNbAxes(3);
    struct Vue {
        int mode;
        int reperage; // -1: as the mode switch leaves it
        const char *capture;
    };
    const Vue vues[] = {{0, -1, "echelle_panneau_longueur"},    {1, 0, "echelle_panneau_cadre"},
                        {1, 1, "echelle_panneau_abscisse"},     {1, 4, "echelle_panneau_ordonnee3"},
                        {2, 0, "echelle_panneau_angle_inf"},    {2, 1, "echelle_panneau_noms"},
                        {3, 0, "echelle_panneau_centre"},       {3, 1, "echelle_panneau_rayon"},
                        {3, 2, "echelle_panneau_angle_nul"}};
    for (const Vue &v : vues) {
        fenetre.ChoisirMode(v.mode);
        if (v.reperage >= 0)
            fenetre.ChoisirReperage(v.reperage);
        QApplication::processEvents();
        int visibles = 0;
        for (QWidget *w : fenetre.findChildren<QWidget *>()) {
            if (!w->isVisibleTo(&fenetre) || qobject_cast<TImageEch *>(w) || w->parentWidget() == nullptr)
                continue;
            ++visibles;
            // A caption or a control narrower than it asks for is cut off.
            if (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)) {
                EXPECT_GE(w->width(), w->minimumSizeHint().width())
                    << v.capture << ": " << w->metaObject()->className() << " "
                    << (qobject_cast<QLabel *>(w) ? qobject_cast<QLabel *>(w)->text()
                                                  : qobject_cast<QAbstractButton *>(w)->text())
                           .toStdString();
            }
            const QRect dans(w->mapTo(&fenetre, QPoint(0, 0)), w->size());
            EXPECT_TRUE(fenetre.rect().contains(dans)) << v.capture << ": " << w->metaObject()->className();
        }
        EXPECT_GT(visibles, 8) << v.capture;
        Capturer(&fenetre, v.capture);
    }
}

TEST(FenetreEchelle, abandoning_keeps_the_editor_image_scale)
{
    TCre_ech fenetre;
    const TEchelle avant = TexteEnEchelle(QStringLiteral("<SCALE=0;0,25;mm;>"));
    fenetre.Ouvrir(Echantillon("photo.jpg"), avant);
    fenetre.actAbandonner->trigger();
    EXPECT_EQ(fenetre.result(), QDialog::Rejected);
    EXPECT_EQ(fenetre.imageEch()->echelle, avant);
}

TEST(AttributionEchelle, each_choice_gives_its_scale)
{
    EchellesStandard liste;
    liste.ajouter(QStringLiteral("loupe"), TexteEnEchelle(QStringLiteral("<SCALE=0;0,1;mm;>")));
    liste.ajouter(QStringLiteral("carte"), TexteEnEchelle(QStringLiteral("<SCALE=0;2;km;>")));
    const auto scanner = AppliquerAttribution(true, Tdemandpi::Choix::Scanner, 254, 0, liste);
    EXPECT_FALSE(scanner.ouvrirFenetre);
    EXPECT_DOUBLE_EQ(scanner.echelle.Facteur, 0.1);
    EXPECT_EQ(scanner.echelle.Unite, QStringLiteral("mm"));
    EXPECT_EQ(AppliquerAttribution(true, Tdemandpi::Choix::Scanner, 0, 0, liste).echelle, EchelleParDefaut());
    const auto rappel = AppliquerAttribution(true, Tdemandpi::Choix::Rappel, 0, 0, liste);
    EXPECT_EQ(rappel.echelle.Unite, QStringLiteral("mm"));
    EXPECT_EQ(liste.DerniereEchelleChoisie, 0);
    EXPECT_TRUE(AppliquerAttribution(true, Tdemandpi::Choix::ADefinir, 0, 0, liste).ouvrirFenetre);
    EXPECT_FALSE(AppliquerAttribution(true, Tdemandpi::Choix::Rappel, 0, 1, liste).annulee);
    const auto annulee = AppliquerAttribution(false, Tdemandpi::Choix::Rappel, 0, 0, liste);
    EXPECT_TRUE(annulee.annulee);
    EXPECT_FALSE(annulee.ouvrirFenetre);
    EXPECT_EQ(liste.DerniereEchelleChoisie, 1); // the cancelled choice is not remembered
}

TEST(AttributionEchelle, the_dialogs_show_their_choices)
{
    EchellesStandard liste;
    liste.ajouter(QStringLiteral("microscope x40"), EchelleParDefaut());
    Tdemandpi demande;
    demande.Preparer(liste);
    EXPECT_TRUE(demande.adefinir->isChecked());
    EXPECT_FALSE(demande.resolution->isEnabled());
    demande.Scan->setChecked(true);
    EXPECT_TRUE(demande.resolution->isEnabled());
    EXPECT_EQ(demande.choix(), Tdemandpi::Choix::Scanner);
    Capturer(&demande, "attribution_echelle");

    TNomEch nom;
    EXPECT_FALSE(nom.NomEchelle->isEnabled());
    nom.Enregistre->setChecked(true);
    EXPECT_TRUE(nom.NomEchelle->isEnabled());
    Capturer(&nom, "nom_echelle");
}

} // namespace
