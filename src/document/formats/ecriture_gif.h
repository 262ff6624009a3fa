#pragma once
// GIF writer (giflib) for 32-bit pictures. A picture of at most 256 distinct
// colours keeps them exactly, which is what diagrams, graphs and drawings
// hold; a photograph is reduced to 256 colours by libimagequant and mapped
// without dithering, so that flat areas stay flat and no grain appears on
// lines and texts. GIF has no partial transparency: alpha is not stored.

class QImage;
class QIODevice;

// Writes image as a complete GIF file (GIF89a, one frame). Throws
// ErreurFichier when the device refuses bytes and ErreurDecodage when the
// picture cannot be encoded (empty, over 65535 pixels).
void EcrireGif(const QImage &image, QIODevice &sortie);
