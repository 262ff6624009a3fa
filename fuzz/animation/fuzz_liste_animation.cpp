// Animation lists on arbitrary bytes: line splitting, encodings, the checks
// of each line and the lookup of the names in a folder that holds two small
// pictures and a sub-folder. Nothing is decoded.

#include "animation/liste_animation.h"
#include "commun/erreur.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

const QString &Dossier()
{
    static QTemporaryDir dossier;
    static const bool pret = [] {
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(0xFF336699);
        QDir(dossier.path()).mkdir(QStringLiteral("sous"));
        return image.save(dossier.filePath(QStringLiteral("a.png"))) && image.save(dossier.filePath(QStringLiteral("B.JPG")));
    }();
    (void)pret;
    static const QString chemin = dossier.path();
    return chemin;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray octets(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        std::vector<LigneAnimation> lignes = AnalyserListeAnimation(octets);
        ResoudreLignesAnimation(lignes, Dossier(), Dossier() + QStringLiteral("/liste.anm"));
    } catch (const ErreurKaptori &) {
    }
    return 0;
}
