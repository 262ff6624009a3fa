#pragma once
// Landsat LAN files (".lan"): a 128-byte header, then the pixels of N 8-bit
// bands interleaved by line (for each row, the W bytes of band 1, then of
// band 2, …). Header: N is the byte at 8, W the 16-bit little-endian value at
// 16, H the one at 20; the rest (signature, pack type, high halves) is not
// read. The byte of band b (1-based) at (x, y) is at
// 128 + (y × N + b − 1) × W + x.

#include "document/lecture_raster.h"

inline constexpr int LargeurMaxLan = 7169;

// Channels "TM 1" … "TM N", shown TM 2, TM 3, TM 4 in blue, green, red.
// Refuses W > 7169 and empty images before reading any pixel. `surTaille`,
// when given, learns the image size once the header is found sound, before
// the pixels are read.
[[nodiscard]] LectureRaster LireLan(const QString &chemin, const SurTailleRaster &surTaille = {});
