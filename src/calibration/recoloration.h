#pragma once
// Putting a picture in line with its colour code: snapping drifted colours
// onto the code's colours (" Aligner les teintes de l'image sur le codage
// choisi") and painting grey levels with the code's scale ("Mettre en
// couleurs suivant le niveau de gris"). Both work on a Format_ARGB32 picture
// in place and keep its alpha; a code they cannot use is refused before any
// pixel changes.

#include "calibration/code_couleur.h"

#include <QImage>

// The tolerance of the colour-code window: 10/255, from which come the
// thresholds h = 10 (one component) and I = 30 (the sum of three).
inline constexpr double ToleranceTeintes = 10.0 / 255.0;

// Snaps the colours of the picture onto the code, pixel by pixel, with
// S = R + G + B:
// - rainbow (kind 1): S < 100 gives black, S > 665 white; a colour with one
//   primary below h and one above 255 − h is moved onto the rainbow path of
//   the code's order, the remaining component keeping its position;
// - two colours (kind 2): t is the mean, over the components in which the two
//   colours differ, of (c − c1) / (c2 − c1); when −x < t < 1 + x the pixel
//   becomes the colour at t (held to 0..1) on the scale; otherwise S < I gives
//   black and S > 675 − I white;
// - table (kind 3): a pixel within h of an entry in all three components
//   takes that entry's colour (the last such entry wins); else S < I gives
//   black and S > 675 − I white.
// Throws ErreurKaptori, the picture unchanged, for a three-channel code and
// for a two-colour code whose two colours are the same.
void AlignerTeintes(const TCodeCouleur &code, QImage &image, double tolerance = ToleranceTeintes);

// Paints a grey picture with a rainbow or two-colour code: the blue component
// g of each pixel is read as the value g + 1 of the code's scale stretched over
// 1..256 (logarithmic when the code is), so grey 0 takes the scale's first
// colour and grey 255 its last. Throws ErreurKaptori, the picture unchanged,
// for the other kinds.
void ColorerNiveauxGris(const TCodeCouleur &code, QImage &image);
