#pragma once
// Side-files of a picture: the scale (".sca") and colour code (".ccc") stored
// next to it. Their name is the picture's path without its last four
// characters, followed by the side-file's extension, so that photo.jpg gives
// photo.sca and photo.jpeg gives photo..sca.

#include <QString>

// chemin without its last four characters, then extension (".sca", ".ccc"…).
// A path of four characters or fewer gives the extension alone.
[[nodiscard]] QString NomFichierAnnexe(const QString &chemin, const QString &extension);

// The picture a side-file belongs to, for a side-file opened on its own (from
// the file manager): the existing file whose side-file it is, tried in this
// order of extensions, each in lower then upper case: ".jpg", ".png", ".bmp",
// ".gif", ".tif", ".ico", ".lan", ".img", ".ima", ".per", ".inf", and "jpeg"
// and "tiff" after a side-file name ending with "." (photo..sca belongs to
// photo.jpeg). Empty text when there is none.
[[nodiscard]] QString ImageDuFichierAnnexe(const QString &annexe);
