#pragma once
// Shared by the raster fuzz targets: the input is written as a raster file in
// a private folder holding a few channel files it may name, then opened into
// a document with the stretch, as the program does. Errors are expected;
// crashes, hangs and allocations beyond the input's size are not.

#include "commun/erreur.h"
#include "document/image_document.h"
#include "document/raster/ouverture_raster.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <new>

namespace fuzz_raster {

inline QTemporaryDir &Dossier()
{
    static QTemporaryDir dossier = [] {
        QTemporaryDir d;
        // Channel files an input may name: two ".per" of 20 × 20 and two raw planes.
        QByteArray per(1280, '\0');
        per[14] = 20;
        per[18] = 20;
        per.append(QByteArray(4 * 256, '\x33'));
        for (const char *nom : {"c1.per", "C2.PER"}) {
            QFile f(d.filePath(QString::fromLatin1(nom)));
            if (f.open(QIODevice::WriteOnly))
                f.write(per);
        }
        for (const char *nom : {"p1", "p2"}) {
            QFile f(d.filePath(QString::fromLatin1(nom)));
            if (f.open(QIODevice::WriteOnly))
                f.write(QByteArray(64, '\x44'));
        }
        return d;
    }();
    return dossier;
}

inline int Ouvrir(const char *nomFichier, const std::uint8_t *data, std::size_t size)
{
    const QString chemin = Dossier().filePath(QString::fromLatin1(nomFichier));
    {
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    try {
        ImageDocument document;
        (void)ChargerRaster(document, chemin, 5);
    } catch (const ErreurKaptori &) {
    }
    return 0;
}

} // namespace fuzz_raster
