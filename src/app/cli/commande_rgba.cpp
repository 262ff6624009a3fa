// kaptori-cli rgba FICHIER SORTIE: the decoded picture (first frame or page)
// as raw 8-bit R, G, B, A bytes, row by row from the top, without any header.

#include "app/cli/commandes_cli.h"
#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "document/ouverture_document.h"

#include <QCoreApplication>

#include <cstring>

[[nodiscard]] QByteArray OctetsRgba(const QImage &image)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const qsizetype ligne = static_cast<qsizetype>(rgba.width()) * 4;
    QByteArray octets(ligne * rgba.height(), Qt::Uninitialized);
    for (int y = 0; y < rgba.height(); ++y)
        std::memcpy(octets.data() + ligne * y, rgba.constScanLine(y), static_cast<size_t>(ligne));
    return octets;
}

int CommandeRgba(const QStringList &arguments, QTextStream &, QTextStream &erreurs)
{
    // Raster files are shown with the stretch "Ouvrir" uses by default (5)
    // unless --etirement chooses 0, 2, 5, 20 or 50.
    int etirement = 5;
    const bool avecOption = arguments.size() == 4 && arguments.at(2) == QLatin1String("--etirement");
    if (avecOption) {
        static const QStringList valeurs = {QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("5"),
                                            QStringLiteral("20"), QStringLiteral("50")};
        if (!valeurs.contains(arguments.at(3))) {
            erreurs << QStringLiteral("L'étirement doit valoir 0, 2, 5, 20 ou 50 : « %1 ».\n").arg(arguments.at(3));
            return 1;
        }
        etirement = arguments.at(3).toInt();
    }
    if (arguments.size() != 2 && !avecOption) {
        erreurs << QStringLiteral("Usage : kaptori-cli rgba FICHIER SORTIE [--etirement 0|2|5|20|50]\n");
        return 1;
    }
    const auto document = OuvrirDocument(arguments.at(0), etirement);
    if (!EcrireFichierSur(arguments.at(1), OctetsRgba(document->image)))
        throw ErreurFichier(QCoreApplication::translate("CommandesCli", "Impossible d'écrire le fichier « %1 ».")
                                .arg(arguments.at(1)));
    return 0;
}
