// Opening a large Landsat scene: the shown bands are read before the window
// shows them, the others after, on a thread of their own. Whoever reads a
// channel gets its bytes, whenever it asks.

#include "document/dessins_document.h"
#include "document/image_document.h"
#include "document/image_preparee.h"
#include "document/lecture_differee.h"
#include "document/lecture_lan.h"
#include "document/ouverture_raster.h"
#include "fichiers_raster_test.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace fixtures;

// 5 bands of 2000 × 1700 pixels: 17 MB, enough for the later reading.
constexpr int Bandes = 5;
constexpr int Largeur = 2000;
constexpr int Hauteur = 1700;
constexpr qint64 OctetsPixels = qint64{Bandes} * Largeur * Hauteur;

int Valeur(qint64 offset)
{
    return static_cast<int>((offset * 7 + offset / 2003) & 0xFF);
}

// The byte of band b at (x, y) by the file's layout.
int Attendu(int b, int x, int y)
{
    return Valeur(128 + (qint64{y} * Bandes + b) * Largeur + x);
}

// Pixels of channel b that differ from the file's bytes (rows from
// `lignesLues` on are expected to be zeros).
qint64 Fautes(const TCanal &c, int b, int lignesLues = Hauteur)
{
    qint64 fautes = 0;
    for (int y = 0; y < Hauteur; ++y) {
        const unsigned char *ligne = c.ligne(y);
        for (int x = 0; x < Largeur; ++x)
            fautes += ligne[x] != (y < lignesLues ? Attendu(b, x, y) : 0);
    }
    return fautes;
}

class LectureDiffereeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dossier_ = new QTemporaryDir;
        Ecrire(dossier_->filePath(QStringLiteral("scene.lan")), Lan(Bandes, Largeur, Hauteur, OctetsPixels, Valeur));
    }
    static void TearDownTestSuite()
    {
        delete dossier_;
        dossier_ = nullptr;
    }
    static QString Scene() { return dossier_->filePath(QStringLiteral("scene.lan")); }

    static QTemporaryDir *dossier_;
};

QTemporaryDir *LectureDiffereeTest::dossier_ = nullptr;

TEST_F(LectureDiffereeTest, the_shown_bands_come_first_and_every_channel_reads_its_bytes_afterwards)
{
    ImageDocument doc;
    EXPECT_TRUE(ChargerRaster(doc, Scene(), 0).isEmpty());
    ASSERT_EQ(doc.canaux.size(), std::size_t{Bandes});
    ASSERT_NE(doc.lectureDifferee, nullptr);
    for (int b = 0; b < Bandes; ++b)
        EXPECT_EQ(doc.canaux[std::size_t(b)].complet(), b >= 1 && b <= 3) << "TM " << b + 1;

    // The composite is whole: every pixel of the bitmap obtained during the
    // reading was written.
    ASSERT_EQ(doc.image.size(), QSize(Largeur, Hauteur));
    qint64 fautes = 0;
    for (int y = 0; y < Hauteur; ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(doc.image.constScanLine(y));
        for (int x = 0; x < Largeur; ++x)
            fautes += pixels[x] != qRgba(Attendu(3, x, y), Attendu(2, x, y), Attendu(1, x, y), 255);
    }
    EXPECT_EQ(fautes, 0);

    for (int b = 0; b < Bandes; ++b) {
        ASSERT_TRUE(doc.Canal(b).complet()) << "TM " << b + 1;
        EXPECT_EQ(Fautes(doc.Canal(b), b), 0) << "TM " << b + 1;
    }
    // The planes the fills test channel conditions on include the bands read later.
    const PlansCanaux plans = PlansDuDocument(doc);
    ASSERT_EQ(plans.plans.size(), std::size_t{Bandes});
    EXPECT_EQ(plans.plans[0][Largeur + 5], Attendu(0, 5, 1));
    EXPECT_EQ(plans.plans[4][Largeur * 2 + 7], Attendu(4, 7, 2));
}

TEST_F(LectureDiffereeTest, showing_a_band_read_later_waits_for_it)
{
    ImageDocument doc;
    (void)ChargerRaster(doc, Scene(), 0);
    doc.AfficherCanaux(0, -1, -1, 0); // TM 1 alone, in grey
    ASSERT_EQ(doc.image.size(), QSize(Largeur, Hauteur));
    const int v = Attendu(0, 11, 13);
    EXPECT_EQ(reinterpret_cast<const QRgb *>(doc.image.constScanLine(13))[11], qRgba(v, v, v, 255));
}

TEST_F(LectureDiffereeTest, a_document_closed_while_its_bands_are_read_ends_cleanly)
{
    for (int i = 0; i < 3; ++i) {
        auto doc = std::make_unique<ImageDocument>();
        (void)ChargerRaster(*doc, Scene(), 5);
        doc.reset();
    }
}

TEST_F(LectureDiffereeTest, reading_without_deferral_or_a_small_file_reads_every_band_at_once)
{
    const LectureRaster l = LireLan(Scene());
    EXPECT_EQ(l.suite, nullptr);
    for (const TCanal &c : l.canaux)
        EXPECT_TRUE(c.complet());
}

TEST(LectureDifferee, a_file_shrunk_before_the_later_bands_are_read_gives_zeros_there_not_old_memory)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("scene.lan"));
    Ecrire(chemin, Lan(Bandes, Largeur, Hauteur, OctetsPixels, Valeur));
    LectureRaster l = LireLan(chemin, true);
    ASSERT_NE(l.suite, nullptr);
    // Another program rewrites the file, keeping only its first 600 rows.
    constexpr int LignesGardees = 600;
    ASSERT_TRUE(QFile::resize(chemin, 128 + qint64{LignesGardees} * Bandes * Largeur));
    for (int b : {0, 4}) {
        const TCanal *c = l.suite->Canal(b);
        ASSERT_NE(c, nullptr);
        ASSERT_TRUE(c->complet());
        EXPECT_EQ(Fautes(*c, b, LignesGardees), 0) << "TM " << b + 1;
    }
    EXPECT_EQ(l.suite->Canal(2), nullptr) << "TM 3 is shown, not read later";
}

TEST(LectureDifferee, a_reading_that_fails_leaves_zeros)
{
    TCanal c;
    c.index = 3;
    c.largeur = 4;
    c.hauteur = 2;
    LectureDifferee lecture({c}, [](std::vector<TCanal> &canaux) {
        canaux[0].plan = QByteArray(8, '\x7F');
        throw std::runtime_error("disk gone");
    });
    lecture.Demarrer();
    const TCanal *lu = lecture.Canal(3);
    ASSERT_NE(lu, nullptr);
    EXPECT_EQ(lu->plan, QByteArray(8, '\0'));
}

TEST(ImagePreparee, gives_a_bitmap_of_the_size_asked_or_none)
{
    ImagePreparee rien;
    EXPECT_TRUE(rien.Prendre().isNull());
    ImagePreparee bitmap;
    bitmap.Preparer(300, 200);
    const QImage image = bitmap.Prendre();
    EXPECT_EQ(image.size(), QSize(300, 200));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
}

} // namespace
