#pragma once
// "&Recadrer": a new document limited to a rectangle of the displayed view
// (the image with its layers as shown, so the drawings become part of the
// new picture), with the source's colour code and its scale moved by
// (−left, −top).

#include "document/image_document.h"

#include <QRect>

#include <memory>

// The cropped document, captioned "Recadrage de " + the source's caption.
// Throws ErreurKaptori when the rectangle is empty or not wholly inside the
// picture; the source is never changed.
[[nodiscard]] std::unique_ptr<ImageDocument> RecadrerDocument(const ImageDocument &source, const QRect &rectangle);

// The rectangle checked as RecadrerDocument checks it.
void VerifierRectangle(const QRect &rectangle, QSize taille);

// The rectangle of a left, top, width and height given as numbers, checked
// the same way; one whose far side would pass the integers is refused as
// lying outside the picture.
[[nodiscard]] QRect RectangleVerifie(int gauche, int haut, int largeur, int hauteur, QSize taille);
