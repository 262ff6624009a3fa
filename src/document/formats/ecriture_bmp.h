#pragma once
// BMP writer, uncompressed, rows bottom-up, 72 dpi.
// - 24 bits (exported pictures): a 40-byte BITMAPINFOHEADER, B, G, R bytes,
//   rows padded to four bytes; read by every program.
// - 32 bits (the document file's image field): a BITMAPV5HEADER with the
//   masks of B, G, R and alpha (BI_BITFIELDS, sRGB), so that readers keep the
//   alpha of every pixel instead of taking the fourth byte as padding.

class QImage;
class QIODevice;

// Writes image as a complete BMP file; bitsParPixel is 24 or 32. Throws
// ErreurFichier when the device refuses bytes and ErreurDecodage when the
// picture cannot be encoded (empty, over 4 GB).
void EcrireBmp(const QImage &image, int bitsParPixel, QIODevice &sortie);
