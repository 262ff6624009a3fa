#pragma once
// Files the tests lay down before the program reads them.

#include <QByteArray>
#include <QFile>
#include <QString>

// Writes the bytes as the whole file; false when it cannot be written.
[[nodiscard]] inline bool EcrireFichier(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}
