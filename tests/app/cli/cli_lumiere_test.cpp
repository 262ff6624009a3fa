// kaptori-cli lumiere and serie run as a script runs them: the five lines of
// the light values of a rectangle or of a coloured zone, the series' table
// text, and one French line with status 1 for what cannot be measured.
// Expected values are worked by hand: 128 / 255 = 50,196 %; 100 / 255 =
// 39,2 %; log10(2,55) = 0,407; log10(256) = 2,408.

#include "document/enregistrer_document.h"
#include "document/image_document.h"
#include "drawing/dessin.h"

#include "support/lancer_cli.h"
#include "support/dessins_essai.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A picture of one colour, with a black left column when asked.
QString Image(const QTemporaryDir &d, const QString &nom, QRgb couleur, QSize taille = QSize(20, 10))
{
    QImage image(taille, QImage::Format_ARGB32);
    image.fill(couleur);
    const QString chemin = d.filePath(nom);
    EXPECT_TRUE(image.save(chemin, "png"));
    return chemin;
}

TEST(CliLumiere, GreyRectangleInPercentAndRgbValues)
{
    QTemporaryDir d;
    const QString gris = Image(d, QStringLiteral("gris.png"), qRgb(128, 128, 128));
    SortieCli r = LancerCliTexte({QStringLiteral("lumiere"), gris, QStringLiteral("15"), QStringLiteral("8"), QStringLiteral("2"),
                         QStringLiteral("1")});
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("couleur: 128; 128; 128\nrouge: 50,2; 49,8; 0,299\nvert: 50,2; 49,8; 0,299\n"
                                       "bleu: 50,2; 49,8; 0,299\nglobale: 50,2; 49,8; 0,299\n"));
    r = LancerCliTexte({QStringLiteral("lumiere"), gris, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("3"),
                QStringLiteral("3"), QStringLiteral("--unite"), QStringLiteral("rvb")});
    EXPECT_EQ(r.sortie, QStringLiteral("couleur: 128; 128; 128\nrouge: 128; 127; 0,299\nvert: 128; 127; 0,299\n"
                                       "bleu: 128; 127; 0,299\nglobale: 384; 381; 0,299\n"));
}

TEST(CliLumiere, ZeroTakenOnABlankIsSubtracted)
{
    QTemporaryDir d;
    QImage image(20, 10, QImage::Format_ARGB32);
    image.fill(qRgb(128, 128, 128));
    for (int y = 0; y < 10; ++y)
        for (int x = 10; x < 20; ++x)
            image.setPixel(x, y, qRgb(255, 255, 255));
    const QString chemin = d.filePath(QStringLiteral("blanc.png"));
    ASSERT_TRUE(image.save(chemin));
    const SortieCli r = LancerCliTexte({QStringLiteral("lumiere"), chemin, QStringLiteral("0"), QStringLiteral("0"),
                               QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("--zero"),
                               QStringLiteral("10,0,19,9")});
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    // Against white: intensity 50,2 − 100; absorption and D.O. unchanged.
    EXPECT_TRUE(r.sortie.contains(QStringLiteral("\nrouge: -49,8; 49,8; 0,299\n"))) << r.sortie.toStdString();
}

TEST(CliLumiere, ColouredZoneOfADocumentFile)
{
    QTemporaryDir d;
    ImageDocument doc;
    doc.image = QImage(20, 10, QImage::Format_ARGB32);
    doc.image.fill(qRgb(100, 150, 200));
    doc.echelle = EchelleParDefaut();
    doc.codeCouleur = CodeParDefaut();
    const QString kpt = d.filePath(QStringLiteral("zone.kpt"));
    ASSERT_EQ(EnregistrerDocument(doc, kpt, OptionsEnregistrement{}), 0);
    SortieCli r = LancerCliTexte({QStringLiteral("lumiere"), kpt, QStringLiteral("--zone")});
    EXPECT_EQ(r.statut, 1);
    EXPECT_TRUE(r.erreurs.contains(QStringLiteral("Rien n'est coloré"))) << r.erreurs.toStdString();

    doc.dessins.AjouterElement(QStringLiteral("Trait 1"), TraitOpaque(2, 5, 17, 5, 0xFF0000FF));
    ASSERT_EQ(EnregistrerDocument(doc, kpt, OptionsEnregistrement{}), 0);
    r = LancerCliTexte({QStringLiteral("lumiere"), kpt, QStringLiteral("--zone")});
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("couleur: 100; 150; 200\nrouge: 39,2; 60,8; 0,407\nvert: 58,8; 41,2; 0,23\n"
                                       "bleu: 78,4; 21,6; 0,106\nglobale: 58,8; 41,2; 0,23\n"));
}

