#include "document/nom_fichier_annexe.h"

QString NomFichierAnnexe(const QString &chemin, const QString &extension)
{
    return chemin.left(qMax<qsizetype>(0, chemin.size() - 4)) + extension;
}
