#pragma once
// The zone delimitation of a document: the user paints reference areas on the
// drawing layer with the drawing tools, one pen colour per category, at full
// opacity and without making drawing elements; each OK classifies the picture
// from that painting, "Refaire" gives the painting back as the user made it,
// and the end of the mode drops it and rebuilds the layer from the elements.

#include "document/image_document.h"
#include "drawing/rendu_dessin.h"

// Zone mode on: the pencil, both layers created when missing and cleared, the
// provisional layer at full opacity.
void DebutZones(ImageDocument &document);

// OK: what the provisional layer holds is merged, and the provisional layer
// keeps a copy of the painting so that "Refaire" can give it back. Returns
// the painting.
[[nodiscard]] QImage ValiderZones(ImageDocument &document);

// "Refaire": the drawing layer takes back the painting kept at OK; the
// provisional layer is cleared.
void RefaireZones(ImageDocument &document);

// Zone mode off: the measuring tool, both layers cleared, the drawing layer
// rebuilt from the document's elements. The painting is lost.
void FinZones(ImageDocument &document, const ContexteDessin &contexte);
