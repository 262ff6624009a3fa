// Colour classes, zonation and legends in the program, used as a pupil uses
// them: a grey measurement cut into classes by the boxes and by dragging a
// boundary; two reference zones painted on a photo and classified with their
// shares and areas, redone and ended; both legends added to a map. With
// KAPTORI_CAPTURES set to a folder, the windows are saved there as PNG.

#include "app/ui/main_window.h"
#include "commun/nombres.h"
#include "calibration/decodage_couleur.h"
#include "document/raster/fichiers_raster_test.h"
#include "document/ui/fenetre_document.h"
#include "document/ui/fenetre_placement.h"
#include "drawing/reglages_dessin.h"
#include "plot/ui/vue_graphe.h"
#include "processing/classes_couleurs.h"
#include "processing/ui/ch_rep_coul.h"
#include "processing/ui/choix_limit.h"
#include "processing/ui/zones_v.h"
#include "support/cadre_photo.h"
#include "support/capture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QImage Degrade()
{
    QImage image(256, 60, QImage::Format_ARGB32);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 256; ++x)
            image.setPixel(x, y, qRgb(x, x, x));
    return image;
}

ClassesCouleurs Quatre(const QImage &image)
{
    ClassesCouleurs c;
    c.NbClasses = 4;
    c.CouleursClasses = {qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(255, 255, 0), qRgb(255, 0, 0)};
    ChargerHistogramme(c, image);
    return c;
}

std::vector<int> Boites(const TChRepCoul &f, int n)
{
    std::vector<int> v;
    for (int i = 0; i <= n; ++i)
        v.push_back(f.EditsLimites[static_cast<std::size_t>(i)]->value());
    return v;
}

