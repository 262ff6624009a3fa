#pragma once
// "A&grandir le canevas": the picture placed on a larger canvas of the
// background colour at an offset (dx, dy). Centred, the offset is
// ((W' − W) div 2, (H' − H) div 2); otherwise dx is 0 aligned left or
// W' − W aligned right, dy is 0 aligned at the top or H' − H at the bottom.
// The drawing layer grows the same way with transparent margins, the drawn
// elements, counting marks and a defined scale move by (dx, dy) with it.

#include "document/image_document.h"

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QSize>

enum class AlignementCanevas { Centre, HautGauche, HautDroite, BasGauche, BasDroite };

[[nodiscard]] QPoint DecalageAgrandissement(QSize ancienne, QSize nouvelle, AlignementCanevas alignement);

// Throws ErreurKaptori when the new size is smaller than the picture in a
// direction or passes the picture limits (32767 a side, 400 million pixels).
void VerifierAgrandissement(QSize ancienne, QSize nouvelle);

// The picture at `decalage` on a canvas of the new size filled with `fond`
// (0 for a transparent layer). Format_ARGB32.
[[nodiscard]] QImage AgrandirCanevas(const QImage &image, QSize taille, QPoint decalage, QRgb fond);

// Enlarges the document in place: what the provisional layer holds is merged
// into the drawing layer first (a measured line is dropped), the image is
// enlarged over `fond`, the drawing layer over transparency, the provisional
// layer recreated empty; channels grow with zeros. Throws as
// VerifierAgrandissement, the document unchanged.
void AgrandirDocument(ImageDocument &document, QSize taille, AlignementCanevas alignement, QRgb fond);
