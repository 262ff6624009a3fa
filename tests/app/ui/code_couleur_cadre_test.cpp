// The colour code in the running frame, driven as a pupil would: maps written
// with their ".ccc" side-file are opened, the pointer moves over the document
// at zoom 2, and the status bar and the decoding panel are read; codes are
// defined in "Choix du codage des couleurs" by clicking colours on the image;
// the panel is shown and hidden; the spectral signature is copied.
//
// Expected values are worked by hand from the maps' own construction (the
// rainbow and the two-colour ramp are painted here, pixel by pixel, from
// their definition). Setting KAPTORI_CAPTURES to a folder saves pictures of
// the frame, the panel in each state and the definition window of each kind.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "calibration/echelle.h"
#include "calibration/ui/fenetre_code_couleur.h"
#include "calibration/ui/panneau_couleur.h"
#include "calibration/ui/panneau_decodage.h"
#include "document/ui/fenetre_document.h"
#include "support/capture.h"
#include "support/essai_cadre.h"
#include "support/separateur.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int ZoomEssai = 2;

// Rainbow "Bleu-Vert-Rouge" at position p (0..1020), straight from its
// four stretches: blue full and green rising, green full and blue falling,
// green full and red rising, red full and green falling.
QRgb Arc(int p)
{
    if (p <= 255)
        return qRgb(0, p, 255);
    if (p <= 510)
        return qRgb(0, 255, 510 - p);
    if (p <= 765)
        return qRgb(p - 510, 255, 0);
    return qRgb(255, 1020 - p, 0);
}

// Temperature map: column x shows position 5x of the rainbow (205 columns
// cover 0..1020); a grey band at the bottom lies off the scale.
QImage CarteArcEnCiel()
{
    QImage image(205, 40, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ligne[x] = y < 30 ? Arc(5 * x) : qRgb(128, 128, 128);
    }
    return image;
}

// Concentration map: white to blue, column x is (255 - x, 255 - x, 255);
// a red band at the bottom lies off the scale.
QImage CarteDeuxCouleurs()
{
    QImage image(256, 40, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ligne[x] = y < 30 ? qRgb(255 - x, 255 - x, 255) : qRgb(255, 0, 0);
    }
    return image;
}

// Land-use map of four flat areas of 40 x 30: forest, water (top), fields,
// town (bottom), with a black road down the middle column.
constexpr QRgb Foret = 0xFF008000;
constexpr QRgb Eau = 0xFF0000FF;
constexpr QRgb Champs = 0xFFFFFF00;
constexpr QRgb Ville = 0xFF808080;

QImage CarteOccupation()
{
    QImage image(81, 60, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (x == 40)
                ligne[x] = 0xFF000000;
            else if (y < 30)
                ligne[x] = x < 40 ? Foret : Eau;
            else
                ligne[x] = x < 40 ? Champs : Ville;
        }
    }
    return image;
}

class CodeCouleurCadre : public EssaiCadre {
protected:
    void SetUp() override
    {
        EssaiCadre::SetUp();
        if (HasFatalFailure())
            return;
        cadre_ = std::make_unique<TMainForm>();
        cadre_->resize(1000, 700);
        cadre_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(cadre_.get()));
        dock_ = cadre_->findChild<QDockWidget *>(QStringLiteral("DockDecodcoul"));
        panneau_ = cadre_->findChild<Decodcoul *>();
        fenetreCode_ = cadre_->findChild<TFenChCodcoul *>();
        ASSERT_NE(dock_, nullptr);
        ASSERT_NE(panneau_, nullptr);
        ASSERT_NE(fenetreCode_, nullptr);
        fenetreCode_->choisirCouleur = [this](CouleurWin depart) -> std::optional<CouleurWin> {
            departsDialogue_.push_back(depart);
            return couleurDialogue_;
        };
    }
    void TearDown() override
    {
        EssaiCadre::TearDown();
        EXPECT_TRUE(messages_.isEmpty()) << messages_.join(QLatin1Char('\n')).toStdString();
    }

    // Writes the map as a PNG and, when given, its side-file in Windows-1252
    // with a CR LF line end, as the program writes them.
    QString Carte(const QString &nom, const QImage &image, const QString &codeTexte = {})
    {
        const QString chemin = dossier_.filePath(nom + QStringLiteral(".png"));
        EXPECT_TRUE(image.save(chemin, "png"));
        if (!codeTexte.isEmpty()) {
            QFile f(dossier_.filePath(nom + QStringLiteral(".ccc")));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(codeTexte.toLatin1() + "\r\n");
        }
        return chemin;
    }

    // Opens the map in the frame at zoom 2.
    TMDIChild *Ouvrir(const QString &chemin)
    {
        EXPECT_TRUE(cadre_->OuvrirImage(chemin, 0));
        QApplication::processEvents();
        TMDIChild *doc = cadre_->DocumentActif();
        EXPECT_NE(doc, nullptr);
        if (!doc)
            return nullptr;
        cadre_->ZoomAugmenter();
        QApplication::processEvents();
        EXPECT_EQ(doc->document().zoom, float(ZoomEssai));
        return doc;
    }

    static QPoint VersVue(TMDIChild *doc, QPoint pixel)
    {
        const QPointF o = doc->vue()->OrigineImage();
        return QPoint(qRound(o.x() + pixel.x() * doc->document().zoom),
                      qRound(o.y() + pixel.y() * doc->document().zoom));
    }

    // Qt drops a move to where the pointer already is, so the pointer first
    // leaves for the frame's corner, where no document reads it.
    void Survoler(TMDIChild *doc, QPoint pixel) const
    {
        QTest::mouseMove(cadre_.get(), QPoint(1, 1));
        QTest::mouseMove(doc->vue()->viewport(), VersVue(doc, pixel));
        QApplication::processEvents();
    }

    static void Cliquer(TMDIChild *doc, QPoint pixel)
    {
        QWidget *vue = doc->vue()->viewport();
        QTest::mousePress(vue, Qt::LeftButton, {}, VersVue(doc, pixel));
        QTest::mouseRelease(vue, Qt::LeftButton, {}, VersVue(doc, pixel));
        QApplication::processEvents();
    }

    static void Glisser(TMDIChild *doc, QPoint de, QPoint a)
    {
        QWidget *vue = doc->vue()->viewport();
        QTest::mousePress(vue, Qt::LeftButton, {}, VersVue(doc, de));
        QTest::mouseMove(vue, VersVue(doc, a));
        QTest::mouseRelease(vue, Qt::LeftButton, {}, VersVue(doc, a));
        QApplication::processEvents();
    }

    // The value and unit the panel shows after a move over the pixel.
    QString ValeurSous(TMDIChild *doc, QPoint pixel)
    {
        Survoler(doc, pixel);
        return panneau_->texteValeur();
    }

    // Chooses a measurement type in the frame's menu; returns its caption.
    QString ChoisirMesure(int mode)
    {
        for (QAction *a : cadre_->menuMesures->actions())
            if (a->isCheckable() && a->data().toInt() == mode) {
                a->trigger();
                QApplication::processEvents();
                return a->text();
            }
        ADD_FAILURE() << "no measurement type " << mode;
        return {};
    }

    void MontrerPanneau()
    {
        if (!dock_->isVisible())
            cadre_->actDecodage->trigger();
        QApplication::processEvents();
        ASSERT_TRUE(dock_->isVisible());
    }

    static void Taper(QLineEdit *e, const QString &texte)
    {
        e->selectAll();
        e->del();
        e->insert(texte);
    }

    QDockWidget *dock_ = nullptr;
    Decodcoul *panneau_ = nullptr;
    TFenChCodcoul *fenetreCode_ = nullptr;
    std::optional<CouleurWin> couleurDialogue_;
    std::vector<CouleurWin> departsDialogue_;
};

