// kaptori-cli info FICHIER: what the program reads in a file, one line each:
//   format: <reader>
//   taille: <width>x<height>
//   canaux: <channel names separated by ", "> (empty for ordinary pictures)
// followed by the document's scale and colour code in their text forms. The
// warnings of opening (a raster file short of pixels) go to standard error.

#include "app/cli/commandes_cli.h"
#include "calibration/echelle.h"
#include "calibration/code_couleur.h"
#include "document/ouverture_document.h"

#include <QStringList>

int CommandeInfo(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    if (arguments.size() != 1) {
        erreurs << QStringLiteral("Usage : kaptori-cli info FICHIER\n");
        return 1;
    }
    const QString &chemin = arguments.first();
    const QString format = NomLecteur(chemin);
    const auto document = OuvrirDocument(chemin, 0);
    // What the program warns about in a box (a raster file short of pixels).
    for (const QString &avertissement : document->avertissementsOuverture)
        erreurs << avertissement << QLatin1Char('\n');

    QStringList canaux;
    for (const TCanal &canal : document->canaux)
        canaux << canal.nom;

    sortie << QStringLiteral("format: ") << format << QLatin1Char('\n');
    sortie << QStringLiteral("taille: ") << document->image.width() << QLatin1Char('x') << document->image.height()
           << QLatin1Char('\n');
    sortie << QStringLiteral("canaux: ") << canaux.join(QStringLiteral(", ")) << QLatin1Char('\n');
    // The scale as the document holds it once shown: the default when none was read.
    const TEchelle echelle = document->echelle.Definie ? document->echelle : EchelleParDefaut();
    sortie << QStringLiteral("echelle: ") << EchelleEnTexte(echelle) << QLatin1Char('\n');
    // The colour code in its text form; empty when the document has none.
    sortie << QStringLiteral("code: ")
           << (document->codeCouleur.Definie ? CodeEnTexte(document->codeCouleur) : QString()) << QLatin1Char('\n');
    return 0;
}
