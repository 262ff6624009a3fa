#pragma once
// Side-files of a picture: the scale (".sca") and colour code (".ccc") stored
// next to it. Their name is the picture's path without its last four
// characters, followed by the side-file's extension, so that photo.jpg gives
// photo.sca and photo.jpeg gives photo..sca.

#include <QString>

// chemin without its last four characters, then extension (".sca", ".ccc"…).
// A path of four characters or fewer gives the extension alone.
[[nodiscard]] QString NomFichierAnnexe(const QString &chemin, const QString &extension);
