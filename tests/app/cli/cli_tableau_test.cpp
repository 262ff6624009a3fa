// kaptori-cli axe and tableau, run as a script runs them: the automatic
// axis's five lines, the table's text with totals or means, and the graph
// saved with its calibration; refusals on the error stream with status 1.

#include "calibration/echelle.h"
#include "calibration/echelle_annexe.h"
#include "commun/fichier_texte.h"
#include "document/formats/lecteur_image.h"
#include "document/ouverture_document.h"
#include "document/image_document.h"

#include "support/lancer_cli.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CasAxeCli {
    const char *nom;
    QStringList arguments;
    const char *sortie;
};

void PrintTo(const CasAxeCli &c, std::ostream *os)
{
    *os << c.nom;
}

const CasAxeCli kAxes[] = {
    {"ten_to_twenty", {"axe", "10", "20", "15"},
     "min: 8\nmax: 22\npas: 2\ndecimales: 0\ngraduations: 8; 10; 12; 14; 16; 18; 20; 22\n"},
    {"single_value", {"axe", "3"},
     "min: 0\nmax: 3,5\npas: 0,5\ndecimales: 1\ngraduations: 0,0; 0,5; 1,0; 1,5; 2,0; 2,5; 3,0; 3,5\n"},
    {"negative_values_are_values", {"axe", "-20", "-10"},
     "min: -22\nmax: -8\npas: 2\ndecimales: 0\ngraduations: -22; -20; -18; -16; -14; -12; -10; -8\n"},
    {"zero_to_hundred", {"axe", "0", "100"},
     "min: -20\nmax: 120\npas: 20\ndecimales: 0\ngraduations: -20; 0; 20; 40; 60; 80; 100; 120\n"},
    {"ten_steps_at_least", {"axe", "10", "20", "--pas-min", "10"},
     "min: 9\nmax: 21\npas: 1\ndecimales: 0\ngraduations: 9; 10; 11; 12; 13; 14; 15; 16; 17; 18; 19; 20; 21\n"},
};

class AxeCli : public ::testing::TestWithParam<CasAxeCli> {};

TEST_P(AxeCli, PrintsFiveLines)
{
    const SortieCli r = LancerCliTexte(GetParam().arguments);
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie.toStdString(), GetParam().sortie);
}

INSTANTIATE_TEST_SUITE_P(Cas, AxeCli, ::testing::ValuesIn(kAxes),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST(AxeCliRefus, RefusedStepCountsAndTextsGiveStatus1)
{
    const SortieCli pas = LancerCliTexte({"axe", "1", "2", "--pas-min", "30"});
    EXPECT_EQ(pas.statut, 1);
    EXPECT_TRUE(pas.sortie.isEmpty());
    EXPECT_TRUE(pas.erreurs.contains(QStringLiteral("Graduations refusées")));
    EXPECT_EQ(LancerCliTexte({"axe", "1E999"}).statut, 1);
    const SortieCli infini = LancerCliTexte({"axe", "-1,7E308", "1,7E308"});
    EXPECT_EQ(infini.statut, 1);
    EXPECT_FALSE(infini.erreurs.isEmpty());
}

class TableauCli : public ::testing::Test {
protected:
    QString Fichier(const QByteArray &octets)
    {
        const QString chemin = dossier.filePath(QStringLiteral("t.txt"));
        QFile f(chemin);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
        return chemin;
    }
    QTemporaryDir dossier;
};

const QByteArray kChute = "Chute\r\nt\th\tT\r\ns\tm\t\xB0" "C\r\n0\t0\t20\r\n1\t4.9\t21\r\n2\t19,6\t22\r\n\t\t\r\n";

TEST_F(TableauCli, TotalsArePrintedInUtf8WithLf)
{
    const SortieCli r = LancerCliTexte({"tableau", Fichier(kChute), "--totaux"});
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    // Percentages of the grand total 24,5 + 63 = 87,5.
    EXPECT_EQ(r.sortie.toStdString(), "Chute\nt\th\tT\ttotaux\t   %\ns\tm\t°C\t\t\n0\t0\t20\t20\t22,9\n"
                                      "1\t4,9\t21\t25,9\t29,6\n2\t19,6\t22\t41,6\t47,5\n\t\t\t0\t0\n"
                                      "totaux\t24,5\t63\t87,5\t\n");
}

TEST_F(TableauCli, MeansAreWrittenAsTheSaveWritesThem)
{
    const QString sortie = dossier.filePath(QStringLiteral("m.txt"));
    const SortieCli r = LancerCliTexte({"tableau", Fichier(kChute), "--moyennes", "--sortie", sortie});
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_TRUE(r.sortie.isEmpty());
    QFile f(sortie);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Chute\r\nt\th\tT\tmoyennes\r\ns\tm\t\xB0" "C\t\r\n0\t0\t20\t10\r\n1\t4,9\t21\t13\r\n"
                                      "2\t19,6\t22\t20,8\r\n\t\t\t0\r\n"));
}

