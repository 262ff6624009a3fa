#include "app/cli/commandes_cli.h"

const std::vector<CommandeCli> &CommandesCli()
{
    static const std::vector<CommandeCli> commandes = {
        {"mesure", "FICHIER X Y [X2 Y2]", "position lue avec l'échelle du fichier, ou longueur du segment", CommandeMesure},
        {"angle", "AX AY BX BY CX CY DX DY", "angle entre les segments AB et CD : aigu (orienté)", CommandeAngle},
        {"valeur", "FICHIER X Y", "couleur et valeur décodée du pixel (X, Y), comme la barre d'état et le panneau de décodage", CommandeValeur},
        {"canal", "FICHIER INDEX SORTIE",
         "écrit le plan brut du canal INDEX (0 pour le premier) d'un fichier raster, L × H octets", CommandeCanal},
    };
    return commandes;
}
