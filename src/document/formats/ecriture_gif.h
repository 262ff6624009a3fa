#pragma once
// GIF writer (giflib) for 32-bit pictures. A picture of at most 256 distinct
// colours keeps them exactly, which is what diagrams, graphs and drawings
// hold; a photograph is reduced to 256 colours by libimagequant and mapped
// without dithering, so that flat areas stay flat and no grain appears on
// lines and texts. GIF has no partial transparency: alpha is not stored.

class QImage;
class QIODevice;

#include <QByteArray>

// Writes image as a complete GIF file (GIF89a, one frame). A non-empty
// commentaire is written as a comment extension before the frame (in blocks
// of at most 255 bytes), where readers of the program look for it. Throws
// ErreurFichier when the device refuses bytes and ErreurDecodage when the
// picture cannot be encoded (empty, over 65535 pixels).
void EcrireGif(const QImage &image, QIODevice &sortie, const QByteArray &commentaire = {});
