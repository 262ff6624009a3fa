#pragma once
// Plain surface measurement: every pixel that passes the conditions is
// counted and coloured on the provisional layer.

#include "drawing/tester_pixel.h"

#include <QImage>
#include <QRgb>
#include <QString>

#include <cstdint>

class ImageDocument;

struct ResultatSurface {
    std::int64_t pixels = 0;       // N
    std::int64_t total = 0;        // width × height
    QString resultat;              // "1000 pixels sur 40000 soit 2,5 %"
    QString resusurf;              // "surface : A unit<sup>2</sup>", empty without a unit
    double surface = 0.0;          // N × Facteur², in the unit squared
};

// Tests every pixel of `image` (ARGB32) row by row; the passing ones are
// written in `couleur` onto the provisional layer (cleared to 0x00FFFFFF
// first, given the image's size).
ResultatSurface MesurerSurface(const QImage &image, const PlansCanaux *canaux,
                               const TTableaudeTableaudeCondicoul &groupes, QRgb couleur, double facteur,
                               const QString &unite, QImage &provisoire);

// The same on a document, with its channel planes, scale and provisional layer.
ResultatSurface MesurerSurface(ImageDocument &document, const TTableaudeTableaudeCondicoul &groupes, QRgb couleur);

// The reset of the surface window: the provisional layer becomes fully
// transparent white.
void EffacerMesure(ImageDocument &document);

// The result label: N + " pixels sur " + T + " soit " + P + " %".
[[nodiscard]] QString TexteResultatSurface(std::int64_t pixels, std::int64_t total);
