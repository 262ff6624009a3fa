// Schema file names from document images, and the document image found for a
// schema file whatever the case of the extensions.

#include "schema/noms_schema.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CasNom {
    const char *nom;
    const char *image;
    const char *schema;
};

void PrintTo(const CasNom &c, std::ostream *os)
{
    *os << c.nom;
}

class NomsSchema : public testing::TestWithParam<CasNom> {};

TEST_P(NomsSchema, ReplaceTheExtensionAfterTheLastDot)
{
    EXPECT_EQ(NomFichierSchema(QString::fromUtf8(GetParam().image)), QString::fromUtf8(GetParam().schema));
}

INSTANTIATE_TEST_SUITE_P(
    Extensions, NomsSchema,
    testing::Values(CasNom{"png", "photo.png", "photo.sng"}, CasNom{"gif", "a.gif", "a.Sif"},
                    CasNom{"bmp", "b.bmp", "b.smp"}, CasNom{"jpg", "c.jpg", "c.spg"}, CasNom{"pcx", "d.pcx", "d.scx"},
                    CasNom{"upper_case", "/cours/PHOTO.JPG", "/cours/PHOTO.spg"},
                    CasNom{"tif_contains_if", "scan.tif", "scan.Sif"},
                    CasNom{"jpeg_matches_no_row", "photo.jpeg", "photo.sjpeg"},
                    CasNom{"webp_matches_no_row", "f.v1/photo.webp", "f.v1/photo.swebp"}),
    [](const testing::TestParamInfo<CasNom> &i) { return std::string(i.param.nom); });

TEST(FichiersSchema, AnExtensionHoldingAnSIsASchemaFile)
{
    EXPECT_TRUE(EstFichierSchema(QStringLiteral("photo.sng")));
    EXPECT_TRUE(EstFichierSchema(QStringLiteral("photo.psp")));
    EXPECT_TRUE(EstFichierSchema(QStringLiteral("photo.Sif")));
    EXPECT_FALSE(EstFichierSchema(QStringLiteral("photo.jpg")));
    EXPECT_FALSE(EstFichierSchema(QStringLiteral("dossier.s/photo")));
}

class Compagnons : public testing::Test {
protected:
    QTemporaryDir dossier;
    QString Creer(const char *nom)
    {
        const QString chemin = dossier.filePath(QString::fromUtf8(nom));
        QFile f(chemin);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return chemin;
    }
    QString Chemin(const char *nom) const { return dossier.filePath(QString::fromUtf8(nom)); }
};

TEST_F(Compagnons, TheTableCompanionIsFoundWhateverItsCase)
{
    const QString png = Creer("photo.PNG");
    EXPECT_EQ(CompagnonDeSchema(Chemin("photo.sng")), png);
    const QString gif = Creer("a.gif");
    EXPECT_EQ(CompagnonDeSchema(Chemin("a.Sif")), gif);
}

TEST_F(Compagnons, AnotherPictureOfTheRowStandsInForAMissingCompanion)
{
    const QString tif = Creer("scan.tif");
    Creer("scan.Sif");
    EXPECT_EQ(CompagnonDeSchema(Chemin("scan.Sif")), tif);
}

TEST_F(Compagnons, ASchemaOfNoRowFindsItsPictureWithoutTheS)
{
    const QString jpeg = Creer("photo.jpeg");
    EXPECT_EQ(CompagnonDeSchema(Chemin("photo.sjpeg")), jpeg);
}

TEST_F(Compagnons, WithoutAnyPictureTheTableNameIsGivenForTheMessage)
{
    EXPECT_EQ(CompagnonDeSchema(Chemin("photo.spg")), Chemin("photo.jpg"));
    EXPECT_EQ(CompagnonDeSchema(Chemin("photo.psp")), Chemin("photo"));
}

} // namespace
