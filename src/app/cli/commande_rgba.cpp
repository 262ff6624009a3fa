// kaptori-cli rgba FICHIER SORTIE: the decoded picture (first frame or page)
// as raw 8-bit R, G, B, A bytes, row by row from the top, without any header.
// SORTIE "-" is the standard output; a device or FIFO is written in place.
// Each row is converted into one row buffer and written at once: the
// picture is never copied whole.

#include "app/cli/commandes_cli.h"
#include "commun/erreur.h"
#include "commun/ecriture_sortie.h"
#include "commun/ecriture_sure.h"
#include "document/ouverture_document.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QtEndian>

#include <cstdint>
#include <vector>

namespace {

// One row of 0xAARRGGBB words as the bytes R, G, B, A.
void LigneRgba(const QRgb *source, int largeur, std::uint32_t *cible)
{
    for (int x = 0; x < largeur; ++x) {
        const std::uint32_t p = source[x];
        // Memory order R, G, B, A is the little-endian word 0xAABBGGRR.
        const std::uint32_t abgr = (p & 0xFF00FF00u) | ((p >> 16) & 0xFFu) | ((p & 0xFFu) << 16);
        cible[x] = qToLittleEndian(abgr);
    }
}

} // namespace

void EcrireRgba(const QImage &image, QIODevice &sortie)
{
    const QImage argb = image.format() == QImage::Format_ARGB32 ? image : image.convertToFormat(QImage::Format_ARGB32);
    std::vector<std::uint32_t> ligne(static_cast<std::size_t>(argb.width()));
    const auto taille = static_cast<qint64>(ligne.size() * sizeof(std::uint32_t));
    for (int y = 0; y < argb.height(); ++y) {
        LigneRgba(reinterpret_cast<const QRgb *>(argb.constScanLine(y)), argb.width(), ligne.data());
        EcrireOctets(sortie, reinterpret_cast<const char *>(ligne.data()), taille);
    }
}

[[nodiscard]] QByteArray OctetsRgba(const QImage &image)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    EcrireRgba(image, tampon);
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
    EcrireSortie(arguments.at(1), [&](QIODevice &sortie) { EcrireRgba(document->image, sortie); });
    return 0;
}
