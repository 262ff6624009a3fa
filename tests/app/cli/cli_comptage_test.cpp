// kaptori-cli compter and quadrillage, run as a script runs them: the exact
// output lines, the written picture, and bad input refused with one French
// line and status 1.

#include "calibration/echelle_annexe.h"
#include "document/formats/lecteur_image.h"

#include "support/lancer_cli.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

QString PhotoCalibree()
{
    return qEnvironmentVariable("KAPTORI_DATA") + QStringLiteral("/photo.jpg"); // 480 × 320, 0,25 mm per pixel
}

QString Ecrire(const QTemporaryDir &dossier, const char *nom, const QByteArray &octets)
{
    const QString chemin = dossier.filePath(QString::fromLatin1(nom));
    QFile f(chemin);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
    return chemin;
}

// A white 60 × 40 picture in pixels.
QString ImageBlanche(const QTemporaryDir &dossier)
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString chemin = dossier.filePath(QStringLiteral("blanche.png"));
    EXPECT_TRUE(image.save(chemin));
    return chemin;
}

TEST(CommandeCompter, countsEachCategoryAndWritesThePictureWithItsMarks)
{
    QTemporaryDir dossier;
    const QString points = Ecrire(dossier, "points.txt", "# cellules\n1 10 10\n3\t30;20\n1 50 30\n\n");
    const QString sortie = dossier.filePath(QStringLiteral("compte.png"));
    const SortieCli r = LancerCliTexte({QStringLiteral("compter"), ImageBlanche(dossier), points, sortie, QStringLiteral("--marque"),
                               QStringLiteral("3=plus,0,0,255")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("categorie\teffectif\n1\t2\n3\t1\n"));
    const QImage image = LireImage(sortie);
    ASSERT_EQ(image.size(), QSize(60, 40));
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(12, 12), qRgb(255, 0, 0)); // inside the round mark of half-size 3
    EXPECT_EQ(image.pixel(30, 20), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(33, 20), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(31, 21), qRgb(255, 255, 255)); // the plus has no diagonal
    EXPECT_EQ(image.pixel(0, 39), qRgb(255, 255, 255));
}

TEST(CommandeCompter, aWidePenMarkAtTheCornerIsClippedAndTheScaleCopied)
{
    QTemporaryDir dossier;
    const QString points = Ecrire(dossier, "points.txt", "2 0 0\n");
    const QString sortie = dossier.filePath(QStringLiteral("coin.png"));
    const SortieCli r = LancerCliTexte({QStringLiteral("compter"), PhotoCalibree(), points, sortie, QStringLiteral("--epaisseur"),
                               QStringLiteral("11"), QStringLiteral("--marque"), QStringLiteral("2=carre")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("categorie\teffectif\n2\t1\n"));
    const QImage image = LireImage(sortie);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(11, 11), qRgb(0, 255, 0));
    EXPECT_DOUBLE_EQ(LireEchelleAnnexe(sortie).Facteur, 0.25);
}

struct CasRefus {
    const char *nom;
    QByteArray points;
    QStringList options;
    const char *attendu; // part of the message
};
void PrintTo(const CasRefus &c, std::ostream *os)
{
    *os << c.nom;
}

class CompterRefuse : public testing::TestWithParam<CasRefus> {};

TEST_P(CompterRefuse, withOneFrenchLineAndNoFile)
{
    const CasRefus &c = GetParam();
    QTemporaryDir dossier;
    const QString points = Ecrire(dossier, "points.txt", c.points);
    const QString sortie = dossier.filePath(QStringLiteral("refus.png"));
    const SortieCli r = LancerCliTexte(QStringList{QStringLiteral("compter"), ImageBlanche(dossier), points, sortie} + c.options);
    EXPECT_EQ(r.statut, 1);
    EXPECT_TRUE(r.sortie.isEmpty());
    EXPECT_TRUE(r.erreurs.contains(QString::fromUtf8(c.attendu))) << r.erreurs.toStdString();
    EXPECT_EQ(r.erreurs.count(QLatin1Char('\n')), 1) << r.erreurs.toStdString();
    EXPECT_FALSE(QFile::exists(sortie));
}

INSTANTIATE_TEST_SUITE_P(
    Comptage, CompterRefuse,
    testing::Values(CasRefus{"categorieZero", "1 1 1\n0 2 2\n", {}, "ligne 2"},
                    CasRefus{"categorieOnze", "11 2 2\n", {}, "ligne 1"},
                    CasRefus{"horsImage", "1 60 2\n", {}, "hors de l'image"},
                    CasRefus{"pasUnNombre", "1 a 2\n", {}, "ligne 1"},
                    CasRefus{"binaire", QByteArray("\x00\xff\x01\x02", 4), {}, "ligne 1"},
                    CasRefus{"epaisseur12", "1 1 1\n", {QStringLiteral("--epaisseur"), QStringLiteral("12")}, "Épaisseur"},
                    CasRefus{"formeInconnue", "1 1 1\n", {QStringLiteral("--marque"), QStringLiteral("1=hexagone")}, "Marque invalide"},
                    CasRefus{"couleurHors", "1 1 1\n", {QStringLiteral("--marque"), QStringLiteral("1=rond,0,0,256")}, "Marque invalide"}),
    [](const testing::TestParamInfo<CasRefus> &i) { return std::string(i.param.nom); });

