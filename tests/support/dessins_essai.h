#pragma once
// Drawn elements the tests lay on a document.

#include "drawing/dessin.h"

#include <memory>

// An opaque line from (x1, y1) to (x2, y2), one pixel thick unless given.
inline std::unique_ptr<TDessin> TraitOpaque(int x1, int y1, int x2, int y2, QRgb couleur = 0xFF000000,
                                            int epaisseur = 0)
{
    auto d = std::make_unique<TDessin>();
    d->Genre = GenreTrait;
    d->X1 = static_cast<std::int16_t>(x1);
    d->Y1 = static_cast<std::int16_t>(y1);
    d->X2 = static_cast<std::int16_t>(x2);
    d->Y2 = static_cast<std::int16_t>(y2);
    d->Epaisseur = static_cast<std::uint8_t>(epaisseur);
    d->Opacite = 255;
    d->Couleur = couleur;
    return d;
}
