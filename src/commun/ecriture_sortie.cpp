#include "commun/ecriture_sortie.h"

#include "commun/ecriture_sure.h"
#include "commun/erreur.h"
#include "commun/raison_fichier.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

#include <sys/stat.h>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("Enregistrement", texte);
}

void EcrireSurAppareil(QFile &sortie, const QString &nom, const std::function<void(QIODevice &)> &ecrire)
{
    ecrire(sortie);
    if (!sortie.flush() || sortie.error() != QFileDevice::NoError)
        throw ErreurFichier(Tr("Erreur d'écriture du fichier %1 : %2").arg(nom, RaisonEcriture(sortie.errorString())));
}

} // namespace

GenreSortie GenreDeSortie(const QString &chemin)
{
    if (chemin == QLatin1String("-"))
        return GenreSortie::SortieStandard;
    struct stat etat {};
    if (::stat(QFile::encodeName(chemin).constData(), &etat) == 0 && !S_ISREG(etat.st_mode) && !S_ISDIR(etat.st_mode))
        return GenreSortie::FichierSpecial;
    return GenreSortie::FichierOrdinaire;
}

void EcrireSortie(const QString &chemin, const std::function<void(QIODevice &)> &ecrire)
{
    switch (GenreDeSortie(chemin)) {
    case GenreSortie::SortieStandard: {
        std::fflush(stdout);
        QFile sortie;
        if (!sortie.open(fileno(stdout), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
            throw ErreurFichier(Tr("Impossible d'écrire sur la sortie standard : %1").arg(RaisonFichier(sortie.errorString())));
        EcrireSurAppareil(sortie, Tr("sortie standard"), ecrire);
        return;
    }
    case GenreSortie::FichierSpecial: {
        // Written where it is: a device or a FIFO must stay what it is.
        QFile sortie(chemin);
        if (!sortie.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            throw ErreurFichier(Tr("Impossible d'ouvrir %1 en écriture : %2")
                                    .arg(QDir::toNativeSeparators(chemin), RaisonFichier(sortie.errorString())));
        EcrireSurAppareil(sortie, QDir::toNativeSeparators(chemin), ecrire);
        return;
    }
    case GenreSortie::FichierOrdinaire:
        EcrireFichierSurFlux(chemin, ecrire);
        return;
    }
}
