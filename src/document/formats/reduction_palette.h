#pragma once
// Reduction of a picture to a palette of at most 256 colours, the form of a
// GIF frame and of an animation's frames. A picture of at most 256 distinct
// colours keeps them exactly, in the order they first appear row by row;
// a photograph gets 256 colours chosen by libimagequant, each pixel mapped
// to the nearest one without dithering, so that flat areas stay flat. Alpha
// is not kept: every colour of the palette is opaque.

class QImage;

// The picture in QImage::Format_Indexed8. Throws ErreurDecodage when the
// reduction fails; an empty picture gives an empty one.
[[nodiscard]] QImage ReduireEnPalette(const QImage &image);
