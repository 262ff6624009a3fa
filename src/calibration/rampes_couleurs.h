#pragma once
// Painting a colour scale into a bitmap, for the definition window's previews
// and the colour legend.

#include "calibration/code_couleur.h"

class QImage;

// Fills the whole bitmap with the rainbow through c1, c2, c3 (and the mixtures
// of neighbours between them) in four stretches. A vertical ramp starts at the
// bottom row and fills whole rows; a horizontal one starts at the left column
// and fills whole columns. The bitmap is converted to Format_ARGB32 if needed.
void RampeArcEnCiel(QImage &image, CouleurWin c1, CouleurWin c2, CouleurWin c3, bool horizontal);

// Same with one stretch from c1 to c2.
void RampeDeuxCouleurs(QImage &image, CouleurWin c1, CouleurWin c2, bool horizontal);