TEST(FenetreClasses, boxes_start_at_equal_widths_follow_a_typed_limit_and_a_dragged_boundary)
{
    TChRepCoul fenetre;
    const QImage image = Degrade();
    TitreEffectifs titre;
    titre.ligne1 = QStringLiteral("Nombre");
    titre.ligne2 = QStringLiteral("de pixels");
    fenetre.Preparer(Quatre(image), image, titre);
    fenetre.show();
    QApplication::processEvents();
    EXPECT_EQ(Boites(fenetre, 4), (std::vector<int>{0, 64, 128, 191, 255}));
    EXPECT_EQ(fenetre.EtiquettesEffectifs[0]->text(), QStringLiteral("3840")); // 64 levels × 60 rows
    EXPECT_FALSE(fenetre.EditsLimites[5]->isVisible());

    // The strip lies over the chart's plot area, 2 pixels beyond the chart's
    // edges, and each boundary stands over the bar of its limit's level.
    const TGraphe &graphe = fenetre.Chart->graphe();
    const QRect zone = graphe.ZoneTrace();
    const QRect graphique = fenetre.Chart->geometry();
    EXPECT_EQ(fenetre.BandeZones->geometry(), QRect(graphique.x() + zone.left(), graphique.y() - 2,
                                                    zone.right() - zone.left() + 1, graphique.height() + 4));
    const std::vector<int> limites = Boites(fenetre, 4);
    for (int k = 0; k <= 4; ++k)
        EXPECT_NEAR(fenetre.BandeZones->x() + fenetre.BandeZones->modele().Position(k),
                    graphique.x() + graphe.ColonneDeX(limites[static_cast<std::size_t>(k)]), 1.0)
            << "boundary " << k;
    // A flat histogram: every bar black up to the top of the plot area.
    const QImage rendu = fenetre.Chart->Rendre();
    for (const int niveau : {1, 100, 254})
        EXPECT_EQ(rendu.pixel(qRound(graphe.ColonneDeX(niveau)), zone.top() + 2), qRgb(0, 0, 0)) << niveau;
    EXPECT_EQ(rendu.pixel(qRound(graphe.ColonneDeX(100)), zone.top() - 2), qRgb(255, 255, 255));

    // A typed limit above its neighbour is held below it.
    fenetre.EditsLimites[1]->setValue(200);
    EXPECT_EQ(fenetre.EditsLimites[1]->value(), 127);

    // Dragging boundary 2 to the right along the strip.
    ModeleZonesV &bande = fenetre.BandeZones->modele();
    const int x2 = bande.Position(2);
    QTest::mousePress(fenetre.BandeZones, Qt::LeftButton, {}, QPoint(x2, 10));
    QMouseEvent mouvement(QEvent::MouseMove, QPointF(x2 + 40, 10), fenetre.BandeZones->mapToGlobal(QPointF(x2 + 40, 10)),
                          Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(fenetre.BandeZones, &mouvement);
    QTest::mouseRelease(fenetre.BandeZones, Qt::LeftButton, {}, QPoint(x2 + 40, 10));
    EXPECT_GT(fenetre.EditsLimites[2]->value(), 128);
    EXPECT_LT(fenetre.EditsLimites[2]->value(), 191);

    fenetre.Apercu->setChecked(true);
    Capturer(fenetre, QStringLiteral("classes_couleurs"));
    fenetre.OK->click();
    EXPECT_EQ(fenetre.result(), QDialog::Accepted);
    EXPECT_EQ(fenetre.ImageClasses().pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(fenetre.ImageClasses().pixel(255, 0), qRgb(255, 0, 0));
}

class ZonationDansLeCadre : public CadrePhoto {
protected:
    void Peindre(TMDIChild *f, QRgb couleur, QPoint de, QPoint a)
    {
        cadre_->CouleurCrayon = couleur;
        cadre_->EpaisseurCrayon = 4;
        ReglagesDessinProgramme().CouleurCrayon = couleur;
        ReglagesDessinProgramme().EpaisseurCrayon = 4;
        ReglagesDessinProgramme().RebatirPointe();
        QWidget *vue = f->vue()->viewport();
        QTest::mousePress(vue, Qt::LeftButton, {}, Ecran(f, de));
        for (int k = 1; k <= 10; ++k) {
            const QPoint p = Ecran(f, de + (a - de) * k / 10);
            QMouseEvent mouvement(QEvent::MouseMove, p, vue->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(vue, &mouvement);
        }
        QTest::mouseRelease(vue, Qt::LeftButton, {}, Ecran(f, a));
        QApplication::processEvents();
    }
};

TEST_F(ZonationDansLeCadre, two_painted_zones_grown_over_the_photo_give_shares_and_areas_then_redo_and_end)
{
    TMDIChild *photo = Photo();
    ASSERT_NE(photo, nullptr);
    cadre_->actDelimiterZones->trigger();
    QApplication::processEvents();
    ImageDocument &doc = photo->document();
    EXPECT_TRUE(doc.etatDessin.ModeZones);
    EXPECT_EQ(cadre_->TextePanneau(0), QStringLiteral("outil : délimitation de zones"));
    auto *dialogue = photo->findChild<TChoixLimit *>();
    ASSERT_NE(dialogue, nullptr);
    EXPECT_TRUE(dialogue->isVisible());
    EXPECT_FALSE(cadre_->boutonsOutils[ImageDocument::OutilMesure]->isEnabled());

    Peindre(photo, qRgb(255, 0, 0), QPoint(40, 40), QPoint(120, 60));
    Peindre(photo, qRgb(0, 0, 255), QPoint(300, 250), QPoint(420, 280));
    dialogue->etendu->setChecked(true);
    dialogue->OK->click();
    QApplication::processEvents();

    TMDIChild *zonation = cadre_->DocumentActif();
    ASSERT_NE(zonation, photo);
    EXPECT_EQ(zonation->document().titre, QStringLiteral("zonation"));
    ASSERT_EQ(dialogue->panneaux.size(), 2u);
    EXPECT_TRUE(dialogue->panneaux[0]->text().endsWith(QStringLiteral(" mm2)"))) << dialogue->panneaux[0]->text().toStdString();
    // Grown over the whole photo: every pixel is classified.
    EXPECT_EQ(qAlpha(zonation->document().image.pixel(240, 160)), 255);
    EXPECT_TRUE(dialogue->refaire->isVisible());
    EXPECT_FALSE(dialogue->OK->isVisible());
    Capturer(*dialogue, QStringLiteral("zonation_resultats"));
    Capturer(*cadre_, QStringLiteral("zonation_cadre"));

    dialogue->refaire->click();
    QApplication::processEvents();
    EXPECT_TRUE(dialogue->OK->isVisible());
    EXPECT_EQ(qAlpha(doc.coucheDessin.pixel(80, 50)), 255); // the painting is back

    dialogue->fermer->click();
    QApplication::processEvents();
    EXPECT_FALSE(doc.etatDessin.ModeZones);
    EXPECT_EQ(doc.outilCourant, ImageDocument::OutilMesure);
    EXPECT_EQ(qAlpha(doc.coucheDessin.pixel(80, 50)), 0);
    EXPECT_TRUE(cadre_->boutonsOutils[ImageDocument::OutilMesure]->isEnabled());
}

// A 7-band satellite scene of 240 x 160: water on the left third, fields in
// the middle with a round lake, bare soil on the right; each cover with its
// reflectance per band and a little noise.
enum class Couvert { Eau, Vegetation, Sol };

Couvert CouvertScene(int x, int y)
{
    if (x < 80 || (x - 120) * (x - 120) + (y - 110) * (y - 110) <= 225)
        return Couvert::Eau;
    return x < 160 ? Couvert::Vegetation : Couvert::Sol;
}

QByteArray SceneSatellite()
{
    constexpr int w = 240, h = 160, bandes = 7;
    static constexpr int reflectances[3][bandes] = {
        {70, 50, 35, 15, 8, 120, 5},       // water
        {50, 60, 35, 150, 90, 130, 40},    // vegetation
        {90, 100, 120, 130, 160, 150, 140}, // soil
    };
    return fixtures::Lan(bandes, w, h, qint64{bandes} * w * h, [](qint64 o) {
        const qint64 i = o - 128; // rows of each band in turn, line after line
        const int x = static_cast<int>(i % w), y = static_cast<int>(i / (bandes * w));
        const int b = static_cast<int>((i / w) % bandes);
        const int bruit = static_cast<int>((x * 7919 + y * 104729 + b * 31) % 13) - 6;
        return reflectances[static_cast<int>(CouvertScene(x, y))][b] + bruit;
    });
}

TEST_F(ZonationDansLeCadre, two_zones_on_a_satellite_scene_grown_over_it_find_the_unpainted_lake)
{
    fixtures::Ecrire(Chemin(QStringLiteral("scene.lan")), SceneSatellite());
    ASSERT_TRUE(cadre_->OuvrirImage(Chemin(QStringLiteral("scene.lan")), 0));
    QApplication::processEvents();
    TMDIChild *scene = cadre_->DocumentActif();
    ASSERT_NE(scene, nullptr);
    cadre_->actDelimiterZones->trigger();
    QApplication::processEvents();
    auto *dialogue = scene->findChild<TChoixLimit *>();
    ASSERT_NE(dialogue, nullptr);

    // Water and fields painted, neither the lake nor the soil.
    Peindre(scene, qRgb(0, 0, 255), QPoint(20, 40), QPoint(60, 60));
    Peindre(scene, qRgb(0, 160, 0), QPoint(100, 30), QPoint(140, 50));
    dialogue->etendu->setChecked(true);
    dialogue->NbIter->setValue(2);
    dialogue->OK->click();
    QApplication::processEvents();

    TMDIChild *zonation = cadre_->DocumentActif();
    ASSERT_NE(zonation, scene);
    const QImage &resultat = zonation->document().image;
    ASSERT_EQ(resultat.size(), QSize(240, 160));
    int eau = 0;
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 240; ++x) {
            const QRgb attendu = CouvertScene(x, y) == Couvert::Eau ? qRgb(0, 0, 255) : qRgb(0, 160, 0);
            eau += CouvertScene(x, y) == Couvert::Eau;
            ASSERT_EQ(resultat.pixel(x, y), attendu) << "(" << x << ", " << y << ")";
        }
    // Once grown, the painting is scanned again: the water, in the top left
    // corner, comes first.
    ASSERT_EQ(dialogue->panneaux.size(), 2u);
    EXPECT_EQ(dialogue->panneaux[0]->text(), QStringLiteral("%1 % (%2 pixels)")
                                                 .arg(FormatGeneral(eau * 100.0 / (240 * 160), 3))
                                                 .arg(eau));
    Capturer(*dialogue, QStringLiteral("zonation_satellite_resultats"));
    Capturer(*cadre_, QStringLiteral("zonation_satellite_cadre"));
    dialogue->fermer->click();
    QApplication::processEvents();
}

TEST_F(ZonationDansLeCadre, both_legends_go_on_a_map)
{
    TMDIChild *photo = Photo();
    ASSERT_NE(photo, nullptr);
    ImageDocument &doc = photo->document();
    TCodeCouleur code;
    code.Definie = 1;
    code.TypeCodage = CodageArcEnCiel;
    const CouleursOrdre k = CouleursDeOrdre(0);
    code.CouleurDebut = k.debut;
    code.CouleurMilieu = k.milieu;
    code.CouleurFin = k.fin;
    code.ValeurMin = 0;
    code.ValeurMax = 2000;
    code.Grandeur = QStringLiteral("Altitude");
    code.UniteCode = QStringLiteral("m");
    doc.codeCouleur = code;
    cadre_->actLegendeCouleurs->trigger();
    QApplication::processEvents();
    EXPECT_EQ(doc.image.size(), QSize(555, 320));

    cadre_->actLegendeEchelle->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(doc.placementEnCours);
    ASSERT_NE(photo->fenetrePlacement(), nullptr);
    EXPECT_TRUE(photo->fenetrePlacement()->isVisible());
    Capturer(*cadre_, QStringLiteral("legendes_carte"));
    photo->fenetrePlacement()->accept();
    QApplication::processEvents();
    EXPECT_FALSE(doc.placementEnCours);
    ASSERT_FALSE(doc.dessins.EstVide());
    EXPECT_EQ(doc.dessins.ElementNumero(doc.dessins.Nombre() - 1)->Genre, GenreLegende);
}

TEST_F(ZonationDansLeCadre, a_scale_legend_that_cannot_be_drawn_is_reported)
{
    TMDIChild *photo = Photo();
    ASSERT_NE(photo, nullptr);
    ImageDocument &doc = photo->document();
    doc.echelle.Definie = 1;
    doc.echelle.Mode = TEchelle::Longueur;
    doc.echelle.Facteur = 1e50; // beyond what a bar can show
    doc.echelle.Unite = QStringLiteral("mm");
    messages_.clear();
    cadre_->actLegendeEchelle->trigger();
    QApplication::processEvents();
    EXPECT_EQ(messages_, QStringList{QStringLiteral("La légende de cette échelle ne peut pas être composée.")});
    EXPECT_FALSE(doc.placementEnCours);
}

} // namespace

namespace {

TEST_F(ZonationDansLeCadre, the_colour_code_ok_makes_a_couleurs_document_and_leaves_the_source)
{
    TMDIChild *photo = Photo();
    ASSERT_NE(photo, nullptr);
    const QImage avant = photo->document().image;
    TCodeCouleur code;
    code.Definie = 1;
    code.TypeCodage = CodageDeuxCouleurs;
    code.CouleurMin = CouleurRvb(0, 0, 0);
    code.CouleurMax = CouleurRvb(255, 255, 255);
    code.ValeurMax = 100;
    cadre_->RecolorerSelonCode(photo, code, false, true);
    QApplication::processEvents();
    TMDIChild *couleurs = cadre_->DocumentActif();
    ASSERT_NE(couleurs, photo);
    EXPECT_EQ(couleurs->document().titre, QStringLiteral("Couleurs"));
    EXPECT_EQ(couleurs->document().codeCouleur, code);
    EXPECT_EQ(couleurs->document().echelle, photo->document().echelle);
    const QRgb p = couleurs->document().image.pixel(100, 100);
    EXPECT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)); // grey painted black to white
    EXPECT_EQ(photo->document().image, avant);

    // A table code goes through the classes window; OK paints the classes
    // and writes the intervals into the labels.
    TCodeCouleur tableau;
    tableau.Definie = 1;
    tableau.TypeCodage = CodageTableau;
    tableau.NbCouleurs = 4;
    tableau.CouleurTable = {CouleurRvb(0, 0, 255), CouleurRvb(0, 255, 0), CouleurRvb(255, 255, 0), CouleurRvb(255, 0, 0)};
    QTimer::singleShot(0, [] {
        if (auto *f = qobject_cast<TChRepCoul *>(QApplication::activeModalWidget()))
            f->OK->click();
    });
    cadre_->RecolorerSelonCode(photo, tableau, false, true, 0, 1000);
    QApplication::processEvents();
    TMDIChild *classes = cadre_->DocumentActif();
    ASSERT_NE(classes, couleurs);
    EXPECT_EQ(classes->document().codeCouleur.Libelle[0], QStringLiteral("< 251"));
    EXPECT_EQ(classes->document().codeCouleur.Libelle[3], QStringLiteral("> 749"));

    // Cancel: the new document keeps the plain copy of the source.
    QTimer::singleShot(0, [] {
        if (auto *f = qobject_cast<TChRepCoul *>(QApplication::activeModalWidget()))
            f->BitBtn1->click();
    });
    cadre_->RecolorerSelonCode(photo, tableau, false, true, 0, 1000);
    QApplication::processEvents();
    TMDIChild *annule = cadre_->DocumentActif();
    ASSERT_NE(annule, classes);
    EXPECT_EQ(annule->document().image, avant.convertToFormat(QImage::Format_ARGB32));
}

} // namespace
