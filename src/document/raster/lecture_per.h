#pragma once
// "Orvane" channel files (".per"): a 1280-byte header holding H (16-bit
// little-endian at 14) and W (at 18), then the pixels in tiles of 16 × 16.
// The image is cut into ceil(W/16) tiles across and ceil(H/16) down; tiles
// are stored tile row by tile row from the top, left to right, each as 16
// rows of 16 bytes. Tiles on the right and bottom edges are stored whole;
// only their pixels inside W × H are used.

#include "document/raster/lecture_raster.h"

// One channel plane under the given name and index. Throws like every
// reader; incompleteness warnings are appended to avertissements.
[[nodiscard]] TCanal LireCanalPer(const QString &chemin, const QString &nom, int index, QStringList &avertissements);

// A ".per" opened on its own: one channel "Canal", shown in grey.
[[nodiscard]] LectureRaster LirePer(const QString &chemin);
