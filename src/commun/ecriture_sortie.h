#pragma once
// Where a command-line tool writes its bytes, as every such tool does:
//   "-"                      the standard output;
//   an existing path that is not a regular file (a device such as
//   /dev/null, a FIFO, a socket): opened and written in place, never
//   replaced by a renamed file;
//   any other path           the safe writer (ecriture_sure.h): a
//                            temporary file renamed over the target.

#include <QString>

#include <functional>

class QIODevice;

enum class GenreSortie { SortieStandard, FichierSpecial, FichierOrdinaire };

[[nodiscard]] GenreSortie GenreDeSortie(const QString &chemin);

// Runs ecrire on the output chemin names. Throws ErreurFichier with a French
// message when the output cannot be opened or a write fails; an exception of
// ecrire passes through (a regular file then keeps its former content).
void EcrireSortie(const QString &chemin, const std::function<void(QIODevice &)> &ecrire);
