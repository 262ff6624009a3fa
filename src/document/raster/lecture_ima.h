#pragma once
// Older single-channel files (".ima"): a 512-byte text header whose zero
// bytes are ignored, then H rows of W bytes. The header text holds the word
// "lignes" followed within seven characters by the number of rows, one
// separator character and "*", and "colonnes" followed the same way by the
// number of columns ("lignes  480 *").

#include "document/raster/lecture_raster.h"

#include <QByteArray>

inline constexpr int LargeurMaxIma = 2049;

struct DimensionsIma {
    int lignes = 0;
    int colonnes = 0;
};

// Reads the rows and columns from the header text (zero bytes already
// removed): the 7 characters after the first occurrence of the word, "*" at
// 1-based position p among them, the number being the first p − 2
// characters (leading blanks allowed). Throws ErreurDecodage when a word, its
// star or its number is missing or not a positive integer.
[[nodiscard]] DimensionsIma DimensionsEnteteIma(const QByteArray &texte, const QString &chemin);

// One channel "Canal" shown in grey. Refuses W > 2049 before reading pixels.
[[nodiscard]] LectureRaster LireIma(const QString &chemin);
