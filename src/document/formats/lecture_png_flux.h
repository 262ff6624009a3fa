#pragma once
// PNG decoding from a device, for the image field of a document file and for
// picture files: the chunks are read up to IEND, the joined image data is
// inflated in one call by libdeflate, and each row is restored and converted
// straight into the scan lines of the QImage::Format_ARGB32 picture. Pixels
// are kept as stored (no gamma or colour-profile conversion, see
// pixels_png.h), so a picture written by EcrirePng comes back bit for bit.

#include <QImage>

class QIODevice;

// Decodes the PNG stream that starts at the device's position and holds at
// most octetsDisponibles bytes (the rest of the field). Every colour type and
// depth is accepted: palettes and grey levels become RGB, transparency
// becomes alpha, a 16-bit sample v becomes round(v / 257). The picture's size is
// checked against those bytes before it is allocated. Throws ErreurDecodage
// (a damaged, truncated or oversized stream) or ErreurFichier (the device
// fails), with French messages that do not name the file.
[[nodiscard]] QImage DecoderPngFlux(QIODevice &flux, qint64 octetsDisponibles);
