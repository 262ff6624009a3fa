// The manual page of kaptori-cli is made from the table --help prints: every
// command shows in both with the same arguments and description, and the
// page's text is safe roff.

#include "app/cli/commandes_cli.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QString PageManuel()
{
    QString page;
    QTextStream flux(&page);
    EcrirePageManuelCli(flux, QStringLiteral("1.2"));
    flux.flush();
    return page;
}

QString Aide()
{
    QString aide;
    QTextStream flux(&aide);
    AfficherAideCli(flux);
    flux.flush();
    return aide;
}

// What man shows of a roff line written by the page: escapes undone.
QString SansEchappement(QString ligne)
{
    ligne.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    ligne.replace(QStringLiteral("\\e"), QStringLiteral("\\"));
    ligne.replace(QStringLiteral("\\&"), QString());
    ligne.replace(QStringLiteral("\\fB"), QString());
    ligne.replace(QStringLiteral("\\fR"), QString());
    return ligne;
}

TEST(PageManuelCli, lists_every_command_of_help_with_its_arguments_and_description)
{
    const QStringList lignes = PageManuel().split(QLatin1Char('\n'));
    const QString aide = Aide();
    ASSERT_FALSE(CommandesCli().empty());
    for (const CommandeCli &c : CommandesCli()) {
        const QString nom = QString::fromUtf8(c.nom);
        const QString entete = *c.usage ? nom + QLatin1Char(' ') + QString::fromUtf8(c.usage) : nom;
        const QString description = QString::fromUtf8(c.description);
        qsizetype i = 0;
        // A name with a hyphen ("creer-animation") is written with roff's "\-".
        auto estEntree = [&](const QString &ligne) {
            const qsizetype fin = ligne.indexOf(QStringLiteral("\\fR"));
            return ligne.startsWith(QStringLiteral("\\fB")) && fin > 0 && SansEchappement(ligne.left(fin)) == nom;
        };
        while (i < lignes.size() && !estEntree(lignes[i]))
            ++i;
        ASSERT_LT(i + 1, lignes.size()) << "no entry for " << c.nom;
        ASSERT_GT(i, 0);
        EXPECT_EQ(lignes[i - 1], QStringLiteral(".TP")) << c.nom;
        EXPECT_EQ(SansEchappement(lignes[i]), entete) << c.nom;
        EXPECT_EQ(SansEchappement(lignes[i + 1]), description) << c.nom;
        EXPECT_TRUE(aide.contains(QStringLiteral("  ") + entete + QStringLiteral("\n      ") + description + QLatin1Char('\n')))
            << "--help lacks " << c.nom;
    }
}

TEST(PageManuelCli, names_the_program_and_version_and_repeats_the_help_texts)
{
    const QString page = PageManuel();
    EXPECT_TRUE(page.startsWith(QStringLiteral(".TH KAPTORI\\-CLI 1 \"\" \"Kaptori 1.2\" ")));
    EXPECT_TRUE(page.contains(QStringLiteral("\n.SH NOM\nkaptori\\-cli \\- ")));
    EXPECT_TRUE(page.contains(QString::fromUtf8(kResumeCli)));
    EXPECT_TRUE(page.contains(QString::fromUtf8(kNoteNombresCli)));
    EXPECT_TRUE(page.contains(QStringLiteral(".BR \\-\\-help \", \" \\-h")));
}

TEST(PageManuelCli, text_lines_carry_no_bare_hyphen_and_no_control_character_at_their_start)
{
    for (const QString &ligne : PageManuel().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (ligne.startsWith(QLatin1Char('.')))
            continue; // a request of the page's own
        EXPECT_FALSE(ligne.startsWith(QLatin1Char('\''))) << ligne.toStdString();
        EXPECT_FALSE(ligne.contains(QRegularExpression(QStringLiteral("(^|[^\\\\])-")))) << ligne.toStdString();
    }
}

} // namespace
