#pragma once
// A symmetry or quarter turn of a document, in place: the image, the drawing
// and provisional layers, the channels of a multichannel document, the drawn
// elements, the counting marks and the floating layer all follow the
// picture, so the layers keep the image's size and a rebuild of the drawing
// layer draws each element where it was seen. The scale is kept as it is.

#include "document/image_document.h"
#include "processing/transformation.h"

// Transforms the document. Returns true when its scale is a frame scale
// (cartesian, triangular or polar) that therefore no longer fits the
// picture, for the caller's warning.
bool TransformerDocument(ImageDocument &document, Transformation t);

// True when the scale is defined and placed on the picture (modes 1 to 3).
[[nodiscard]] bool EchelleACadre(const TEchelle &echelle);

// The warning shown after a transformation of a document with a frame scale.
[[nodiscard]] QString MessageEchelleDecalee();