TEST_F(TableauCli, GraphSavedAsGifCarriesItsScaleAndReopensCalibrated)
{
    const QString gif = dossier.filePath(QStringLiteral("courbe.gif"));
    const SortieCli r = LancerCliTexte({"tableau", Fichier(kChute), "--graphe", gif, "--taille", "500x400"});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dossier.filePath(QStringLiteral("courbe.sca"))));
    const auto document = OuvrirDocument(gif, 0);
    EXPECT_EQ(document->image.size(), QSize(500, 400));
    EXPECT_EQ(document->echelle.Definie, 1);
    EXPECT_EQ(document->echelle.Mode, TEchelle::Cartesien);
    EXPECT_EQ(document->echelle.NbAxesY, 2);
    EXPECT_EQ(document->echelle.UniteY[1], QStringLiteral("°C (T)"));
}

TEST_F(TableauCli, ScaleSideFileBesideAGifTakesPrecedenceOverItsComment)
{
    const QString gif = dossier.filePath(QStringLiteral("courbe.gif"));
    ASSERT_EQ(LancerCliTexte({"tableau", Fichier(kChute), "--graphe", gif}).statut, 0);
    QFile sca(dossier.filePath(QStringLiteral("courbe.sca")));
    ASSERT_TRUE(sca.open(QIODevice::WriteOnly));
    sca.write("<SCALE=0;0,5;mm;>\r\n");
    sca.close();
    const auto document = OuvrirDocument(gif, 0);
    EXPECT_EQ(document->echelle.Mode, TEchelle::Longueur);
    EXPECT_EQ(document->echelle.Unite, QStringLiteral("mm"));
}

TEST_F(TableauCli, GraphSavedAsBmpHasItsSideFile)
{
    const QString bmp = dossier.filePath(QStringLiteral("courbe.bmp"));
    ASSERT_EQ(LancerCliTexte({"tableau", Fichier(kChute), "--graphe", bmp}).statut, 0);
    EXPECT_EQ(LireImage(bmp).size(), QSize(640, 480));
    EXPECT_EQ(LireEchelleAnnexe(bmp).NbAxesY, 2);
}

TEST_F(TableauCli, ZeroSizePlotAreaStillWritesThePicture)
{
    const QString bmp = dossier.filePath(QStringLiteral("petit.bmp"));
    const SortieCli r = LancerCliTexte({"tableau", Fichier(kChute), "--graphe", bmp, "--taille", "100x100"});
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(LireImage(bmp).size(), QSize(100, 100));
    EXPECT_FALSE(QFileInfo::exists(dossier.filePath(QStringLiteral("petit.sca"))));
}

TEST_F(TableauCli, SeriesGraphIsCalibratedWithOneYAxisAndSeriesByClassesHaveNone)
{
    const QByteArray series = "Refroidissement\r\ntemps\ttemp\t\r\nmin\t\xB0" "C\t\r\n//masse (g)\t50\t100\r\n"
                              "0\t80\t80\r\n2\t71\t74\r\n\t\t\r\n";
    const QString gif = dossier.filePath(QStringLiteral("series.gif"));
    const SortieCli r = LancerCliTexte({"tableau", Fichier(series), "--series", "--graphe", gif});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    const auto document = OuvrirDocument(gif, 0);
    EXPECT_EQ(document->echelle.NbAxesY, 1);
    EXPECT_EQ(document->echelle.UniteX, QStringLiteral("min (temps)"));
    EXPECT_EQ(document->echelle.UniteY[0], QStringLiteral("°C (temp)"));

    // By classes the second row names the series: no units, and no graph,
    // as in the table window.
    const QByteArray classes = "Longueurs\r\nesp\xE8" "ce\tlongueur\t\r\n///s\xE9rie\tA\tB\r\nchat\t3\t4\r\n\t\t\r\n";
    const QString gifClasses = dossier.filePath(QStringLiteral("classes.gif"));
    const SortieCli refus
        = LancerCliTexte({"tableau", Fichier(classes), "--series", "--entetes", "2", "--graphe", gifClasses});
    EXPECT_EQ(refus.statut, 1);
    EXPECT_TRUE(refus.erreurs.contains(QStringLiteral("par classes"))) << refus.erreurs.toStdString();
    EXPECT_FALSE(QFileInfo::exists(gifClasses));
    const SortieCli texte = LancerCliTexte({"tableau", Fichier(classes), "--series", "--entetes", "2", "--totaux"});
    EXPECT_EQ(texte.statut, 0) << texte.erreurs.toStdString();
    EXPECT_TRUE(texte.sortie.contains(QStringLiteral("\ntotaux\t3\t4\t7\t\n"))) << texte.sortie.toStdString();
}

TEST_F(TableauCli, BadTablesAndOptionsAreRefusedInFrench)
{
    EXPECT_EQ(LancerCliTexte({"tableau", Fichier(QByteArray())}).statut, 1);
    const SortieCli binaire = LancerCliTexte({"tableau", Fichier(QByteArray("\x89PNG\r\n\x1a\n\0\0", 10))});
    EXPECT_EQ(binaire.statut, 1);
    EXPECT_TRUE(binaire.erreurs.contains(QStringLiteral("tableau")));
    EXPECT_EQ(LancerCliTexte({"tableau", Fichier(kChute), "--totaux", "--moyennes"}).statut, 1);
    EXPECT_EQ(LancerCliTexte({"tableau", dossier.filePath(QStringLiteral("absent.txt"))}).statut, 1);
    EXPECT_EQ(LancerCliTexte({"tableau", Fichier(kChute), "--taille", "0x10", "--graphe", "a.gif"}).statut, 1);
}

} // namespace
