#include "commun/ecriture_sure.h"

#include "commun/erreur.h"
#include "commun/raison_fichier.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace {

QString Natif(const QString &chemin)
{
    return QDir::toNativeSeparators(chemin);
}

} // namespace

void EcrireOctets(QIODevice &sortie, const char *octets, qint64 n)
{
    if (n > 0 && sortie.write(octets, n) != n)
        throw ErreurFichier(QCoreApplication::translate("Enregistrement", "Erreur d'écriture du fichier : %1")
                                .arg(RaisonEcriture(sortie.errorString())));
}

void EcrireFichierSurFlux(const QString &chemin, const std::function<void(QIODevice &)> &ecrire)
{
    QSaveFile fichier(chemin);
    // Never fall back to writing the target in place: that is what could
    // leave a half-written file.
    fichier.setDirectWriteFallback(false);
    if (!fichier.open(QIODevice::WriteOnly))
        throw ErreurFichier(QCoreApplication::translate("Enregistrement", "Impossible de créer le fichier %1 : %2")
                                .arg(Natif(chemin), RaisonFichier(fichier.errorString())));
    try {
        ecrire(fichier);
    } catch (...) {
        fichier.cancelWriting();
        throw;
    }
    // The last bytes may still sit in the file's buffer: they are written
    // now, so that a full disk is seen here. The rename that commit() makes
    // would not notice it, and would put a cut file in place of the former.
    if (!fichier.flush() || fichier.error() != QFileDevice::NoError) {
        const QString raison = RaisonEcriture(fichier.errorString());
        fichier.cancelWriting();
        throw ErreurFichier(QCoreApplication::translate("Enregistrement", "Erreur d'écriture du fichier %1 : %2")
                                .arg(Natif(chemin), raison));
    }
    if (!fichier.commit())
        throw ErreurFichier(QCoreApplication::translate("Enregistrement", "Impossible d'enregistrer le fichier %1 : %2")
                                .arg(Natif(chemin), RaisonFichier(fichier.errorString())));
}
