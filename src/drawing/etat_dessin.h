#pragma once
// The drawing state of one document between pointer events: the gesture in
// progress and what the provisional layer holds.

#include "drawing/dessin.h"

#include <QPoint>
#include <QRect>
#include <QRgb>

struct EtatDessin {
    QPoint PointDepart;          // image point of the last press
    QPoint DernierPoint;         // last point seen during a drag, the release point after it
    TPolygone TraceEnCours;      // points of the pencil stroke being drawn
    bool ModeZones = false;      // zone delimitation: no element is made, merges paint CouleurZone
    bool NonFusionne = false;    // the provisional layer holds a drawing not merged yet
    // The last element of the list is drawn on the provisional layer only:
    // deleting it then only needs that layer cleared. Any merge, and any
    // press that starts something else there, ends it.
    bool DernierProvisoire = false;
    bool LigneMesure = false;    // the provisional layer shows a measurement, never merged
    TTableaudeTableaudeCondicoul ConditionsRemplissage; // of the last paint-bucket press
    QRgb CouleurZone = 0xFF000000;
    int CompteurElements = 0;    // elements made in this document; names are prefix + counter
    bool GesteEnCours = false;   // a left-button gesture started on this document
    QRect ZoneProvisoire;        // part of the provisional layer drawn during the gesture
};
