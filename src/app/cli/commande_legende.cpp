// kaptori-cli legende FICHIER SORTIE [--couleurs] [--echelle X,Y]
// [--fond R,V,B]: the key of the file's colour code painted in a strip on
// the right (--couleurs) and/or the scale bar placed, transparent, with its
// top-left corner at (X, Y) and confirmed (--echelle). --fond is the
// background colour (white by default): the canvas of the widened picture
// and the colour made transparent around the bar. Prints "taille: LxH".

#include "app/cli/commandes_cli.h"
#include "app/cli/options_couleurs_cli.h"
#include "commun/ecriture_sortie.h"
#include "document/enregistrer_document.h"
#include "document/ouverture_document.h"
#include "document/placement_flottant.h"
#include "drawing/reglages_dessin.h"
#include "processing/legendes_document.h"

#include <QCoreApplication>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandesCli", texte);
}

} // namespace

int CommandeLegende(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    QStringList fichiers;
    bool couleurs = false;
    std::optional<std::vector<int>> echelle;
    QRgb fond = 0xFFFFFFFFu;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--couleurs")) {
            couleurs = true;
        } else if ((a == QLatin1String("--echelle") || a == QLatin1String("--fond")) && i + 1 < arguments.size()) {
            const QString valeur = arguments.at(++i);
            if (a == QLatin1String("--fond")) {
                const auto c = CouleurCli(valeur);
                if (!c) {
                    erreurs << Tr("Couleur de fond invalide : %1 (R,V,B de 0 à 255).").arg(valeur) << '\n';
                    return 1;
                }
                fond = *c;
            } else {
                echelle = EntiersCli(valeur);
                if (!echelle || echelle->size() != 2) {
                    erreurs << Tr("Position de la légende invalide : %1 (X,Y en pixels).").arg(valeur) << '\n';
                    return 1;
                }
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            fichiers.clear();
            break;
        } else {
            fichiers << a;
        }
    }
    if (fichiers.size() != 2 || (!couleurs && !echelle)) {
        erreurs << Tr("Usage : kaptori-cli legende FICHIER SORTIE [--couleurs] [--echelle X,Y] [--fond R,V,B]") << '\n';
        return 1;
    }
    auto document = OuvrirDocument(fichiers.at(0), 0);
    ReglagesDessin reglages;
    reglages.CouleurFondDessin = fond;
    if (echelle && (!document->echelle.Definie || document->echelle.Mode != TEchelle::Longueur)) {
        erreurs << Tr("Le fichier n'a pas d'échelle de longueur : la légende de l'échelle ne peut pas être placée.")
                << '\n';
        return 1;
    }
    if (couleurs)
        AjouterLegendeCouleurs(*document, fond);
    if (echelle) {
        const TDessin police;
        if (!CommencerLegendeEchelle(*document, reglages, QFont(police.NomPolice, police.TaillePolice))) {
            erreurs << Tr("La légende de cette échelle ne peut pas être composée.") << '\n';
            return 1;
        }
        document->coucheFlottante.position = QPointF((*echelle)[0], (*echelle)[1]);
        (void)ValiderPlacement(*document, true, true);
    }
    OptionsEnregistrement options;
    options.couleurFond = fond;
    options.annexes = GenreDeSortie(fichiers.at(1)) == GenreSortie::FichierOrdinaire;
    (void)EnregistrerDocument(*document, fichiers.at(1), options, EcrireSortie);
    sortie << QStringLiteral("taille: %1x%2\n").arg(document->largeur()).arg(document->hauteur());
    return 0;
}
