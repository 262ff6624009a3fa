#pragma once
// Readouts of the measuring tool: the position of a pixel through a
// cartesian, triangular or polar scale, and the length of a dragged segment
// through a length scale. Numbers are written with FormatGeneral at 3
// significant digits and the user's decimal separator.

#include "calibration/echelle.h"

#include <QPoint>
#include <QString>

#include <array>
#include <optional>

class ImageDocument;

struct LecturePosition {
    QString texte; // empty with a length or undefined scale, or outside the frame or triangle
    // X, Y1, Y2, Y3 of a cartesian readout inside the frame (unused axes 0).
    std::optional<std::array<double, 4>> valeursRepere;
    // The polar readout could not compute the radius (taken as 1) or the
    // angle (taken as 0); the caller shows "erreur de calcul du rayon" or
    // "erreur de calcul d'angle" in an information box.
    bool erreurRayon = false;
    bool erreurAngle = false;
};

// Cartesian: "X unitX" then "   Yk unitYk" for each Y axis, inside the active
// frame (bounds included). Triangular: "NomX: X%  NomY: Y%  NomZ: Z%" inside
// the triangle. Polar: "R=r unit" then "  A=θ°" (or "  A=θ Rd"), θ measured
// counter-clockwise from the zero angle and brought once into the half turn
// (-180..180); no angle at the centre itself.
[[nodiscard]] LecturePosition LirePosition(const TEchelle &echelle, int x, int y);

// Runs LirePosition with the document's scale and stores the text in its
// measurement readout (emptied first) and the cartesian values, if any.
LecturePosition LirePosition(ImageDocument &document, int x, int y);

// Length of the segment from depart to arrivee (integer pixel differences)
// times the length scale's factor, whatever its Definie flag.
[[nodiscard]] double LongueurMesuree(const TEchelle &echelle, QPoint depart, QPoint arrivee);

// "2,5 mm": the length with 3 significant digits, a space and the unit.
[[nodiscard]] QString TexteLongueur(const TEchelle &echelle, QPoint depart, QPoint arrivee);
