#include "document/nom_fichier_annexe.h"

#include <QFileInfo>

QString NomFichierAnnexe(const QString &chemin, const QString &extension)
{
    return chemin.left(qMax<qsizetype>(0, chemin.size() - 4)) + extension;
}

QString ImageDuFichierAnnexe(const QString &annexe)
{
    const qsizetype point = annexe.lastIndexOf(QLatin1Char('.'));
    if (point < 0 || annexe.size() - point != 4)
        return {};
    const QString base = annexe.left(point);
    QStringList extensions = {QStringLiteral(".jpg"), QStringLiteral(".png"), QStringLiteral(".bmp"),
                              QStringLiteral(".gif"), QStringLiteral(".tif"), QStringLiteral(".ico"),
                              QStringLiteral(".lan"), QStringLiteral(".img"), QStringLiteral(".ima"),
                              QStringLiteral(".per"), QStringLiteral(".inf")};
    if (base.endsWith(QLatin1Char('.')))
        extensions.append({QStringLiteral("jpeg"), QStringLiteral("tiff")});
    for (const QString &extension : std::as_const(extensions)) {
        for (const QString &casse : {extension, extension.toUpper()}) {
            const QString image = base + casse;
            if (QFileInfo(image).isFile())
                return image;
        }
    }
    return {};
}
