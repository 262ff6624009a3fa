#include "app/cli/commandes_cli.h"

const std::vector<CommandeCli> &CommandesCli()
{
    static const std::vector<CommandeCli> commandes = {
    };
    return commandes;
}
