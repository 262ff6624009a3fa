#pragma once
// Files named inside other files (channel files of a global raster file or of
// a channel list, frames of an animation list, help documents).

#include <QString>

// Finds the file a name written inside another file designates:
// 1. the name as written, Windows separators "\" read as "/", a relative
//    name taken against dossierFormat (the folder the format names; empty
//    for the current directory);
// 2. a relative name taken against dossierCitant, the folder of the file
//    that holds the name;
// 3. in the folder of step 2, the one entry whose name matches the last part
//    of the name without regard to case (none when two entries match).
// Returns the path found (which may be a folder: the caller decides), or an
// empty text when nothing exists.
[[nodiscard]] QString ResoudreNomCite(const QString &nom, const QString &dossierFormat, const QString &dossierCitant);
