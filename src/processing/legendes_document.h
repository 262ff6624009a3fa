#pragma once
// The two legends of the "&Image" menu on a document: the scale bar, placed
// with the pointer and kept as a drawn element, and the key of the colour
// code, painted for good in a white strip widening the image on the right.

#include "document/image_document.h"
#include "drawing/reglages_dessin.h"

#include <QFont>
#include <QRgb>

#include <memory>

// The scale-legend element for a length scale: kind 7 with the pen width and
// colour, the background colour, the opacity, the font's fields, the unit and
// Facteur units per pixel. Null for an undefined scale or one that is not a
// length scale.
[[nodiscard]] std::unique_ptr<TDessin> ElementLegendeEchelle(const TEchelle &echelle, const ReglagesDessin &reglages,
                                                             const QFont &police);

// The floating picture of a scale-legend element: composed on the background
// colour, then every pixel of that colour made fully transparent. Null when
// the legend cannot be composed.
[[nodiscard]] QImage ImageFlottanteLegende(const TDessin &element, QRgb couleurFondDessin);

// "Ajouter la légende de l'échelle": the legend's picture, with its
// background colour made transparent, starts a placement at (10, 10) and the
// document's tool becomes the text tool. Returns false, nothing changed, when
// the document has no length scale or the legend cannot be composed.
bool CommencerLegendeEchelle(ImageDocument &document, const ReglagesDessin &reglages, const QFont &police,
                             bool transparent = true);

// "&Ajouter la légende des couleurs": the canvas grows to
// (W + legend width) × max(H, legend height) over `fond`, the image kept at
// (0, 0), and the key of the document's code is copied at (W, 0). Throws
// ErreurKaptori, the document unchanged, when the enlarged picture would pass
// the picture limits.
void AjouterLegendeCouleurs(ImageDocument &document, QRgb fond);