TEST(CommandeQuadrillage, aMeshOf10mmOnTheCalibratedPhoto)
{
    QTemporaryDir dossier;
    const QString sortie = dossier.filePath(QStringLiteral("grille.png"));
    const SortieCli r = LancerCliTexte({QStringLiteral("quadrillage"), PhotoCalibree(), sortie, QStringLiteral("--maille"),
                               QStringLiteral("10"), QStringLiteral("--couleur"), QStringLiteral("255,0,0")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    // 10 mm at 0,25 mm per pixel: 40 pixels; x = 40 … 440 and y = 40 … 280.
    EXPECT_EQ(r.sortie, QStringLiteral("maille: 40\nverticales: 11\nhorizontales: 7\n"));
    const QImage photo = LireImage(PhotoCalibree());
    const QImage image = LireImage(sortie);
    ASSERT_EQ(image.size(), photo.size());
    // A line pixel is the pen at alpha 64 over the photo; other pixels are unchanged.
    const QRgb p = photo.pixel(40, 7);
    const int rouge = qRed(image.pixel(40, 7));
    EXPECT_NEAR(rouge, qRed(p) + (255 - qRed(p)) * 64 / 255, 1);
    EXPECT_EQ(image.pixel(41, 7), photo.pixel(41, 7));
    EXPECT_DOUBLE_EQ(LireEchelleAnnexe(sortie).Facteur, 0.25);
}

TEST(CommandeQuadrillage, eitherDecimalSeparatorIsRead)
{
    QTemporaryDir dossier;
    for (const char *v : {"2,5", "2.5"}) {
        const SortieCli r = LancerCliTexte({QStringLiteral("quadrillage"), PhotoCalibree(),
                                   dossier.filePath(QStringLiteral("g.png")), QStringLiteral("--maille"), QString::fromLatin1(v)});
        ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
        EXPECT_EQ(r.sortie, QStringLiteral("maille: 10\nverticales: 47\nhorizontales: 31\n")) << v;
    }
}

TEST(CommandeQuadrillage, aMeshInPixelsOnAPictureWithoutScale)
{
    QTemporaryDir dossier;
    const SortieCli r = LancerCliTexte({QStringLiteral("quadrillage"), ImageBlanche(dossier),
                               dossier.filePath(QStringLiteral("g.png")), QStringLiteral("--maille"), QStringLiteral("20")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("maille: 20\nverticales: 2\nhorizontales: 1\n"));
}

TEST(CommandeQuadrillage, aMeshOutsideTheBoundsIsRefused)
{
    QTemporaryDir dossier;
    for (const char *v : {"1", "60,5", "0"}) {
        const QString sortie = dossier.filePath(QStringLiteral("g.png"));
        const SortieCli r = LancerCliTexte({QStringLiteral("quadrillage"), PhotoCalibree(), sortie, QStringLiteral("--maille"),
                                   QString::fromLatin1(v)});
        EXPECT_EQ(r.statut, 1) << v;
        EXPECT_TRUE(r.erreurs.contains(QStringLiteral("hors des limites"))) << r.erreurs.toStdString();
        EXPECT_FALSE(QFile::exists(sortie));
    }
}

TEST(CommandeQuadrillage, aScaleThatIsNotALengthOrHasABadFactorIsRefused)
{
    QTemporaryDir dossier;
    const QString image = ImageBlanche(dossier);
    const QString annexe = dossier.filePath(QStringLiteral("blanche.sca"));
    for (const char *texte : {"<SCALE=1;0;0;59;39;0;1;mm;1;1;mm;39;>", "<SCALE=0;0;mm;>", "<SCALE=0;-2;mm;>"}) {
        Ecrire(dossier, "blanche.sca", QByteArray(texte) + "\r\n");
        const QString sortie = dossier.filePath(QStringLiteral("g.png"));
        const SortieCli r = LancerCliTexte({QStringLiteral("quadrillage"), image, sortie, QStringLiteral("--maille"), QStringLiteral("10")});
        EXPECT_EQ(r.statut, 1) << texte;
        EXPECT_EQ(r.erreurs.count(QLatin1Char('\n')), 1) << r.erreurs.toStdString();
        EXPECT_FALSE(QFile::exists(sortie)) << texte;
    }
    QFile::remove(annexe);
}

} // namespace
