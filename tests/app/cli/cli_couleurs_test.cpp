// kaptori-cli legende, recolorer and zonation, run as a script runs them:
// the exact output lines, the written picture and side-file, and bad input
// refused with one French line, status 1 and no file.

#include "calibration/code_couleur.h"
#include "calibration/echelle_annexe.h"
#include "document/formats/lecteur_image.h"

#include "support/codes_essai.h"
#include "support/lancer_cli.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString Enregistrer(const QTemporaryDir &dossier, const char *nom, const QImage &image)
{
    const QString chemin = dossier.filePath(QString::fromLatin1(nom));
    EXPECT_TRUE(image.save(chemin));
    return chemin;
}

TCodeCouleur Tableau4()
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageTableau;
    c.NbCouleurs = 4;
    c.Grandeur = QStringLiteral("Hauteur");
    c.UniteCode = QStringLiteral("m");
    c.CouleurTable = {CouleurRvb(0, 0, 255), CouleurRvb(0, 255, 0), CouleurRvb(255, 255, 0), CouleurRvb(255, 0, 0)};
    for (int e = 0; e < 4; ++e)
        c.Libelle[static_cast<std::size_t>(e)] = QStringLiteral("x");
    return c;
}

TEST(CommandeLegende, the_colour_key_widens_a_200_by_150_picture_to_275_by_240)
{
    QTemporaryDir dossier;
    QImage image(200, 150, QImage::Format_RGB32);
    image.fill(qRgb(40, 50, 60));
    const QString source = Enregistrer(dossier, "carte.png", image);
    EcrireCodeAnnexe(source, code_essai::DeuxCouleurs(CouleurRvb(0, 0, 255), CouleurRvb(255, 255, 0), 0, 10));
    const QString sortie = dossier.filePath(QStringLiteral("legende.png"));
    const SortieCli r = LancerCliTexte({QStringLiteral("legende"), source, sortie, QStringLiteral("--couleurs"),
                               QStringLiteral("--fond"), QStringLiteral("0,128,0")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("taille: 275x240\n"));
    const QImage resultat = LireImage(sortie);
    EXPECT_EQ(resultat.pixel(100, 200), qRgb(0, 128, 0));
    EXPECT_EQ(resultat.pixel(16, 100), qRgb(40, 50, 60));
}

TEST(CommandeLegende, the_scale_bar_is_drawn_at_the_given_corner)
{
    QTemporaryDir dossier;
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString source = Enregistrer(dossier, "plan.png", image);
    TEchelle e = LireEchelleAnnexe(source);
    e.Definie = 1;
    e.Mode = TEchelle::Longueur;
    e.Facteur = 0.25;
    e.Unite = QStringLiteral("mm");
    EcrireEchelleAnnexe(source, e);
    const QString sortie = dossier.filePath(QStringLiteral("plan_legende.png"));
    const SortieCli r = LancerCliTexte({QStringLiteral("legende"), source, sortie, QStringLiteral("--echelle"),
                               QStringLiteral("100,120")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("taille: 300x200\n"));
    const QImage resultat = LireImage(sortie);
    int sombres = 0, horsCoin = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            if (qGray(resultat.pixel(x, y)) < 128)
                ++(x >= 100 && y >= 120 ? sombres : horsCoin);
    EXPECT_GT(sombres, 20);
    EXPECT_EQ(horsCoin, 0);
}

TEST(CommandeRecolorer, a_table_code_cuts_the_grey_levels_into_classes)
{
    QTemporaryDir dossier;
    QImage image(4, 1, QImage::Format_RGB32);
    const int gris[4] = {0, 70, 130, 250};
    for (int x = 0; x < 4; ++x)
        image.setPixel(x, 0, qRgb(gris[x], gris[x], gris[x]));
    const QString source = Enregistrer(dossier, "gris.png", image);
    const QString sortie = dossier.filePath(QStringLiteral("couleurs.png"));
    const SortieCli r = LancerCliTexte({QStringLiteral("recolorer"), source, sortie, QStringLiteral("--code"),
                               CodeEnTexte(Tableau4()), QStringLiteral("--niveaux-gris")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("1\t0\t63\t1\t< 64\n2\t64\t127\t1\t64 - 128\n3\t128\t190\t1\t128 - 191\n"
                                       "4\t191\t255\t1\t> 191\n"));
    const QImage resultat = LireImage(sortie);
    EXPECT_EQ(resultat.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(resultat.pixel(3, 0), qRgb(255, 0, 0));
    EXPECT_EQ(LireCodeAnnexe(sortie).Libelle[3], QStringLiteral("> 191"));
}

TEST(CommandeRecolorer, unusable_codes_and_limits_are_refused_without_a_file)
{
    QTemporaryDir dossier;
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::gray);
    const QString source = Enregistrer(dossier, "gris.png", image);
    const QString sortie = dossier.filePath(QStringLiteral("refus.png"));
    const QList<QStringList> cas = {
        {QStringLiteral("--code"), CodeEnTexte(CodeParDefaut()), QStringLiteral("--aligner")},
        {QStringLiteral("--code"), CodeEnTexte(Tableau4()), QStringLiteral("--niveaux-gris"), QStringLiteral("--limites"),
         QStringLiteral("0,50,50,100,255")},
        {QStringLiteral("--code"), QStringLiteral("n'importe quoi"), QStringLiteral("--aligner")},
    };
    for (const QStringList &options : cas) {
        const SortieCli r = LancerCliTexte(QStringList{QStringLiteral("recolorer"), source, sortie} + options);
        EXPECT_EQ(r.statut, 1) << options.join(' ').toStdString();
        EXPECT_EQ(r.erreurs.count(QLatin1Char('\n')), 1) << r.erreurs.toStdString();
        EXPECT_FALSE(QFile::exists(sortie));
    }
}

TEST(CommandeZonation, prints_each_category_with_its_share_and_area)
{
    QTemporaryDir dossier;
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(qRgb(220, 210, 200));
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 25; ++x)
            image.setPixel(x, y, qRgb(30, 30, 30));
    const QString source = Enregistrer(dossier, "satellite.png", image);
    TEchelle e = LireEchelleAnnexe(source);
    e.Definie = 1;
    e.Mode = TEchelle::Longueur;
    e.Facteur = 0.1;
    e.Unite = QStringLiteral("mm");
    EcrireEchelleAnnexe(source, e);
    QImage peinture(100, 100, QImage::Format_RGB32);
    peinture.fill(Qt::white);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            peinture.setPixel(x, y, qRgb(255, 0, 0));
            peinture.setPixel(50 + x, y, qRgb(0, 0, 255));
        }
    const QString zones = Enregistrer(dossier, "zones.png", peinture);
    const QString sortie = dossier.filePath(QStringLiteral("zonation.png"));
    const SortieCli r = LancerCliTexte({QStringLiteral("zonation"), source, zones, sortie});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("categories: 2\n"
                                       "1\t255,0,0\t30,30,30\t0\t2500\t25 % (25 mm2)\n"
                                       "2\t0,0,255\t220,210,200\t0\t7500\t75 % (75 mm2)\n"));
    EXPECT_EQ(LireImage(sortie).pixel(10, 90), qRgb(255, 0, 0));

    const SortieCli autre = LancerCliTexte({QStringLiteral("zonation"), source, Enregistrer(dossier, "petite.png", QImage(50, 50, QImage::Format_RGB32)),
                                   dossier.filePath(QStringLiteral("refus.png"))});
    EXPECT_EQ(autre.statut, 1);
    EXPECT_EQ(autre.erreurs.count(QLatin1Char('\n')), 1) << autre.erreurs.toStdString();
    EXPECT_FALSE(QFile::exists(dossier.filePath(QStringLiteral("refus.png"))));
}

} // namespace
