#pragma once
// The drawn elements of a document: naming new elements, rebuilding the
// drawing layer from the list, undo, deletion and erasing.

#include "document/image_document.h"
#include "drawing/reglages_dessin.h"

#include <QIODevice>
#include <QRect>

#include <memory>

// Appends the element under the name of its kind followed by the document's
// counter, incremented first (the first element is number 1).
void AjouterElementNomme(ImageDocument &doc, std::unique_ptr<TDessin> dessin);

// The rectangle of the layer an element may draw on; the whole layer for
// texts and legends.
[[nodiscard]] QRect EtendueElement(const TDessin &dessin, QSize taille);

// Renders every element in list order onto the drawing layer (created when
// absent): fills straight onto it, the others onto the cleared provisional
// layer at their own opacity, then merged. Ends with a clear provisional
// layer. The caller clears the drawing layer first when it must be rebuilt
// from nothing.
void RedessinerCalque(ImageDocument &doc, const ContexteDessin &contexte);

// Clears both layers and rebuilds the drawing layer (after loading a file).
void ReconstruireCalque(ImageDocument &doc, const ContexteDessin &contexte);

// Deletes element i (nothing when outside the list). The last element still
// only on the provisional layer is removed by clearing that layer; any other
// deletion clears both layers and rebuilds the drawing layer, losing what the
// eraser changed. Returns true when the list is now empty ("Annuler" is then
// disabled).
bool SupprimerElement(ImageDocument &doc, int i, const ContexteDessin &contexte);

// "Annuler": deletes the last element, then clears the provisional layer.
// Returns false when there is nothing left to undo.
bool AnnulerDernier(ImageDocument &doc, const ContexteDessin &contexte);

// "Effacer les tracés": deletes every element; the layers end empty, except
// that an empty list leaves them untouched.
void EffacerTout(ImageDocument &doc);

// The channel planes of a multichannel document for the fill conditions.
[[nodiscard]] PlansCanaux PlansDuDocument(const ImageDocument &doc);

// Clears a rectangle of a layer to transparent.
void EffacerZone(QImage &couche, const QRect &zone);
