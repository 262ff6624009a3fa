// kaptori-cli convert IN OUT [--codage jpg|png|bmp|non] [--qualite N]: opens
// IN with the program's readers (a picture, a raster file or a document
// file) and saves it to OUT as "Enregistrer sous" does: in the format OUT's
// extension names, flattened with its drawn elements for a picture, with the
// scale and colour-code side-files beside it. OUT "-" writes the file's bytes
// (BMP, having no extension) on the standard output; a device or FIFO is
// written in place; neither gets side-files. --codage is the encoding of the
// image inside a ".kpt" file ("png" by default, lossless), --qualite the JPEG quality
// from 50 to 100 (90 by default).

#include "app/cli/commandes_cli.h"
#include "commun/ecriture_sortie.h"
#include "commun/nombres.h"
#include "calibration/echelle.h"
#include "document/enregistrer_document.h"
#include "document/ouverture_document.h"
#include "drawing/dessin_fichier.h"
#include "drawing/reglages_dessin.h"

#include <QCoreApplication>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandesCli", texte);
}

constexpr int kQualiteParDefaut = 90;

} // namespace

int CommandeConvert(const QStringList &arguments, QTextStream &, QTextStream &erreurs)
{
    QStringList fichiers;
    OptionsEnregistrement options;
    options.codage = CodageImage::Png;
    options.qualite = kQualiteParDefaut;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--codage") || a == QLatin1String("--qualite")) {
            if (i + 1 >= arguments.size()) {
                erreurs << Tr("L'option %1 attend une valeur.").arg(a) << QLatin1Char('\n');
                return 1;
            }
            const QString valeur = arguments.at(++i);
            if (a == QLatin1String("--codage")) {
                const auto codage = CodageDeTexte(valeur);
                if (!codage) {
                    erreurs << Tr("Codage inconnu : %1 (jpg, png, bmp ou non).").arg(valeur) << QLatin1Char('\n');
                    return 1;
                }
                options.codage = *codage;
            } else {
                bool ok = false;
                const auto qualite = TexteEnEntier(valeur, &ok);
                if (!ok || qualite < 50 || qualite > 100) {
                    erreurs << Tr("Qualité JPEG invalide : %1 (un entier de 50 à 100).").arg(valeur)
                            << QLatin1Char('\n');
                    return 1;
                }
                options.qualite = static_cast<int>(qualite);
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            erreurs << Tr("Option inconnue : %1").arg(a) << QLatin1Char('\n');
            return 1;
        } else {
            fichiers << a;
        }
    }
    if (fichiers.size() != 2) {
        erreurs << Tr("Usage : kaptori-cli convert IN OUT [--codage jpg|png|bmp|non] [--qualite N]") << QLatin1Char('\n');
        return 1;
    }

    const auto document = OuvrirDocument(fichiers.at(0), 0);
    // What the program warns about in a box (a raster file short of pixels).
    for (const QString &avertissement : document->avertissementsOuverture)
        erreurs << avertissement << QLatin1Char('\n');
    // As the document window's refresh does: a document without a scale of
    // its own gets the default one.
    if (!document->echelle.Definie)
        document->echelle = EchelleParDefaut();
    options.couleurFond = ReglagesDessinProgramme().CouleurFondDessin;
    // A stream (the standard output, a device such as /dev/null, a FIFO) has
    // no folder of its own for side-files.
    options.annexes = GenreDeSortie(fichiers.at(1)) == GenreSortie::FichierOrdinaire;
    if (EnregistrerDocument(*document, fichiers.at(1), options, EcrireSortie) > 0)
        erreurs << MessageRemplissagesCanaux() << QLatin1Char('\n');
    return 0;
}
