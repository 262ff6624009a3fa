#pragma once
// What the document window shows of its document at a zoom: the image made
// opaque (a picture of channels keeps alpha 0 in its pixels, which is not
// shown), the drawing layer blended over it, the provisional layer blended
// with its master alpha, then the floating layer and the counting marks.
//
// Only the part on screen is composed, straight at the screen's resolution,
// so a frame costs in proportion to the view, never to the picture: at zoom
// 0.25 each view pixel is sampled from four composed image pixels, not from
// a rescaled copy of the whole picture.

#include "document/image_document.h"

#include <QImage>
#include <QRect>

// The view pixels of zone, measured from the image's top-left corner on
// screen: view pixel (u, v) shows the image at ((u + 0.5) / zoom,
// (v + 0.5) / zoom), smoothed (bilinear) when zoom differs from 1 and
// pixel for pixel at 1. Returns an opaque picture (Format_RGB32) of zone's
// size; view pixels beyond the displayed image, round(w·zoom) ×
// round(h·zoom), are left black. A null or empty image, a zoom that is not
// positive, or an empty zone give a null picture.
[[nodiscard]] QImage ComposerVue(const ImageDocument &doc, const QRect &zone, double zoom);
