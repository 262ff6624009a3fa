#include "commun/fichier_texte.h"
#include "support/disque_plein.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(FichierTexte, writes_windows_1252_with_crlf_and_question_marks)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("t.txt"));
    ASSERT_TRUE(EcrireFichierTexte(chemin, {QStringLiteral("échelle €"), QStringLiteral("ω")}));
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\xE9" "chelle \x80\r\n?\r\n"));
}

TEST(FichierTexte, reads_back_what_it_wrote)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("t.txt"));
    const QStringList lignes = {QStringLiteral("Règle µm"), QString(), QStringLiteral("œuvre")};
    ASSERT_TRUE(EcrireFichierTexte(chemin, lignes));
    EXPECT_EQ(LireFichierTexte(chemin), lignes);
}

TEST(FichierTexte, reads_utf8_edited_by_hand_and_every_line_end)
{
    EXPECT_EQ(DecoderTexte(QByteArray("d\xC3\xA9")), QStringLiteral("dé"));
    EXPECT_EQ(DecoderTexte(QByteArray("d\xE9")), QStringLiteral("dé"));
    EXPECT_EQ(DecouperLignes(QStringLiteral("a\r\nb\nc\rd\r\n")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_EQ(DecouperLignes(QStringLiteral("a\n\nb")),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
}

TEST(FichierTexte, missing_file_gives_nothing)
{
    EXPECT_FALSE(LireFichierTexte(QStringLiteral("/nonexistent/dir/x.txt")).has_value());
}

TEST(FichierTexte, failed_write_keeps_the_old_file)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("t.txt"));
    ASSERT_TRUE(EcrireFichierTexte(chemin, {QStringLiteral("ancien")}));
    EXPECT_FALSE(EcrireFichierTexte(dossier.filePath(QStringLiteral("absent/t.txt")), {QStringLiteral("x")}));
    EXPECT_EQ(LireFichierTexte(chemin), QStringList{QStringLiteral("ancien")});
}

TEST(FichierTexte, a_full_disk_keeps_the_old_file_and_leaves_no_temporary_file)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("t.txt"));
    ASSERT_TRUE(EcrireFichierTexte(chemin, {QStringLiteral("ancien")}));
    {
        const DisquePlein plein(100);
        EXPECT_FALSE(EcrireFichierTexte(chemin, {QString(150, QLatin1Char('n'))}));
    }
    EXPECT_EQ(LireFichierTexte(chemin), QStringList{QStringLiteral("ancien")});
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("t.txt")});
}

} // namespace
