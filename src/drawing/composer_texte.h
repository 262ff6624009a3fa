#pragma once
// The renderer of markup texts: turns the lines of a text element into an
// opaque picture, for the text being placed and for text elements redrawn
// from the element list.

#include <QFont>
#include <QImage>
#include <QStringList>

// Texts are composed at the customary screen resolution whatever the screen,
// so that a text element gives the same picture on every machine.
inline constexpr double kPixelsParPouceTexte = 96.0;

// Largest side of a text picture; the raster painter addresses no further.
inline constexpr int kCoteMaxImageTexte = 32767;

// ComposerTexte (font F, text colour, alignment a, background bg, lines):
// h = height of "EAjp" in F + 2 is the line height. A first pass measures
// every line piece by piece (LireLigneBalisee) in the font of the current
// markup state; the widest gives Wmax. The picture is Wmax + 8 pixels wide and
// h * lines + 4 high, filled with bg, alpha 255. The second pass draws line i
// from x = 0 (a = 0), (W - width) / 2 truncated (a = 1) or W - width (a = 2),
// each piece with its top at h * i + offset + 1 in the colour, moving right by
// the piece's width. The markup state runs on from one line to the next and
// both passes start from F as given. An alignment outside 0..2 aligns left.
// Returns a null image when the picture would be wider or higher than
// kCoteMaxImageTexte.
[[nodiscard]] QImage ComposerTexte(const QFont &police, QRgb couleur, int alignement, QRgb fond,
                                   const QStringList &lignes, double pixelsParPouce = kPixelsParPouceTexte);

// Line height of ComposerTexte for a font: height of "EAjp" + 2.
[[nodiscard]] int HauteurLigneTexte(const QFont &police, double pixelsParPouce = kPixelsParPouceTexte);

// The font of a stored text element: family (an absent family falls back on
// an installed one), size in points taken as an absolute value, style bits
// 1 bold, 2 italic, 4 underline, 8 strike-out.
[[nodiscard]] QFont PoliceDeTexte(const QString &nom, int taillePoints, int style);

// The fields under which a font is stored in a text element: its family, its
// absolute size in points rounded and kept within 1..255, its style bits.
struct ChampsPolice {
    QString nom;
    int taille = 10;
    int style = 0;
};
[[nodiscard]] ChampsPolice ChampsDePolice(const QFont &police);
