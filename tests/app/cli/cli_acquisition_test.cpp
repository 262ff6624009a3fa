// kaptori-cli sources and acquerir with SANE's test backend, run in-process
// as kaptori-cli runs a command: the exact output lines, the pictures saved
// with consecutive numbers and the scale of the resolution beside them, and
// every refusal as one French line with status 1.

#include "app/cli/commandes_cli.h"
#include "commun/erreur.h"
#include "support/lancer_cli.h"
#include "support/sane_essai.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Execution {
    int statut = -1;
    QString sortie;
    QString erreurs;
};

// The command's function called as kaptori-cli's main calls it.
Execution Executer(const char *commande, const QStringList &arguments)
{
    Execution e;
    QTextStream sortie(&e.sortie);
    QTextStream erreurs(&e.erreurs);
    for (const CommandeCli &c : CommandesCli()) {
        if (qstrcmp(c.nom, commande) != 0)
            continue;
        try {
            e.statut = c.executer(arguments, sortie, erreurs);
        } catch (const ErreurKaptori &ex) {
            erreurs << ex.message() << '\n';
            e.statut = 1;
        }
    }
    sortie.flush();
    erreurs.flush();
    return e;
}

QByteArray Lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class CommandesAcquisition : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PreparerSaneEssai())
            GTEST_SKIP() << "le moteur « test » de SANE n'est pas installé";
        ASSERT_TRUE(dossier.isValid());
    }
    QString Chemin(const char *nom) const { return dossier.filePath(QString::fromUtf8(nom)); }
    QTemporaryDir dossier;
};

TEST_F(CommandesAcquisition, SourcesListeLesAppareilsSeparesParDesTabulations)
{
    const Execution e = Executer("sources", {});
    EXPECT_EQ(e.statut, 0);
    EXPECT_EQ(e.sortie, QStringLiteral("test:0\tNoname\tfrontend-tester\tvirtual device\n"
                                       "test:1\tNoname\tfrontend-tester\tvirtual device\n"));
    EXPECT_TRUE(e.erreurs.isEmpty());
}

TEST_F(CommandesAcquisition, UnChargeurDeDixPagesDonneDixFichiersNumerotes)
{
    const QString sortie = Chemin("scan.png");
    const Execution e = Executer("acquerir", {QStringLiteral("0"), sortie, QStringLiteral("--option"),
                                              QStringLiteral("source=Automatic Document Feeder"),
                                              QStringLiteral("--resolution"), QStringLiteral("20")});
    ASSERT_EQ(e.statut, 0) << e.erreurs.toStdString();
    QString attendue = QStringLiteral("fichier\tlargeur\thauteur\tresolution\n");
    for (int k = 1; k <= 10; ++k) {
        const QString fichier = k == 1 ? sortie : Chemin("scan-%1.png").arg(k);
        // 80 × 100 mm at 20 dpi.
        attendue += fichier + QStringLiteral("\t62\t78\t20\n");
        EXPECT_EQ(QImage(fichier).size(), QSize(62, 78)) << k;
        const QString sca = fichier.left(fichier.size() - 4) + QStringLiteral(".sca");
        EXPECT_EQ(Lire(sca), QByteArray("<SCALE=0;1.27;mm;>\r\n")) << k;
    }
    EXPECT_EQ(e.sortie, attendue);
    EXPECT_FALSE(QFile::exists(Chemin("scan-11.png")));
}

TEST_F(CommandesAcquisition, AvecSansEchelleAucunFichierDEchelle)
{
    const QString sortie = Chemin("grille.bmp");
    const Execution e = Executer("acquerir", {QStringLiteral("test:1"), sortie, QStringLiteral("--mode"),
                                              QStringLiteral("gris"), QStringLiteral("--resolution"),
                                              QStringLiteral("50"), QStringLiteral("--option"),
                                              QStringLiteral("test-picture=Grid"), QStringLiteral("--sans-echelle")});
    ASSERT_EQ(e.statut, 0) << e.erreurs.toStdString();
    EXPECT_EQ(e.sortie, QStringLiteral("fichier\tlargeur\thauteur\tresolution\n") + sortie
                            + QStringLiteral("\t157\t196\t50\n"));
    const QImage image(sortie);
    ASSERT_EQ(image.size(), QSize(157, 196));
    // The grid's first square is white, the second one black.
    EXPECT_EQ(image.pixel(5, 5), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(25, 5), 0xFF000000u);
    EXPECT_FALSE(QFile::exists(Chemin("grille.sca")));
}

struct CasRefus {
    const char *nom;
    QStringList arguments; // after SOURCE-less prefix: SOURCE SORTIE options
    const char *message;
};

