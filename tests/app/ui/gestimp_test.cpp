// The page-layout dialog "Choix de l'impression": what a teacher sees and
// changes, computed as the layout rules say, and a print into a PDF file.

#include "app/ui/gestimp.h"
#include "app/ui/main_window.h"
#include "document/ui/fenetre_document.h"
#include "support/essai_cadre.h"
#include "support/fichier_essai.h"
#include "support/pilote_dialogues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

template <typename T>
T *Controle(Tgestimp &d, const char *nom)
{
    T *c = d.findChild<T *>(QLatin1String(nom));
    EXPECT_NE(c, nullptr) << nom;
    return c;
}

// Runs `pendant` while the dialog is shown modally, then presses OK or Cancel.
bool Montrer(Tgestimp &d, double rapport, const std::function<void()> &pendant, bool ok = true)
{
    QTimer::singleShot(0, &d, [&d, pendant, ok] {
        pendant();
        if (ok)
            d.accept();
        else
            d.reject();
    });
    return d.Executer(rapport);
}

QStringList Marges(Tgestimp &d)
{
    return {Controle<QLineEdit>(d, "margeGauche")->text(), Controle<QLineEdit>(d, "margeDroite")->text(),
            Controle<QLineEdit>(d, "margeHaut")->text(), Controle<QLineEdit>(d, "margeBas")->text()};
}

