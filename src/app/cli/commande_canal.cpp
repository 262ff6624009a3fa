// kaptori-cli canal FICHIER INDEX SORTIE: the raw plane of one channel of a
// multichannel raster file (index 0 for the first channel), W × H bytes row
// by row from the top, without any header (SORTIE "-" is the standard
// output; a device or FIFO is written in place), so that batch work can extract
// bands. Warnings of the reader (incomplete file) go to the error stream.

#include "app/cli/commandes_cli.h"
#include "commun/erreur.h"
#include "commun/ecriture_sortie.h"
#include "commun/ecriture_sure.h"
#include "commun/nombres.h"
#include "document/raster/ouverture_raster.h"

#include <QCoreApplication>

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("CommandesCli", texte);
}

} // namespace

int CommandeCanal(const QStringList &arguments, QTextStream &, QTextStream &erreurs)
{
    if (arguments.size() != 3) {
        erreurs << tr("Usage : kaptori-cli canal FICHIER INDEX SORTIE\n");
        return 1;
    }
    bool ok = false;
    const std::int64_t index = TexteEnEntier(arguments.at(1), &ok);
    if (!ok || index < 0) {
        erreurs << tr("L'index du canal doit être un entier positif ou nul (0 pour le premier canal) : « %1 ».\n")
                       .arg(arguments.at(1));
        return 1;
    }
    LectureRaster lecture = LireRaster(arguments.at(0));
    for (const QString &avertissement : lecture.avertissements)
        erreurs << avertissement << QLatin1Char('\n');
    const auto nombre = static_cast<std::int64_t>(lecture.canaux.size());
    if (index >= nombre) {
        erreurs << tr("Le fichier « %1 » a %2 canaux : l'index va de 0 à %3.\n")
                       .arg(arguments.at(0))
                       .arg(nombre)
                       .arg(nombre - 1);
        return 1;
    }
    const TCanal &canal = lecture.canaux[static_cast<std::size_t>(index)];
    EcrireSortie(arguments.at(2), [&](QIODevice &sortie) {
        for (int y = 0; y < canal.hauteur; ++y)
            EcrireOctets(sortie, reinterpret_cast<const char *>(canal.ligne(y)), canal.largeur);
    });
    return 0;
}
