#pragma once
// "Créer une &animation": an animation made of documents, each flattened
// with all its layers and reduced to a palette, in the order chosen.

#include "animation/animation.h"

#include <vector>

class ImageDocument;

// The frame of one document. Its entry of FichiersAnimation is the
// document's file (empty when never saved); its source is that file only
// when the file gives back this frame: the document is unchanged since it
// was opened or saved, and its layers add nothing to its image unless the
// file is a document file, which keeps the drawings; never a raster file's
// display, which depends on the channels chosen.
[[nodiscard]] ImageAnimation ImageDeDocument(const ImageDocument &document);

// The animation of the documents in this order; no list path.
[[nodiscard]] Animation ConstruireAnimation(const std::vector<const ImageDocument *> &documents);
