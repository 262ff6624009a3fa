#pragma once
// Animated GIF writer (giflib): the frames in order, each at the top left of
// a screen as large as the largest frame, each with its own palette (a
// picture already in Format_Indexed8 is written as it is, any other is
// reduced by ReduireEnPalette), each shown alone over the background for
// the same delay.

#include <QList>

class QImage;
class QIODevice;

// Writes a complete GIF89a file. delaiCentiemes (0..65535) is each frame's
// display time in hundredths of a second. With boucle the file carries the
// NETSCAPE2.0 extension with a count of 0 (play for ever); without it, no
// such extension and the animation plays once. Throws ErreurDecodage when
// there is no frame, a frame is empty or over 65535 pixels a side, and
// ErreurFichier when the device refuses bytes.
void EcrireGifAnime(const QList<QImage> &images, QIODevice &sortie, int delaiCentiemes, bool boucle);
