#pragma once
// Landsat LAN files (".lan"): a 128-byte header, then the pixels of N 8-bit
// bands interleaved by line (for each row, the W bytes of band 1, then of
// band 2, …). Header: N is the byte at 8, W the 16-bit little-endian value at
// 16, H the one at 20; the rest (signature, pack type, high halves) is not
// read. The byte of band b (1-based) at (x, y) is at
// 128 + (y × N + b − 1) × W + x.

#include "document/raster/lecture_raster.h"

inline constexpr int LargeurMaxLan = 7169;

// A Landsat file opened with its header read and checked; Lire reads its
// pixels. Opening refuses W > 7169, empty images and a header announcing far
// more pixels than the file holds, before reading any pixel.
class FichierLan {
public:
    explicit FichierLan(const QString &chemin);

    [[nodiscard]] int bandes() const { return bandes_; }
    [[nodiscard]] int largeur() const { return largeur_; }
    [[nodiscard]] int hauteur() const { return hauteur_; }

    // Channels "TM 1" … "TM N", shown TM 2, TM 3, TM 4 in blue, green, red,
    // sharing one block laid out as the file is. Pixels the file does not
    // hold are 0, with a French warning when it was short at opening; bytes
    // it no longer holds (rewritten meanwhile) are 0.
    [[nodiscard]] LectureRaster Lire();

private:
    FichierBrut fichier_;
    int bandes_ = 0;
    int largeur_ = 0;
    int hauteur_ = 0;
    QString avertissement_; // the file holds fewer pixels than announced
};

// FichierLan(chemin).Lire().
[[nodiscard]] LectureRaster LireLan(const QString &chemin);
