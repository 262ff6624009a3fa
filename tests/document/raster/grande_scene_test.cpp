// Opening a large Landsat scene: the bands are read in slices side by side,
// the composite written in slices.

#include "document/image_document.h"
#include "document/raster/lecture_lan.h"
#include "document/raster/ouverture_raster.h"
#include "fichiers_raster_test.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace fixtures;

// 5 bands of 2000 × 1700 pixels: 17 MB, read in slices side by side.
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

// Pixels of channel b that differ from the file's bytes (bytes from file
// offset `finLue` on are expected to be zeros).
qint64 Fautes(const TCanal &c, int b, qint64 finLue = 128 + OctetsPixels)
{
    qint64 fautes = 0;
    for (int y = 0; y < Hauteur; ++y) {
        const unsigned char *ligne = c.ligne(y);
        for (int x = 0; x < Largeur; ++x) {
            const qint64 offset = 128 + (qint64{y} * Bandes + b) * Largeur + x;
            fautes += ligne[x] != (offset < finLue ? Attendu(b, x, y) : 0);
        }
    }
    return fautes;
}

TEST(GrandeScene, opens_whole_with_every_pixel_of_the_composite_written_and_every_band_read)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("scene.lan"));
    Ecrire(chemin, Lan(Bandes, Largeur, Hauteur, OctetsPixels, Valeur));
    ImageDocument doc;
    EXPECT_TRUE(ChargerRaster(doc, chemin, 0).isEmpty());
    ASSERT_EQ(doc.canaux.size(), std::size_t{Bandes});
    for (int b = 0; b < Bandes; ++b)
        EXPECT_EQ(Fautes(doc.canaux[std::size_t(b)], b), 0) << "TM " << b + 1;

    ASSERT_EQ(doc.image.size(), QSize(Largeur, Hauteur));
    qint64 fautes = 0;
    for (int y = 0; y < Hauteur; ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(doc.image.constScanLine(y));
        for (int x = 0; x < Largeur; ++x)
            fautes += pixels[x] != qRgba(Attendu(3, x, y), Attendu(2, x, y), Attendu(1, x, y), 255);
    }
    EXPECT_EQ(fautes, 0);
}

TEST(GrandeScene, a_file_shrunk_after_its_header_was_checked_gives_zeros_from_its_first_missing_byte)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("scene.lan"));
    Ecrire(chemin, Lan(Bandes, Largeur, Hauteur, OctetsPixels, Valeur));
    FichierLan lan(chemin);
    EXPECT_EQ(lan.bandes(), Bandes);
    // Another program rewrites the file between the check of its size and
    // the reading of its pixels, keeping its first 600 rows and half a row.
    constexpr qint64 Garde = 128 + qint64{600} * Bandes * Largeur + Largeur / 2;
    ASSERT_TRUE(QFile::resize(chemin, Garde));
    const LectureRaster l = lan.Lire();
    ASSERT_EQ(l.canaux.size(), std::size_t{Bandes});
    for (int b = 0; b < Bandes; ++b) {
        ASSERT_TRUE(l.canaux[std::size_t(b)].complet());
        EXPECT_EQ(Fautes(l.canaux[std::size_t(b)], b, Garde), 0) << "TM " << b + 1;
    }
}

} // namespace
