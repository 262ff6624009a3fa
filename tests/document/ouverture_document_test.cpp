// Opening a file into a document: the reader follows the extension, the
// side-file names drop the last four characters of the path, and a file that
// cannot be read leaves no document behind.

#include "commun/erreur.h"
#include "document/nom_fichier_annexe.h"
#include "document/ouverture_document.h"
#include "support/fichier_essai.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

struct CasAnnexe {
    const char *nom;
    const char *chemin;
    const char *extension;
    const char *attendu;
};

void PrintTo(const CasAnnexe &c, std::ostream *os)
{
    *os << c.nom;
}

const CasAnnexe kAnnexes[] = {
    {"three-letter extension", "/images/photo.jpg", ".sca", "/images/photo.sca"},
    {"four-letter extension keeps a dot", "/images/photo.jpeg", ".sca", "/images/photo..sca"},
    {"colour code", "C:\\cours\\carte.png", ".ccc", "C:\\cours\\carte.ccc"},
    {"dot in a folder name", "/a.b/c.gif", ".ccc", "/a.b/c.ccc"},
    {"path of four characters", "a.gi", ".sca", ".sca"},
    {"path shorter than four characters", "ab", ".sca", ".sca"},
};

class Annexe : public ::testing::TestWithParam<CasAnnexe> {};

TEST_P(Annexe, is_the_path_without_its_last_four_characters_then_the_extension)
{
    const CasAnnexe &c = GetParam();
    EXPECT_EQ(NomFichierAnnexe(QString::fromUtf8(c.chemin), QString::fromUtf8(c.extension)),
              QString::fromUtf8(c.attendu));
}

INSTANTIATE_TEST_SUITE_P(Chemins, Annexe, ::testing::ValuesIn(kAnnexes));

// A side-file opened on its own leads back to the picture beside it.
struct CasImageAnnexe {
    const char *nom;
    std::vector<const char *> fichiers; // present in the folder
    const char *annexe;
    const char *attendu;                // "" when no picture is found
};

void PrintTo(const CasImageAnnexe &c, std::ostream *os)
{
    *os << c.nom;
}

const CasImageAnnexe kImagesAnnexes[] = {
    {"jpeg before png when both exist", {"photo.png", "photo.jpg", "photo.sca"}, "photo.sca", "photo.jpg"},
    {"colour code of a png", {"carte.png", "carte.ccc"}, "carte.ccc", "carte.png"},
    {"four-letter extension", {"a.jpeg", "a..sca"}, "a..sca", "a.jpeg"},
    {"upper-case extension of a raster file", {"scene.LAN", "scene.sca"}, "scene.sca", "scene.LAN"},
    {"side-file alone", {"seule.sca"}, "seule.sca", ""},
    {"document file has no side-file", {"travail.kpt", "travail.sca"}, "travail.sca", ""},
    {"name without a three-letter extension", {"notes.txt"}, "notes", ""},
};

class ImageAnnexe : public ::testing::TestWithParam<CasImageAnnexe> {};

TEST_P(ImageAnnexe, is_the_existing_picture_whose_side_file_it_is)
{
    const CasImageAnnexe &c = GetParam();
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    for (const char *nom : c.fichiers) {
        QFile f(dossier.filePath(QString::fromUtf8(nom)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QString attendu = *c.attendu ? dossier.filePath(QString::fromUtf8(c.attendu)) : QString();
    EXPECT_EQ(ImageDuFichierAnnexe(dossier.filePath(QString::fromUtf8(c.annexe))), attendu);
}

INSTANTIATE_TEST_SUITE_P(Dossiers, ImageAnnexe, ::testing::ValuesIn(kImagesAnnexes));

struct CasGenre {
    const char *chemin;
    GenreFichier genre;
};

void PrintTo(const CasGenre &c, std::ostream *os)
{
    *os << c.chemin;
}

const CasGenre kGenres[] = {
    {"a.lan", GenreFichier::Raster},           {"a.IMG", GenreFichier::Raster},
    {"a.Ima", GenreFichier::Raster},           {"a.per", GenreFichier::Raster},
    {"a.inf", GenreFichier::Raster},           {"a.kpt", GenreFichier::DocumentKaptori},
    {"a.KPT", GenreFichier::DocumentKaptori},  {"a.anm", GenreFichier::Animation},
    {"a.jpg", GenreFichier::Image},            {"a.xyz", GenreFichier::Image},
    {"dossier.lan/a.png", GenreFichier::Image},
};

class Genre : public ::testing::TestWithParam<CasGenre> {};

TEST_P(Genre, follows_the_extension_compared_in_upper_case)
{
    EXPECT_EQ(GenreDeFichier(QString::fromUtf8(GetParam().chemin)), GetParam().genre);
}

INSTANTIATE_TEST_SUITE_P(Extensions, Genre, ::testing::ValuesIn(kGenres));

TEST(OuvrirDocument, opens_a_picture_into_a_document_named_after_the_file)
{
    const QString chemin = qEnvironmentVariable("KAPTORI_DATA") + QStringLiteral("/objets.png");
    const auto document = OuvrirDocument(chemin, 5);
    ASSERT_TRUE(document);
    EXPECT_EQ(document->image.size(), QSize(400, 300));
    EXPECT_EQ(document->image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(document->nomFichier, chemin);
    EXPECT_TRUE(document->canaux.empty());
}

TEST(OuvrirDocument, throws_for_a_picture_it_cannot_decode)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("faux.png"));
    ASSERT_TRUE(EcrireFichier(chemin, "pas une image"));
    EXPECT_THROW((void)OuvrirDocument(chemin, 0), ErreurDecodage);
}

TEST(NomLecteur, names_the_decoder_the_extension_picks)
{
    EXPECT_EQ(NomLecteur(QStringLiteral("a.JPEG")), QStringLiteral("JPEG"));
    EXPECT_EQ(NomLecteur(QStringLiteral("a.tif")), QStringLiteral("TIFF"));
    EXPECT_EQ(NomLecteur(QStringLiteral("a.bmp")), QStringLiteral("BMP"));
    EXPECT_THROW((void)NomLecteur(QStringLiteral("a.xyz")), ErreurDecodage);
}

} // namespace
