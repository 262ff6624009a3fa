// Opening raster files in the frame: the composite shows in a document
// window with the decoding panel; moving the pointer over it reads the raw
// channel bytes on the panel and the displayed colour in the status bar; a
// reader's warning is shown once; a file that fails leaves no window and
// shows a French error. Setting KAPTORI_CAPTURES to a folder saves pictures
// of the frame and of the panel.

#include "app/ui/boites_message.h"
#include "app/ui/dialogue_ouverture.h"
#include "app/ui/main_window.h"
#include "calibration/ui/panneau_decodage.h"
#include "document/ui/fenetre_document.h"
#include "document/raster/fichiers_raster_test.h"
#include "processing/ui/choix_canaux.h"
#include "support/capture.h"
#include "support/essai_cadre.h"
#include "support/pilote_dialogues.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <ostream>
#include <string>

namespace {

using namespace fixtures;

// The 7-band scene of the tests: 240 × 160, smooth patterns differing by
// band; band b (1-based) at (x, y).
constexpr int LargeurScene = 240;
constexpr int HauteurScene = 160;

int OctetScene(int x, int y, int b)
{
    return static_cast<int>(110 + 60 * std::sin((x + 25.0 * b) / 30) * std::cos((y - 12.0 * b) / 25));
}

struct Message {
    TypeMessage type;
    QString texte;
};

class OuvrirRaster : public EssaiCadre {
protected:
    void SetUp() override
    {
        EssaiCadre::SetUp();
        if (HasFatalFailure())
            return;
        CreerCadre(1000, 700);
        QApplication::processEvents();
    }
    // Each box with its kind.
    void Noter(TypeMessage type, const QString &texte) override { boites_.push_back({type, texte}); }
    QString Poser(const QString &nom, const QByteArray &octets)
    {
        Ecrire(dossier_.filePath(nom), octets);
        return dossier_.filePath(nom);
    }
    QString Scene(const QString &nom)
    {
        constexpr qint64 w = LargeurScene;
        return Poser(nom, Lan(7, LargeurScene, HauteurScene, 7 * w * HauteurScene, [](qint64 o) {
                         const qint64 i = o - 128;
                         return OctetScene(static_cast<int>(i % w), static_cast<int>(i / (7 * w)),
                                           static_cast<int>((i / w) % 7 + 1));
                     }));
    }

    // Opens the scene and gives its window, with the decoding panel shown.
    TMDIChild *OuvrirScene(int etirement)
    {
        EXPECT_TRUE(cadre_->OuvrirImage(Scene(QStringLiteral("scene.lan")), etirement));
        QApplication::processEvents();
        panneau_ = cadre_->findChild<Decodcoul *>();
        EXPECT_NE(panneau_, nullptr);
        return cadre_->DocumentActif();
    }

    // Moves the pointer over image pixel (x, y) of the document window.
    static void Survoler(TMDIChild *fenetre, QPoint pixel)
    {
        const QPointF o = fenetre->vue()->OrigineImage();
        const float zoom = fenetre->document().zoom;
        QTest::mouseMove(fenetre->vue()->viewport(),
                         QPoint(static_cast<int>(std::lround(o.x() + pixel.x() * zoom)),
                                static_cast<int>(std::lround(o.y() + pixel.y() * zoom))));
        QApplication::processEvents();
    }

    // The texts of the panel's labels, to find the channel names among them.
    [[nodiscard]] QStringList TextesPanneau() const
    {
        QStringList textes;
        for (const QLabel *l : panneau_->findChildren<QLabel *>())
            if (l->isVisibleTo(panneau_))
                textes << l->text();
        return textes;
    }

