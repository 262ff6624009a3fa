#pragma once
// Rendering of a drawn element onto a layer (32-bit 0xAARRGGBB,
// QImage::Format_ARGB32, alpha 0 meaning nothing drawn). All rendering
// clips to the layer.

#include "drawing/dessin.h"
#include "drawing/tester_pixel.h"

#include <QImage>
#include <QRgb>


// The drawing settings that rendering reads at the time of drawing.
struct ContexteDessin {
    int opaciteDessin = 255;              // alpha given to the colours of fills (kinds 6, 9)
    QRgb couleurFondDessin = 0xFFFFFFFF;  // transparent key and background of scale legends
    const PlansCanaux *canaux = nullptr;  // channel planes for conditions on channels
};

// Draws the element onto the layer; the image is read by the fills (kinds 6
// and 9). Returns false when drawing raised an error.
bool Dessiner(const TDessin &dessin, const QImage &image, QImage &couche, const ContexteDessin &contexte = {});

// The 25×25 cap stamp of width w (0..11) and colour c: a filled disc of
// radius w centred on the pixel (13, 13), on a transparent background. It is
// also the pen tip of the pencil and the eraser.
[[nodiscard]] QImage CreerEmbout(int w, QRgb c);
inline constexpr int DecalagePointe = 13;

// Draws rays around the pixel (13, 13) in colour c: the dot at the centre,
// for i = 1..m and j = 1..s the four points (±Round(j cos θ), ±Round(j sin θ))
// with θ = iπ/(2m + 2), then the plus of half-length s. With m = 4s + 1 this
// is the cap stamp's disc; the marks draw their stars with fewer rays.
void DessinerRayons(QImage &image, int s, int m, QRgb c);

// Blends the stamp onto the layer with its pixel (13, 13) on (x, y).
void PoserEmbout(const QImage &embout, QImage &couche, int x, int y);

// Makes transparent every layer pixel under a stamp pixel of alpha above 0,
// the stamp's pixel (13, 13) on (x, y) (the eraser).
void GommerAvecEmbout(const QImage &embout, QImage &couche, int x, int y);

// Blends the colour over the layer pixel (x, y), when inside.
void MelangerPixel(QImage &couche, int x, int y, QRgb c);

// The image of a scale legend for the element's font, colour c, width w,
// units per pixel u and unit, on the background bg. Empty when u <= 0.
[[nodiscard]] QImage ComposerLegende(const TDessin &dessin, QRgb bg);

// Copies a text or legend image onto the layer with its top-left corner at
// (x, y); with `transparent`, pixels equal to the key (alpha 255) become
// transparent.
void CopierAvecCle(const QImage &source, QImage &couche, int x, int y, bool transparent, QRgb cle);
