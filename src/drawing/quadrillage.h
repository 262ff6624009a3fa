#pragma once
// The measuring grid: lines of a chosen mesh written into the drawing
// layer's pixels (they are not drawn elements, so a rebuild of the layer
// from its elements removes them), and the bounds of the mesh in the unit of
// the document's length scale.

#include "calibration/echelle.h"

#include <QImage>
#include <QRgb>
#include <QString>

#include <optional>

// The spin field of the grid dialog for a scale and an image width.
struct ReglageMaille {
    QString unite;      // the scale's unit, "pixels" for a scale in pixels
    double facteur = 1; // units per pixel; 1 for a scale in pixels
    int decimales = 0;
    double minimum = 5;
    double maximum = 5;
    double pas = 1;
    double valeur = 20;

    // True when v lies within the bounds (a small tolerance covers the
    // decimals shown).
    [[nodiscard]] bool Admet(double v) const;
};

// The field for a length scale: in pixels, no decimals, 5 to W div 2 by
// steps of 1, 20 at first; in any other unit with f units per pixel,
// decimals 0 when f > 1 else Round(log10(1 / f)), 5f to 0.5Wf by steps of f,
// 20f at first. Nothing for a scale that is not a length scale. Throws
// ErreurKaptori when the factor of a unit other than pixels is not a
// positive finite number (a hand-edited scale file can hold 0).
[[nodiscard]] std::optional<ReglageMaille> PreparerMaille(const TEchelle &echelle, int largeur);

struct LignesQuadrillage {
    double maille = 0;    // mesh in pixels
    int verticales = 0;   // lines inside the picture
    int horizontales = 0;
};

// The colour of the grid lines for a pen colour: its alpha ANDed with 0x40.
[[nodiscard]] QRgb CouleurQuadrillage(QRgb couleurCrayon);

// Writes the grid of mesh s pixels into the layer, replacing its pixels:
// the columns x = Round(m·s) for m = 1 .. W div Round(s) and the rows
// y = Round(v·s) for v = 1 .. H div Round(s), clipped to the layer. Nothing
// is written when Round(s) < 1.
LignesQuadrillage TracerQuadrillage(QImage &couche, double s, QRgb couleur);
