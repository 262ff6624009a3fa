#pragma once
// The drawing settings shared by all documents: pen and background colours,
// pen width, opacity and fill mode. The main window owns the one set of the
// program (ReglagesDessinProgramme); core operations take them as a value.

#include "drawing/rendu_dessin.h"

#include <QImage>
#include <QRgb>

struct ReglagesDessin {
    static constexpr int EpaisseurMaxi = 11;

    int EpaisseurCrayon = 0;             // w, 0..11: strokes are 2w+1 pixels thick
    QRgb CouleurCrayon = 0xFF000000;
    QRgb CouleurFondDessin = 0xFFFFFFFF; // "couleur de la gomme"
    int OpaciteDessin = 255;             // given to new elements and fills
    int EspacementMotif = 6;
    bool RemplirAvecCrayon = true;       // false: up to the pen colour, with the background colour
    bool RemplirSurImage = true;         // false: the fill tests the drawing layer
    bool FormeRectangle = true;          // the shape tool draws rectangles (else circles)
    QImage Pointe = CreerEmbout(0, 0xFF000000); // pen tip for the width and pen colour

    void RebatirPointe() { Pointe = CreerEmbout(EpaisseurCrayon, CouleurCrayon); }

    [[nodiscard]] ContexteDessin Contexte() const
    {
        ContexteDessin c;
        c.opaciteDessin = OpaciteDessin;
        c.couleurFondDessin = CouleurFondDessin;
        return c;
    }
};

// The program's settings, held for the main window and read by the tools.
[[nodiscard]] ReglagesDessin &ReglagesDessinProgramme();
