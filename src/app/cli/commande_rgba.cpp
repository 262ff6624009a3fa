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

#include <array>
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
    // unless --etirement chooses 0, 2, 5, 20 or 50; --canaux B,V,R shows the
    // channels of those indexes (from 0, "-" for an empty slot) in blue,
    // green and red, as the channel dialog's OK does.
    int etirement = 5;
    QString canaux;
    QStringList fichiers;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--etirement") || a == QLatin1String("--canaux")) {
            if (i + 1 >= arguments.size()) {
                erreurs << QStringLiteral("L'option %1 attend une valeur.\n").arg(a);
                return 1;
            }
            const QString valeur = arguments.at(++i);
            if (a == QLatin1String("--canaux")) {
                canaux = valeur;
                continue;
            }
            static const QStringList valeurs = {QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("5"),
                                                QStringLiteral("20"), QStringLiteral("50")};
            if (!valeurs.contains(valeur)) {
                erreurs << QStringLiteral("L'étirement doit valoir 0, 2, 5, 20 ou 50 : « %1 ».\n").arg(valeur);
                return 1;
            }
            etirement = valeur.toInt();
        } else if (a.startsWith(QLatin1String("--")) && a.size() > 2) {
            erreurs << QStringLiteral("Option inconnue : %1\n").arg(a);
            return 1;
        } else {
            fichiers << a;
        }
    }
    if (fichiers.size() != 2) {
        erreurs << QStringLiteral("Usage : kaptori-cli rgba FICHIER SORTIE [--etirement 0|2|5|20|50] [--canaux B,V,R]\n");
        return 1;
    }
    const auto document = OuvrirDocument(fichiers.at(0), etirement);
    if (!canaux.isEmpty()) {
        const QStringList parties = canaux.split(QLatin1Char(','));
        std::array<int, 3> emplacements{-1, -1, -1};
        const int n = static_cast<int>(document->canaux.size());
        bool valide = parties.size() == 3 && n > 0;
        for (qsizetype k = 0; valide && k < 3; ++k) {
            const QString p = parties.at(k).trimmed();
            if (p == QLatin1String("-"))
                continue;
            bool ok = false;
            const int v = p.toInt(&ok);
            valide = ok && v >= 0 && v < n;
            emplacements[static_cast<std::size_t>(k)] = v;
        }
        if (valide && emplacements[0] < 0 && emplacements[1] < 0 && emplacements[2] < 0)
            valide = false;
        if (!valide) {
            erreurs << (n == 0 ? QStringLiteral("Le fichier n'a pas de canaux à choisir : « %1 ».\n").arg(fichiers.at(0))
                               : QStringLiteral("Canaux invalides : « %1 » (B,V,R, index de 0 à %2 ou « - », au moins un "
                                                "canal).\n")
                                     .arg(canaux)
                                     .arg(n - 1));
            return 1;
        }
        document->AfficherCanaux(emplacements[0], emplacements[1], emplacements[2], etirement);
    }
    EcrireSortie(fichiers.at(1), [&](QIODevice &sortie) { EcrireRgba(document->image, sortie); });
    return 0;
}
