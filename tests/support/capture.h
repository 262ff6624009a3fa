#pragma once
// Pictures of windows as the user sees them. When KAPTORI_CAPTURES names a
// folder, each picture is also kept there as PNG, for a look by eye.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QString>
#include <QWidget>

// Grabs the widget once pending events are handled; saves it as `nom` (".png"
// added when missing) in the captures folder, if any. Returns the picture.
inline QImage Capturer(QWidget &fenetre, const QString &nom)
{
    QApplication::processEvents();
    const QImage image = fenetre.grab().toImage();
    const QString dossier = qEnvironmentVariable("KAPTORI_CAPTURES");
    if (!dossier.isEmpty())
        image.save(QDir(dossier).filePath(nom.endsWith(QLatin1String(".png")) ? nom : nom + QStringLiteral(".png")));
    return image;
}
