#pragma once
// Channel-list files (".inf"): a text file whose first line holds three
// integers separated by blanks — the number of channels N, of rows H and of
// columns W — followed by N lines each naming a raw channel file (H rows of
// W bytes, no header). Names are relative to the current directory, then to
// the folder of the ".inf" file.

#include "document/raster/lecture_raster.h"

inline constexpr int LargeurMaxInf = 2049;
inline constexpr int MaxCanauxInf = 21;

// Channels "Canal 1" … "Canal N", shown indexes 0, 1, 2. Refuses N > 21,
// W > 2049, missing channel lines, and a name that designates the list
// itself, a folder or no file, before reading any pixel.
[[nodiscard]] LectureRaster LireInf(const QString &chemin);
