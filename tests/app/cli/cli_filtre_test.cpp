// kaptori-cli histogramme, filtre and rgba --canaux, run as a script runs
// them: the exact output lines, the written picture with its side-files,
// and bad input refused with one French line, status 1 and no file.

#include "calibration/code_couleur.h"
#include "calibration/echelle_annexe.h"
#include "document/formats/lecteur_image.h"
#include "processing/convolution.h"

#include "support/fichier_essai.h"
#include "support/lancer_cli.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Resultat {
    int statut = -1;
    QByteArray sortie;
    QString erreurs;
};

Resultat Lancer(const QStringList &arguments)
{
    const ProcessusCli r = LancerCli(arguments);
    return {r.statut, r.sortie, QString::fromUtf8(r.erreurs)};
}

QString Donnee(const char *nom)
{
    return qEnvironmentVariable("KAPTORI_DATA") + QLatin1Char('/') + QLatin1String(nom);
}

TEST(CommandeHistogramme, PrintsExtremesHeaderAnd256CountLines)
{
    QTemporaryDir dossier;
    const QString png = dossier.filePath(QStringLiteral("deux.png"));
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(10, 20, 30));
    image.setPixel(1, 0, qRgb(10, 200, 3));
    ASSERT_TRUE(image.save(png));
    const Resultat r = Lancer({QStringLiteral("histogramme"), png});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    const QList<QByteArray> lignes = r.sortie.split('\n');
    ASSERT_EQ(lignes.size(), 4 + 256 + 1);
    EXPECT_EQ(lignes[0], "pixels: 2");
    EXPECT_EQ(lignes[1], "mini: 10 20 3");
    EXPECT_EQ(lignes[2], "maxi: 10 200 30");
    EXPECT_EQ(lignes[3], "niveau\trouge\tverte\tbleue");
    EXPECT_EQ(lignes[4 + 3], "3\t0\t0\t1");
    EXPECT_EQ(lignes[4 + 10], "10\t2\t0\t0");
    EXPECT_EQ(lignes[4 + 200], "200\t0\t1\t0");
}

TEST(CommandeFiltre, StretchedBlueNarrowsTheCodeOfTheLanFile)
{
    QTemporaryDir dossier;
    const QString sortie = dossier.filePath(QStringLiteral("etire.png"));
    const Resultat r = Lancer({QStringLiteral("filtre"), Donnee("scene.lan"), sortie, QStringLiteral("--operation"),
                               QStringLiteral("etirer"), QStringLiteral("--limites"), QStringLiteral("0-255,0-255,51-204")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    const TCodeCouleur code = LireCodeAnnexe(sortie);
    EXPECT_EQ(code.Definie, 1);
    EXPECT_DOUBLE_EQ(code.MiniC[0], 51.0);
    EXPECT_DOUBLE_EQ(code.MaxiC[0], 204.0);
    EXPECT_DOUBLE_EQ(code.MaxiC[1], 255.0);
    EXPECT_DOUBLE_EQ(LireEchelleAnnexe(sortie).Facteur, 0.03);
}

TEST(CommandeFiltre, PaintingDropsTheCodeAndBlurIsTheCoreBlur)
{
    QTemporaryDir dossier;
    const QString peinte = dossier.filePath(QStringLiteral("peinte.png"));
    ASSERT_EQ(Lancer({QStringLiteral("filtre"), Donnee("scene.lan"), peinte, QStringLiteral("--operation"),
                      QStringLiteral("colorer"), QStringLiteral("--couleur"), QStringLiteral("0,0,255")})
                  .statut,
              0);
    EXPECT_FALSE(QFile::exists(dossier.filePath(QStringLiteral("peinte.ccc"))));
    QImage bleu(LireImage(peinte).size(), QImage::Format_ARGB32);
    bleu.fill(qRgb(0, 0, 255));
    EXPECT_EQ(LireImage(peinte).convertToFormat(QImage::Format_ARGB32), bleu);

    const QString floue = dossier.filePath(QStringLiteral("floue.png"));
    ASSERT_EQ(Lancer({QStringLiteral("filtre"), Donnee("photo.jpg"), floue, QStringLiteral("--operation"),
                      QStringLiteral("flou-gaussien")})
                  .statut,
              0);
    EXPECT_EQ(LireImage(floue).convertToFormat(QImage::Format_ARGB32),
              AppliquerFiltre(LireImage(Donnee("photo.jpg")), FiltreConvolution::FlouGaussien));
}

TEST(CommandeFiltre, ConstantComponentIsToldAndGreyDecompositionKeepsTheScale)
{
    QTemporaryDir dossier;
    const QString gris = dossier.filePath(QStringLiteral("gris.png"));
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(qRgb(40, 40, 40));
    image.setPixel(0, 0, qRgb(40, 40, 90));
    ASSERT_TRUE(image.save(gris));
    const QString etire = dossier.filePath(QStringLiteral("etire.png"));
    const Resultat r = Lancer({QStringLiteral("filtre"), gris, etire, QStringLiteral("--operation"), QStringLiteral("etirer")});
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.erreurs, QStringLiteral("La composante verte est constante : elle n'est pas étirée.\n"
                                        "La composante rouge est constante : elle n'est pas étirée.\n"));
    EXPECT_EQ(LireImage(etire).pixel(0, 0), qRgb(40, 40, 255));
    EXPECT_EQ(LireImage(etire).pixel(1, 0), qRgb(40, 40, 0));

    const QString rouge = dossier.filePath(QStringLiteral("rouge.png"));
    ASSERT_EQ(Lancer({QStringLiteral("filtre"), Donnee("photo.jpg"), rouge, QStringLiteral("--operation"),
                      QStringLiteral("rouge"), QStringLiteral("--grises")})
                  .statut,
              0);
    const QImage r2 = LireImage(rouge);
    const QRgb c = r2.pixel(100, 100);
    EXPECT_EQ(qRed(c), qRed(LireImage(Donnee("photo.jpg")).pixel(100, 100)));
    EXPECT_EQ(qGreen(c), qRed(c));
    EXPECT_DOUBLE_EQ(LireEchelleAnnexe(rouge).Facteur, 0.25);
}

struct CasRefus {
    const char *nom;
    QStringList options;
};

void PrintTo(const CasRefus &c, std::ostream *os) { *os << c.nom; }

class FiltreRefuse : public testing::TestWithParam<CasRefus> {};

TEST_P(FiltreRefuse, BadValuesGiveOneFrenchLineStatusOneAndNoFile)
{
    QTemporaryDir dossier;
    const QString sortie = dossier.filePath(QStringLiteral("s.png"));
    const Resultat r = Lancer(QStringList{QStringLiteral("filtre"), Donnee("photo.jpg"), sortie} + GetParam().options);
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.erreurs.count(QLatin1Char('\n')), 1) << r.erreurs.toStdString();
    EXPECT_FALSE(QFile::exists(sortie));
}

