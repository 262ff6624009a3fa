#include "commun/raison_fichier.h"

#include <QCoreApplication>

QString RaisonFichier(const QString &raison)
{
    struct Raison {
        const char *anglais;
        const char *francais;
    };
    // The system's texts for the failures a user meets when saving or opening.
    static const Raison raisons[] = {
        {"No such file or directory", QT_TRANSLATE_NOOP("RaisonFichier", "fichier ou dossier introuvable")},
        {"Permission denied", QT_TRANSLATE_NOOP("RaisonFichier", "accès refusé")},
        {"Operation not permitted", QT_TRANSLATE_NOOP("RaisonFichier", "opération non permise")},
        {"No space left on device", QT_TRANSLATE_NOOP("RaisonFichier", "plus de place sur le disque")},
        {"Disk quota exceeded", QT_TRANSLATE_NOOP("RaisonFichier", "quota du disque dépassé")},
        {"File too large", QT_TRANSLATE_NOOP("RaisonFichier", "fichier trop gros pour le disque")},
        {"Read-only file system", QT_TRANSLATE_NOOP("RaisonFichier", "disque en lecture seule")},
        {"Is a directory", QT_TRANSLATE_NOOP("RaisonFichier", "c'est un dossier")},
        {"Not a directory", QT_TRANSLATE_NOOP("RaisonFichier", "un élément du chemin n'est pas un dossier")},
        {"File name too long", QT_TRANSLATE_NOOP("RaisonFichier", "nom de fichier trop long")},
        {"Too many open files", QT_TRANSLATE_NOOP("RaisonFichier", "trop de fichiers ouverts")},
        {"Input/output error", QT_TRANSLATE_NOOP("RaisonFichier", "erreur d'entrée-sortie du disque")},
        {"Device or resource busy", QT_TRANSLATE_NOOP("RaisonFichier", "périphérique occupé")},
        {"Text file busy", QT_TRANSLATE_NOOP("RaisonFichier", "fichier occupé")},
        {"Unknown error", QT_TRANSLATE_NOOP("RaisonFichier", "erreur inconnue")},
    };
    for (const Raison &r : raisons)
        if (raison.compare(QLatin1String(r.anglais), Qt::CaseInsensitive) == 0)
            return QCoreApplication::translate("RaisonFichier", r.francais);
    return raison;
}

QString RaisonEcriture(const QString &raison)
{
    if (raison.isEmpty() || raison.compare(QLatin1String("Unknown error"), Qt::CaseInsensitive) == 0)
        return QCoreApplication::translate("RaisonFichier", "le disque est plein ou n'est plus accessible");
    return RaisonFichier(raison);
}
