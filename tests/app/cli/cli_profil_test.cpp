// kaptori-cli profil, called in-process as the program calls it: the grid
// the profile window saves, the surface readout, the saved graph with its
// scale beside it, and one French line with status 1 for bad input.

#include "app/cli/commandes_cli.h"
#include "calibration/echelle_binaire.h"
#include "document/image_document.h"
#include "document/ouverture_document.h"
#include "support/separateur.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct SortieProfil {
    int statut = -1;
    QString sortie;
    QString erreurs;
};

SortieProfil Profil(const QStringList &arguments)
{
    SortieProfil r;
    QTextStream sortie(&r.sortie);
    QTextStream erreurs(&r.erreurs);
    r.statut = CommandeProfil(arguments, sortie, erreurs);
    sortie.flush();
    erreurs.flush();
    return r;
}

// A white 100 × 50 picture with a black column at x = 30.
class CliProfilTest : public ::testing::Test {
protected:
    CliProfilTest()
    {
        QImage image(100, 50, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int y = 0; y < 50; ++y)
            reinterpret_cast<QRgb *>(image.scanLine(y))[30] = qRgb(0, 0, 0);
        chemin_ = dossier_.filePath(QStringLiteral("bande.png"));
        EXPECT_TRUE(image.save(chemin_));
    }

    QStringList ligne(QStringList options = {}) const
    {
        return QStringList{chemin_, "10", "25", "60", "25"} + options;
    }

    SeparateurTemporaire sep_{QLatin1Char(',')};
    QTemporaryDir dossier_;
    QString chemin_;
};

TEST_F(CliProfilTest, GridHoldsTheCaptionTwoHeaderRowsAndOneRowPerSample)
{
    const SortieProfil r = Profil(ligne({"--largeur", "3", "--canal", "rouge,vert"}));
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    const QStringList lignes = r.sortie.split(QLatin1Char('\n'));
    ASSERT_EQ(lignes.size(), 3 + 51 + 1); // the last line ends with LF
    EXPECT_EQ(lignes[0], QStringLiteral("Résultats"));
    EXPECT_EQ(lignes[1], QStringLiteral("position\témiss. (R)\témiss. (V)"));
    EXPECT_EQ(lignes[2], QStringLiteral("pixels\t%\t%"));
    EXPECT_EQ(lignes[3], QStringLiteral("0\t100\t100"));
    EXPECT_EQ(lignes[3 + 20], QStringLiteral("20\t0\t0")); // the black column
    EXPECT_TRUE(lignes.last().isEmpty());
    EXPECT_TRUE(r.erreurs.isEmpty());
}

TEST_F(CliProfilTest, OpticalDensityOfAllChannelsOnTheBlackColumn)
{
    const SortieProfil r = Profil(ligne({"--largeur", "3", "--mesure", "do"}));
    ASSERT_EQ(r.statut, 0);
    const QStringList lignes = r.sortie.split(QLatin1Char('\n'));
    EXPECT_EQ(lignes[1], QStringLiteral("position\tD.O."));
    EXPECT_EQ(lignes[2], QStringLiteral("pixels\t"));
    EXPECT_EQ(lignes[3 + 20], QStringLiteral("20\t3,36")); // log10(3 × 765)
    EXPECT_EQ(lignes[3], QStringLiteral("0\t0"));
}

TEST_F(CliProfilTest, ZeroOptionConversionTurnsAFullBandInto75)
{
    const SortieProfil r = Profil(ligne({"--canal", "rouge", "--conversion", "125=50", "--nom", "conc.", "--unite", "g/L"}));
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    const QStringList lignes = r.sortie.split(QLatin1Char('\n'));
    EXPECT_EQ(lignes[1], QStringLiteral("position\tconc."));
    EXPECT_EQ(lignes[2], QStringLiteral("pixels\tg/L"));
    EXPECT_EQ(lignes[3], QStringLiteral("0\t75"));
    EXPECT_EQ(lignes[3 + 20], QStringLiteral("20\t0"));
}

TEST_F(CliProfilTest, TwoConversionPointsTheFirstGivenFirst)
{
    // Rows 325 = 10 and 25 = 40 in emission: a full band (top) reads 40.
    const SortieProfil r =
        Profil(ligne({"--canal", "vert", "--conversion", "325=10", "--conversion", "25=40,0", "--nom", "T"}));
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    const QStringList lignes = r.sortie.split(QLatin1Char('\n'));
    EXPECT_EQ(lignes[3], QStringLiteral("0\t40"));
    EXPECT_EQ(lignes[3 + 20], QStringLiteral("20\t10"));
}

TEST_F(CliProfilTest, ZeroAppliesToTheLastChannel)
{
    const SortieProfil r = Profil(ligne({"--canal", "rouge,bleu", "--zero", "20"}));
    ASSERT_EQ(r.statut, 0);
    EXPECT_EQ(r.sortie.split(QLatin1Char('\n'))[3], QStringLiteral("0\t100\t80"));
}

