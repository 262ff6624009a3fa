// The manual page of kaptori-cli, written from the command table that --help
// prints, so that the two always list the same commands with the same words.

#include "app/cli/commandes_cli.h"

namespace {

// Text made safe for roff: backslashes and hyphens escaped (a hyphen in an
// option must stay a plain minus sign), and a line that would begin with a
// control character protected.
QString Roff(const QString &texte)
{
    QString sur;
    for (const QChar c : texte) {
        if (c == QLatin1Char('\\'))
            sur += QStringLiteral("\\e");
        else if (c == QLatin1Char('-'))
            sur += QStringLiteral("\\-");
        else
            sur += c;
    }
    if (sur.startsWith(QLatin1Char('.')) || sur.startsWith(QLatin1Char('\'')))
        sur.prepend(QStringLiteral("\\&"));
    return sur;
}

QString Roff(const char *utf8)
{
    return Roff(QString::fromUtf8(utf8));
}

} // namespace

void EcrirePageManuelCli(QTextStream &out, const QString &version)
{
    out << QStringLiteral(".TH KAPTORI\\-CLI 1 \"\" \"Kaptori %1\" \"Commandes de l'utilisateur\"\n").arg(Roff(version));
    out << QStringLiteral(".SH NOM\nkaptori\\-cli \\- compagnon en ligne de commande de Kaptori\n");
    out << QStringLiteral(".SH SYNOPSIS\n.B kaptori\\-cli\n.I COMMANDE\n.RI [ ARGUMENTS ...]\n.br\n"
                          ".B kaptori\\-cli \\-\\-help\n");
    out << QStringLiteral(".SH DESCRIPTION\n") << Roff(kResumeCli) << QLatin1Char('\n');
    out << QStringLiteral(".PP\nLes commandes appellent le même code que le programme \\fBkaptori\\fR(1), "
                          "sans fenêtre : elles conviennent aux scripts, aux travaux par lots et aux sessions à "
                          "distance. Le programme choisit de lui\\-même la plate\\-forme Qt \\fIoffscreen\\fR "
                          "lorsque \\fBQT_QPA_PLATFORM\\fR n'est pas défini.\n");
    out << QStringLiteral(".SH COMMANDES\n");
    for (const CommandeCli &c : CommandesCli()) {
        out << QStringLiteral(".TP\n\\fB") << Roff(c.nom) << QStringLiteral("\\fR");
        if (*c.usage)
            out << QLatin1Char(' ') << Roff(c.usage);
        out << QLatin1Char('\n') << Roff(c.description) << QLatin1Char('\n');
    }
    out << QStringLiteral(".SH OPTIONS\n.TP\n.BR \\-\\-help \", \" \\-h\naffiche l'aide : la liste des commandes "
                          "ci\\-dessus.\n");
    out << QStringLiteral(".SH \"STATUT DE SORTIE\"\n0 quand la commande a réussi ; 1 quand elle a échoué, après un "
                          "message en français sur la sortie d'erreur, ou quand aucune commande n'est donnée.\n");
    out << QStringLiteral(".SH NOTES\n") << Roff(kNoteNombresCli) << QStringLiteral("\n.PP\n") << Roff(kNoteSortieCli)
        << QLatin1Char('\n');
    out << QStringLiteral(".SH \"VOIR AUSSI\"\n.BR kaptori (1)\n");
}
