// Opening a raster file into a document: channels, display, colour code,
// scale and colour-code side-files, warnings; a file that fails gives no
// document.

#include "commun/erreur.h"
#include "document/ouverture_document.h"
#include "document/raster/ouverture_raster.h"
#include "fichiers_raster_test.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

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

TEST_F(OuvertureRaster, inf_with_two_planes_shows_them_in_blue_and_green_with_the_red_byte_at_255)
{
    // Plane 1 holds x, plane 2 holds y, on 200 columns and 100 rows.
    QByteArray p1(200 * 100, '\0');
    QByteArray p2(200 * 100, '\0');
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            p1[y * 200 + x] = static_cast<char>(x);
            p2[y * 200 + x] = static_cast<char>(y);
        }
    Poser(QStringLiteral("p1.raw"), p1);
    Poser(QStringLiteral("p2.raw"), p2);
    const auto d = OuvrirDocument(Poser(QStringLiteral("liste.inf"), "2 100 200\r\np1.raw\r\np2.raw\r\n"), 0);
    EXPECT_EQ(d->canalBleu, 0);
    EXPECT_EQ(d->canalVert, 1);
    EXPECT_EQ(d->canalRouge, -1);
    EXPECT_EQ(d->image.size(), QSize(200, 100));
    EXPECT_EQ(Pixel(*d, 150, 70) & 0xFFFFFFu, (255u << 16) | (70u << 8) | 150u);
    EXPECT_EQ(Pixel(*d, 0, 99) & 0xFFFFFFu, (255u << 16) | (99u << 8) | 0u);
    EXPECT_EQ(d->codeCouleur.NomC[0], QStringLiteral("Canal 1"));
    EXPECT_EQ(d->codeCouleur.NomC[1], QStringLiteral("Canal 2"));
    EXPECT_TRUE(d->codeCouleur.NomC[2].isEmpty());
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

// Colour-code side-files beside raster files. The code a raster document
// ends with is the side-file's when it parses, otherwise the one that
// showing the channels gave (never CodeParDefaut, which would call TM 2
// "Bleu").
struct CasCodeAnnexe {
    const char *nom;
    const char *fichier;      // raster file written by the test
    const char *annexe;       // text of the ".ccc", nullptr for none
    int type;                 // expected TypeCodage
    const char *designation;  // NomC[0] for kind 0, Grandeur otherwise
    const char *unite;        // UniteCode for kinds 1..3
};

void PrintTo(const CasCodeAnnexe &c, std::ostream *os)
{
    *os << c.nom;
}

class CodeAnnexeRasterTest : public OuvertureRaster, public ::testing::WithParamInterface<CasCodeAnnexe> {};

TEST_P(CodeAnnexeRasterTest, gives_the_side_file_code_only_when_it_parses)
{
    const CasCodeAnnexe &c = GetParam();
    const QString nom = QString::fromLatin1(c.fichier);
    const QString chemin = nom.endsWith(QLatin1String(".lan"))
                               ? PoserScene(nom)
                               : Poser(nom, Ima("lignes 2 *colonnes 3 *", QByteArray(6, '\x20')));
    if (c.annexe)
        Poser(nom.left(nom.size() - 4) + QStringLiteral(".ccc"), QByteArray(c.annexe) + "\r\n");
    const auto d = OuvrirDocument(chemin, 5);
    EXPECT_EQ(d->codeCouleur.Definie, 1);
    EXPECT_EQ(d->codeCouleur.TypeCodage, c.type);
    if (c.type == CodageTroisCanaux) {
        EXPECT_EQ(d->codeCouleur.NomC[0], QString::fromLatin1(c.designation));
    } else {
        EXPECT_EQ(d->codeCouleur.Grandeur, QString::fromLatin1(c.designation));
        EXPECT_EQ(d->codeCouleur.UniteCode, QString::fromLatin1(c.unite));
    }
}

const CasCodeAnnexe CasCodesAnnexes[] = {
    {"lan without side-file names the slots after TM 2, TM 3, TM 4", "a.lan", nullptr, CodageTroisCanaux, "TM 2", ""},
    {"lan with false-colour side-file takes its designations", "b.lan",
     "<CODE_C=0;0;0;0;255;255;255;Vert;Rouge;Infra-Rouge;65280;255;0;>", CodageTroisCanaux, "Vert", ""},
    {"lan with an unparsable side-file keeps the channel names", "c.lan", "<CODE_C=9;>", CodageTroisCanaux, "TM 2",
     ""},
    {"lan with an empty side-file keeps the channel names", "d.lan", "", CodageTroisCanaux, "TM 2", ""},
    {"grey ima without side-file is a black-to-white code named Canal", "e.ima", nullptr, CodageDeuxCouleurs, "Canal",
     ""},
    {"grey ima with a rainbow side-file takes its quantity and unit", "f.ima",
     "<CODE_C=1;0;16711680;65280;255;0;1020;F;Altitude;m;>", CodageArcEnCiel, "Altitude", "m"},
};

INSTANTIATE_TEST_SUITE_P(Raster, CodeAnnexeRasterTest, ::testing::ValuesIn(CasCodesAnnexes));

TEST_F(OuvertureRaster, side_file_code_replaces_the_stretched_range_it_was_written_with)
{
    // The side-file holds the whole code: its channel ranges are the
    // user's, not the display stretch's.
    Poser(QStringLiteral("g.ccc"), "<CODE_C=0;-20;0;0;40;255;255;C1;C2;C3;65280;255;0;>\r\n");
    const auto d = OuvrirDocument(PoserScene(QStringLiteral("g.lan")), 50);
    EXPECT_EQ(d->codeCouleur.MiniC[0], -20.0);
    EXPECT_EQ(d->codeCouleur.MaxiC[0], 40.0);
    EXPECT_EQ(d->codeCouleur.NomC[2], QStringLiteral("C3"));
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
