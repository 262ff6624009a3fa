#pragma once
// A white document of l × h ready to be drawn on with the pointer: its
// provisional and drawing layers made, the pencil blue.

#include "document/image_document.h"
#include "drawing/reglages_dessin.h"

inline void PreparerDocumentBlanc(ImageDocument &doc, ReglagesDessin &reglages, int largeur, int hauteur)
{
    doc.image = QImage(largeur, hauteur, QImage::Format_ARGB32);
    doc.image.fill(0xFFFFFFFFu);
    doc.CreerCoucheProvisoire();
    doc.CreerCoucheDessin();
    reglages.CouleurCrayon = 0xFF0000FF;
    reglages.RebatirPointe();
}
