#include "app/cli/commandes_cli.h"

const std::vector<CommandeCli> &CommandesCli()
{
    static const std::vector<CommandeCli> commandes = {
        {"info", "FICHIER", "format, taille, canaux, échelle et code couleur d'un fichier", CommandeInfo},
        {"rgba", "FICHIER SORTIE [--etirement 0|2|5|20|50]", "écrit l'image décodée en octets R, V, B, A bruts, ligne par ligne", CommandeRgba},
        {"imprimer", "FICHIER SORTIE.pdf [--lignes L] [--colonnes C] [--marges G,D,H,B] [--espace E] [--paysage] [--a3] [--couleur] [--copies N]",
         "imprime l'image aplatie en grille de copies dans un fichier PDF", CommandeImprimer},
        {"valeur", "FICHIER X Y", "couleur et valeur décodée du pixel (X, Y), comme la barre d'état et le panneau de décodage", CommandeValeur},
        {"mesure", "FICHIER X Y [X2 Y2]", "position lue avec l'échelle du fichier, ou longueur du segment", CommandeMesure},
        {"angle", "AX AY BX BY CX CY DX DY", "angle entre les segments AB et CD : aigu (orienté)", CommandeAngle},
        {"convert", "IN OUT [--codage jpg|png|bmp|non] [--qualite N]",
         "ouvre IN et l'enregistre sous OUT comme « Enregistrer sous » (format selon l'extension, fichiers .sca et .ccc)",
         CommandeConvert},
        {"canal", "FICHIER INDEX SORTIE",
         "écrit le plan brut du canal INDEX (0 pour le premier) d'un fichier raster, L × H octets", CommandeCanal},
        {"axe", "VALEUR... [--pas-min N] [--pas-max N]",
         "bornes, pas, décimales et graduations de l'axe automatique d'un graphique pour ces valeurs", CommandeAxe},
        {"tableau", "FICHIER [--totaux | --moyennes] [--series] [--entetes N] [--sortie TEXTE] [--graphe IMAGE.gif|.bmp] [--taille LxH]",
         "lit un tableau de résultats enregistré, calcule totaux ou moyennes, écrit son texte et son graphique",
         CommandeTableau},
    };
    return commandes;
}
