#pragma once
// PNG writer. The picture is written as 8-bit RGB when every pixel is opaque
// and as 8-bit RGBA otherwise, so that reading it back gives every pixel,
// alpha included. The rows are filtered here with one filter for the whole
// picture, the one that compresses a sample of its rows best, and deflated
// in one call by libdeflate: a file the size of zlib's default level for a
// fraction of its time.

class QImage;
class QIODevice;

// Writes image (any format; 0xAARRGGBB pixels are written as they are) as a
// complete PNG stream. Throws ErreurFichier when the device refuses bytes and
// ErreurDecodage when the picture cannot be encoded (empty, too large).
void EcrirePng(const QImage &image, QIODevice &sortie);

// libdeflate's compression level of the program's PNG files.
inline constexpr int kNiveauCompressionPng = 4;
