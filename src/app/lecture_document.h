#pragma once
// The pixel of a document under the pointer, for the status-bar readout, the
// decoding panel and kaptori-cli valeur. Reads one pixel of the image and one
// byte of each displayed channel: no allocation, no work on the whole image.

#include "calibration/lecture_pixel.h"

class ImageDocument;

// False, leaving *pixel as it was, when (x, y) lies outside the image.
[[nodiscard]] bool LirePixelDocument(const ImageDocument &document, int x, int y, PixelLu *pixel);
