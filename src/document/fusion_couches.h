#pragma once
// Merging a document's layers: everything into the image for good, or the
// provisional layer into the drawing layer (ImageDocument::FusionnerProvisoire).

#include "document/image_document.h"

// "toutes les couches": the image becomes the document flattened with all
// its layers (ImageDocument::Aplatir); every element is deleted and both
// layers end empty, so nothing is left to undo and the drawings exist only
// as image pixels. A floating layer that was flattened is hidden and its
// placement ends; after a paste or a legend the measuring tool comes back,
// as when such a placement is confirmed.
void FusionnerToutesCouches(ImageDocument &doc);