TEST(Tgestimp, opens_on_a_computed_a4_layout_for_a_400_by_300_picture)
{
    Tgestimp d;
    QString taille;
    QStringList marges;
    bool avertissementVisible = true;
    QString titre;
    const bool ok = Montrer(d, 0.75, [&] {
        taille = Controle<QLabel>(d, "taille")->text();
        marges = Marges(d);
        avertissementVisible = Controle<QLabel>(d, "avertissement")->isVisible();
        titre = d.windowTitle();
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(titre, QStringLiteral("Choix de l'impression"));
    EXPECT_EQ(taille, QStringLiteral("190 x 142"));
    EXPECT_EQ(marges, (QStringList{"10", "10", "77", "77"}));
    EXPECT_FALSE(avertissementVisible);
    EXPECT_TRUE(Controle<QComboBox>(d, "imprimante")->findText(Tgestimp::TextePdf()) >= 0);
    EXPECT_TRUE(Controle<QCheckBox>(d, "gris")->isChecked());
}

TEST(Tgestimp, ten_columns_spaced_200_mm_show_the_warning_after_verifier)
{
    Tgestimp d;
    bool verifierVisible = false, avertissementVisible = false;
    QString texteAvertissement;
    Montrer(d, 0.75, [&] {
        Controle<QSpinBox>(d, "colonnes")->setValue(10);
        QLineEdit *espaces = Controle<QLineEdit>(d, "espaces");
        espaces->selectAll();
        QTest::keyClicks(espaces, QStringLiteral("200"));
        verifierVisible = Controle<QPushButton>(d, "verifier")->isVisible();
        QTest::mouseClick(Controle<QPushButton>(d, "verifier"), Qt::LeftButton);
        avertissementVisible = Controle<QLabel>(d, "avertissement")->isVisible();
        texteAvertissement = Controle<QLabel>(d, "avertissement")->text();
    });
    EXPECT_TRUE(verifierVisible);
    EXPECT_TRUE(avertissementVisible);
    EXPECT_EQ(texteAvertissement, QStringLiteral("Image trop petite.\nAjustez les valeurs"));
    // The last successful size, (190 - 45) div 10 = 14 mm for ten columns
    // spaced 5, is kept for printing.
    EXPECT_EQ(d.miseEnPage().ImageLargeur, 14);
    EXPECT_EQ(d.miseEnPage().NbColonnes, 10);
}

TEST(Tgestimp, a_field_that_is_not_a_number_stops_the_reading_of_the_fields_after_it)
{
    Tgestimp d;
    Montrer(d, 0.75, [&] {
        // Right margin typed as "abc": left is read, right and the rest are not.
        Controle<QLineEdit>(d, "margeBas")->setText(QStringLiteral("30"));
        QLineEdit *droite = Controle<QLineEdit>(d, "margeDroite");
        droite->selectAll();
        QTest::keyClicks(droite, QStringLiteral("abc"));
        QLineEdit *gauche = Controle<QLineEdit>(d, "margeGauche");
        gauche->selectAll();
        QTest::keyClicks(gauche, QStringLiteral("25"));
    });
    EXPECT_EQ(d.miseEnPage().MargeGauche, 25);
    EXPECT_EQ(d.miseEnPage().MargeDroite, 10);
    EXPECT_EQ(d.miseEnPage().MargeBas, 77);
}

TEST(Tgestimp, a_second_picture_of_other_proportions_is_laid_out_from_the_margins_chosen_not_the_widened_ones)
{
    // A 400 x 300 picture widens top and bottom to 77 mm; a 300 x 400 one
    // printed next starts again from 10 mm all round: (297 - 20 - 253) div 2
    // = 12 more at top and bottom, 190 x 253 mm. Printing the first picture
    // again gives its own layout back.
    Tgestimp d;
    QString taille;
    QStringList marges;
    Montrer(d, 0.75, [] {});
    Montrer(d, 4.0 / 3.0, [&] {
        taille = Controle<QLabel>(d, "taille")->text();
        marges = Marges(d);
    });
    EXPECT_EQ(taille, QStringLiteral("190 x 253"));
    EXPECT_EQ(marges, (QStringList{"10", "10", "22", "22"}));
    Montrer(d, 0.75, [&] { taille = Controle<QLabel>(d, "taille")->text(); });
    EXPECT_EQ(taille, QStringLiteral("190 x 142"));

    // A margin typed by the user is kept for the next picture; the widened
    // ones shown beside it are not.
    Montrer(d, 0.75, [&] {
        QLineEdit *gauche = Controle<QLineEdit>(d, "margeGauche");
        gauche->selectAll();
        QTest::keyClicks(gauche, QStringLiteral("20"));
    });
    Montrer(d, 4.0 / 3.0, [&] { marges = Marges(d); });
    // (210 - 30) wide gives 240 high, (297 - 20 - 240) div 2 = 18 more.
    EXPECT_EQ(marges, (QStringList{"20", "10", "28", "28"}));
}

TEST(Tgestimp, landscape_turns_the_preview_and_puts_the_margins_back)
{
    Tgestimp d;
    QSize apercu;
    QString taille;
    Montrer(d, 0.75, [&] {
        Controle<QRadioButton>(d, "paysage")->click();
        apercu = Controle<QWidget>(d, "apercu")->size();
        taille = Controle<QLabel>(d, "taille")->text();
    });
    EXPECT_EQ(apercu, QSize(182, 130));
    // 297 - 20 = 277 wide would be 208 high: the height 190 limits, 190 / 0.75 = 253.3.
    EXPECT_EQ(taille, QStringLiteral("253 x 190"));
    EXPECT_EQ(d.miseEnPage().MargeGauche, 10 + 12);
}

// The preview's first cell, A4 portrait with margins 10 and a 4:3 picture:
// 190 x 142 mm at (10, 77) mm, drawn at 0.6 preview pixels a millimetre.
QRgb CentrePremiereCellule(Tgestimp &d)
{
    const QImage apercu = Controle<QWidget>(d, "apercu")->grab().toImage();
    return apercu.pixel(2 + static_cast<int>(0.6 * (10 + 95)), 2 + static_cast<int>(0.6 * (77 + 71)));
}

TEST(Tgestimp, the_preview_shows_the_picture_in_the_grey_levels_that_are_printed)
{
    Tgestimp d;
    QImage rouge(400, 300, QImage::Format_ARGB32);
    rouge.fill(qRgb(255, 0, 0));
    QRgb enGris = 0, enCouleur = 0;
    QTimer::singleShot(0, &d, [&] {
        enGris = CentrePremiereCellule(d);
        Controle<QCheckBox>(d, "gris")->setChecked(false);
        enCouleur = CentrePremiereCellule(d);
        d.reject();
    });
    d.Executer(0.75, rouge);
    // (61 x 255) div 256 = 60.
    EXPECT_EQ(qRed(enGris), 60);
    EXPECT_EQ(qGreen(enGris), 60);
    EXPECT_EQ(qBlue(enGris), 60);
    EXPECT_EQ(enCouleur, qRgb(255, 0, 0));
}

class ImpressionCadre : public EssaiCadre {};

TEST_F(ImpressionCadre, the_preview_of_imprimer_shows_the_drawings_over_the_picture)
{
    QImage blanche(400, 300, QImage::Format_ARGB32);
    blanche.fill(Qt::white);
    const QString chemin = Chemin(QStringLiteral("feuille.png"));
    ASSERT_TRUE(blanche.save(chemin));
    cadre_ = std::make_unique<TMainForm>();
    ASSERT_TRUE(cadre_->OuvrirImage(chemin, 0));
    ImageDocument &doc = cadre_->DocumentActif()->document();
    doc.CreerCoucheDessin();
    doc.coucheDessin.fill(qRgb(0, 0, 255)); // a drawing over the whole picture
    QRgb centre = 0;
    ASSERT_TRUE(PiloteDialogues::Executer(cadre_->actImprimer, {PiloteDialogues::Quand<Tgestimp>([&](Tgestimp &d) {
                                                                  Controle<QCheckBox>(d, "gris")->setChecked(false);
                                                                  centre = CentrePremiereCellule(d);
                                                                  d.reject();
                                                              })}));
    EXPECT_EQ(centre, qRgb(0, 0, 255));
}

TEST_F(ImpressionCadre, a_pdf_name_typed_without_its_extension_asks_before_replacing_the_file_of_that_name)
{
    QImage blanche(40, 30, QImage::Format_ARGB32);
    blanche.fill(Qt::white);
    ASSERT_TRUE(blanche.save(Chemin(QStringLiteral("feuille.png"))));
    ASSERT_TRUE(EcrireFichier(Chemin(QStringLiteral("rapport.pdf")), "le rapport de la veille"));
    cadre_ = std::make_unique<TMainForm>();
    ASSERT_TRUE(cadre_->OuvrirImage(Chemin(QStringLiteral("feuille.png")), 0));
    bool question = false;
    const bool etapes = PiloteDialogues::Executer(
        cadre_->actImprimer,
        {PiloteDialogues::Quand<Tgestimp>([](Tgestimp &d) {
             QComboBox *imprimante = Controle<QComboBox>(d, "imprimante");
             imprimante->setCurrentIndex(imprimante->findText(Tgestimp::TextePdf()));
             d.accept();
         }),
         PiloteDialogues::Quand<QFileDialog>([this](QFileDialog &d) {
             d.setDirectory(Chemin(QString()));
             d.selectFile(QStringLiteral("rapport"));
             // Accepted outside this step, so that the question it asks is answered.
             QMetaObject::invokeMethod(&d, "accept", Qt::QueuedConnection);
         }),
         PiloteDialogues::Quand<QMessageBox>([&question](QMessageBox &m) {
             question = true;
             m.button(QMessageBox::No)->click();
         }),
         PiloteDialogues::Quand<QFileDialog>([](QFileDialog &d) { d.reject(); })});
    EXPECT_TRUE(question);
    EXPECT_TRUE(etapes);
    QFile ancien(Chemin(QStringLiteral("rapport.pdf")));
    ASSERT_TRUE(ancien.open(QIODevice::ReadOnly));
    EXPECT_EQ(ancien.readAll(), QByteArray("le rapport de la veille"));
}

TEST(Tgestimp, cancel_returns_false)
{
    Tgestimp d;
    EXPECT_FALSE(Montrer(d, 0.75, [] {}, false));
}

TEST(Tgestimp, prints_into_the_pdf_file_chosen)
{
    QTemporaryDir dossier;
    Tgestimp d;
    Montrer(d, 0.75, [&] {
        QComboBox *imprimante = Controle<QComboBox>(d, "imprimante");
        imprimante->setCurrentIndex(imprimante->findText(Tgestimp::TextePdf()));
        Controle<QSpinBox>(d, "lignes")->setValue(2);
    });
    const QString chemin = dossier.filePath(QStringLiteral("feuille"));
    d.DemanderFichierPdf = [chemin](QWidget *) { return chemin; };
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(Qt::red);
    EXPECT_TRUE(d.Imprimer(image));
    QFile pdf(chemin + QStringLiteral(".pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(ImpressionCadre, a_picture_too_small_for_any_layout_is_not_printed_with_the_size_of_the_one_before)
{
    // A 400 x 300 picture is laid out at 190 x 142 mm; a strip 50 times as
    // wide as high then fails ("Image trop petite"): OK tells it again and
    // prints nothing, rather than the strip stretched to 190 x 142 mm.
    Tgestimp d;
    Montrer(d, 0.75, [] {});
    bool avertissement = false;
    Montrer(d, 0.02, [&] {
        QComboBox *imprimante = Controle<QComboBox>(d, "imprimante");
        imprimante->setCurrentIndex(imprimante->findText(Tgestimp::TextePdf()));
        avertissement = Controle<QLabel>(d, "avertissement")->isVisibleTo(&d);
    });
    EXPECT_TRUE(avertissement);
    const QString chemin = Chemin(QStringLiteral("bande.pdf"));
    d.DemanderFichierPdf = [chemin](QWidget *) { return chemin; };
    QImage bande(500, 10, QImage::Format_ARGB32);
    bande.fill(Qt::red);
    EXPECT_FALSE(d.Imprimer(bande));
    EXPECT_FALSE(QFile::exists(chemin));
    EXPECT_EQ(messages_, QStringList{QStringLiteral("Image trop petite.\r\nAjustez les valeurs")});
}

TEST(Tgestimp, looks_right_on_screen)
{
    Tgestimp d;
    QImage image(400, 300, QImage::Format_ARGB32);
    image.fill(QColor(40, 140, 90));
    QTimer::singleShot(0, &d, [&d] {
        Controle<QSpinBox>(d, "colonnes")->setValue(2);
        Controle<QSpinBox>(d, "lignes")->setValue(3);
        const QString sortie = qEnvironmentVariable("KAPTORI_CAPTURES");
        if (!sortie.isEmpty())
            d.grab().save(sortie + QStringLiteral("/gestimp.png"));
        EXPECT_GE(d.width(), d.sizeHint().width());
        d.accept();
    });
    d.Executer(0.75, image);
}

} // namespace
