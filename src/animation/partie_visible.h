#pragma once
// What the player paints at each tick: only the part of a palette frame that
// the window shows, converted to 32-bit pixels, so that a tick costs the
// visible area and not the whole frame.

#include <QImage>
#include <QRect>

// The pixels of zone (clipped to the frame) of a Format_Indexed8 frame as a
// Format_RGB32 picture of the clipped zone's size; a picture in another
// format is converted the ordinary way. Empty when the zone misses the frame.
[[nodiscard]] QImage PartieVisible(const QImage &image, const QRect &zone);
