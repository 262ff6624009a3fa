#pragma once
// Rows of the colour composite of three channels: each slot's byte goes
// through its display table (the contrast stretch, or 255 everywhere for a
// slot without channel), and the three join into opaque pixels.

#include <QRgb>

#include <array>
#include <cstdint>

using TableAffichage = std::array<std::uint8_t, 256>;

class CompositeurCanaux {
public:
    // tables: blue, green, red slots. `large`: use the processor's wide byte
    // look-ups where it has them (false gives the plain pixel-by-pixel
    // work, which the wide one must match).
    explicit CompositeurCanaux(const std::array<TableAffichage, 3> &tables, bool large = true);

    // dest[x] := 0xFF000000 | rouge'[x] << 16 | vert'[x] << 8 | bleu'[x],
    // each byte through its slot's table.
    void Ligne(QRgb *dest, const std::uint8_t *bleu, const std::uint8_t *vert, const std::uint8_t *rouge,
               int largeur) const;

private:
    void LigneSimple(QRgb *dest, const std::uint8_t *bleu, const std::uint8_t *vert, const std::uint8_t *rouge,
                     int largeur) const;

    std::array<TableAffichage, 3> tables_;
    // Each table widened with its byte already in place in the pixel: a
    // pixel is three look-ups joined.
    std::array<std::array<QRgb, 256>, 3> placees_{};
    bool large_;
};