// ---- Readout of maps opened with their side-file ---------------------------

struct CasLecture {
    const char *nom;
    QPoint pixel;
    const char *rvbls;
    const char *valeur; // what the panel shows after the move
};

void PrintTo(const CasLecture &c, std::ostream *os)
{
    *os << c.nom;
}

// Rainbow from -10 to 40 °C: column x is position 5x, t = 5x / 1020.
const CasLecture kArcEnCiel[] = {
    {"blue end reads the minimum", {0, 5}, "RVBLS:0,0,255,255,255", "-10"},
    {"cyan quarter", {51, 5}, "RVBLS:0,255,255,510,255", "2.5"},
    {"green middle", {102, 5}, "RVBLS:0,255,0,255,255", "15"},
    {"yellow three quarters", {153, 29}, "RVBLS:255,255,0,510,255", "27.5"},
    {"red end reads the maximum", {204, 0}, "RVBLS:255,0,0,255,255", "40"},
    {"green side between two key colours, p = 510 - 130", {76, 5}, "RVBLS:0,255,130,385,255", "8.627"},
};

class LectureArcEnCiel : public CodeCouleurCadre, public ::testing::WithParamInterface<CasLecture> {};

TEST_P(LectureArcEnCiel, status_panels_and_decoding_panel_follow_the_pointer_on_a_temperature_map)
{
    const CasLecture &c = GetParam();
    TMDIChild *doc =
        Ouvrir(Carte(QStringLiteral("temperature"), CarteArcEnCiel(),
                     QString::fromUtf8("<CODE_C=1;0;16711680;65280;255;-10;40;F;Température;°C;>")));
    ASSERT_NE(doc, nullptr);
    MontrerPanneau();
    EXPECT_EQ(ValeurSous(doc, c.pixel), QString::fromLatin1(c.valeur));
    EXPECT_EQ(cadre_->TextePanneau(2), QString::fromLatin1(c.rvbls));
    EXPECT_EQ(cadre_->TextePanneau(3), QStringLiteral("X:%1;Y:%2").arg(c.pixel.x()).arg(c.pixel.y()));
}

INSTANTIATE_TEST_SUITE_P(Carte, LectureArcEnCiel, ::testing::ValuesIn(kArcEnCiel));

