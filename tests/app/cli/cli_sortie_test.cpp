// Where the commands that write bytes put them, as every command-line tool
// does: "-" is the standard output (no file named "-" appears); an existing
// path that is not a regular file, here a FIFO read by another process, is
// written in place and stays a FIFO; a regular file is replaced safely as
// before. The tests never point at a device such as /dev/null itself.

#include "support/fichier_essai.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include <sys/stat.h>

namespace {

struct Resultat {
    int statut = -1;
    QByteArray sortie;
    QString erreurs;
};

Resultat Lancer(const QStringList &arguments, const QString &dossier)
{
    QProcess p;
    p.setWorkingDirectory(dossier);
    p.start(QStringLiteral(KAPTORI_CLI), arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

class SortieCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier_.isValid());
        QImage image(3, 2, QImage::Format_ARGB32);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                image.setPixel(x, y, qRgba(10 * x + 1, 20 * y + 2, 30, 255));
        photo_ = dossier_.filePath(QStringLiteral("petite.png"));
        ASSERT_TRUE(image.save(photo_, "png"));
    }

    // The bytes rgba writes for the picture, through a regular file.
    QByteArray OctetsDeReference()
    {
        const QString chemin = dossier_.filePath(QStringLiteral("reference.rgba"));
        EXPECT_EQ(Lancer({QStringLiteral("rgba"), photo_, chemin}, dossier_.path()).statut, 0);
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dossier_;
    QString photo_;
};

TEST_F(SortieCli, a_dash_writes_the_bytes_on_the_standard_output_and_no_file_named_dash)
{
    const QByteArray attendu = OctetsDeReference();
    ASSERT_EQ(attendu.size(), 3 * 2 * 4);
    const Resultat r = Lancer({QStringLiteral("rgba"), photo_, QStringLiteral("-")}, dossier_.path());
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, attendu);
    EXPECT_FALSE(QFile::exists(dossier_.filePath(QStringLiteral("-"))));

    // The same for a picture file written by convert: BMP on the standard
    // output, and no side-file named after "-".
    const Resultat c = Lancer({QStringLiteral("convert"), photo_, QStringLiteral("-")}, dossier_.path());
    ASSERT_EQ(c.statut, 0) << c.erreurs.toStdString();
    EXPECT_TRUE(c.sortie.startsWith("BM"));
    EXPECT_EQ(QDir(dossier_.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("-")), QStringList());

    // And a PDF from imprimer.
    const Resultat p = Lancer({QStringLiteral("imprimer"), photo_, QStringLiteral("-")}, dossier_.path());
    ASSERT_EQ(p.statut, 0) << p.erreurs.toStdString();
    EXPECT_TRUE(p.sortie.startsWith("%PDF-"));
    EXPECT_TRUE(p.sortie.trimmed().endsWith("%%EOF"));
}

TEST_F(SortieCli, a_fifo_is_written_in_place_and_stays_a_fifo)
{
    const QByteArray attendu = OctetsDeReference();
    const QString fifo = dossier_.filePath(QStringLiteral("tube"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    // A reader on the other end, as a script's pipeline would have.
    QProcess lecteur;
    lecteur.start(QStringLiteral("cat"), {fifo});
    ASSERT_TRUE(lecteur.waitForStarted());
    const Resultat r = Lancer({QStringLiteral("rgba"), photo_, fifo}, dossier_.path());
    ASSERT_TRUE(lecteur.waitForFinished(60000));
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(lecteur.readAllStandardOutput(), attendu);

    struct stat etat {};
    ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &etat), 0);
    EXPECT_TRUE(S_ISFIFO(etat.st_mode)) << "the FIFO was replaced by a regular file";
    EXPECT_EQ(QDir(dossier_.path()).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 3)
        << "petite.png, reference.rgba and the FIFO, no temporary file";
}

// The commands that save a picture with its side-files, each writing into a
// FIFO: a stream has no folder of its own (for /dev/null the side-files
// would land in /dev as ".sca" and ".ccc").
struct CasFlux {
    const char *nom;
    QStringList avant; // the command and the arguments before the input
    QStringList apres; // the arguments after the output
};

void PrintTo(const CasFlux &c, std::ostream *os) { *os << c.nom; }

class FluxSansAnnexes : public SortieCli, public ::testing::WithParamInterface<CasFlux> {};

TEST_P(FluxSansAnnexes, a_picture_saved_into_a_fifo_gets_no_side_files_beside_it)
{
    const CasFlux &c = GetParam();
    const QString fifo = dossier_.filePath(QStringLiteral("tube.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QProcess lecteur;
    lecteur.start(QStringLiteral("cat"), {fifo});
    ASSERT_TRUE(lecteur.waitForStarted());
    const Resultat r = Lancer(c.avant + QStringList{photo_, fifo} + c.apres, dossier_.path());
    ASSERT_TRUE(lecteur.waitForFinished(60000));
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_TRUE(lecteur.readAllStandardOutput().startsWith("\x89PNG"));
    EXPECT_EQ(QDir(dossier_.path()).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral("petite.png"), QStringLiteral("tube.png")}));
}

const CasFlux kFlux[] = {
    {"convert", {QStringLiteral("convert")}, {}},
    {"filtre", {QStringLiteral("filtre")}, {QStringLiteral("--operation"), QStringLiteral("flou")}},
    {"legende", {QStringLiteral("legende")}, {QStringLiteral("--couleurs")}},
};

INSTANTIATE_TEST_SUITE_P(Commandes, FluxSansAnnexes, ::testing::ValuesIn(kFlux),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST_F(SortieCli, a_regular_file_is_replaced_whole)
{
    const QString chemin = dossier_.filePath(QStringLiteral("sortie.rgba"));
    ASSERT_TRUE(EcrireFichier(chemin, QByteArray(1000, 'x')));
    ASSERT_EQ(Lancer({QStringLiteral("rgba"), photo_, chemin}, dossier_.path()).statut, 0);
    EXPECT_EQ(QFileInfo(chemin).size(), 3 * 2 * 4);
}

} // namespace