void PrintTo(const CasRefus &c, std::ostream *os)
{
    *os << c.nom;
}

class RefusAcquerir : public CommandesAcquisition, public ::testing::WithParamInterface<CasRefus> {};

TEST_P(RefusAcquerir, UneLigneFrancaiseStatut1EtAucunFichier)
{
    QStringList arguments = GetParam().arguments;
    arguments.insert(1, Chemin("refus.png"));
    const Execution e = Executer("acquerir", arguments);
    EXPECT_EQ(e.statut, 1);
    EXPECT_EQ(e.erreurs, QString::fromUtf8(GetParam().message) + QLatin1Char('\n'));
    EXPECT_TRUE(QDir(dossier.path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Erreurs, RefusAcquerir,
    ::testing::Values(
        CasRefus{"source inconnue par son nom", {QStringLiteral("test:9")}, "Source inconnue : test:9"},
        CasRefus{"source inconnue par son numéro", {QStringLiteral("2")}, "Source inconnue : 2 (2 appareils trouvés)."},
        CasRefus{"option inconnue", {QStringLiteral("0"), QStringLiteral("--option"), QStringLiteral("couleur-du-ciel=bleu")},
                 "L'appareil n'a pas d'option « couleur-du-ciel »."},
        CasRefus{"mode que l'appareil n'a pas",
                 {QStringLiteral("0"), QStringLiteral("--mode"), QStringLiteral("trait")},
                 "Valeur « Lineart » refusée pour l'option « mode » : valeurs permises Gray, Color."},
        CasRefus{"résolution hors de l'intervalle",
                 {QStringLiteral("0"), QStringLiteral("--resolution"), QStringLiteral("5000")},
                 "Valeur « 5000 » refusée pour l'option « resolution » : valeurs permises de 1 à 1200 dpi."},
        CasRefus{"mode inconnu du programme", {QStringLiteral("0"), QStringLiteral("--mode"), QStringLiteral("sepia")},
                 "Mode inconnu : sepia (couleur, gris ou trait)."},
        CasRefus{"option sans valeur", {QStringLiteral("0"), QStringLiteral("--option"), QStringLiteral("depth")},
                 "--option attend NOM=VALEUR : depth"}));

TEST_F(CommandesAcquisition, UneErreurDeLAppareilNeLaissePasDImageAMoitie)
{
    const Execution e = Executer("acquerir", {QStringLiteral("0"), Chemin("scan.png"), QStringLiteral("--option"),
                                              QStringLiteral("read-return-value=SANE_STATUS_JAMMED")});
    EXPECT_EQ(e.statut, 1);
    EXPECT_EQ(e.sortie, QStringLiteral("fichier\tlargeur\thauteur\tresolution\n"));
    EXPECT_EQ(e.erreurs, QStringLiteral("Le papier est coincé dans le chargeur de documents.\n"));
    EXPECT_FALSE(QFile::exists(Chemin("scan.png")));
}

TEST(CommandeSources, SansBibliothequeLeMessageFrancaisEtLeStatut1)
{
    qputenv("KAPTORI_BIBLIOTHEQUE_SANE", "libkaptori-sans-sane.so.9");
    const ProcessusCli r = LancerCli({QStringLiteral("sources")});
    qunsetenv("KAPTORI_BIBLIOTHEQUE_SANE");
    EXPECT_EQ(r.statut, 1);
    EXPECT_TRUE(r.sortie.isEmpty());
    EXPECT_EQ(QString::fromUtf8(r.erreurs),
              QStringLiteral("La bibliothèque d'acquisition n'a pas pu être chargée : vérifiez que la source est "
                             "installée.\n"));
}

struct CasNom {
    const char *sortie;
    int k;
    const char *attendu;
};

void PrintTo(const CasNom &c, std::ostream *os)
{
    *os << c.sortie << " " << c.k;
}

class NomsImages : public ::testing::TestWithParam<CasNom> {};

TEST_P(NomsImages, LeNumeroVaAvantLExtension)
{
    EXPECT_EQ(NomImageAcquise(QString::fromUtf8(GetParam().sortie), GetParam().k), QString::fromUtf8(GetParam().attendu));
}

INSTANTIATE_TEST_SUITE_P(Sorties, NomsImages,
                         ::testing::Values(CasNom{"scan.png", 1, "scan.png"}, CasNom{"scan.png", 2, "scan-2.png"},
                                           CasNom{"pages/scan.tar.png", 12, "pages/scan.tar-12.png"},
                                           CasNom{"lot.v2/scan", 3, "lot.v2/scan-3"},
                                           CasNom{".cache", 2, ".cache-2"}));

} // namespace
