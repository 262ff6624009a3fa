#pragma once
// Commands of kaptori-cli. Each command is a function taking its arguments
// (after the command name) and the two output streams, returning the exit
// status: 0 on success, 1 with a French message on the error stream.

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <vector>

using FonctionCommande = int (*)(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);

struct CommandeCli {
    const char *nom;
    const char *usage;       // arguments, as shown by --help
    const char *description; // one line, French
    FonctionCommande executer;
};

[[nodiscard]] const std::vector<CommandeCli> &CommandesCli();
