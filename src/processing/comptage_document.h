#pragma once
// Counting on a document: the marks of the ten categories (25 × 25 overlays
// in ImageDocument::marquesComptage, oldest first), their placing, dragging,
// deletion, restyling and hiding, and the copy of the picture with its
// marks. Categories are numbered 1..10.

#include "document/image_document.h"
#include "processing/compteurs.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

// Counting starts (the counting tool was chosen): every mark shows again.
void OuvrirComptage(ImageDocument &doc);

// Counting ends: the marks are hidden, kept in their lists.
void FermerComptage(ImageDocument &doc);
void MasquerMarques(ImageDocument &doc);

// Number of marks of a category (0 outside 1..10).
[[nodiscard]] int EffectifCategorie(const ImageDocument &doc, int categorie);

// The image rectangle a mark covers, clipped to the image.
[[nodiscard]] QRect ZoneMarque(const ImageDocument &doc, const CouchePositionnee &marque);

// A press of the counting tool at the image pixel p: a mark of the current
// category, placed from (x - 13, y - 13), appended to its list and recorded
// as the category's last mark. Returns the image rectangle to repaint. A
// press off the picture (the view's margin) puts no mark, leaves the
// category without a last mark to drag and returns an empty rectangle.
QRect AjouterMarque(ImageDocument &doc, const TCompteurs &compteurs, int epaisseurCrayon, QPoint p);

// Dragging: the category's last mark is moved to stay centred on p. Returns
// the rectangle to repaint (old and new places), empty when the category has
// no last mark.
QRect DeplacerDerniereMarque(ImageDocument &doc, int categorie, QPoint p);

struct MarqueTrouvee {
    int categorie = 0; // 1..10
    int indice = 0;    // in the category's list
};
// The visible mark whose 25 × 25 square holds p, the latest category first
// and the newest first within it.
[[nodiscard]] std::optional<MarqueTrouvee> MarqueSous(const ImageDocument &doc, QPoint p);

// Removes a mark from its list (nothing when it is not in it). Returns the
// rectangle to repaint.
QRect SupprimerMarque(ImageDocument &doc, const MarqueTrouvee &marque);

// "RAZ": every mark of the category is destroyed.
void RAZCompteur(ImageDocument &doc, int categorie);

// The marks of the current category take its present picture.
void RestylerMarques(ImageDocument &doc, const TCompteurs &compteurs, int epaisseurCrayon);

// The pen width changed: the marks of every category take their pictures.
void RedessinerMarques(ImageDocument &doc, const TCompteurs &compteurs, int epaisseurCrayon);

// "Copier avec les points": the picture flattened with all its layers and
// every counting mark, hidden ones included.
[[nodiscard]] QImage CopierAvecLesPoints(ImageDocument &doc);

// Caption of that copy: "Comptage " and the number of open document windows
// plus one.
[[nodiscard]] QString TitreComptage(int nbFenetres);
