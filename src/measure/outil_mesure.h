#pragma once
// The measuring tool (tool 5) in the modes computed here: "&Courante" reads
// lengths with a length scale and positions with the other scales; "&Angle"
// measures the angle between two dragged segments. The document window's
// pointer handlers call these three steps with image pixel positions; they
// update the document's measurement state and draw the measured segments on
// its provisional layer.

#include <QPoint>
#include <QRgb>

#include <optional>

class ImageDocument;

// Measurement modes of the measurement menu (ModeMesure).
enum ModeMesure : int {
    MesureCourante = 0,
    MesureSurface = 1,
    MesureLumiereRectangle = 2,
    MesureLumiereBande = 3,
    MesureAngle = 4,
    MesureDelimitation = 5,
    MesureLumiereColore = 6,
};
inline constexpr int NbModesMesure = 7;

// Pen of the measured segments: the drawing pen's colour, width w (strokes
// are 2w+1 pixels) and line style (0 solid, 1 dashed).
struct PlumeMesure {
    QRgb couleur = 0xFF000000;
    int epaisseur = 0;
    int style = 0;
};

// What the window has to do after a pointer step.
struct ReactionMesure {
    bool afficherTexte = false; // status panel 4 takes document.mesure.texteMesure
    bool erreurRayon = false;   // show "erreur de calcul du rayon"
    bool erreurAngle = false;   // show "erreur de calcul d'angle"
    bool coucheModifiee = false; // the provisional layer changed
    std::optional<double> longueur; // scaled length of the current segment (multiple measurements)
    bool repereLu = false; // the cartesian readout computed ValeursRepere here (inside the frame)
};

// Press at p: outside the angle mode the position readout runs (it empties
// the readout with a length scale); in the angle mode the point starts the
// first or the second segment.
ReactionMesure AppuyerMesure(ImageDocument &document, QPoint p, const PlumeMesure &plume);

// Move to p. With a cartesian, triangular or polar scale the position is read
// with or without a button; with a length scale, while the left button is
// down, the length from the press point shows and the segment is redrawn
// (in the angle mode, the angle with the first segment once it is accepted).
ReactionMesure DeplacerMesure(ImageDocument &document, QPoint p, bool boutonGauche, const PlumeMesure &plume);

// Release at p with a length scale (with any scale in the band mode): the
// finished segment stays on the provisional layer (with an arrowhead in the
// angle mode). In the angle mode a first segment is accepted when it spans
// more than 9 pixels in x or y; a second one gives the angle and, when the
// lines cross inside the image, the pen's stamp at the crossing.
ReactionMesure RelacherMesure(ImageDocument &document, QPoint p, const PlumeMesure &plume);

// True while the angle mode holds an accepted first segment: the provisional
// layer must then be kept at the next press.
[[nodiscard]] bool AttendSecondSegment(const ImageDocument &document);
