// kaptori-cli quadrillage FICHIER SORTIE --maille V [--couleur R,V,B]: the
// grid of "Ajouter un quadrillage" with a mesh of V in the scale's unit,
// within the dialog's bounds, in the pen colour (black unless given), merged
// into the picture, which is written with its side-files. Prints
// "maille: S" (pixels), "verticales: N" and "horizontales: M".

#include "app/cli/commandes_cli.h"
#include "commun/erreur.h"
#include "commun/nombres.h"
#include "document/enregistrer_document.h"
#include "document/fusion_couches.h"
#include "document/ouverture_document.h"
#include "drawing/quadrillage.h"
#include "drawing/reglages_dessin.h"

#include <QCoreApplication>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandesCli", texte);
}

} // namespace

int CommandeQuadrillage(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    QStringList fichiers;
    std::optional<double> maille;
    QRgb couleur = 0xFF000000;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--maille") || a == QLatin1String("--couleur")) {
            if (i + 1 >= arguments.size()) {
                erreurs << Tr("L'option %1 attend une valeur.").arg(a) << QLatin1Char('\n');
                return 1;
            }
            const QString valeur = arguments.at(++i);
            if (a == QLatin1String("--maille")) {
                bool ok = false;
                const double v = TexteEnReel(RemplacerSepAutre(valeur.trimmed()), &ok);
                if (!ok) {
                    erreurs << Tr("Largeur de maille invalide : %1").arg(valeur) << QLatin1Char('\n');
                    return 1;
                }
                maille = v;
            } else {
                const QStringList champs = valeur.split(QLatin1Char(','));
                int c[3] = {0, 0, 0};
                bool ok = champs.size() == 3;
                for (int k = 0; ok && k < 3; ++k) {
                    const std::int64_t e = TexteEnEntier(champs.at(k), &ok);
                    ok = ok && e >= 0 && e <= 255;
                    c[k] = static_cast<int>(e);
                }
                if (!ok) {
                    erreurs << Tr("Couleur invalide : %1 (R,V,B de 0 à 255).").arg(valeur) << QLatin1Char('\n');
                    return 1;
                }
                couleur = qRgb(c[0], c[1], c[2]);
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            erreurs << Tr("Option inconnue : %1").arg(a) << QLatin1Char('\n');
            return 1;
        } else {
            fichiers << a;
        }
    }
    if (fichiers.size() != 2 || !maille) {
        erreurs << Tr("Usage : kaptori-cli quadrillage FICHIER SORTIE --maille V [--couleur R,V,B]") << QLatin1Char('\n');
        return 1;
    }

    auto doc = OuvrirDocument(fichiers.at(0), 0);
    if (!doc->echelle.Definie)
        doc->echelle = EchelleParDefaut();
    const auto reglage = PreparerMaille(doc->echelle, doc->largeur());
    if (!reglage) {
        erreurs << Tr("L'échelle de l'image n'est pas une échelle de longueur : pas de quadrillage.") << QLatin1Char('\n');
        return 1;
    }
    if (*maille == 0 || !reglage->Admet(*maille)) {
        erreurs << Tr("Largeur de maille hors des limites : %1 (de %2 à %3 %4).")
                       .arg(FormatGeneral(*maille, 6), FormatGeneral(reglage->minimum, 6),
                            FormatGeneral(reglage->maximum, 6), reglage->unite)
                << QLatin1Char('\n');
        return 1;
    }
    doc->CreerCoucheDessin();
    const LignesQuadrillage lignes =
        TracerQuadrillage(doc->coucheDessin, *maille / reglage->facteur, CouleurQuadrillage(couleur));
    FusionnerToutesCouches(*doc);
    OptionsEnregistrement options;
    options.couleurFond = ReglagesDessinProgramme().CouleurFondDessin;
    (void)EnregistrerDocument(*doc, fichiers.at(1), options);
    sortie << QStringLiteral("maille: ") << FormatGeneral(lignes.maille, 6) << QLatin1Char('\n');
    sortie << QStringLiteral("verticales: ") << lignes.verticales << QLatin1Char('\n');
    sortie << QStringLiteral("horizontales: ") << lignes.horizontales << QLatin1Char('\n');
    return 0;
}
