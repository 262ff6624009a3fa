// kaptori-cli combiner and transformer, run as a script runs them: the
// output lines, the written picture and its scale side-file, and bad input
// refused with one French line, status 1 and no file.

#include "calibration/echelle_annexe.h"
#include "document/formats/lecteur_image.h"
#include "processing/combinaison_logique.h"
#include "processing/transformation.h"

#include "support/lancer_cli.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

QString Photo()
{
    return qEnvironmentVariable("KAPTORI_DATA") + QStringLiteral("/photo.jpg"); // 480 × 320, 0,25 mm per pixel
}

TEST(CommandeTransformer, TurnedAndHalvedPhotoKeepsItsLengthScaleDoubled)
{
    QTemporaryDir dossier;
    const QString sortie = dossier.filePath(QStringLiteral("tournee.png"));
    const SortieCli r = LancerCliTexte({QStringLiteral("transformer"), Photo(), sortie, QStringLiteral("--operation"),
                               QStringLiteral("rotation-90"), QStringLiteral("--operation"), QStringLiteral("redimensionner=50")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("taille: 160x240\nechelle: <SCALE=0;0,5;mm;>\n"));
    EXPECT_EQ(LireImage(sortie).size(), QSize(160, 240));
    EXPECT_DOUBLE_EQ(LireEchelleAnnexe(sortie).Facteur, 0.5);
}

TEST(CommandeTransformer, OperationsRunInOrderOnThePixels)
{
    QTemporaryDir dossier;
    const QString sortie = dossier.filePath(QStringLiteral("t.png"));
    const SortieCli r = LancerCliTexte({QStringLiteral("transformer"), Photo(), sortie, QStringLiteral("--operation"),
                               QStringLiteral("symetrie-h"), QStringLiteral("--operation"), QStringLiteral("recadrer=100,50,200,100"),
                               QStringLiteral("--operation"), QStringLiteral("agrandir=300,100,haut-droite"),
                               QStringLiteral("--fond"), QStringLiteral("10,20,30")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("taille: 300x100\nechelle: <SCALE=0;0,25;mm;>\n"));
    const QImage attendu = TransformerImage(LireImage(Photo()), Transformation::SymetrieHorizontale).copy(100, 50, 200, 100);
    const QImage image = LireImage(sortie);
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(image.copy(100, 0, 200, 100), attendu);
}

TEST(CommandeCombiner, APhotoSubtractedFromItselfIsBlackAndSpreadFrom0To128)
{
    QTemporaryDir dossier;
    const QString sortie = dossier.filePath(QStringLiteral("difference.png"));
    const SortieCli r = LancerCliTexte({QStringLiteral("combiner"), Photo(), Photo(), sortie, QStringLiteral("--soustraire"),
                               QStringLiteral("--coef1"), QStringLiteral("1"), QStringLiteral("--coef2"), QStringLiteral("1.0")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("taille: 480x320\netalement: 0 128\n"));
    QImage noir(480, 320, QImage::Format_ARGB32);
    noir.fill(0xFF000000);
    EXPECT_EQ(LireImage(sortie), noir);
    EXPECT_EQ(LireEchelleAnnexe(sortie), LireEchelleAnnexe(Photo())); // image 1's scale
}

TEST(CommandeCombiner, ALogicalMethodNamedWithoutCmAppliesWithoutSpreading)
{
    QTemporaryDir dossier;
    const QString sortie = dossier.filePath(QStringLiteral("negatif.png"));
    const SortieCli r = LancerCliTexte({QStringLiteral("combiner"), Photo(), Photo(), sortie, QStringLiteral("--logique"),
                               QStringLiteral("dstinvert")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("taille: 480x320\netalement: non\n"));
    QImage negatif = LireImage(Photo());
    negatif.invertPixels();
    EXPECT_EQ(LireImage(sortie), negatif);
}

struct CasRefus {
    const char *name;
    QStringList arguments; // SORTIE is appended to the files
    bool combiner;
    const char *message = nullptr; // a part of the French line, when checked
};
void PrintTo(const CasRefus &c, std::ostream *os) { *os << c.name; }

class RefusTraitements : public ::testing::TestWithParam<CasRefus> {};

TEST_P(RefusTraitements, OneFrenchLineStatus1AndNoFile)
{
    QTemporaryDir dossier;
    const QString sortie = dossier.filePath(QStringLiteral("r.png"));
    QStringList arguments = GetParam().combiner ? QStringList{QStringLiteral("combiner"), Photo(), Photo(), sortie}
                                                : QStringList{QStringLiteral("transformer"), Photo(), sortie};
    arguments += GetParam().arguments;
    const SortieCli r = LancerCliTexte(arguments);
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.erreurs.count(QLatin1Char('\n')), 1) << r.erreurs.toStdString();
    if (GetParam().message) {
        EXPECT_TRUE(r.erreurs.contains(QString::fromUtf8(GetParam().message))) << r.erreurs.toStdString();
    }
    EXPECT_TRUE(r.sortie.isEmpty());
    EXPECT_FALSE(QFile::exists(sortie));
}

INSTANTIATE_TEST_SUITE_P(
    Cas, RefusTraitements,
    ::testing::Values(CasRefus{"coefficient_trop_grand", {QStringLiteral("--coef1"), QStringLiteral("3,5")}, true},
                      CasRefus{"methode_inconnue", {QStringLiteral("--logique"), QStringLiteral("cmsrcand")}, true},
                      CasRefus{"pixellisation_trop_loin", {QStringLiteral("--operation"), QStringLiteral("pixelliser=10")}, false},
                      CasRefus{"dix_pour_cent_de_trop_peu", {QStringLiteral("--operation"), QStringLiteral("redimensionner=9,9")}, false},
                      CasRefus{"cinq_cents_pour_cent_trop_grand",
                               {QStringLiteral("--operation"), QStringLiteral("agrandir=8000,6000"), QStringLiteral("--operation"),
                                QStringLiteral("redimensionner=500")},
                               false},
                      CasRefus{"cadre_a_cheval", {QStringLiteral("--operation"), QStringLiteral("recadrer=400,10,100,10")}, false},
                      CasRefus{"cadre_au_bout_des_entiers",
                               {QStringLiteral("--operation"), QStringLiteral("recadrer=2147483647,0,10,10")},
                               false, "dépasse l'image de 480 × 320 pixels"},
                      CasRefus{"cadre_vide_au_bas_des_entiers",
                               {QStringLiteral("--operation"), QStringLiteral("recadrer=0,-2147483648,5,0")},
                               false, "dépasse l'image de 480 × 320 pixels"},
                      CasRefus{"canevas_plus_petit", {QStringLiteral("--operation"), QStringLiteral("agrandir=479,400")}, false},
                      CasRefus{"blanc_sur_du_noir",
                               {QStringLiteral("--operation"), QStringLiteral("agrandir=500,320,haut-gauche"), QStringLiteral("--fond"),
                                QStringLiteral("0,0,0"), QStringLiteral("--operation"), QStringLiteral("blanc=485,0,499,10")},
                               false},
                      CasRefus{"operation_inconnue", {QStringLiteral("--operation"), QStringLiteral("rotation-45")}, false}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
