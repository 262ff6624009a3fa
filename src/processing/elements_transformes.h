#pragma once
// Drawn elements, counting marks and positioned layers carried along with a
// transformed picture, so that a rebuild of the drawing layer draws each
// element where it was seen. Texts, scale legends and marks stay upright:
// their box is moved so that its centre goes where the old centre goes.

#include "document/image_document.h"
#include "drawing/dessin.h"
#include "processing/transformation.h"

#include <QSize>

// The element of a picture of size `taille` after the transformation: its
// points, ends, corners, centre, seed and traced points transformed, a text
// or legend box centred on its transformed centre.
void TransformerElement(TDessin &dessin, QSize taille, Transformation t);

// The element moved by (dx, dy) pixels (coordinates kept in 16 bits).
void DeplacerElement(TDessin &dessin, int dx, int dy);

// A positioned layer (the floating layer) whose box is centred on the
// transformed centre of its old box, upright.
void TransformerCouchePositionnee(CouchePositionnee &couche, QSize taille, Transformation t);

// A counting mark, upright, moved so that the pixel it was put on (its own
// pixel (13, 13), not the middle of its 25 × 25 box) goes where the
// transformation sends that pixel.
void TransformerMarque(CouchePositionnee &marque, QSize taille, Transformation t);
