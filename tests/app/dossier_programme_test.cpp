// The program's folder: the current directory when run from a build, the
// installed data folder when the executable lies in <prefix>/bin, with the
// user's own folder for the scales it saves.

#include "app/dossier_programme.h"
#include "support/fichier_essai.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class DossierProgramme : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(racine_.isValid()); }
    QString Creer(const QString &chemin) const
    {
        EXPECT_TRUE(QDir(racine_.path()).mkpath(chemin));
        return racine_.filePath(chemin);
    }
    void Ecrire(const QString &chemin, const QByteArray &contenu) const
    {
        ASSERT_TRUE(EcrireFichier(chemin, contenu));
    }
    QTemporaryDir racine_;
};

TEST_F(DossierProgramme, executable_in_prefix_bin_finds_the_installed_data_folder)
{
    const QString bin = Creer(QStringLiteral("usr/bin"));
    const QString donnees = Creer(QStringLiteral("usr/share/kaptori"));
    const QString courant = Creer(QStringLiteral("home/eleve"));
    const QString utilisateur = racine_.filePath(QStringLiteral("home/eleve/.local/share/kaptori"));

    const DossiersProgramme d = DossiersDepuis(bin, courant, utilisateur);
    EXPECT_EQ(d.programme, donnees + QLatin1Char('/'));
    EXPECT_EQ(d.ecriture, utilisateur + QLatin1Char('/')) << "the installed folder is not the user's to write";
    EXPECT_EQ(DossierDonneesInstallees(bin + QLatin1Char('/')), donnees + QLatin1Char('/'));
}

TEST_F(DossierProgramme, executable_of_a_build_keeps_the_current_directory_for_reading_and_writing)
{
    const QString construction = Creer(QStringLiteral("build/release/src"));
    const QString courant = Creer(QStringLiteral("travail"));

    const DossiersProgramme d = DossiersDepuis(construction, courant, racine_.filePath(QStringLiteral("perso")));
    EXPECT_EQ(d.programme, courant + QLatin1Char('/'));
    EXPECT_EQ(d.ecriture, courant + QLatin1Char('/'));
    EXPECT_TRUE(DossierDonneesInstallees(construction).isEmpty());
}

TEST_F(DossierProgramme, bin_folder_without_installed_data_is_no_installation)
{
    const QString bin = Creer(QStringLiteral("opt/bin"));
    Creer(QStringLiteral("opt/share/autre"));
    const QString courant = Creer(QStringLiteral("ici"));
    EXPECT_EQ(DossiersDepuis(bin, courant, QStringLiteral("/ailleurs")).programme, courant + QLatin1Char('/'));
    EXPECT_TRUE(DossierDonneesInstallees(QString()).isEmpty());
}

TEST_F(DossierProgramme, user_copy_of_a_file_is_read_before_the_installed_one)
{
    const QString programme = Creer(QStringLiteral("usr/share/kaptori")) + QLatin1Char('/');
    const QString utilisateur = Creer(QStringLiteral("perso/kaptori")) + QLatin1Char('/');
    const DossiersProgramme d{programme, utilisateur};
    const QString nom = QStringLiteral("mesechelles.txt");

    EXPECT_EQ(FichierALire(d, nom), programme + nom) << "no copy of the user's yet";
    Ecrire(utilisateur + nom, "A\r\n<SCALE=0;1;mm;>\r\n");
    EXPECT_EQ(FichierALire(d, nom), utilisateur + nom);
}

} // namespace
