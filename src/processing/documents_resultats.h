#pragma once
// The new documents some processing commands make, the frame and the
// command line alike.

#include "document/image_document.h"

#include <QImage>

#include <memory>

// "Combinaison": the combined picture with the scale of image 1's document.
[[nodiscard]] std::unique_ptr<ImageDocument> DocumentCombinaison(QImage image, const ImageDocument &document1);

// "gris": the grey picture of the source with its scale (not its colour code).
[[nodiscard]] std::unique_ptr<ImageDocument> DocumentGris(const ImageDocument &source);
