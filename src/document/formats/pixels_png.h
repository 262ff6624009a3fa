#pragma once
// Turning the restored rows of a PNG stream into 0xAARRGGBB pixels. Samples
// are kept as stored, with no gamma or colour-profile conversion: 8-bit
// samples as they are, 16-bit samples v reduced to round(v / 257), samples of
// 1, 2 or 4 bits stretched to 0..255; palettes and grey levels become RGB,
// and the transparency chunk becomes alpha (0 for the transparent grey level
// or colour, the listed alpha of a palette entry, 255 for entries it does
// not list).

#include <QRgb>

#include <array>
#include <cstdint>

struct FormatPixelsPng {
    int typeCouleur = 0; // 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA
    int profondeur = 8;  // bits per sample: 1, 2, 4, 8 or 16
    // Palette entries with their alpha; entries the file does not give are
    // opaque black.
    std::array<QRgb, 256> palette{};
    // The grey level (in its first sample) or the colour whose pixels are
    // transparent, in the stream's own depth.
    bool avecCleTransparence = false;
    std::array<std::uint16_t, 3> cleTransparence{};
};

// Bits one pixel takes in a row: channels times depth.
[[nodiscard]] int BitsParPixelPng(int typeCouleur, int profondeur);

// True when the pair is one the PNG format allows.
[[nodiscard]] bool FormatPngValide(int typeCouleur, int profondeur);

// Converts the `largeur` pixels of one restored row (no filter byte).
void ConvertirLignePng(const FormatPixelsPng &format, const std::uint8_t *octets, int largeur, QRgb *sortie);
