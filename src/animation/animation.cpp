#include "animation/animation.h"

QStringList Animation::FichiersAnimation() const
{
    QStringList fichiers;
    fichiers.reserve(images.size());
    for (const ImageAnimation &image : images)
        fichiers.append(image.fichier);
    return fichiers;
}

bool EstRasterAnimation(const QString &nom)
{
    const QString majuscules = nom.trimmed().toUpper();
    for (const char *extension : {".IMG", ".IMA", ".PER", ".LAN"})
        if (majuscules.endsWith(QLatin1String(extension)))
            return true;
    return false;
}

QString PartieNomFichier(const QString &chemin)
{
    const qsizetype separateur = std::max(chemin.lastIndexOf(QLatin1Char('/')), chemin.lastIndexOf(QLatin1Char('\\')));
    return chemin.mid(separateur + 1);
}
