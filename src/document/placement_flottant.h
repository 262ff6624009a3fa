#pragma once
// Placing a picture on a document through the floating layer: a text, a
// scale legend or a pasted picture is shown above the image, moved with the
// pointer while the placement window "Disposer la légende" is open, then
// fixed on the provisional layer (OK) or dropped (Cancel).

#include "document/image_document.h"

#include <QImage>
#include <QPointF>

#include <memory>

// Modes of a placement, as the placement window shows them.
enum ModePlacement { PlacementTexte = 0, PlacementLegende = 1, PlacementCollage = 2 };

// Starts a placement: the floating layer takes the picture (transparent
// pixels where nothing is to cover the image) with its top-left corner at
// coin, visible, master alpha 255, drawn blended when transparent and opaque
// otherwise; PlacementEnCours is set. A text or legend brings the element it
// becomes once confirmed.
void CommencerPlacement(ImageDocument &doc, int mode, const QImage &image, QPointF coin, bool transparent,
                        std::unique_ptr<TDessin> element = {});

// ValiderPlacement, when the placement window closes (confirme: by OK).
// Confirmed: the position (X, Y) is the floating layer's top-left corner
// rounded; a measurement line on the provisional layer is discarded and a
// drawing not merged yet is merged first, so that the provisional layer
// holds the placed picture alone; the picture is copied onto it (with
// "Oui" its transparent background stays transparent, with "Non" every pixel
// covers, the background in its colour); a text or legend element takes
// (X, Y) as its anchor and the transparency chosen and is appended under
// "Texte " and the element counter, not merged yet. Cancelled: the floating
// layer is hidden and nothing is made. Either way the floating layer ends
// hidden, and after a legend or a paste the document's tool becomes the
// measuring tool. Returns true when something was placed.
bool ValiderPlacement(ImageDocument &doc, bool confirme, bool transparent);
