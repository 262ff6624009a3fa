// Safe saving: whatever goes wrong during a save, the file that was there
// before is still there, byte for byte, and no temporary file is left.

#include "commun/erreur.h"
#include "commun/ecriture_sure.h"
#include "support/fichier_essai.h"
#include "support/disque_plein.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

class EcritureSure : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier_.isValid());
        chemin_ = dossier_.filePath(QStringLiteral("travail.kpt"));
        ASSERT_TRUE(EcrireFichier(chemin_, "ancien contenu"));
    }

    [[nodiscard]] QByteArray Contenu() const
    {
        QFile f(chemin_);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }

    [[nodiscard]] QStringList Fichiers() const { return QDir(dossier_.path()).entryList(QDir::Files); }

    QTemporaryDir dossier_;
    QString chemin_;
};

TEST_F(EcritureSure, UneEcritureReussieRemplaceLeFichier)
{
    EcrireFichierSurFlux(chemin_, [](QIODevice &d) { EcrireOctets(d, "nouveau", 7); });
    EXPECT_EQ(Contenu(), QByteArray("nouveau"));
    EXPECT_EQ(Fichiers(), QStringList{QStringLiteral("travail.kpt")});
}

TEST_F(EcritureSure, UneErreurAuMilieuDeLEcritureLaisseLAncienFichierIntact)
{
    EXPECT_THROW(EcrireFichierSurFlux(chemin_,
                                      [](QIODevice &d) {
                                          EcrireOctets(d, "debut du nouveau", 16);
                                          throw ErreurDecodage(QStringLiteral("panne"));
                                      }),
                 ErreurDecodage);
    EXPECT_EQ(Contenu(), QByteArray("ancien contenu"));
    EXPECT_EQ(Fichiers(), QStringList{QStringLiteral("travail.kpt")});
}

TEST_F(EcritureSure, UnRenommageRefuseLaisseLaCibleIntacte)
{
    // The target is a folder that holds a file: the rename over it fails.
    const QString cible = dossier_.filePath(QStringLiteral("dossier.kpt"));
    ASSERT_TRUE(QDir().mkdir(cible));
    QFile dedans(cible + QStringLiteral("/garde.txt"));
    ASSERT_TRUE(dedans.open(QIODevice::WriteOnly));
    dedans.write("garde");
    dedans.close();
    EXPECT_THROW(EcrireFichierSurFlux(cible, [](QIODevice &d) { EcrireOctets(d, "x", 1); }), ErreurFichier);
    EXPECT_TRUE(QFileInfo(cible).isDir());
    EXPECT_TRUE(QFile::exists(cible + QStringLiteral("/garde.txt")));
    EXPECT_EQ(Fichiers(), QStringList{QStringLiteral("travail.kpt")});
}

TEST_F(EcritureSure, UnDossierInexistantDonneUneErreurEnFrancais)
{
    const QString chemin = dossier_.filePath(QStringLiteral("absent/image.png"));
    try {
        EcrireFichierSurFlux(chemin, [](QIODevice &d) { EcrireOctets(d, "x", 1); });
        FAIL() << "pas d'erreur";
    } catch (const ErreurFichier &e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Impossible de créer le fichier"))) << e.what();
        // The system's reason too, which Qt gives in English.
        EXPECT_TRUE(e.message().endsWith(QStringLiteral(" : fichier ou dossier introuvable"))) << e.what();
    }
}

// A disk that fills up while the last bytes wait in the file's buffer: the
// rename must not put a cut file in place of the former one.
struct CasDisquePlein {
    const char *nom;
    qint64 taille; // bytes written in one go; the disk takes 100
};

void PrintTo(const CasDisquePlein &c, std::ostream *os) { *os << c.nom; }

class DisquePleinEnEcrivant : public EcritureSure, public ::testing::WithParamInterface<CasDisquePlein> {};

TEST_P(DisquePleinEnEcrivant, LaisseLAncienFichierIntactEtDonneUneErreur)
{
    const QByteArray nouveau(GetParam().taille, 'n');
    QString message;
    {
        const DisquePlein plein(100);
        try {
            EcrireFichierSurFlux(chemin_, [&](QIODevice &d) { EcrireOctets(d, nouveau.constData(), nouveau.size()); });
        } catch (const ErreurFichier &e) {
            message = e.message();
        }
    }
    // The reason is given in French, whether the system's reason reached the
    // program or was lost on the way, as it often is when a write stops short.
    EXPECT_TRUE(message.endsWith(QStringLiteral(" : le disque est plein ou n'est plus accessible"))
                || message.endsWith(QStringLiteral(" : fichier trop gros pour le disque")))
        << message.toStdString();
    EXPECT_EQ(Contenu(), QByteArray("ancien contenu"));
    EXPECT_EQ(Fichiers(), QStringList{QStringLiteral("travail.kpt")});
}

const CasDisquePlein kDisquesPleins[] = {
    {"petit_fichier_reste_dans_le_tampon", 168},
    {"grand_fichier_ecrit_directement", 200000},
};

INSTANTIATE_TEST_SUITE_P(Ecriture, DisquePleinEnEcrivant, ::testing::ValuesIn(kDisquesPleins),
                         [](const auto &info) { return std::string(info.param.nom); });

} // namespace
