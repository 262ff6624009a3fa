#pragma once
// Pixel rows of the document's layers: the merge rule of the provisional
// layer into the drawing layer, a layer row blended over an image row, and
// where a positioned layer lands. Shared by the document's operations and
// its flattening.

#include "document/image_document.h"

#include <QImage>
#include <QPoint>
#include <QRgb>

#include <cstdint>

class QPainter;

namespace melange_couches {

// The pixel a layer is filled with where nothing lies under a drawing.
constexpr QRgb TransparentBlanc = 0x00FFFFFF;

// n / 255 to the nearest integer; n / 255 never falls on a half since 255 is odd.
inline std::uint32_t Div255(std::uint32_t n) { return (n + 127) / 255; }

// True when every pixel of the row is zero, the pixel of a cleared layer.
bool LigneNulle(const QRgb *ligne, int n);

// One scan line of the merge rule of the provisional layer (f) into the
// drawing layer (b), with the provisional layer's master alpha m.
void FusionnerLigne(const QRgb *f, QRgb *b, int n, std::uint32_t m, bool zonation, QRgb couleurZonation);

// A layer row c blended over an image row d (see MelangerPixel).
void MelangerLigne(const QRgb *c, QRgb *d, int w);

// The drawing row merged with the provisional row into rangee; the row to
// blend over the image, or nullptr when there is nothing.
const QRgb *RangeeCombinee(const QRgb *dessin, const QRgb *provisoire, QRgb *rangee, int w, std::uint32_t m);

// A layer that exists and has the image's size.
bool CouchePresente(const QImage &couche, QSize taille);

// Where a positioned layer lands on the image: its position rounded to whole pixels.
QPoint PositionArrondie(const CouchePositionnee &couche);

// Blends a positioned layer with the painter of a working bitmap whose
// top-left pixel is the image pixel origine.
void DessinerCoucheAvec(QPainter &p, const CouchePositionnee &couche, QPoint origine);

} // namespace melange_couches
