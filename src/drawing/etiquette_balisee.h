#pragma once
// Layout and painting of a one-line markup label (the results' labels): the
// caption is read with the markup of texts, each piece measured and drawn in
// the font of its markup state.

#include <QFont>
#include <QString>

class QPainter;

// The first pass over a caption in a font at a resolution (the font's pixels
// per inch): the text width is the sum of the pieces' widths; the height
// needed is h = height of "EAjp" + 2, or for a raised or lowered piece its
// text height plus the size of its offset when that is larger; a raised piece
// moves the whole line down by the size of its offset.
struct MesureEtiquette {
    int largeurTexte = 0;
    int hauteur = 0;
    int descenteLigne = 0;
};
[[nodiscard]] MesureEtiquette MesurerEtiquette(const QFont &police, double pixelsParPouce, const QString &legende);

// Draws the caption without a background, starting at x with the line's top
// at y (the label puts it at 2 plus the line's downward move); each piece at
// its own offset.
void PeindreEtiquette(QPainter &peintre, const QFont &police, double pixelsParPouce, const QString &legende, int x,
                      int y);
