// kaptori-cli convert, run as a script runs it: a photo becomes a document
// file that holds its pixels and scale, the document file becomes a picture
// with its side-files, and bad options or a damaged file give status 1, a
// French message and no file.

#include "commun/erreur.h"
#include "calibration/echelle_annexe.h"
#include "document/fichier_document.h"
#include "document/formats/lecteur_image.h"
#include "document/raster/fichiers_raster_test.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct Resultat {
    int statut = -1;
    QString erreurs;
    QString sortie;
};

Resultat Lancer(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(KAPTORI_CLI), arguments);
    EXPECT_TRUE(p.waitForFinished(120000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError()),
            QString::fromUtf8(p.readAllStandardOutput())};
}

Resultat Convertir(const QStringList &arguments)
{
    return Lancer(QStringList{QStringLiteral("convert")} + arguments);
}

QString Photo()
{
    return qEnvironmentVariable("KAPTORI_DATA") + QStringLiteral("/photo.jpg");
}

TEST(CommandeConvert, UnePhotoDevientUnDocumentPuisUneImageAvecSesAnnexes)
{
    QTemporaryDir dossier;
    const QString kpt = dossier.filePath(QStringLiteral("photo.kpt"));
    Resultat r = Convertir({Photo(), kpt, QStringLiteral("--codage"), QStringLiteral("png")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    const ContenuDocument document = LireFichierDocument(kpt);
    EXPECT_EQ(document.codage, CodageImage::Png);
    EXPECT_EQ(document.image, LireImage(Photo()));
    EXPECT_EQ(document.echelle, LireEchelleAnnexe(Photo())); // photo.sca beside the photo
    EXPECT_FALSE(QFile::exists(dossier.filePath(QStringLiteral("photo.sca"))));

    const QString png = dossier.filePath(QStringLiteral("photo_exportee.png"));
    r = Convertir({kpt, png});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(LireImage(png), document.image);
    EXPECT_EQ(LireEchelleAnnexe(png), document.echelle);
}

TEST(CommandeConvert, SansCodageLeDocumentGardeSonImageSansPerte)
{
    QTemporaryDir dossier;
    const QString kpt = dossier.filePath(QStringLiteral("carte.kpt"));
    const Resultat r = Convertir({Photo(), kpt});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    const ContenuDocument document = LireFichierDocument(kpt);
    EXPECT_EQ(document.codage, CodageImage::Png);
    EXPECT_EQ(document.image, LireImage(Photo()));
}

TEST(CommandeConvert, LaQualiteChoisieEstCelleDuJpegEcrit)
{
    QTemporaryDir dossier;
    const auto pasContinu = [](const QString &chemin) {
        QFile f(chemin);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        return static_cast<int>(static_cast<unsigned char>(octets.at(octets.indexOf("\xFF\xDB") + 5)));
    };
    const QString q50 = dossier.filePath(QStringLiteral("q50.jpg"));
    const QString q100 = dossier.filePath(QStringLiteral("q100.jpg"));
    ASSERT_EQ(Convertir({Photo(), q50, QStringLiteral("--qualite"), QStringLiteral("50")}).statut, 0);
    ASSERT_EQ(Convertir({Photo(), q100, QStringLiteral("--qualite"), QStringLiteral("100")}).statut, 0);
    EXPECT_EQ(pasContinu(q50), 16); // libjpeg's table at 100 %
    EXPECT_EQ(pasContinu(q100), 1);
}

// A raster file that lacks pixel bytes opens with its missing pixels at 0,
// as in the program, where a warning box says so: the command says it on the
// error stream and still does its work.
TEST(CommandeConvert, UnFichierRasterIncompletEstConvertiAvecSonAvertissement)
{
    QTemporaryDir dossier;
    const QString court = dossier.filePath(QStringLiteral("court.lan"));
    fixtures::Ecrire(court, fixtures::Lan(4, 4, 4, 40, [](qint64) { return 3; }));
    const QString png = dossier.filePath(QStringLiteral("court.png"));
    const Resultat r = Convertir({court, png});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_TRUE(r.erreurs.contains(QStringLiteral("incomplet"))) << r.erreurs.toStdString();
    EXPECT_EQ(LireImage(png).size(), QSize(4, 4));
}

TEST(CommandeInfo, UnFichierRasterIncompletDonneSesLignesEtSonAvertissement)
{
    QTemporaryDir dossier;
    const QString court = dossier.filePath(QStringLiteral("court.lan"));
    fixtures::Ecrire(court, fixtures::Lan(4, 4, 4, 40, [](qint64) { return 3; }));
    const Resultat r = Lancer({QStringLiteral("info"), court});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_TRUE(r.sortie.startsWith(QStringLiteral("format: raster LAN\ntaille: 4x4\n"))) << r.sortie.toStdString();
    EXPECT_TRUE(r.erreurs.contains(QStringLiteral("incomplet"))) << r.erreurs.toStdString();
}

struct CasRefus {
    std::string nom;
    QStringList options;
    QString extrait; // part of the message
};

void PrintTo(const CasRefus &c, std::ostream *os) { *os << c.nom; }

class RefusConvert : public ::testing::TestWithParam<CasRefus> {};

TEST_P(RefusConvert, DonneLeStatut1UnMessageEnFrancaisEtAucunFichier)
{
    QTemporaryDir dossier;
    const QString sortie = dossier.filePath(QStringLiteral("sortie.kpt"));
    const Resultat r = Convertir(QStringList{Photo(), sortie} + GetParam().options);
    EXPECT_EQ(r.statut, 1);
    EXPECT_TRUE(r.erreurs.contains(GetParam().extrait)) << r.erreurs.toStdString();
    EXPECT_FALSE(QFile::exists(sortie));
}

INSTANTIATE_TEST_SUITE_P(
    Options, RefusConvert,
    ::testing::Values(CasRefus{"codage_inconnu", {QStringLiteral("--codage"), QStringLiteral("gif")}, QStringLiteral("Codage inconnu")},
                      CasRefus{"qualite_trop_basse", {QStringLiteral("--qualite"), QStringLiteral("40")}, QStringLiteral("Qualité JPEG invalide")},
                      CasRefus{"qualite_sans_valeur", {QStringLiteral("--qualite")}, QStringLiteral("attend une valeur")},
                      CasRefus{"option_inconnue", {QStringLiteral("--vite")}, QStringLiteral("Option inconnue")}),
    [](const auto &info) { return info.param.nom; });

TEST(CommandeConvert, UnDocumentTronqueEstRefuseSansRienEcrire)
{
    QTemporaryDir dossier;
    const QString kpt = dossier.filePath(QStringLiteral("entier.kpt"));
    ASSERT_EQ(Convertir({Photo(), kpt, QStringLiteral("--codage"), QStringLiteral("bmp")}).statut, 0);
    QFile f(kpt);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    f.close();
    const QString tronque = dossier.filePath(QStringLiteral("tronque.kpt"));
    QFile t(tronque);
    ASSERT_TRUE(t.open(QIODevice::WriteOnly));
    t.write(octets.left(octets.size() / 2));
    t.close();

    const QString sortie = dossier.filePath(QStringLiteral("sortie.png"));
    const Resultat r = Convertir({tronque, sortie});
    EXPECT_EQ(r.statut, 1);
    EXPECT_TRUE(r.erreurs.contains(QStringLiteral("tronque.kpt"))) << r.erreurs.toStdString();
    EXPECT_FALSE(QFile::exists(sortie));
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files).size(), 2);
}

} // namespace
