#include "document/raster/nom_fichier_cite.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString Joindre(const QString &dossier, const QString &nom)
{
    if (dossier.isEmpty())
        return nom;
    return QDir(dossier).filePath(nom);
}

} // namespace

QString ResoudreNomCite(const QString &nom, const QString &dossierFormat, const QString &dossierCitant)
{
    QString nomLocal = nom;
    nomLocal.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (nomLocal.isEmpty())
        return {};
    const bool relatif = QFileInfo(nomLocal).isRelative();

    const QString tel = relatif ? Joindre(dossierFormat, nomLocal) : nomLocal;
    if (QFileInfo::exists(tel))
        return tel;
    if (!relatif)
        return {};

    const QString aCote = Joindre(dossierCitant, nomLocal);
    if (QFileInfo::exists(aCote))
        return aCote;

    const QFileInfo voulu(aCote);
    const QDir dossier = voulu.dir();
    if (!dossier.exists())
        return {};
    QString trouve;
    const QStringList entrees = dossier.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entree : entrees) {
        if (entree.compare(voulu.fileName(), Qt::CaseInsensitive) != 0)
            continue;
        if (!trouve.isEmpty())
            return {};
        trouve = dossier.filePath(entree);
    }
    return trouve;
}
