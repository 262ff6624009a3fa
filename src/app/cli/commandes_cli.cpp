#include "app/cli/commandes_cli.h"

const std::vector<CommandeCli> &CommandesCli()
{
    static const std::vector<CommandeCli> commandes = {
        {"info", "FICHIER", "format, taille, canaux, échelle et code couleur d'un fichier", CommandeInfo},
        {"rgba", "FICHIER SORTIE [--etirement 0|2|5|20|50] [--canaux B,V,R]",
         "écrit l'image décodée en octets R, V, B, A bruts, ligne par ligne (--canaux : canaux affichés en bleu, vert, "
         "rouge, index depuis 0 ou « - »)",
         CommandeRgba},
        {"imprimer", "FICHIER SORTIE.pdf [--lignes L] [--colonnes C] [--marges G,D,H,B] [--espace E] [--paysage] [--a3] [--couleur] [--copies N]",
         "imprime l'image aplatie en grille de copies dans un fichier PDF", CommandeImprimer},
        {"valeur", "FICHIER X Y", "couleur et valeur décodée du pixel (X, Y), comme la barre d'état et le panneau de décodage", CommandeValeur},
        {"mesure", "FICHIER X Y [X2 Y2]", "position lue avec l'échelle du fichier, ou longueur du segment", CommandeMesure},
        {"profil",
         "FICHIER X0 Y0 X1 Y1 [--largeur W] [--canal C[,C...]] [--mesure emission|absorption|do] [--zero Z] "
         "[--conversion LIGNE=VALEUR]... [--nom N] [--unite U] [--surface A:B] [--graphe SORTIE.gif|.bmp]",
         "profil d'intensité le long d'une bande : tableau des valeurs, surface entre deux échantillons, graphique",
         CommandeProfil},
        {"lumiere", "FICHIER X0 Y0 X1 Y1 | FICHIER --zone [--unite pourcent|rvb] [--zero X0,Y0,X1,Y1]",
         "couleur moyenne du rectangle (ou de ce qui est coloré, --zone), puis intensité, absorption et D.O. nettes "
         "en rouge, vert, bleu et globale, comme la fenêtre des valeurs de lumière",
         CommandeLumiere},
        {"serie",
         "X0 Y0 X1 Y1 FICHIER FICHIER... [--mesure intensite|absorption|do] [--unite pourcent|rvb] "
         "[--composante rouge|verte|bleue|luminosite] [--grandeur G] [--unite-x U] [--premier V] [--ecart E] "
         "[--zero X0,Y0,X1,Y1]",
         "série de mesures de lumière sur le même rectangle de chaque fichier : texte du tableau de résultats",
         CommandeSerie},
        {"angle", "AX AY BX BY CX CY DX DY", "angle entre les segments AB et CD : aigu (orienté)", CommandeAngle},
        {"convert", "IN OUT [--codage jpg|png|bmp|non] [--qualite N]",
         "ouvre IN et l'enregistre sous OUT comme « Enregistrer sous » (format selon l'extension, fichiers .sca et .ccc)",
         CommandeConvert},
        {"canal", "FICHIER INDEX SORTIE",
         "écrit le plan brut du canal INDEX (0 pour le premier) d'un fichier raster, L × H octets", CommandeCanal},
        {"combiner",
         "IMAGE1 IMAGE2 [IMAGE3] SORTIE [--coef1 A] [--coef2 A] [--coef3 A] [--soustraire] [--multiplier] [--soustraire3] "
         "[--rvb] [--sans-etaler] [--logique METHODE]",
         "combine des images algébriquement (ou logiquement avec --logique srcand … blackness) en un document « Combinaison »",
         CommandeCombiner},
        {"transformer", "FICHIER SORTIE --operation OP [--operation OP]... [--fond R,V,B]",
         "applique dans l'ordre : gris, inverser, blanc=X1,Y1,X2,Y2, pixelliser=N, symetrie-h, symetrie-v, "
         "rotation-90|180|270, recadrer=X,Y,L,H, redimensionner=P, agrandir=L,H[,centre|haut-gauche|haut-droite|bas-gauche|bas-droite]",
         CommandeTransformer},
        {"histogramme", "FICHIER",
         "nombre de points, minima et maxima R V B, puis les comptes de chaque niveau en rouge, vert et bleu",
         CommandeHistogramme},
        {"filtre", "FICHIER SORTIE --operation OP [--limites R1-R2,V1-V2,B1-B2] [--couleur R,V,B] [--grises]",
         "document « Modifié » de la fenêtre des histogrammes : flou, flou-gaussien, accentuer, contour, lithographie, "
         "sobel, evide, gamma=G, tsl=S,L, etirer, colorer ; ou composante bleu, vert, rouge de la décomposition",
         CommandeFiltre},
        {"axe", "VALEUR... [--pas-min N] [--pas-max N]",
         "bornes, pas, décimales et graduations de l'axe automatique d'un graphique pour ces valeurs", CommandeAxe},
        {"tableau", "FICHIER [--totaux | --moyennes] [--series] [--entetes N] [--sortie TEXTE] [--graphe IMAGE.gif|.bmp] [--taille LxH]",
         "lit un tableau de résultats enregistré, calcule totaux ou moyennes, écrit son texte et son graphique",
         CommandeTableau},
        {"surface", "FICHIER --conditions TEXTE [--sortie IMAGE]",
         "compte et colore les pixels qui répondent aux conditions, ex. « (Rouge 129..255 et Verte 129..255) et non "
         "Bleue 128..255 » ; surface avec l'échelle du fichier",
         CommandeSurface},
        {"objets",
         "FICHIER --conditions TEXTE [--taille-min T] [--details] [--reperes] [--sans-coloration] "
         "[--sans-regroupement] [--incomplets] [--tableau] [--sortie IMAGE]",
         "délimite, compte et mesure les objets qui répondent aux conditions (tableau séparé par des tabulations)",
         CommandeObjets},
        {"compter", "FICHIER POINTS SORTIE [--epaisseur E] [--marque K=FORME[,R,V,B]]...",
         "pose les marques de comptage du fichier POINTS (lignes « K X Y ») et écrit l'image avec ses marques",
         CommandeCompter},
        {"sources", "", "les scanners et caméras trouvés : nom, fabricant, modèle, type (séparés par des tabulations)",
         CommandeSources},
        {"acquerir", "SOURCE SORTIE [--resolution DPI] [--mode couleur|gris|trait] [--option NOM=VALEUR]... [--sans-echelle]",
         "acquiert les images d'un scanner ou d'une caméra (nom ou numéro dans sources) dans SORTIE, SORTIE-2…, avec "
         "l'échelle de la résolution",
         CommandeAcquerir},
        {"quadrillage", "FICHIER SORTIE --maille V [--couleur R,V,B]",
         "trace un quadrillage de maille V (dans l'unité de l'échelle) et l'écrit fusionné dans l'image",
         CommandeQuadrillage},
        {"animation", "LISTE.anm [SORTIE.gif] [--intervalle N] [--sans-boucle]",
         "charge une liste d'animation comme le lecteur et décrit ses images ; avec SORTIE, écrit un GIF animé "
         "(délai N × 50 ms, 2 par défaut, en boucle sauf --sans-boucle)",
         CommandeAnimation},
        {"creer-animation", "LISTE.anm FICHIER FICHIER...",
         "construit une animation des fichiers aplatis, dans l'ordre, l'enregistre comme « Enregistrer » du lecteur "
         "et écrit ses lignes",
         CommandeCreerAnimation},
        {"amorcer", "FICHIER [SORTIE] [--style NOM] [--styles FICHIER.sty]",
         "amorce un schéma de l'image avec un style (le premier par défaut, styles lus dans « stylesdess.sty ») ; "
         "sans SORTIE, écrit le fichier schéma BMP à côté de l'image",
         CommandeAmorcer},
        {"styles", "[FICHIER.sty]",
         "styles d'amorçage tels qu'ils sont lus (les styles intégrés quand le fichier manque ou est refusé), "
         "une ligne par valeur",
         CommandeStyles},
        {"legende", "FICHIER SORTIE [--couleurs] [--echelle X,Y] [--fond R,V,B]",
         "ajoute la légende des couleurs à droite de l'image et/ou la légende de l'échelle (transparente) en (X, Y)",
         CommandeLegende},
        {"recolorer",
         "FICHIER SORTIE --code CODE (--aligner | --niveaux-gris) [--meme-effectif | --limites L0,…,Ln] [--mini V] "
         "[--maxi V]",
         "document « Couleurs » : teintes alignées sur le code (texte ou fichier .ccc) ou niveaux de gris mis en "
         "couleurs ; classes d'un tableau de couleurs",
         CommandeRecolorer},
        {"zonation",
         "FICHIER PEINTURE SORTIE [--codage rvb|tsv|tsl|av|ssp] [--seuil-sigma S] [--seuil-sat T] [--etendre N] "
         "[--delta D] [--moyennes] [--eliminer] [--fond R,V,B]",
         "classe l'image d'après les zones repères peintes (une couleur par catégorie) : part et surface de chaque "
         "catégorie",
         CommandeZonation},
    };
    return commandes;
}

void AfficherAideCli(QTextStream &out)
{
    out << QStringLiteral("Usage : kaptori-cli COMMANDE [ARGUMENTS...]\n");
    out << QString::fromUtf8(kResumeCli) << QStringLiteral("\n\n");
    out << QStringLiteral("Commandes :\n");
    for (const CommandeCli &c : CommandesCli()) {
        out << QStringLiteral("  ") << QString::fromUtf8(c.nom);
        if (*c.usage)
            out << QLatin1Char(' ') << QString::fromUtf8(c.usage);
        out << QStringLiteral("\n      ") << QString::fromUtf8(c.description) << QLatin1Char('\n');
    }
    out << QStringLiteral("\nOptions :\n  --help, -h   affiche cette aide\n");
    out << QLatin1Char('\n') << QString::fromUtf8(kNoteNombresCli) << QLatin1Char('\n');
    out << QString::fromUtf8(kNoteSortieCli) << QLatin1Char('\n');
}
