#pragma once
// PNG writer (libpng). The picture is written as 8-bit RGB when every pixel
// is opaque and as 8-bit RGBA otherwise, so that reading it back gives every
// pixel, alpha included.

class QImage;
class QIODevice;

// Writes image (any format; 0xAARRGGBB pixels are written as they are) as a
// complete PNG stream. Throws ErreurFichier when the device refuses bytes and
// ErreurDecodage when the picture cannot be encoded (empty, too large).
void EcrirePng(const QImage &image, QIODevice &sortie);

// Compression settings of the program's PNG files: zlib level 3 with the
// adaptive filters, a good size for a quarter of the time of level 6.
inline constexpr int kNiveauCompressionPng = 3;