struct CasRefus {
    const char *nom;
    QStringList arguments; // after the command; "@" stands for the grey picture
    const char *message;
};

void PrintTo(const CasRefus &c, std::ostream *os)
{
    *os << c.nom;
}

class CliLumiereRefus : public ::testing::TestWithParam<CasRefus> {};

TEST_P(CliLumiereRefus, OneFrenchLineAndStatus1)
{
    QTemporaryDir d;
    const QString gris = Image(d, QStringLiteral("gris.png"), qRgb(128, 128, 128));
    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings(QStringLiteral("@"), gris);
    arguments.replaceInStrings(QStringLiteral("%absent"), d.filePath(QStringLiteral("absent.png")));
    const SortieCli r = LancerCliTexte(arguments);
    EXPECT_EQ(r.statut, 1);
    EXPECT_TRUE(r.sortie.isEmpty());
    EXPECT_TRUE(r.erreurs.contains(QString::fromUtf8(GetParam().message))) << r.erreurs.toStdString();
    EXPECT_EQ(r.erreurs.count(QLatin1Char('\n')), 1) << r.erreurs.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliLumiereRefus,
    ::testing::Values(
        CasRefus{"rectangle_outside", {"lumiere", "@", "20", "0", "40", "9"}, "est hors de l'image, qui mesure 20 x 10"},
        CasRefus{"huge_coordinates_outside", {"lumiere", "@", "-2147483648", "-2147483648", "-1", "-1"}, "hors de l'image"},
        CasRefus{"not_an_integer", {"lumiere", "@", "0", "0", "1,5", "3"}, "nombres entiers"},
        CasRefus{"unknown_unit", {"lumiere", "@", "0", "0", "1", "1", "--unite", "lux"}, "Unité inconnue"},
        CasRefus{"one_file_only", {"serie", "0", "0", "1", "1", "@"}, "au moins deux fichiers"},
        CasRefus{"first_not_a_number", {"serie", "0", "0", "1", "1", "@", "@", "--premier", "abc"}, "--premier"},
        CasRefus{"file_that_fails", {"serie", "0", "0", "1", "1", "@", "%absent"}, "absent.png"}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(CliSerie, ThreeGreyImagesInIntensityAndABlackDensity)
{
    QTemporaryDir d;
    const QString gris = Image(d, QStringLiteral("gris.png"), qRgb(128, 128, 128));
    SortieCli r = LancerCliTexte({QStringLiteral("serie"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("4"),
                         QStringLiteral("4"), gris, gris, gris, QStringLiteral("--mesure"), QStringLiteral("intensite"),
                         QStringLiteral("--premier"), QStringLiteral("2"), QStringLiteral("--ecart"),
                         QStringLiteral("0.5")});
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("Intensité (%)\ntemps\tI (R)\nmin\t%\n2\t50,2\n2,5\t50,2\n3\t50,2\n"));

    const QString noir = Image(d, QStringLiteral("noir.png"), qRgb(0, 0, 0));
    r = LancerCliTexte({QStringLiteral("serie"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"),
                QStringLiteral("1"), noir, gris, QStringLiteral("--mesure"), QStringLiteral("do"),
                QStringLiteral("--grandeur"), QStringLiteral("dilution"), QStringLiteral("--unite-x"), QString(),
                QStringLiteral("--composante"), QStringLiteral("luminosite")});
    EXPECT_EQ(r.sortie, QStringLiteral("D.O.\ndilution\tD.O.\n\t\n0\t2,89\n0\t0,299\n"));
}

TEST(CliSerie, AnImageTheRectangleMissesGetsAnEmptyCellAndAWarning)
{
    QTemporaryDir d;
    const QString grand = Image(d, QStringLiteral("grand.png"), qRgb(255, 255, 255));
    const QString petit = Image(d, QStringLiteral("petit.png"), qRgb(255, 255, 255), QSize(4, 4));
    const QString moyen = Image(d, QStringLiteral("moyen.png"), qRgb(51, 51, 51), QSize(8, 8));
    const SortieCli r = LancerCliTexte({QStringLiteral("serie"), QStringLiteral("6"), QStringLiteral("6"), QStringLiteral("9"),
                               QStringLiteral("9"), grand, petit, moyen, QStringLiteral("--zero"),
                               QStringLiteral("0,0,1,1"), QStringLiteral("--ecart"), QStringLiteral("1")});
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.sortie, QStringLiteral("Absorption (%)\ntemps\tA (R)\nmin\t%\n0\t0\n1\t\n2\t80\n"));
    EXPECT_TRUE(r.erreurs.contains(QStringLiteral("« petit.png »"))) << r.erreurs.toStdString();
    EXPECT_EQ(r.erreurs.count(QLatin1Char('\n')), 1);
}

} // namespace
