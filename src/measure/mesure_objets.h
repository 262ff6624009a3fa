#pragma once
// Object delimitation, counting and measurement: the pixels that pass the
// conditions are split into 4-connected objects, each outlined, optionally
// coloured and measured (perimeter, length, width, surface), nested objects
// merged into their container and objects cut by the image edge left out.

#include "drawing/tester_pixel.h"
#include "measure/contour_objet.h"
#include "measure/tableau_tailles.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

class ImageDocument;

// The options of the box " Choix de limitation et de tracé " and the colours.
struct OptionsObjets {
    int TailleMin = 0;            // minimum size T in pixels, 0..1000
    bool ResuStat = false;        // detailed results in the table
    bool TraceLargeur = false;    // length and width marks (with detailed results)
    bool Marquer = true;          // colour the objects' pixels
    bool RegroupEmboites = true;  // merge nested objects into their container
    bool CompteIncomplets = false; // count the objects cut by the image edge
    QRgb CouleurSurface = 0xFFFFFF00;
    QRgb CouleurTrace = 0xFFFF0000;
    QRgb CouleurReperes = 0xFF0000FF;
};
inline constexpr int TailleMinMaxi = 1000;

struct ObjetMesure {
    int pixels = 0;
    std::int64_t pixelsInclus = 0; // pixels of the nested objects merged into it
    QPoint germe;
    QRect boite;                  // bounding box of the object grown from the seed
    std::vector<QPoint> contour;  // simplified with detailed results
    int pointsTraces = 0;         // contour points as traced
    bool contourFerme = true;
    bool contourCoupe = false;    // cut at the contour limit
    bool contourPerdu = false;
    // In scale units, detailed results only.
    float perimetre = 0.0f;
    float longueur = 0.0f;
    float largeur = 0.0f;
    float surface = 0.0f;
    std::array<QPoint, 6> reperes{};
    // Numbers of the label image this object covers: its own and those of
    // the nested objects merged into it.
    std::vector<std::uint32_t> etiquettes;
};

struct ResultatObjets {
    std::vector<ObjetMesure> objets;
    int incomplets = 0;           // left out because cut by the image edge
    std::int64_t pixelsTotal = 0;
    QString resultat;             // "3 objets (+2 incomplets)"
    QString resusurf;             // total surface, with markup
    bool resusurfVisible = false;
    QStringList messages;         // French messages, one per kind of trouble
};

// Scale of the measured picture: units per pixel and the unit's text.
struct EchelleObjets {
    double facteur = 1.0;
    QString unite = QStringLiteral("pixels");
};

// Progress of a long measurement, in percent of the rows scanned; called
// only once the measurement has run for half a second.
using ProgressionMesure = std::function<void(int pourcent)>;

// Measures the objects of `image` (ARGB32) that pass the groups. The
// provisional layer (the image's size) is cleared to 0x00FFFFFF and receives
// the colouring, marks and outlines; the table receives the detailed results.
ResultatObjets MesurerObjets(const QImage &image, const PlansCanaux *canaux,
                             const TTableaudeTableaudeCondicoul &groupes, const OptionsObjets &options,
                             const EchelleObjets &echelle, QImage &provisoire, TableauTailles &tableau,
                             const ProgressionMesure &progression = {});

// The same on a document: its image, channel planes, scale and provisional layer.
ResultatObjets MesurerObjets(ImageDocument &document, const TTableaudeTableaudeCondicoul &groupes,
                             const OptionsObjets &options, TableauTailles &tableau,
                             const ProgressionMesure &progression = {});

// Text of the count: n + " objet" (+ "s"), and " (+k incomplet(s))".
[[nodiscard]] QString TexteResultatObjets(int n, int incomplets, bool incompletsExclus);
