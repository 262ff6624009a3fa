#pragma once
// JPEG writer (libjpeg) at a quality factor from 50 to 100, baseline,
// YCbCr with the library's default sampling. Alpha is not stored.

class QImage;
class QIODevice;

inline constexpr int kQualiteJpegMin = 50;
inline constexpr int kQualiteJpegMax = 100;

// Writes image as a complete JPEG stream; a quality outside 50..100 is
// brought into it. Throws ErreurFichier when the device refuses bytes and
// ErreurDecodage when the picture cannot be encoded (empty, over 65500 pixels).
void EcrireJpeg(const QImage &image, int qualite, QIODevice &sortie);
