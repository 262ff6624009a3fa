#pragma once
// Safe writing of a file: the bytes go to a temporary file of the target's
// folder, which is flushed to disk and renamed over the target only once
// everything is written. A failure at any point (the writer throws, the disk
// is full, the folder is missing or read-only, the rename is refused) leaves
// the previous file exactly as it was and no temporary file behind.

#include <QString>

#include <functional>

class QIODevice;

// Runs ecrire on the temporary file, then replaces chemin by it. A failure of
// the file itself throws ErreurFichier with the French message; an exception
// thrown by ecrire cancels the save and passes through unchanged.
void EcrireFichierSurFlux(const QString &chemin, const std::function<void(QIODevice &)> &ecrire);

// Writes n bytes or throws ErreurFichier (a full disk, a lost device).
void EcrireOctets(QIODevice &sortie, const char *octets, qint64 n);
