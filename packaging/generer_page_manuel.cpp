// Build-time tool: writes the manual page of kaptori-cli to the file given
// as first argument, for the version given as second argument.

#include "app/cli/commandes_cli.h"

#include <QFile>
#include <QStringConverter>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("Usage : generer_page_manuel SORTIE.1 VERSION\n", stderr);
        return 1;
    }
    QFile fichier(QString::fromLocal8Bit(argv[1]));
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "Impossible d'écrire %s\n", argv[1]);
        return 1;
    }
    QTextStream out(&fichier);
    out.setEncoding(QStringConverter::Utf8);
    EcrirePageManuelCli(out, QString::fromLocal8Bit(argv[2]));
    out.flush();
    return out.status() == QTextStream::Ok && fichier.error() == QFileDevice::NoError ? 0 : 1;
}
