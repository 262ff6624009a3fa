#pragma once
// PNG decoding from a device, for the image field of a document file: the
// compressed bytes are read through one large buffer and the rows are decoded
// straight into the scan lines of the QImage::Format_ARGB32 picture, with no
// copy of the file in memory and no conversion pass afterwards. Pixels are
// kept exactly as stored (no gamma correction), so a picture written by
// EcrirePng comes back bit for bit.

#include <QImage>

class QIODevice;

// Decodes the PNG stream that starts at the device's position and holds at
// most octetsDisponibles bytes (the rest of the field). Every colour type and
// depth is accepted: palettes and grey levels become RGB, transparency
// becomes alpha, 16-bit samples are scaled to 8 bits. The picture's size is
// checked against those bytes before it is allocated. Throws ErreurDecodage
// (a damaged, truncated or oversized stream) or ErreurFichier (the device
// fails), with French messages that do not name the file.
[[nodiscard]] QImage DecoderPngFlux(QIODevice &flux, qint64 octetsDisponibles);
