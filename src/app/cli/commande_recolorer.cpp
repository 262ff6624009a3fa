// kaptori-cli recolorer FICHIER SORTIE --code CODE (--aligner | --niveaux-gris)
// [--meme-effectif | --limites L0,…,Ln] [--mini V] [--maxi V]: the
// "Couleurs" document of the colour-code window, written with its code
// side-file. CODE is a code's text form or a ".ccc" file. A table code with
// --niveaux-gris cuts the grey levels into one class per entry (equal widths
// unless --meme-effectif or --limites), labels the entries with the values of
// the limits read between --mini (level 0, default 0) and --maxi (level 255,
// default 255) and prints per class from the lowest, tab-separated: its
// number from 1, first and last level, count and label.

#include "app/cli/commandes_cli.h"
#include "app/cli/options_couleurs_cli.h"
#include "calibration/code_couleur.h"
#include "commun/ecriture_sortie.h"
#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "document/enregistrer_document.h"
#include "document/ouverture_document.h"
#include "processing/recoloration_document.h"

#include <QCoreApplication>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandesCli", texte);
}

std::optional<TCodeCouleur> LireCode(const QString &texte, QTextStream &erreurs)
{
    QString forme = texte;
    if (texte.endsWith(QLatin1String(".ccc"), Qt::CaseInsensitive)) {
        const auto lignes = LireFichierTexte(texte);
        if (!lignes || lignes->isEmpty()) {
            erreurs << Tr("Impossible de lire le fichier de code couleur %1.").arg(texte) << '\n';
            return std::nullopt;
        }
        forme = lignes->first();
    }
    TCodeCouleur code = TexteEnCode(forme);
    if (!code.Definie) {
        erreurs << Tr("Code couleur invalide : %1").arg(texte) << '\n';
        return std::nullopt;
    }
    return code;
}

} // namespace

int CommandeRecolorer(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    const QString usage = Tr("Usage : kaptori-cli recolorer FICHIER SORTIE --code CODE (--aligner | --niveaux-gris) "
                             "[--meme-effectif | --limites L0,…,Ln] [--mini V] [--maxi V]");
    QStringList fichiers;
    QString texteCode;
    bool aligner = false, gris = false, memeEffectif = false;
    std::optional<std::vector<int>> limites;
    double mini = 0, maxi = 255;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        const bool avecValeur = a == QLatin1String("--code") || a == QLatin1String("--limites")
                                || a == QLatin1String("--mini") || a == QLatin1String("--maxi");
        if (a == QLatin1String("--aligner")) {
            aligner = true;
        } else if (a == QLatin1String("--niveaux-gris")) {
            gris = true;
        } else if (a == QLatin1String("--meme-effectif")) {
            memeEffectif = true;
        } else if (avecValeur && i + 1 < arguments.size()) {
            const QString valeur = arguments.at(++i);
            if (a == QLatin1String("--code")) {
                texteCode = valeur;
            } else if (a == QLatin1String("--limites")) {
                limites = EntiersCli(valeur);
                if (!limites) {
                    erreurs << Tr("Limites invalides : %1 (entiers séparés par des virgules).").arg(valeur) << '\n';
                    return 1;
                }
            } else {
                const auto v = ReelCli(valeur);
                if (!v) {
                    erreurs << Tr("Valeur invalide : %1").arg(valeur) << '\n';
                    return 1;
                }
                (a == QLatin1String("--mini") ? mini : maxi) = *v;
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            erreurs << usage << '\n';
            return 1;
        } else {
            fichiers << a;
        }
    }
    if (fichiers.size() != 2 || texteCode.isEmpty() || aligner == gris || (memeEffectif && limites)) {
        erreurs << usage << '\n';
        return 1;
    }
    const auto code = LireCode(texteCode, erreurs);
    if (!code)
        return 1;
    const bool parClasses = RecolorationParClasses(*code, gris);
    if ((memeEffectif || limites) && !parClasses) {
        erreurs << Tr("--meme-effectif et --limites ne valent que pour un tableau de couleurs avec --niveaux-gris.")
                << '\n';
        return 1;
    }
    if (parClasses && limites) {
        const int n = std::clamp(code->NbCouleurs, 1, MaxClassesCouleurs);
        bool croissantes = static_cast<int>(limites->size()) == n + 1;
        for (std::size_t k = 0; croissantes && k < limites->size(); ++k)
            croissantes = (*limites)[k] >= 0 && (*limites)[k] <= 255 && (k == 0 || (*limites)[k - 1] < (*limites)[k]);
        if (!croissantes) {
            erreurs << Tr("Il faut %1 limites croissantes de 0 à 255 pour les %2 couleurs du tableau.")
                           .arg(n + 1)
                           .arg(n)
                    << '\n';
            return 1;
        }
    }

    const auto source = OuvrirDocument(fichiers.at(0), 0);
    auto couleurs = DocumentCouleurs(*source, *code);
    if (parClasses) {
        ClassesCouleurs classes = PreparerClassesDocument(*couleurs);
        if (memeEffectif)
            MemeEffectif(classes);
        if (limites)
            for (std::size_t k = 0; k < limites->size(); ++k)
                classes.limites[k] = (*limites)[k];
        AppliquerClassesDocument(*couleurs, classes, mini, maxi);
        for (int p = 0; p < classes.NbClasses; ++p) {
            const auto k = static_cast<std::size_t>(p);
            const int dernier = p == classes.NbClasses - 1 ? classes.limites[k + 1] : classes.limites[k + 1] - 1;
            sortie << QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                          .arg(p + 1)
                          .arg(classes.limites[k])
                          .arg(dernier)
                          .arg(EtiquetteEffectif(classes, p), couleurs->codeCouleur.Libelle[k]);
        }
    } else {
        RecolorerDocument(*couleurs, aligner, gris);
    }
    OptionsEnregistrement options;
    options.annexes = GenreDeSortie(fichiers.at(1)) == GenreSortie::FichierOrdinaire;
    (void)EnregistrerDocument(*couleurs, fichiers.at(1), options, EcrireSortie);
    return 0;
}
