#pragma once
// Reading colours as values with a colour code, and values as colours: the
// rainbow scale of the six orders, the two-colour scale and the table.

#include "calibration/code_couleur.h"

#include <QString>

// ---- Rainbow scale -------------------------------------------------------

inline constexpr int NombreOrdresArcEnCiel = 6;
inline constexpr int PositionMaxArcEnCiel = 1020;

// Component indices of the first, middle and last primaries of an order:
// 0 red, 1 green, 2 blue. Orders outside 0..5 are read as 0.
struct PrimairesArcEnCiel {
    int premiere;
    int milieu;
    int derniere;
};
[[nodiscard]] PrimairesArcEnCiel PrimairesOrdre(int ordre);

// The three key colours of an order (first, middle, last primaries).
struct CouleursOrdre {
    CouleurWin debut;
    CouleurWin milieu;
    CouleurWin fin;
};
[[nodiscard]] CouleursOrdre CouleursDeOrdre(int ordre);

// Caption of the order in the definition window's "Choix" menu ("&Bleu-Vert-Rouge"...).
[[nodiscard]] QString LibelleOrdre(int ordre);

// Colour at position p (0..1020, clamped) of the rainbow of an order.
[[nodiscard]] CouleurWin CouleurArcEnCiel(int ordre, int p);

// ---- Values and colours --------------------------------------------------

// Kinds 1 and 2: the colour that shows value v. Kind 1 clamps to the ends of
// the rainbow; kind 2 is not clamped, each component kept to 8 bits. A value
// the arithmetic cannot place (equal bounds, a logarithmic scale with a bound
// or a value at 0 or below) takes the first colour of the scale. Kinds 0 and
// 3 give 0 (black).
[[nodiscard]] CouleurWin CouleurDeValeur(const TCodeCouleur &code, double v);

// Kinds 1 and 2: the value a colour stands for; false when the colour is not
// on the scale or the arithmetic is undefined (two equal colours on the
// component used, a logarithmic bound at 0 or below, a non-finite result).
// Allocates nothing.
[[nodiscard]] bool DecoderValeur(const TCodeCouleur &code, int r, int g, int b, double *valeur);

// Kinds 1 to 3: the text shown for a colour (FormatGeneral at 4 digits, or the
// table entry's label, the last matching entry winning); decodable is false
// for a colour that is not on the code and for kind 0.
struct ResultatDecodage {
    QString texte;
    bool decodable = false;
};
[[nodiscard]] ResultatDecodage DecoderCouleur(const TCodeCouleur &code, int r, int g, int b);
