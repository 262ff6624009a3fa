#pragma once
// The inline markup of texts: <b>, <i>, <u>, <sup>, <sub> and their closing
// tags, matched exactly (lower case, no spaces). Tags do not nest: "<b>" sets
// bold and "</b>" clears it whatever came before; "<sup>" and "<sub>" both
// set the reduced size with their own vertical offset, and "</sup>" or
// "</sub>" restore the full size and offset 0. Any other "<" is ordinary text.

#include <QFont>
#include <QString>

#include <vector>

enum class Balise { Aucune, Gras, FinGras, Italique, FinItalique, Souligne, FinSouligne, Exposant, FinExposant, Indice, FinIndice };

// One step of reading a line: a piece of text to draw (possibly empty), then
// the tag that follows it (Balise::Aucune after the last piece).
struct MorceauBalise {
    QString texte;
    Balise balise = Balise::Aucune;
};

// Cuts a line at its tags. Reading finds the first "<": the text before it is
// a piece; when a tag starts there the tag follows that piece; otherwise the
// text up to and including that "<" is the piece and reading goes on after
// it ("a < b" gives the pieces "a <" and " b"). What remains after the last
// tag is the last piece.
[[nodiscard]] std::vector<MorceauBalise> LireLigneBalisee(const QString &ligne);

// The tag text of a tag ("<sup>", "</b>"); empty for Balise::Aucune.
[[nodiscard]] QString TexteBalise(Balise balise);

// Size in points of a font: its absolute point size, or its pixel size
// converted at pixelsParPouce when it was given in pixels.
[[nodiscard]] double TaillePoints(const QFont &police, double pixelsParPouce);

// The rendering state of a markup text drawn with a base font of S points at
// a resolution of pixelsParPouce: the style bits (bold, italic, underline from
// the tags, strike-out from the base font), the size (S, or the reduced size
// S - Round(S / 6)) and the vertical offset in pixels. With r = Round(S / 6)
// and q = pixelsParPouce / 72, a superscript is raised by Round(r * q) pixels
// and a subscript lowered by Round(r * q * 2). Fonts are made with pixel sizes
// (Round(points * q), at least 1) so that what is drawn does not depend on the
// screen the program runs on.
class EtatBalises {
public:
    EtatBalises(const QFont &base, double pixelsParPouce);

    void Appliquer(Balise balise);

    // The font of the current state.
    [[nodiscard]] QFont Police() const;
    // Vertical offset of the current state: negative when raised.
    [[nodiscard]] int Decalage() const { return decalage_; }
    [[nodiscard]] bool Reduit() const { return reduit_; }

    // Sizes and offsets of the base font.
    [[nodiscard]] double Points() const { return points_; }
    [[nodiscard]] double PointsReduits() const { return points_ - reduction_; }
    [[nodiscard]] int Montee() const { return montee_; }
    [[nodiscard]] int Descente() const { return descente_; }

    // The font of the base size with the base font's own styles.
    [[nodiscard]] QFont PoliceDeBase() const;

private:
    QFont base_;
    double pixelsParPouce_;
    double points_;
    double reduction_;
    int montee_;
    int descente_;
    bool gras_;
    bool italique_;
    bool souligne_;
    bool reduit_ = false;
    int decalage_ = 0;
};
