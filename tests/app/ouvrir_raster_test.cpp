// Opening raster files in the frame: the composite shows in a document
// window with the decoding panel; a reader's warning is shown once; a file
// that fails leaves no window and shows a French error.

#include "app/boites_message.h"
#include "app/main_window.h"
#include "document/fenetre_document.h"
#include "document/fichiers_raster_test.h"

#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using namespace fixtures;

struct Message {
    TypeMessage type;
    QString texte;
};

class OuvrirRaster : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier_.isValid());
        ancien_ = QDir::currentPath();
        QDir::setCurrent(dossier_.path());
        DefinirIntercepteurMessages([this](TypeMessage type, const QString &texte, BoutonsMessage) {
            messages_.push_back({type, texte});
            return QMessageBox::Ok;
        });
        cadre_ = std::make_unique<TMainForm>();
        cadre_->resize(1000, 700);
        cadre_->show();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        cadre_.reset();
        DefinirIntercepteurMessages({});
        QDir::setCurrent(ancien_);
    }
    QString Poser(const QString &nom, const QByteArray &octets)
    {
        Ecrire(dossier_.filePath(nom), octets);
        return dossier_.filePath(nom);
    }
    // A 7-band scene of 240 × 160 with smooth patterns differing by band.
    QString Scene(const QString &nom)
    {
        const int w = 240;
        const int h = 160;
        return Poser(nom, Lan(7, w, h, 7LL * w * h, [w](qint64 o) {
                         const qint64 i = o - 128;
                         const auto y = static_cast<double>(i / (7 * w));
                         const auto b = static_cast<double>((i / w) % 7 + 1);
                         const auto x = static_cast<double>(i % w);
                         return static_cast<int>(110 + 60 * std::sin((x + 25 * b) / 30) * std::cos((y - 12 * b) / 25));
                     }));
    }

    QTemporaryDir dossier_;
    QString ancien_;
    std::vector<Message> messages_;
    std::unique_ptr<TMainForm> cadre_;
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
    EXPECT_TRUE(messages_.empty());
    const auto *panneau = cadre_->findChild<QDockWidget *>(QStringLiteral("DockDecodcoul"));
    ASSERT_NE(panneau, nullptr);
    EXPECT_TRUE(panneau->isVisible());
    const QString capture = qEnvironmentVariable("KAPTORI_CAPTURES");
    if (!capture.isEmpty())
        cadre_->grab().save(QDir(capture).filePath(QStringLiteral("ouvrir_raster_lan.png")));
}

TEST_F(OuvrirRaster, incomplete_file_opens_and_its_warning_is_shown_once)
{
    const QString chemin = Poser(QStringLiteral("court.ima"), Ima("lignes 8 *colonnes 8 *", QByteArray(40, '\x50')));
    ASSERT_TRUE(cadre_->OuvrirImage(chemin, 0));
    ASSERT_EQ(cadre_->Documents().size(), 1);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_.front().type, TypeMessage::Avertissement);
    EXPECT_TRUE(messages_.front().texte.contains(QStringLiteral("incomplet")));
    EXPECT_TRUE(cadre_->Documents().front()->document().avertissementsOuverture.isEmpty());
}

TEST_F(OuvrirRaster, failing_reader_leaves_no_window_and_shows_a_french_error)
{
    const QString chemin = Poser(QStringLiteral("large.lan"), Lan(1, 8000, 1, 8000, [](qint64) { return 1; }));
    EXPECT_FALSE(cadre_->OuvrirImage(chemin, 5));
    EXPECT_TRUE(cadre_->Documents().isEmpty());
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_.front().type, TypeMessage::Erreur);
    EXPECT_TRUE(messages_.front().texte.contains(QStringLiteral("7169")));
}

} // namespace
