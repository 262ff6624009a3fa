#pragma once
// "Orvane" global files (".img"): 128-byte records. Record 0 is a header
// that is not read; records 1, 2, … follow until the first whose first byte
// is not 1, or the end of the file. In a record, after the byte 1: zero
// bytes, the channel file name ending with a zero byte, zero bytes, then a
// description ending with a zero byte. An entry whose description contains
// "CANAL" (any case) is a channel: its ".per" file is looked up in the folder
// of the ".img" file, and the channel is named by the description in upper
// case.

#include "document/raster/lecture_raster.h"

#include <vector>

inline constexpr int MaxCanauxImg = 16;

struct EntreeImg {
    QString fichier;     // channel file name as written
    QString description; // as written
};

// The channel entries of a global file, in file order. Throws ErreurDecodage
// for a record whose texts lack their ending zero byte, and refuses more
// than 16 channel entries.
[[nodiscard]] std::vector<EntreeImg> EntreesImg(const QString &chemin);

// Sorting number of a channel name: the first one or two consecutive digits
// at or after the first "CANAL"; 255 without digits there.
[[nodiscard]] int NumeroCanal(const QString &nom);

// Reads every channel entry's ".per" file (a file that cannot be read is
// skipped with a warning), sorts the channels by their number (equal numbers
// keep their order) and renumbers their indexes; shows indexes 0, 1, 2.
// Throws ErreurDecodage when no channel could be read.
[[nodiscard]] LectureRaster LireImg(const QString &chemin);