TEST_F(CodeCouleurCadre, temperature_map_shows_quantity_and_unit_and_no_value_off_the_scale)
{
    TMDIChild *doc =
        Ouvrir(Carte(QStringLiteral("temperature"), CarteArcEnCiel(),
                     QString::fromUtf8("<CODE_C=1;0;16711680;65280;255;-10;40;F;Température;°C;>")));
    ASSERT_NE(doc, nullptr);
    MontrerPanneau();
    EXPECT_EQ(ValeurSous(doc, {102, 10}), QStringLiteral("15"));
    EXPECT_FALSE(panneau_->pasDEchelle());
    EXPECT_EQ(panneau_->texteGrandeur(), QString::fromUtf8("Température"));
    EXPECT_EQ(panneau_->texteUnite(), QString::fromUtf8("(°C)"));
    EXPECT_FALSE(panneau_->copisign->isEnabled());
    Capturer(*cadre_, QStringLiteral("cadre_carte_temperature"));
    Capturer(*panneau_, QStringLiteral("panneau_valeur"));

    // The grey band is not on the rainbow: no value is shown over it, the
    // status bar moves on.
    EXPECT_EQ(ValeurSous(doc, {20, 35}), QString());
    EXPECT_EQ(cadre_->TextePanneau(2), QStringLiteral("RVBLS:128,128,128,384,0"));
    EXPECT_EQ(cadre_->TextePanneau(3), QStringLiteral("X:20;Y:35"));
}

TEST_F(CodeCouleurCadre, values_take_the_comma_under_a_french_separator)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    TMDIChild *doc = Ouvrir(Carte(QStringLiteral("temperature"), CarteArcEnCiel(),
                                  QStringLiteral("<CODE_C=1;0;16711680;65280;255;-10;40,5;F;;;>")));
    ASSERT_NE(doc, nullptr);
    MontrerPanneau();
    // t = 255 / 1020 on a range of 50,5: -10 + 12,625 rounds to 2,625 at 4 digits.
    EXPECT_EQ(ValeurSous(doc, {51, 5}), QStringLiteral("2,625"));
    EXPECT_EQ(ValeurSous(doc, {204, 5}), QStringLiteral("40,5"));
}

TEST_F(CodeCouleurCadre, pointer_outside_the_image_empties_the_readouts)
{
    TMDIChild *doc = Ouvrir(Carte(QStringLiteral("temperature"), CarteArcEnCiel(),
                                  QStringLiteral("<CODE_C=1;0;16711680;65280;255;0;1020;F;;;>")));
    ASSERT_NE(doc, nullptr);
    MontrerPanneau();
    doc->showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(ValeurSous(doc, {204, 0}), QStringLiteral("1020")); // the last column is red
    EXPECT_EQ(ValeurSous(doc, {204, 29}), QStringLiteral("1020"));
    for (const QPoint dehors : {QPoint(230, 10), QPoint(100, 60)}) {
        EXPECT_EQ(ValeurSous(doc, {204, 29}), QStringLiteral("1020"));
        EXPECT_EQ(ValeurSous(doc, dehors), QString());
        EXPECT_EQ(cadre_->TextePanneau(2), QStringLiteral("RVBLS"));
        EXPECT_EQ(cadre_->TextePanneau(3), QStringLiteral("mesure"));
    }
}

TEST_F(CodeCouleurCadre, another_document_made_active_or_the_last_one_closed_empties_the_readouts)
{
    TMDIChild *carte = Ouvrir(Carte(QStringLiteral("temperature"), CarteArcEnCiel(),
                                    QStringLiteral("<CODE_C=1;0;16711680;65280;255;0;1020;F;;;>")));
    ASSERT_NE(carte, nullptr);
    MontrerPanneau();
    TMDIChild *autre = Ouvrir(Carte(QStringLiteral("autre"), CarteArcEnCiel(),
                                    QStringLiteral("<CODE_C=1;0;16711680;65280;255;0;1020;F;;;>")));
    ASSERT_NE(autre, nullptr);
    EXPECT_EQ(ValeurSous(autre, {204, 0}), QStringLiteral("1020"));
    cadre_->EcrirePanneau(4, QStringLiteral("12.5 mm"));
    cadre_->zoneDocuments()->setActiveSubWindow(carte);
    QApplication::processEvents();
    EXPECT_EQ(panneau_->texteValeur(), QString());
    EXPECT_EQ(cadre_->TextePanneau(2), QStringLiteral("RVBLS"));
    EXPECT_EQ(cadre_->TextePanneau(3), QStringLiteral("mesure"));
    EXPECT_EQ(cadre_->TextePanneau(4), QString());

    EXPECT_EQ(ValeurSous(carte, {204, 0}), QStringLiteral("1020"));
    autre->close();
    carte->close();
    QApplication::processEvents();
    ASSERT_TRUE(cadre_->Documents().isEmpty());
    EXPECT_EQ(panneau_->texteValeur(), QString());
    EXPECT_EQ(cadre_->TextePanneau(2), QStringLiteral("RVBLS"));
    EXPECT_EQ(cadre_->TextePanneau(3), QStringLiteral("mesure"));
}

// White (0 mg/L) to blue (100 mg/L); green spans as much as red, so t is
// read on green: t = x / 255.
const CasLecture kDeuxCouleurs[] = {
    {"white end", {0, 5}, "RVBLS:255,255,255,765,0", "0"},
    {"a fifth of the way", {51, 5}, "RVBLS:204,204,255,663,51", "20"},
    {"half way rounds to four digits", {128, 5}, "RVBLS:127,127,255,509,128", "50.2"},
    {"blue end", {255, 5}, "RVBLS:0,0,255,255,255", "100"},
};

class LectureDeuxCouleurs : public CodeCouleurCadre, public ::testing::WithParamInterface<CasLecture> {};

