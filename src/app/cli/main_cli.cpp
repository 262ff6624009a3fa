// kaptori-cli: the program's operations without a window, for scripts and
// batch work. It selects Qt's offscreen platform itself so that it runs
// without a display.

#include "app/cli/commandes_cli.h"
#include "commun/erreur.h"
#include "commun/nombres.h"

#include <QGuiApplication>
#include <QStringConverter>

#include <cstdio>
#include <new>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Qt warns on standard error when XDG_RUNTIME_DIR is missing (cron jobs,
// ssh sessions), which pollutes the output scripts read. Give it the private
// folder it would fall back to anyway.
void PreparerDossierExecution()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray dossier = QByteArrayLiteral("/tmp/runtime-") + QByteArray::number(static_cast<qulonglong>(getuid()));
    ::mkdir(dossier.constData(), 0700);
    struct stat etat {};
    if (::stat(dossier.constData(), &etat) == 0 && S_ISDIR(etat.st_mode) && etat.st_uid == getuid()) {
        ::chmod(dossier.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dossier);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PreparerDossierExecution();
    // Qt would take options of its own out of the arguments ("--style",
    // "-platform"…): it is given the program's name alone, and the commands
    // receive every argument as typed.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    int argcQt = 1;
    QGuiApplication app(argcQt, argv);
    QGuiApplication::setApplicationName(QStringLiteral("kaptori-cli"));
    TesterSeparateurDecimal();

    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    sortie.setEncoding(QStringConverter::Utf8);
    erreurs.setEncoding(QStringConverter::Utf8);

    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")
        || args.first() == QLatin1String("aide")) {
        AfficherAideCli(sortie);
        return args.isEmpty() ? 1 : 0;
    }
    const QString nom = args.takeFirst();
    for (const CommandeCli &c : CommandesCli()) {
        if (nom == QString::fromUtf8(c.nom)) {
            int statut = 1;
            try {
                statut = c.executer(args, sortie, erreurs);
            } catch (const ErreurKaptori &e) {
                erreurs << e.message() << QLatin1Char('\n');
            } catch (const std::bad_alloc &) {
                erreurs << QStringLiteral("Mémoire insuffisante\n");
            } catch (const std::exception &e) {
                erreurs << QString::fromLocal8Bit(e.what()) << QLatin1Char('\n');
            }
            sortie.flush();
            erreurs.flush();
            return statut;
        }
    }
    erreurs << QStringLiteral("Commande inconnue : %1 (kaptori-cli --help donne la liste)\n").arg(nom);
    return 1;
}