INSTANTIATE_TEST_SUITE_P(
    Valeurs, FiltreRefuse,
    testing::Values(CasRefus{"gamma_0", {QStringLiteral("--operation"), QStringLiteral("gamma=0")}},
                    CasRefus{"gamma_5", {QStringLiteral("--operation"), QStringLiteral("gamma=5")}},
                    CasRefus{"saturation_150", {QStringLiteral("--operation"), QStringLiteral("tsl=150,0")}},
                    CasRefus{"limites_300_10",
                             {QStringLiteral("--operation"), QStringLiteral("etirer"), QStringLiteral("--limites"),
                              QStringLiteral("300-10,0-255,0-255")}},
                    CasRefus{"couleur_300",
                             {QStringLiteral("--operation"), QStringLiteral("colorer"), QStringLiteral("--couleur"),
                              QStringLiteral("0,0,300")}},
                    CasRefus{"operation_inconnue", {QStringLiteral("--operation"), QStringLiteral("flouter")}}),
    [](const testing::TestParamInfo<CasRefus> &info) { return std::string(info.param.nom); });

TEST(CommandeFiltre, UnreadableFileIsRefused)
{
    QTemporaryDir dossier;
    const QString faux = dossier.filePath(QStringLiteral("faux.png"));
    ASSERT_TRUE(EcrireFichier(faux, "pas une image"));
    const Resultat r = Lancer({QStringLiteral("filtre"), faux, dossier.filePath(QStringLiteral("s.png")),
                               QStringLiteral("--operation"), QStringLiteral("sobel")});
    EXPECT_EQ(r.statut, 1);
    EXPECT_FALSE(r.erreurs.isEmpty());
    EXPECT_FALSE(QFile::exists(dossier.filePath(QStringLiteral("s.png"))));
}

TEST(CommandeRgba, ChosenChannelAloneShowsGrey)
{
    const Resultat r = Lancer({QStringLiteral("rgba"), Donnee("scene.lan"), QStringLiteral("-"), QStringLiteral("--canaux"),
                               QStringLiteral("3,-,-"), QStringLiteral("--etirement"), QStringLiteral("0")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    ASSERT_EQ(r.sortie.size(), 256 * 256 * 4);
    for (int i = 0; i < r.sortie.size(); i += 4 * 997) {
        EXPECT_EQ(r.sortie[i], r.sortie[i + 1]);
        EXPECT_EQ(r.sortie[i], r.sortie[i + 2]);
    }
    EXPECT_EQ(Lancer({QStringLiteral("rgba"), Donnee("scene.lan"), QStringLiteral("-"), QStringLiteral("--canaux"),
                      QStringLiteral("4,0,0")})
                  .statut,
              1);
    EXPECT_EQ(Lancer({QStringLiteral("rgba"), Donnee("photo.jpg"), QStringLiteral("-"), QStringLiteral("--canaux"),
                      QStringLiteral("0,-,-")})
                  .statut,
              1);
}

} // namespace