TEST_P(LectureDeuxCouleurs, concentration_map_reads_the_value_under_the_pointer)
{
    const CasLecture &c = GetParam();
    TMDIChild *doc = Ouvrir(Carte(QStringLiteral("concentration"), CarteDeuxCouleurs(),
                                  QStringLiteral("<CODE_C=2;16777215;16711680;0;100;F;Nitrates;mg/L;>")));
    ASSERT_NE(doc, nullptr);
    MontrerPanneau();
    EXPECT_EQ(ValeurSous(doc, c.pixel), QString::fromLatin1(c.valeur));
    EXPECT_EQ(cadre_->TextePanneau(2), QString::fromLatin1(c.rvbls));
    EXPECT_EQ(panneau_->texteUnite(), QStringLiteral("(mg/L)"));
}

INSTANTIATE_TEST_SUITE_P(Carte, LectureDeuxCouleurs, ::testing::ValuesIn(kDeuxCouleurs));

TEST_F(CodeCouleurCadre, land_use_map_reads_the_label_of_each_flat_colour)
{
    TMDIChild *doc = Ouvrir(Carte(QStringLiteral("occupation"), CarteOccupation(),
                                  QString::fromUtf8("<CODE_C=3;4;Occupation du sol;;Forêt;32768;Eau;16711680;"
                                                    "Champs;65535;Ville;8421504;>")));
    ASSERT_NE(doc, nullptr);
    MontrerPanneau();
    EXPECT_EQ(ValeurSous(doc, {10, 10}), QString::fromUtf8("Forêt"));
    EXPECT_EQ(panneau_->texteGrandeur(), QStringLiteral("Occupation du sol"));
    EXPECT_EQ(panneau_->texteUnite(), QString());
    EXPECT_EQ(ValeurSous(doc, {70, 10}), QStringLiteral("Eau"));
    EXPECT_EQ(ValeurSous(doc, {10, 50}), QStringLiteral("Champs"));
    EXPECT_EQ(ValeurSous(doc, {79, 59}), QStringLiteral("Ville"));
    EXPECT_EQ(cadre_->TextePanneau(2), QStringLiteral("RVBLS:128,128,128,384,0"));
    // The road matches no entry: no label is shown.
    EXPECT_EQ(ValeurSous(doc, {40, 12}), QString());
    EXPECT_EQ(cadre_->TextePanneau(2), QStringLiteral("RVBLS:0,0,0,0,0"));
    EXPECT_EQ(cadre_->TextePanneau(3), QStringLiteral("X:40;Y:12"));
}

// ---- Panel states -----------------------------------------------------------

TEST_F(CodeCouleurCadre, picture_without_side_file_shows_the_three_channels_of_the_default_code)
{
    TMDIChild *doc = Ouvrir(Carte(QStringLiteral("occupation"), CarteOccupation()));
    ASSERT_NE(doc, nullptr);
    MontrerPanneau();
    Survoler(doc, {10, 50}); // fields: R 255, G 255, B 0
    EXPECT_EQ(panneau_->textesCanaux(), (std::array<QString, 3>{"0", "255", "255"}));
    EXPECT_EQ(panneau_->signature()->hauteurs(), (std::array<int, 3>{0, 64, 64}));
    EXPECT_TRUE(panneau_->copisign->isEnabled());
    Capturer(*panneau_, QStringLiteral("panneau_signature"));
    Capturer(*cadre_, QStringLiteral("cadre_signature"));
    Survoler(doc, {10, 10}); // forest: G 128, bar round(32) = 32
    EXPECT_EQ(panneau_->textesCanaux(), (std::array<QString, 3>{"0", "128", "0"}));
    EXPECT_EQ(panneau_->signature()->hauteurs(), (std::array<int, 3>{0, 32, 0}));
}

