#include "app/dossier_programme.h"

#include <QDir>
#include <QFileInfo>

#ifndef KAPTORI_DONNEES_DEPUIS_BIN
#define KAPTORI_DONNEES_DEPUIS_BIN "../share/kaptori"
#endif

namespace {

QString AvecSeparateur(const QString &dossier)
{
    return dossier.endsWith(QLatin1Char('/')) ? dossier : dossier + QLatin1Char('/');
}

} // namespace

QString DossierDonneesInstallees(const QString &dossierExecutable)
{
    if (dossierExecutable.isEmpty())
        return {};
    const QFileInfo donnees(QDir(dossierExecutable).filePath(QStringLiteral(KAPTORI_DONNEES_DEPUIS_BIN)));
    if (!donnees.isDir())
        return {};
    return AvecSeparateur(QDir::cleanPath(donnees.absoluteFilePath()));
}

DossiersProgramme DossiersDepuis(const QString &dossierExecutable, const QString &dossierCourant,
                                 const QString &dossierUtilisateur)
{
    const QString installe = DossierDonneesInstallees(dossierExecutable);
    if (installe.isEmpty() || dossierUtilisateur.isEmpty()) {
        const QString dossier = AvecSeparateur(installe.isEmpty() ? dossierCourant : installe);
        return {dossier, dossier};
    }
    return {installe, AvecSeparateur(dossierUtilisateur)};
}

QString FichierALire(const DossiersProgramme &dossiers, const QString &nom)
{
    const QString propre = dossiers.ecriture + nom;
    return QFileInfo::exists(propre) ? propre : dossiers.programme + nom;
}