    std::vector<Message> boites_;
    Decodcoul *panneau_ = nullptr;
};

TEST_F(OuvrirRaster, landsat_scene_opens_as_a_composite_of_tm_2_3_4_with_the_decoding_panel)
{
    const QString chemin = Scene(QStringLiteral("scene.lan"));
    ASSERT_TRUE(cadre_->OuvrirImage(chemin, 5));
    QApplication::processEvents();
    ASSERT_EQ(cadre_->Documents().size(), 1);
    TMDIChild *fenetre = cadre_->Documents().front();
    const ImageDocument &d = fenetre->document();
    EXPECT_EQ(d.canaux.size(), 7u);
    EXPECT_EQ(d.canaux[static_cast<std::size_t>(d.canalBleu)].nom, QStringLiteral("TM 2"));
    EXPECT_EQ(d.canaux[static_cast<std::size_t>(d.canalRouge)].nom, QStringLiteral("TM 4"));
    EXPECT_EQ(d.etirement, 5);
    EXPECT_TRUE(boites_.empty());
    const auto *panneau = cadre_->findChild<QDockWidget *>(QStringLiteral("DockDecodcoul"));
    ASSERT_NE(panneau, nullptr);
    EXPECT_TRUE(panneau->isVisible());
    const QString capture = qEnvironmentVariable("KAPTORI_CAPTURES");
    if (!capture.isEmpty())
        cadre_->grab().save(QDir(capture).filePath(QStringLiteral("ouvrir_raster_lan.png")));
}

// What a pupil reads when pointing at a pixel of the scene opened without
// stretch: the panel shows the raw bytes of TM 2, TM 3, TM 4; the status bar
// shows the displayed colour, here those same bytes in blue, green, red.
struct CasPointe {
    const char *nom;
    QPoint pixel;
};

void PrintTo(const CasPointe &c, std::ostream *os)
{
    *os << c.nom;
}

class PointeRaster : public OuvrirRaster, public ::testing::WithParamInterface<CasPointe> {};

TEST_P(PointeRaster, panel_reads_the_raw_channel_bytes_and_the_status_bar_the_displayed_colour)
{
    const QPoint p = GetParam().pixel;
    TMDIChild *fenetre = OuvrirScene(0);
    ASSERT_NE(fenetre, nullptr);
    ASSERT_NE(panneau_, nullptr);
    Survoler(fenetre, p);

    const int c1 = OctetScene(p.x(), p.y(), 2);
    const int c2 = OctetScene(p.x(), p.y(), 3);
    const int c3 = OctetScene(p.x(), p.y(), 4);
    EXPECT_EQ(panneau_->textesCanaux(),
              (std::array<QString, 3>{QString::number(c1), QString::number(c2), QString::number(c3)}));
    // Red, green, blue are TM 4, TM 3, TM 2; S = round((max - min) * 255 / max).
    const int plus = std::max({c1, c2, c3});
    const int moins = std::min({c1, c2, c3});
    const auto s = static_cast<int>(std::nearbyint((plus - moins) * 255.0 / plus));
    EXPECT_EQ(cadre_->TextePanneau(2),
              QStringLiteral("RVBLS:%1,%2,%3,%4,%5").arg(c3).arg(c2).arg(c1).arg(c1 + c2 + c3).arg(s));
    EXPECT_EQ(cadre_->TextePanneau(3), QStringLiteral("X:%1;Y:%2").arg(p.x()).arg(p.y()));
}

const CasPointe CasPointes[] = {
    // (0, 0) would be taken by the test tools for "the middle of the view".
    {"left edge", {0, 1}},
    {"inside the scene", {37, 91}},
    {"bottom right corner", {LargeurScene - 1, HauteurScene - 1}},
};

INSTANTIATE_TEST_SUITE_P(Scene, PointeRaster, ::testing::ValuesIn(CasPointes));

TEST_F(OuvrirRaster, stretched_scene_shows_stretched_colours_but_the_panel_keeps_the_raw_bytes)
{
    TMDIChild *fenetre = OuvrirScene(50);
    ASSERT_NE(fenetre, nullptr);
    ASSERT_NE(panneau_, nullptr);
    const QPoint p(120, 40);
    Survoler(fenetre, p);
    EXPECT_EQ(panneau_->textesCanaux(),
              (std::array<QString, 3>{QString::number(OctetScene(p.x(), p.y(), 2)),
                                      QString::number(OctetScene(p.x(), p.y(), 3)),
                                      QString::number(OctetScene(p.x(), p.y(), 4))}));
    // The status bar reads the displayed pixel, which the stretch moved off
    // the raw bytes.
    const QRgb affiche = fenetre->document().image.pixel(p);
    EXPECT_NE(qBlue(affiche), OctetScene(p.x(), p.y(), 2));
    EXPECT_TRUE(cadre_->TextePanneau(2).startsWith(
        QStringLiteral("RVBLS:%1,%2,%3,").arg(qRed(affiche)).arg(qGreen(affiche)).arg(qBlue(affiche))));
    const QStringList textes = TextesPanneau();
    for (const char *nom : {"TM 2", "TM 3", "TM 4"})
        EXPECT_TRUE(textes.contains(QLatin1String(nom))) << nom << " missing from " << textes.join(u'|').toStdString();
    EXPECT_FALSE(panneau_->pasDEchelle());
    Capturer(*cadre_, QStringLiteral("cadre_scene_landsat"));
    Capturer(*panneau_, QStringLiteral("panneau_scene_landsat"));
}

TEST_F(OuvrirRaster, scene_with_a_false_colour_side_file_names_its_channels_on_the_panel)
{
    Poser(QStringLiteral("scene.ccc"), "<CODE_C=0;0;0;0;255;255;255;Vert;Rouge;Infra-Rouge;65280;255;0;>\r\n");
    TMDIChild *fenetre = OuvrirScene(5);
    ASSERT_NE(fenetre, nullptr);
    ASSERT_NE(panneau_, nullptr);
    Survoler(fenetre, {10, 10});
    const QStringList textes = TextesPanneau();
    for (const char *nom : {"Vert", "Rouge", "Infra-Rouge"})
        EXPECT_TRUE(textes.contains(QLatin1String(nom))) << nom << " missing from " << textes.join(u'|').toStdString();
    EXPECT_EQ(panneau_->textesCanaux()[2], QString::number(OctetScene(10, 10, 4)));
}

TEST_F(OuvrirRaster, incomplete_file_opens_and_its_warning_is_shown_once)
{
    const QString chemin = Poser(QStringLiteral("court.ima"), Ima("lignes 8 *colonnes 8 *", QByteArray(40, '\x50')));
    ASSERT_TRUE(cadre_->OuvrirImage(chemin, 0));
    ASSERT_EQ(cadre_->Documents().size(), 1);
    ASSERT_EQ(boites_.size(), 1u);
    EXPECT_EQ(boites_.front().type, TypeMessage::Avertissement);
    EXPECT_TRUE(boites_.front().texte.contains(QStringLiteral("incomplet")));
    EXPECT_TRUE(cadre_->Documents().front()->document().avertissementsOuverture.isEmpty());
}

// "Ouvrir" stretches a raster file as the channel dialog's stretch list says,
// unless "Image sat. brute" is checked.
struct CasEtirementOuverture {
    const char *nom;
    bool nePasEtirer;  // the channel dialog's box
    int ligne;         // its stretch list's row: 0 "95 %" .. 3 "99,8 %"
    bool imageBrute;   // the open dialog's box
    int attendu;
};

void PrintTo(const CasEtirementOuverture &c, std::ostream *os) { *os << c.nom; }

class EtirementOuverture : public OuvrirRaster, public ::testing::WithParamInterface<CasEtirementOuverture> {};

TEST_P(EtirementOuverture, the_next_raster_opened_takes_the_stretch_of_the_channel_dialog)
{
    const CasEtirementOuverture &c = GetParam();
    ASSERT_NE(OuvrirScene(5), nullptr);
    ASSERT_TRUE(PiloteDialogues::Executer(cadre_->actCanauxAffiches,
                                          {PiloteDialogues::Quand<TChoix_canaux>([&](TChoix_canaux &d) {
                                              d.nePasEtirer->setChecked(c.nePasEtirer);
                                              d.etirements->setCurrentIndex(c.ligne);
                                              QMetaObject::invokeMethod(d.findChild<QDialogButtonBox *>(), "accepted");
                                          })}));
    const QString seconde = Scene(QStringLiteral("seconde.lan"));
    ASSERT_TRUE(PiloteDialogues::Executer(cadre_->actOuvrir,
                                          {PiloteDialogues::Quand<DialogueOuverture>([&](DialogueOuverture &d) {
                                              d.caseBrute->setChecked(c.imageBrute);
                                              d.selectFile(seconde);
                                              QMetaObject::invokeMethod(&d, "accept");
                                          })}));
    ASSERT_EQ(cadre_->Documents().size(), 2);
    EXPECT_EQ(cadre_->DocumentActif()->document().nomFichier, seconde);
    EXPECT_EQ(cadre_->DocumentActif()->document().etirement, c.attendu);
}

const CasEtirementOuverture kEtirementsOuverture[] = {
    {"95_pour_cent", false, 0, false, 50},
    {"98_pour_cent", false, 1, false, 20},
    {"99_8_pour_cent", false, 3, false, 2},
    {"ne_pas_etirer", true, 0, false, 0},
    {"image_brute", false, 0, true, 0},
};

INSTANTIATE_TEST_SUITE_P(Listes, EtirementOuverture, ::testing::ValuesIn(kEtirementsOuverture),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST_F(OuvrirRaster, the_open_dialog_starts_in_the_folder_of_the_last_file_opened)
{
    const QString scene = Scene(QStringLiteral("premiere.lan"));
    QString dossierMontre;
    const auto ouvrir = [&](const QString &chemin) {
        return PiloteDialogues::Executer(cadre_->actOuvrir,
                                         {PiloteDialogues::Quand<DialogueOuverture>([&](DialogueOuverture &d) {
                                             dossierMontre = d.directory().absolutePath();
                                             d.selectFile(chemin);
                                             QMetaObject::invokeMethod(&d, "accept");
                                         })});
    };
    ASSERT_TRUE(ouvrir(scene));
    ASSERT_TRUE(ouvrir(Scene(QStringLiteral("seconde.lan"))));
    EXPECT_EQ(dossierMontre, QFileInfo(scene).absolutePath());
    EXPECT_EQ(cadre_->Documents().size(), 2);
}

TEST_F(OuvrirRaster, failing_reader_leaves_no_window_and_shows_a_french_error)
{
    const QString chemin = Poser(QStringLiteral("large.lan"), Lan(1, 8000, 1, 8000, [](qint64) { return 1; }));
    EXPECT_FALSE(cadre_->OuvrirImage(chemin, 5));
    EXPECT_TRUE(cadre_->Documents().isEmpty());
    ASSERT_EQ(boites_.size(), 1u);
    EXPECT_EQ(boites_.front().type, TypeMessage::Erreur);
    EXPECT_TRUE(boites_.front().texte.contains(QStringLiteral("7169")));
}

} // namespace
