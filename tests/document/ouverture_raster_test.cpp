// Opening a raster file into a document: channels, display, colour code,
// scale side-file, warnings; a file that fails gives no document.

#include "app/erreur.h"
#include "document/ouverture_document.h"
#include "document/ouverture_raster.h"
#include "fichiers_raster_test.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace fixtures;

class OuvertureRaster : public ::testing::Test {
protected:
    QTemporaryDir dossier_;
    QString Poser(const QString &nom, const QByteArray &octets)
    {
        Ecrire(dossier_.filePath(nom), octets);
        return dossier_.filePath(nom);
    }
    // 7 bands of 3 × 2; band b holds 10·b + x + 3·y everywhere.
    QString PoserScene(const QString &nom)
    {
        return Poser(nom, Lan(7, 3, 2, 42, [](qint64 o) {
                         const qint64 i = o - 128;
                         const qint64 y = i / 21;
                         const qint64 b = (i % 21) / 3 + 1;
                         const qint64 x = i % 3;
                         return static_cast<int>(10 * b + x + 3 * y);
                     }));
    }
};

QRgb Pixel(const ImageDocument &d, int x, int y)
{
    return reinterpret_cast<const QRgb *>(d.image.constScanLine(y))[x];
}

TEST_F(OuvertureRaster, seven_band_lan_opens_showing_tm_2_3_4_in_blue_green_red)
{
    const auto d = OuvrirDocument(PoserScene(QStringLiteral("scene.lan")), 0);
    ASSERT_EQ(d->canaux.size(), 7u);
    EXPECT_TRUE(d->avecCanaux);
    EXPECT_EQ(d->canalBleu, 1);
    EXPECT_EQ(d->canalVert, 2);
    EXPECT_EQ(d->canalRouge, 3);
    EXPECT_EQ(d->image.size(), QSize(3, 2));
    // (2, 1): TM 2 = 25, TM 3 = 35, TM 4 = 45.
    EXPECT_EQ(Pixel(*d, 2, 1) & 0xFFFFFFu, (45u << 16) | (35u << 8) | 25u);
    EXPECT_EQ(d->codeCouleur.NomC[0], QStringLiteral("TM 2"));
    EXPECT_EQ(d->codeCouleur.NomC[2], QStringLiteral("TM 4"));
    EXPECT_EQ(d->nomFichier, dossier_.filePath(QStringLiteral("scene.lan")));
    EXPECT_TRUE(d->avertissementsOuverture.isEmpty());
}

TEST_F(OuvertureRaster, lan_without_side_file_ends_with_1_pixels_and_with_one_takes_it)
{
    const auto sans = OuvrirDocument(PoserScene(QStringLiteral("a.lan")), 5);
    EXPECT_EQ(sans->echelle.Mode, TEchelle::Longueur);
    EXPECT_EQ(sans->echelle.Facteur, 1.0);
    EXPECT_EQ(sans->echelle.Unite, QStringLiteral("pixels"));

    Poser(QStringLiteral("b.sca"), "<SCALE=0;0.03;km;>\r\n");
    const auto avec = OuvrirDocument(PoserScene(QStringLiteral("b.lan")), 5);
    EXPECT_EQ(avec->echelle.Facteur, 0.03);
    EXPECT_EQ(avec->echelle.Unite, QStringLiteral("km"));
}

TEST_F(OuvertureRaster, short_file_opens_with_its_warning_kept_for_the_opener)
{
    const QString chemin = Poser(QStringLiteral("court.ima"), Ima("lignes 4 *colonnes 4 *", QByteArray(12, '\x09')));
    const auto d = OuvrirDocument(chemin, 0);
    ASSERT_EQ(d->avertissementsOuverture.size(), 1);
    EXPECT_TRUE(d->avertissementsOuverture.front().contains(QStringLiteral("court.ima")));
    EXPECT_EQ(Pixel(*d, 3, 3), 0xFF000000u);
    EXPECT_EQ(Pixel(*d, 3, 2), 0xFF090909u);
}

TEST_F(OuvertureRaster, a_failing_reader_gives_no_document_but_a_french_error)
{
    const QString chemin = Poser(QStringLiteral("faux.lan"), QByteArray(50, '\0'));
    EXPECT_THROW((void)OuvrirDocument(chemin, 5), ErreurDecodage);
    EXPECT_THROW((void)OuvrirDocument(dossier_.filePath(QStringLiteral("absent.inf")), 5), ErreurFichier);
}

TEST_F(OuvertureRaster, loading_leaves_the_document_untouched_when_the_reader_fails)
{
    ImageDocument d;
    d.nomFichier = QStringLiteral("avant");
    const QString chemin = Poser(QStringLiteral("vide.per"), QByteArray(10, '\0'));
    EXPECT_THROW((void)ChargerRaster(d, chemin, 5), ErreurDecodage);
    EXPECT_EQ(d.nomFichier, QStringLiteral("avant"));
    EXPECT_TRUE(d.canaux.empty());
    EXPECT_TRUE(d.image.isNull());
}

} // namespace
