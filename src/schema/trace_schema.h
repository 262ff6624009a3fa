#pragma once
// The strokes of the schema window's tools on a picture (the schema or the
// document image), drawn without antialiasing as a raster canvas draws them.
// W is the thickness chosen in the window (2..10 by 2): a dot has the radius
// W div 3, a stroke the width W div 2.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

// Fill of shapes.
enum RemplissageSchema : int { Vide = 0, Plein = 1, Rayure1 = 2, Rayure2 = 3 };

struct PinceauSchema {
    QRgb couleur = 0xFF000000; // pen colour
    QRgb fond = 0xFFFFFFFF;    // background colour: eraser, fills and hatches
    int epaisseur = 2;         // W
    bool tirets = false;       // dotted lines and outlines
};

// A single pixel when W div 3 is 0, else a filled disc of radius W div 3.
void PointCrayon(QImage &image, QPoint p, QRgb couleur, int epaisseur);

// A solid segment of width W div 2 (a freehand stroke, the eraser).
void SegmentCrayon(QImage &image, QPoint a, QPoint b, QRgb couleur, int epaisseur);

// The line tool's final line: width W div 2, dotted when asked.
void LigneSchema(QImage &image, QPoint a, QPoint b, const PinceauSchema &pinceau);

// The shape tool's final rectangle or ellipse between two corners: the
// outline in the pen colour, the inside empty, solid or hatched (backward
// diagonal for Rayure1, forward for Rayure2) in the background colour.
void FormeSchema(QImage &image, QPoint a, QPoint b, bool ellipse, int remplissage, const PinceauSchema &pinceau);

// The 4-connected region of pixels having exactly the colour of the pixel at
// p, painted with `couleur`. Returns the pixels painted (0 outside the
// picture or when the region already has that colour).
int RemplirZone(QImage &image, QPoint p, QRgb couleur);

// The rectangle of a shape between two corners, both included.
[[nodiscard]] QRect RectangleEntre(QPoint a, QPoint b);
