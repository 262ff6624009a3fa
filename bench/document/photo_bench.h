#pragma once
// The 6000 x 4000 JPEG photograph shared by the opening benchmarks: smooth
// gradients with some grain, written once into the temporary folder.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QString>

inline const QString &FichierPhotoBench()
{
    static const QString chemin = [] {
        const QString c = QDir::temp().filePath(QStringLiteral("kaptori_bench_6000x4000.jpg"));
        if (!QFile::exists(c)) {
            QImage image(6000, 4000, QImage::Format_RGB32);
            quint32 etat = 1;
            for (int y = 0; y < image.height(); ++y) {
                auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    etat = etat * 1664525u + 1013904223u;
                    const int grain = static_cast<int>(etat >> 27) - 16;
                    ligne[x] = qRgb(qBound(0, x / 24 + grain, 255), qBound(0, y / 16 + grain, 255),
                                    qBound(0, (x + y) / 40 + grain, 255));
                }
            }
            QImageWriter ecrivain(c, "jpeg");
            ecrivain.setQuality(90);
            ecrivain.write(image);
        }
        return c;
    }();
    return chemin;
}