TEST_F(CodeCouleurCadre, light_on_a_rectangle_empties_the_signature_and_the_readout_leaves_it)
{
    TMDIChild *doc = Ouvrir(Carte(QStringLiteral("occupation"), CarteOccupation()));
    ASSERT_NE(doc, nullptr);
    MontrerPanneau();
    Survoler(doc, {10, 50});
    ASSERT_EQ(panneau_->signature()->hauteurs(), (std::array<int, 3>{0, 64, 64}));
    cadre_->boutonsOutils[ImageDocument::OutilMesure]->trigger();
    EXPECT_EQ(ChoisirMesure(2), QString::fromUtf8("&Lumière sur un rectangle"));
    QApplication::processEvents();
    EXPECT_EQ(panneau_->signature()->hauteurs(), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(panneau_->textesCanaux(), (std::array<QString, 3>{}));
    // The pointer no longer writes the panel, only the status bar.
    Survoler(doc, {70, 10});
    EXPECT_EQ(cadre_->TextePanneau(2), QStringLiteral("RVBLS:0,0,255,255,255"));
    EXPECT_EQ(panneau_->signature()->hauteurs(), (std::array<int, 3>{0, 0, 0}));
    EXPECT_TRUE(panneau_->copisign->isEnabled());
}

TEST_F(CodeCouleurCadre, new_image_has_no_code_and_shows_pas_d_echelle)
{
    TMDIChild *doc = cadre_->CreerDocument(QStringLiteral("Nouveau 1"));
    QImage image(60, 40, QImage::Format_ARGB32);
    image.fill(0xFFFFFFFF);
    doc->document().image = image;
    doc->Rafraichir();
    EXPECT_FALSE(doc->document().codeCouleur.Definie);
    MontrerPanneau();
    Survoler(doc, {5, 5});
    EXPECT_TRUE(panneau_->pasDEchelle());
    EXPECT_EQ(panneau_->texteValeur(), QString());
    EXPECT_FALSE(panneau_->copisign->isEnabled());
    EXPECT_EQ(cadre_->TextePanneau(2), QStringLiteral("RVBLS:255,255,255,765,0"));
    Capturer(*panneau_, QStringLiteral("panneau_pas_d_echelle"));
}

TEST_F(CodeCouleurCadre, decoding_command_toggles_the_panel_and_the_documents_signature_item)
{
    TMDIChild *doc = Ouvrir(Carte(QStringLiteral("occupation"), CarteOccupation()));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(cadre_->actDecodage->text(), QString::fromUtf8("Afficher/masquer le &Décodage des couleurs"));
    EXPECT_FALSE(dock_->isVisible());
    EXPECT_FALSE(doc->actCopierSignature->isEnabled());

    cadre_->actDecodage->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(dock_->isVisible());
    EXPECT_EQ(panneau_->width(), Decodcoul::LargeurPanneau);
    EXPECT_TRUE(doc->actCopierSignature->isEnabled());
    EXPECT_GE(panneau_->mapTo(cadre_.get(), QPoint(panneau_->width(), 0)).x(), cadre_->width() - 10);

    // The panel hidden is not refreshed; the status bar still is.
    Survoler(doc, {10, 10});
    cadre_->actDecodage->trigger();
    QApplication::processEvents();
    const auto avant = panneau_->textesCanaux();
    EXPECT_FALSE(dock_->isVisible());
    EXPECT_FALSE(doc->actCopierSignature->isEnabled());
    Survoler(doc, {70, 10});
    EXPECT_EQ(cadre_->TextePanneau(2), QStringLiteral("RVBLS:0,0,255,255,255"));
    EXPECT_EQ(panneau_->textesCanaux(), avant);
}

TEST_F(CodeCouleurCadre, closing_the_last_document_hides_the_panel_until_it_is_asked_for_again)
{
    TMDIChild *doc = Ouvrir(Carte(QStringLiteral("occupation"), CarteOccupation()));
    ASSERT_NE(doc, nullptr);
    MontrerPanneau();
    TMDIChild *second = Ouvrir(Carte(QStringLiteral("temperature"), CarteArcEnCiel()));
    ASSERT_NE(second, nullptr);
    second->close();
    QApplication::processEvents();
    EXPECT_TRUE(dock_->isVisible()); // one document is left
    doc->close();
    QApplication::processEvents();
    ASSERT_TRUE(cadre_->Documents().isEmpty());
    EXPECT_FALSE(dock_->isVisible());

    TMDIChild *autre = Ouvrir(Carte(QStringLiteral("occupation"), CarteOccupation()));
    ASSERT_NE(autre, nullptr);
    EXPECT_FALSE(dock_->isVisible());
    EXPECT_FALSE(autre->actCopierSignature->isEnabled());
    MontrerPanneau();
    Survoler(autre, {70, 10});
    EXPECT_EQ(panneau_->textesCanaux(), (std::array<QString, 3>{"255", "0", "0"}));
}

TEST_F(CodeCouleurCadre, showing_the_panel_refits_a_wide_document_to_the_narrower_area)
{
    QImage large(1600, 200, QImage::Format_ARGB32);
    large.fill(0xFF336699);
    ASSERT_TRUE(cadre_->OuvrirImage(Carte(QStringLiteral("large"), large), 0));
    QApplication::processEvents();
    TMDIChild *doc = cadre_->DocumentActif();
    ASSERT_NE(doc, nullptr);
    const int avant = cadre_->LargeurDispo();
    EXPECT_LE(doc->width(), avant + 10);
    MontrerPanneau();
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_LE(cadre_->LargeurDispo(), avant - Decodcoul::LargeurPanneau);
    EXPECT_LE(doc->width(), cadre_->LargeurDispo() + 10);
    EXPECT_LE(doc->geometry().right(), cadre_->zoneDocuments()->width());
}

TEST_F(CodeCouleurCadre, copying_the_signature_makes_a_new_document_with_the_bars)
{
    TMDIChild *doc = Ouvrir(Carte(QStringLiteral("occupation"), CarteOccupation()));
    ASSERT_NE(doc, nullptr);
    MontrerPanneau();
    Survoler(doc, {70, 10}); // water: channel 1 (blue) full, bar of 64
    ASSERT_EQ(panneau_->signature()->hauteurs(), (std::array<int, 3>{64, 0, 0}));
    panneau_->copisign->trigger();
    QApplication::processEvents();
    ASSERT_EQ(cadre_->Documents().size(), 2);
    TMDIChild *sig = cadre_->DocumentActif();
    ASSERT_NE(sig, doc);
    EXPECT_EQ(sig->document().titre, QStringLiteral("Sig2"));
    const QImage &image = sig->document().image;
    ASSERT_EQ(image.size(), QSize(81, 102));
    EXPECT_EQ(image.pixel(40, 81), qRgb(0, 0, 0));
    const int x1 = ZoneSignature::XBarre(0) + ZoneSignature::LargeurBarre / 2;
    EXPECT_EQ(image.pixel(x1, 81 - 32), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(x1, 81 - 70), qRgb(255, 255, 255));
    const int x2 = ZoneSignature::XBarre(1) + ZoneSignature::LargeurBarre / 2;
    EXPECT_EQ(image.pixel(x2, 81 - 10), qRgb(255, 255, 255));
    EXPECT_EQ(sig->document().echelle, EchelleParDefaut());

    // The same copy from the document's popup item.
    cadre_->zoneDocuments()->setActiveSubWindow(doc);
    doc->actCopierSignature->trigger();
    QApplication::processEvents();
    ASSERT_EQ(cadre_->Documents().size(), 3);
    EXPECT_EQ(cadre_->DocumentActif()->document().titre, QStringLiteral("Sig3"));
}

// ---- Defining codes in the window -------------------------------------------

TEST_F(CodeCouleurCadre, rainbow_code_defined_in_the_window_reads_the_generated_map)
{
    TMDIChild *doc = Ouvrir(Carte(QStringLiteral("temperature"), CarteArcEnCiel()));
    ASSERT_NE(doc, nullptr);
    MontrerPanneau();
    cadre_->actCodageCouleurs->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(fenetreCode_->isVisible());
    EXPECT_EQ(fenetreCode_->windowTitle(), QStringLiteral("Choix du codage des couleurs"));
    EXPECT_TRUE(fenetreCode_->types[0]->isChecked());
    QTest::mouseClick(fenetreCode_->types[1], Qt::LeftButton);
    Taper(fenetreCode_->signif3C, QString::fromUtf8("Température"));
    Taper(fenetreCode_->unite3C, QString::fromUtf8("°C"));
    Taper(fenetreCode_->valmin3C, QStringLiteral("-10"));
    Taper(fenetreCode_->Valmax3c, QStringLiteral("40"));
    QTest::mouseClick(fenetreCode_->OK, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(fenetreCode_->isVisible());
    EXPECT_EQ(doc->document().codeCouleur.TypeCodage, CodageArcEnCiel);
    EXPECT_EQ(ValeurSous(doc, {102, 5}), QStringLiteral("15"));
    EXPECT_EQ(panneau_->texteGrandeur(), QString::fromUtf8("Température"));
    EXPECT_EQ(ValeurSous(doc, {51, 5}), QStringLiteral("2.5"));

    // Opening the window again shows the document's code.
    cadre_->actCodageCouleurs->trigger();
    EXPECT_TRUE(fenetreCode_->types[1]->isChecked());
    EXPECT_EQ(fenetreCode_->valmin3C->text(), QStringLiteral("-10"));
    QTest::mouseClick(fenetreCode_->annule, Qt::LeftButton);
}

TEST_F(CodeCouleurCadre, table_code_defined_by_clicking_colours_on_the_map_reads_the_labels)
{
    TMDIChild *doc = Ouvrir(Carte(QStringLiteral("occupation"), CarteOccupation()));
    ASSERT_NE(doc, nullptr);
    MontrerPanneau();
    const int outilAvant = doc->document().outilCourant;
    cadre_->actCodageCouleurs->trigger();
    QTest::mouseClick(fenetreCode_->types[3], Qt::LeftButton);
    fenetreCode_->nombrevals->setValue(4);
    Taper(fenetreCode_->signifD, QStringLiteral("Occupation"));
    QTest::mouseClick(fenetreCode_->couleursValeurs, Qt::LeftButton);
    QApplication::processEvents();
    // Picking: the document has the measuring tool on a rectangle.
    EXPECT_EQ(doc->document().outilCourant, ImageDocument::OutilMesure);
    EXPECT_EQ(doc->document().modeMesure, 2);

    const QPoint lieux[4] = {{10, 10}, {60, 20}, {15, 45}, {75, 55}};
    const char *libelles[4] = {"Forêt", "Eau", "Champs", "Ville"};
    QTableWidget *grille = fenetreCode_->GrilleCouleurs;
    for (int i = 0; i < 4; ++i) {
        grille->setCurrentCell(3 - i, 0);
        Cliquer(doc, lieux[i]);
        grille->item(3 - i, 1)->setText(QString::fromUtf8(libelles[i]));
    }
    EXPECT_EQ(grille->item(3, 0)->background().color(), QColor(Foret));
    EXPECT_EQ(grille->item(0, 0)->background().color(), QColor(Ville));
    Capturer(*fenetreCode_, QStringLiteral("cadre_code_tableau_couleurs"));
    QTest::mouseClick(fenetreCode_->retourTableau, Qt::LeftButton);
    QTest::mouseClick(fenetreCode_->OK, Qt::LeftButton);
    QApplication::processEvents();

    // Picking ended: the tool is back and the measurement mode is 0.
    EXPECT_EQ(doc->document().outilCourant, outilAvant);
    EXPECT_EQ(doc->document().modeMesure, 0);
    const TCodeCouleur &code = doc->document().codeCouleur;
    ASSERT_TRUE(code.Definie);
    EXPECT_EQ(code.TypeCodage, CodageTableau);
    EXPECT_EQ(code.CouleurTable[0], CouleurRvb(0, 128, 0));
    EXPECT_EQ(code.CouleurTable[3], CouleurRvb(128, 128, 128));
    EXPECT_EQ(ValeurSous(doc, {30, 5}), QString::fromUtf8("Forêt"));
    EXPECT_EQ(panneau_->texteGrandeur(), QStringLiteral("Occupation"));
    EXPECT_EQ(ValeurSous(doc, {50, 5}), QStringLiteral("Eau"));
    EXPECT_EQ(ValeurSous(doc, {5, 35}), QStringLiteral("Champs"));
    EXPECT_EQ(ValeurSous(doc, {45, 35}), QStringLiteral("Ville"));
    // A click on the image after OK is no longer a pick.
    Cliquer(doc, {10, 10});
    EXPECT_EQ(grille->item(0, 0)->background().color(), QColor(Ville));
}

TEST_F(CodeCouleurCadre, two_colour_code_takes_a_rectangle_mean_and_a_chosen_colour)
{
    TMDIChild *doc = Ouvrir(Carte(QStringLiteral("concentration"), CarteDeuxCouleurs()));
    ASSERT_NE(doc, nullptr);
    MontrerPanneau();
    cadre_->actCodageCouleurs->trigger();
    QTest::mouseClick(fenetreCode_->types[2], Qt::LeftButton);
    EXPECT_TRUE(fenetreCode_->couleurMin->enfonce());
    // A rectangle from (12, 20) to (10, 2), corners included: columns 10..12,
    // mean of 245, 244, 243 is 244.
    Glisser(doc, {12, 20}, {10, 2});
    EXPECT_EQ(fenetreCode_->couleurMin->couleur(), CouleurRvb(244, 244, 255));
    // The rectangle shows on the provisional layer in the pen colour, its
    // corners included, until picking ends.
    const QImage &couche = doc->document().coucheProvisoire;
    ASSERT_FALSE(couche.isNull());
    EXPECT_EQ(couche.pixel(10, 2), cadre_->CouleurCrayon);
    EXPECT_EQ(couche.pixel(12, 20), cadre_->CouleurCrayon);
    EXPECT_EQ(couche.pixel(11, 2), cadre_->CouleurCrayon);
    EXPECT_EQ(qAlpha(couche.pixel(11, 10)), 0);
    EXPECT_EQ(qAlpha(couche.pixel(13, 10)), 0);
    // Another tool chosen meanwhile draws and does not pick.
    cadre_->boutonsOutils[0]->trigger();
    Glisser(doc, {100, 5}, {120, 5});
    EXPECT_EQ(fenetreCode_->couleurMin->couleur(), CouleurRvb(244, 244, 255));
    cadre_->boutonsOutils[ImageDocument::OutilMesure]->trigger();
    ChoisirMesure(2);
    ASSERT_EQ(doc->document().modeMesure, 2);
    // A double-click on the maximum opens the colour dialog on its colour.
    couleurDialogue_ = CouleurRvb(0, 0, 255);
    QTest::mouseDClick(fenetreCode_->couleurMax, Qt::LeftButton);
    ASSERT_EQ(departsDialogue_.size(), 1u);
    EXPECT_EQ(fenetreCode_->couleurMax->couleur(), CouleurRvb(0, 0, 255));
    Taper(fenetreCode_->valmin2C, QStringLiteral("0"));
    Taper(fenetreCode_->valmax2C, QStringLiteral("244"));
    Capturer(*fenetreCode_, QStringLiteral("cadre_code_deux_couleurs"));
    QTest::mouseClick(fenetreCode_->OK, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(doc->document().modeMesure, 0);
    EXPECT_EQ(qAlpha(doc->document().coucheProvisoire.pixel(10, 2)), 0);
    // Column x is (255 - x, 255 - x, 255): t = (255 - x - 244) / (0 - 244) on green,
    // so column 11 reads 0, column 255 reads 244 and column 133 reads 122.
    EXPECT_EQ(ValeurSous(doc, {11, 5}), QStringLiteral("0"));
    EXPECT_EQ(ValeurSous(doc, {133, 5}), QStringLiteral("122"));
    EXPECT_EQ(ValeurSous(doc, {255, 5}), QStringLiteral("244"));
    // Columns left of 11 are lighter than the minimum colour: not decodable.
    EXPECT_EQ(ValeurSous(doc, {3, 5}), QString());
}

TEST_F(CodeCouleurCadre, window_reopened_on_another_document_moves_picking_there)
{
    TMDIChild *premier = Ouvrir(Carte(QStringLiteral("concentration"), CarteDeuxCouleurs()));
    ASSERT_NE(premier, nullptr);
    const int outilPremier = premier->document().outilCourant;
    cadre_->actCodageCouleurs->trigger();
    QTest::mouseClick(fenetreCode_->types[2], Qt::LeftButton);
    ASSERT_EQ(premier->document().modeMesure, 2);

    TMDIChild *second = Ouvrir(Carte(QStringLiteral("occupation"), CarteOccupation()));
    ASSERT_NE(second, nullptr);
    const int outilSecond = second->document().outilCourant;
    cadre_->actCodageCouleurs->trigger(); // the second has the default code: kind 0, no picking
    EXPECT_FALSE(fenetreCode_->saisieActive());
    EXPECT_EQ(premier->document().outilCourant, outilPremier);
    EXPECT_EQ(premier->document().modeMesure, 0);
    QTest::mouseClick(fenetreCode_->types[2], Qt::LeftButton);
    EXPECT_EQ(second->document().outilCourant, ImageDocument::OutilMesure);
    EXPECT_EQ(second->document().modeMesure, 2);
    Cliquer(second, {70, 10});
    EXPECT_EQ(fenetreCode_->couleurMin->couleur(), CouleurRvb(0, 0, 255));
    QTest::mouseClick(fenetreCode_->annule, Qt::LeftButton);
    EXPECT_EQ(second->document().outilCourant, outilSecond);
    EXPECT_EQ(second->document().modeMesure, 0);
    EXPECT_EQ(second->document().codeCouleur, CodeParDefaut()); // Annuler changes nothing
}

TEST_F(CodeCouleurCadre, window_reopened_on_another_two_colour_document_keeps_picking_on_it)
{
    TMDIChild *premier = Ouvrir(Carte(QStringLiteral("concentration"), CarteDeuxCouleurs(),
                                      QStringLiteral("<CODE_C=2;16777215;16711680;0;100;F;Nitrates;mg/L;>")));
    ASSERT_NE(premier, nullptr);
    const int outilPremier = premier->document().outilCourant;
    cadre_->actCodageCouleurs->trigger();
    ASSERT_TRUE(fenetreCode_->saisieActive());
    TMDIChild *second = Ouvrir(Carte(QStringLiteral("autre"), CarteDeuxCouleurs(),
                                     QStringLiteral("<CODE_C=2;16777215;16711680;0;50;F;Nitrates;mg/L;>")));
    ASSERT_NE(second, nullptr);
    cadre_->actCodageCouleurs->trigger();
    EXPECT_TRUE(fenetreCode_->saisieActive());
    EXPECT_EQ(premier->document().outilCourant, outilPremier);
    EXPECT_EQ(premier->document().modeMesure, 0);
    EXPECT_EQ(second->document().modeMesure, 2);
    Cliquer(second, {55, 5});
    EXPECT_EQ(fenetreCode_->couleurMin->couleur(), CouleurRvb(200, 200, 255));
    QTest::mouseClick(fenetreCode_->OK, Qt::LeftButton);
    EXPECT_EQ(second->document().codeCouleur.CouleurMin, CouleurRvb(200, 200, 255));
    EXPECT_EQ(premier->document().codeCouleur.CouleurMin, CouleurRvb(255, 255, 255));
}

// ---- Pictures of the definition window --------------------------------------

TEST_F(CodeCouleurCadre, definition_window_opens_centred_on_the_frame_and_off_its_menus)
{
    ASSERT_NE(Ouvrir(Carte(QStringLiteral("temperature"), CarteArcEnCiel())), nullptr);
    cadre_->actCodageCouleurs->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(fenetreCode_->isVisible());
    const QRect cadre = cadre_->geometry();
    const QRect fenetre = fenetreCode_->geometry();
    // Centred on the frame, kept on the screen: a window wider than the
    // test's screen starts at its left edge.
    const QRect ecran = cadre_->screen()->availableGeometry();
    if (fenetre.width() <= ecran.width()) {
        EXPECT_LE(std::abs(fenetre.center().x() - cadre.center().x()), 1);
    } else {
        EXPECT_EQ(fenetreCode_->frameGeometry().x(), ecran.x());
    }
    EXPECT_LE(std::abs(fenetre.center().y() - cadre.center().y()), 1);
    const QWidget *menus = cadre_->menuWidget();
    EXPECT_GT(fenetre.top(), menus->mapToGlobal(QPoint(0, menus->height())).y());
}

TEST_F(CodeCouleurCadre, definition_window_of_each_kind_fits_its_texts)
{
    TMDIChild *doc = Ouvrir(Carte(QStringLiteral("occupation"), CarteOccupation()));
    ASSERT_NE(doc, nullptr);
    cadre_->actCodageCouleurs->trigger();
    QApplication::processEvents();
    const char *noms[4] = {"cadre_code_0", "cadre_code_1", "cadre_code_2", "cadre_code_3"};
    for (int k = 0; k < 4; ++k) {
        QTest::mouseClick(fenetreCode_->types[static_cast<std::size_t>(k)], Qt::LeftButton);
        QApplication::processEvents();
        // Every radio button shows its whole caption.
        for (QRadioButton *r : fenetreCode_->types)
            EXPECT_GE(r->width(), r->sizeHint().width()) << r->text().toStdString();
        Capturer(*fenetreCode_, QString::fromLatin1(noms[k]));
    }
    fenetreCode_->nombrevals->setValue(MaxEntreesTableau);
    QTest::mouseClick(fenetreCode_->couleursValeurs, Qt::LeftButton);
    QApplication::processEvents();
    Capturer(*fenetreCode_, QStringLiteral("cadre_code_3_couleurs_valeurs"));
    // All 16 rows show, the first entry's bottom row included.
    QTableWidget *grille = fenetreCode_->GrilleCouleurs;
    ASSERT_EQ(grille->rowCount(), MaxEntreesTableau);
    EXPECT_TRUE(grille->viewport()->rect().contains(grille->visualItemRect(grille->item(MaxEntreesTableau - 1, 0))));
    EXPECT_TRUE(grille->viewport()->rect().contains(grille->visualItemRect(grille->item(0, 1))));
    QTest::mouseClick(fenetreCode_->retourTableau, Qt::LeftButton);
    QTest::mouseClick(fenetreCode_->types[0], Qt::LeftButton);
    QTest::mouseClick(fenetreCode_->chcoeff, Qt::LeftButton);
    Capturer(*fenetreCode_, QStringLiteral("cadre_code_0_mini_maxi"));
    QTest::mouseClick(fenetreCode_->retourCoeff, Qt::LeftButton);
    QTest::mouseClick(fenetreCode_->annule, Qt::LeftButton);
    EXPECT_FALSE(fenetreCode_->isVisible());
}

} // namespace
