// kaptori-cli surface and objets, run as a script runs them: the exact
// output lines for a picture with known objects and a scale side-file, and a
// status of 1 with the window's message for conditions that cannot be used.

#include "support/lancer_cli.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

// Texts compared as UTF-8 so that a failure shows them.
struct Resultat {
    int statut = -1;
    std::string sortie;
    std::string erreurs;
};

Resultat Lancer(const QStringList &arguments)
{
    const ProcessusCli r = LancerCli(arguments);
    return {r.statut, r.sortie.toStdString(), r.erreurs.toStdString()};
}

// 60 × 40 white picture at 0,5 mm a pixel: a 5 × 5 square, a 3 × 4 block and
// a bar along the left edge, all black.
class CliObjets : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier_.isValid());
        chemin_ = dossier_.filePath(QStringLiteral("objets.png"));
        QImage image(60, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        auto rectangle = [&](int x0, int y0, int l, int h) {
            for (int y = y0; y < y0 + h; ++y)
                for (int x = x0; x < x0 + l; ++x)
                    image.setPixel(x, y, qRgb(0, 0, 0));
        };
        rectangle(5, 5, 5, 5);
        rectangle(20, 10, 3, 4);
        rectangle(0, 10, 3, 26);
        ASSERT_TRUE(image.save(chemin_));
        QFile sca(dossier_.filePath(QStringLiteral("objets.sca")));
        ASSERT_TRUE(sca.open(QIODevice::WriteOnly));
        sca.write("<SCALE=0;0,5;mm;>\r\n");
    }

    QTemporaryDir dossier_;
    QString chemin_;
};

TEST_F(CliObjets, SurfaceCountsEveryPassingPixel)
{
    const Resultat r = Lancer({"surface", chemin_, "--conditions", "Rouge 0..10"});
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_EQ(r.sortie, "pixels: 115\nresultat: 115 pixels sur 2400 soit 4,79 %\nsurface: 28,75 mm²\n");
}

TEST_F(CliObjets, ObjetsPrintsTheCountsAndOneRowPerObject)
{
    const Resultat r = Lancer({"objets", chemin_, "--conditions", "Rouge 0..10 et Verte 0..10"});
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    EXPECT_EQ(r.sortie, "resultat: 2 objets (+1 incomplet)\n"
                        "objets: 2\n"
                        "incomplets: 1\n"
                        "pixels: 37\n"
                        "surface totale: 9,25 mm²\n"
                        "\n"
                        "objet\tgerme_x\tgerme_y\tx\ty\tl\th\tpixels\tpoints\n"
                        // The seed on the square's contour moves inside it.
                        "1\t6\t6\t5\t5\t5\t5\t25\t17\n"
                        "2\t20\t10\t20\t10\t3\t4\t12\t11\n");
}

TEST_F(CliObjets, DetailsAddTheMeasuresInScaleUnits)
{
    const Resultat r = Lancer({"objets", chemin_, "--conditions", "Rouge 0..10", "--details", "--incomplets"});
    EXPECT_EQ(r.statut, 0) << r.erreurs;
    const QStringList lignes = QString::fromStdString(r.sortie).split('\n');
    ASSERT_GE(lignes.size(), 9);
    EXPECT_EQ(lignes[0].toStdString(), "resultat: 3 objets");
    EXPECT_EQ(lignes[6], "objet\tgerme_x\tgerme_y\tx\ty\tl\th\tpixels\tpoints\tperimetre\tlongueur\tlargeur\tsurface");
    // The square: longest chord its diagonal, 4√2 pixels; 25 pixels of 0,25 mm².
    EXPECT_TRUE(lignes[7].endsWith("\t2,828427\t2,828427\t6,25")) << lignes[7].toStdString();
    EXPECT_TRUE(lignes[8].startsWith("2\t") && lignes[8].contains("\t0\t10\t3\t26\t78\t")) << lignes[8].toStdString();
}

TEST_F(CliObjets, TableauPrintsWhatTheCopyCommandCopies)
{
    const Resultat r = Lancer({"objets", chemin_, "--conditions", "Rouge 0..10", "--details", "--tableau"});
    EXPECT_EQ(r.statut, 0);
    EXPECT_TRUE(QString::fromStdString(r.sortie).contains("\nDélimitation d'objets\n\tPérimètre\tLongueur\tLargeur\tSurface\nunité\tmm\tmm\tmm\tmm²\n"))
        << r.sortie;
}

TEST_F(CliObjets, SortieWritesThePictureWithTheColouredObjects)
{
    const QString sortie = dossier_.filePath(QStringLiteral("sortie.png"));
    const Resultat r = Lancer({"objets", chemin_, "--conditions", "Rouge 0..10", "--sortie", sortie});
    EXPECT_EQ(r.statut, 0);
    const QImage image(sortie);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(7, 7), qRgb(255, 255, 0));  // inside the square
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 0, 0));    // its outline
    EXPECT_EQ(image.pixel(1, 20), qRgb(0, 0, 0));     // the bar, left out, keeps its colour
}

struct CasRefus {
    const char *nom;
    QStringList options;
    const char *message;
};

class CliRefus : public CliObjets, public testing::WithParamInterface<CasRefus> {};

TEST_P(CliRefus, StopsWithTheMessage)
{
    QStringList arguments{"objets", chemin_};
    arguments << GetParam().options;
    const Resultat r = Lancer(arguments);
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.erreurs, std::string(GetParam().message) + "\n");
    EXPECT_TRUE(r.sortie.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, CliRefus,
    testing::Values(
        CasRefus{"impossible", {"--conditions", "Rouge 10..5"}, "Condition C1 impossible !"},
        CasRefus{"out_of_range", {"--conditions", "Teinte 0..360"}, "Valeur hors limites : 360 (de 0 à 359 pour Teinte)"},
        CasRefus{"second_parenthesis",
                 {"--conditions", "(Rouge 1..5 et (Verte 1..4 et Bleue 3..9)"},
                 "Condition C2 deuxième parenthèse ( (un seul niveau de parenthèses autorisé)"},
        CasRefus{"closing_alone", {"--conditions", "Rouge 1..5 et Verte 1..4)"}, "Condition C2 parenthèse ) sans ( correspondante"},
        CasRefus{"missing_channel", {"--conditions", "canal 1 0..5"}, "Le canal 1 n'existe pas : le document n'a pas de canaux"},
        CasRefus{"unreadable", {"--conditions", "Rouge 1..5 puis"},
                 "Conditions illisibles : « puis » trouvé où un lien (et, ou, xor, et non) est attendu"},
        CasRefus{"size_too_large", {"--conditions", "Rouge 1..5", "--taille-min", "1001"},
                 "Taille minimale invalide : « 1001 » (un entier de 0 à 1000 est attendu)"}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST_F(CliObjets, AnAlwaysTrueConditionIsKeptWithAWarning)
{
    const Resultat r = Lancer({"surface", chemin_, "--conditions", "Luminosite 0..255"});
    EXPECT_EQ(r.statut, 0);
    EXPECT_EQ(r.erreurs, "Condition C1 inutile (toujours vraie) !\n");
    EXPECT_EQ(r.sortie.rfind("pixels: 2400\n", 0), 0u);
}

} // namespace