TEST_F(CliProfilTest, SurfaceLineAlone)
{
    // Samples 15..25 of the red emission: ten at 100, one at 0.
    const SortieProfil r = Profil(ligne({"--canal", "rouge", "--surface", "15:25"}));
    ASSERT_EQ(r.statut, 0);
    EXPECT_EQ(r.sortie, QStringLiteral("surface dans le canal (rouge): 1000\n"));
}

TEST_F(CliProfilTest, GraphSavedAsGifWithScaAndAsBmpWithEch)
{
    const QString gif = dossier_.filePath(QStringLiteral("profil.gif"));
    ASSERT_EQ(Profil(ligne({"--graphe", gif})).statut, 0);
    EXPECT_TRUE(QFileInfo::exists(gif));
    EXPECT_TRUE(QFileInfo::exists(dossier_.filePath(QStringLiteral("profil.sca"))));

    QTemporaryDir autre;
    const QString bmp = autre.filePath(QStringLiteral("profil.bmp"));
    ASSERT_EQ(Profil(ligne({"--mesure", "absorption", "--graphe", bmp})).statut, 0);
    const QFileInfo ech(autre.filePath(QStringLiteral("profil.ech")));
    ASSERT_TRUE(ech.exists());
    EXPECT_EQ(ech.size(), TailleEchelleBinaire);
    EXPECT_FALSE(QFileInfo::exists(autre.filePath(QStringLiteral("profil.sca"))));

    const auto doc = OuvrirDocument(bmp, 0);
    EXPECT_EQ(doc->image.size(), QSize(50 + 30 + 15, 360));
    EXPECT_EQ(doc->echelle.Definie, 1);
    EXPECT_EQ(doc->echelle.Mode, TEchelle::Cartesien);
    EXPECT_EQ(doc->echelle.OrigineY[0], 325);
    EXPECT_EQ(doc->echelle.UniteY[0], QStringLiteral("% (absorption)"));
}

struct CasRefus {
    std::string nom;
    QStringList options;
    const char *mot; // a word the message holds
};

void PrintTo(const CasRefus &c, std::ostream *os)
{
    *os << c.nom;
}

class CliProfilRefusTest : public CliProfilTest, public ::testing::WithParamInterface<CasRefus> {};

TEST_P(CliProfilRefusTest, BadInputGivesOneFrenchLineAndStatus1)
{
    const CasRefus &c = GetParam();
    QStringList arguments = ligne(c.options);
    if (c.nom == "line_too_short")
        arguments = QStringList{chemin_, "0", "0", "10", "10"};
    else if (c.nom == "ends_at_int_limits")
        arguments = QStringList{chemin_, "-2147483648", "0", "2147483647", "0"};
    else if (c.nom == "beyond_int")
        arguments = QStringList{chemin_, "0", "0", "2147483648", "0"};
    else if (c.nom == "too_few_arguments")
        arguments = QStringList{chemin_, "0"};
    const SortieProfil r = Profil(arguments);
    EXPECT_EQ(r.statut, 1);
    EXPECT_TRUE(r.sortie.isEmpty());
    EXPECT_EQ(r.erreurs.count(QLatin1Char('\n')), 1) << r.erreurs.toStdString();
    EXPECT_TRUE(r.erreurs.contains(QString::fromUtf8(c.mot))) << r.erreurs.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Refus, CliProfilRefusTest,
    ::testing::Values(CasRefus{"width_0", {"--largeur", "0"}, "Largeur"},
                      CasRefus{"width_102", {"--largeur", "102"}, "101"},
                      CasRefus{"width_abc", {"--largeur", "abc"}, "abc"},
                      CasRefus{"conversion_value_x", {"--conversion", "125=x"}, "125=x"},
                      CasRefus{"conversion_row_outside", {"--conversion", "400=3"}, "400=3"},
                      CasRefus{"two_points_one_row", {"--conversion", "125=2", "--conversion", "125=5"}, "même ligne"},
                      CasRefus{"unknown_channel", {"--canal", "jaune"}, "jaune"},
                      CasRefus{"unknown_quantity", {"--mesure", "lux"}, "lux"},
                      CasRefus{"graph_png", {"--graphe", "x.png"}, "x.png"},
                      CasRefus{"line_too_short", {}, "trop courte"},
                      CasRefus{"ends_at_int_limits", {}, "65536"},
                      CasRefus{"beyond_int", {}, "2147483648"},
                      CasRefus{"too_few_arguments", {}, "Usage"}),
    [](const auto &info) { return info.param.nom; });

TEST(CliProfilEchelleTest, LengthScaleWithFactorZeroOrNegativeIsRefused)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("f.png"));
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::gray);
    ASSERT_TRUE(image.save(chemin));
    for (const char *facteur : {"0", "-1"}) {
        QFile sca(dossier.filePath(QStringLiteral("f.sca")));
        ASSERT_TRUE(sca.open(QIODevice::WriteOnly | QIODevice::Truncate));
        sca.write(QByteArray("<SCALE=0;") + facteur + ";mm;>\r\n");
        sca.close();
        const SortieProfil r = Profil({chemin, "0", "5", "30", "5"});
        EXPECT_EQ(r.statut, 1) << facteur;
        EXPECT_TRUE(r.erreurs.contains(QStringLiteral("facteur"))) << r.erreurs.toStdString();
    }
}

} // namespace
