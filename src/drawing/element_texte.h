#pragma once
// The text element (kind 5): what the text dialog hands over, the picture
// placed on the floating layer, the element made when the placement is
// confirmed, and the picture the element gives when the drawing layer is
// rebuilt. The element is made from the same font fields and colour that
// composed the placed picture, so that a rebuild gives the picture the user
// placed.

#include "drawing/dessin.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QStringList>

#include <memory>

// The content of the text dialog once confirmed.
struct TexteAPlacer {
    QFont police;               // the edit field's font
    QRgb couleur = 0xFF000000;  // the text colour, preset with the pen colour
    int alignement = 0;         // 0 left, 1 centred, 2 right
    QStringList lignes;         // with markup
};

// The lines of an edit field's text: none for an empty text; a final line
// end does not start a further line.
[[nodiscard]] QStringList LignesDuTexte(const QString &texte);

// The font a text is composed with: the dialog's font reduced to what an
// element stores (family, size in points rounded within 1..255, style bits).
[[nodiscard]] QFont PoliceComposee(const QFont &police);

// The floating picture of a text: ComposerTexte with PoliceComposee, the text
// colour, the alignment, the background colour and the lines; then every
// pixel whose red, green and blue are the background's becomes fully
// transparent (the background's RGB with alpha 0) and every other pixel is
// opaque. Null when the text is too large for a picture.
[[nodiscard]] QImage ImageFlottanteTexte(const TexteAPlacer &texte, QRgb couleurFondDessin);

// The element of a confirmed text placed with its top-left corner at coin
// (kept within the 16-bit coordinate range): kind 5, the text colour, the
// opacity, the transparency chosen, the font fields, the alignment, the
// background colour and the lines; width 0.
[[nodiscard]] std::unique_ptr<TDessin> ElementDeTexte(const TexteAPlacer &texte, QPoint coin, bool transparent,
                                                      QRgb couleurFondDessin, int opacite);

// The picture of a text element as the drawing layer's rebuild copies it:
// ComposerTexte with the element's font fields, colour, alignment,
// background and lines. Null when too large.
[[nodiscard]] QImage ImageTexteElement(const TDessin &dessin);

// Longest text an element keeps in a document file, in bytes of its lines
// joined by CR LF.
inline constexpr int kLongueurMaxTexte = 65535;
[[nodiscard]] bool TexteEnregistrable(const QStringList &lignes);
