// kaptori-cli canal FICHIER INDEX SORTIE: the raw plane of one channel.

#include "app/cli/commandes_cli.h"
#include "commun/erreur.h"
#include "document/raster/fichiers_raster_test.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace fixtures;

struct Sortie {
    int statut = 0;
    QString erreurs;
};

Sortie Canal(const QStringList &arguments)
{
    QString texteSortie;
    QString texteErreurs;
    QTextStream sortie(&texteSortie);
    QTextStream erreurs(&texteErreurs);
    Sortie s;
    s.statut = CommandeCanal(arguments, sortie, erreurs);
    erreurs.flush();
    s.erreurs = texteErreurs;
    return s;
}

QByteArray Lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class CommandeCanalTest : public ::testing::Test {
protected:
    QTemporaryDir dossier_;
    QString scene_ = dossier_.filePath(QStringLiteral("scene.lan"));
    void SetUp() override
    {
        // 4 bands of 5 × 3, each pixel byte holding its offset.
        Ecrire(scene_, Lan(4, 5, 3, 60, [](qint64 o) { return static_cast<int>(o); }));
    }
};

TEST_F(CommandeCanalTest, writes_the_plane_of_band_3_row_by_row)
{
    const QString sortie = dossier_.filePath(QStringLiteral("tm3.raw"));
    const Sortie s = Canal({scene_, QStringLiteral("2"), sortie});
    EXPECT_EQ(s.statut, 0);
    QByteArray attendu;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            attendu.append(static_cast<char>(128 + (4 * y + 2) * 5 + x));
    EXPECT_EQ(Lire(sortie), attendu);
}

TEST_F(CommandeCanalTest, index_beyond_the_channels_or_not_a_number_fails_with_a_french_message)
{
    const QString sortie = dossier_.filePath(QStringLiteral("x.raw"));
    const Sortie loin = Canal({scene_, QStringLiteral("4"), sortie});
    EXPECT_EQ(loin.statut, 1);
    EXPECT_TRUE(loin.erreurs.contains(QStringLiteral("de 0 à 3")));
    EXPECT_EQ(Canal({scene_, QStringLiteral("-1"), sortie}).statut, 1);
    EXPECT_EQ(Canal({scene_, QStringLiteral("deux"), sortie}).statut, 1);
    EXPECT_EQ(Canal({scene_, QStringLiteral("1")}).statut, 1);
    EXPECT_FALSE(QFile::exists(sortie));
}

TEST_F(CommandeCanalTest, picture_files_have_no_channels_to_extract)
{
    const QString png = dossier_.filePath(QStringLiteral("a.png"));
    EXPECT_THROW((void)Canal({png, QStringLiteral("0"), dossier_.filePath(QStringLiteral("x.raw"))}), ErreurDecodage);
}

TEST_F(CommandeCanalTest, incomplete_file_is_extracted_with_its_warning_on_the_error_stream)
{
    const QString court = dossier_.filePath(QStringLiteral("court.lan"));
    Ecrire(court, Lan(1, 4, 4, 12, [](qint64) { return 3; }));
    const QString sortie = dossier_.filePath(QStringLiteral("c.raw"));
    const Sortie s = Canal({court, QStringLiteral("0"), sortie});
    EXPECT_EQ(s.statut, 0);
    EXPECT_TRUE(s.erreurs.contains(QStringLiteral("incomplet")));
    EXPECT_EQ(Lire(sortie), QByteArray(12, '\3') + QByteArray(4, '\0'));
}

} // namespace
