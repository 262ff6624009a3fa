#pragma once
// Whether a document's colour code can follow the histogram window's
// changes, and the code the "Modifié" document receives.

#include "calibration/code_couleur.h"
#include "processing/histogrammes.h"

// True when the code would lose its meaning on a changed picture (rainbow
// or table kind, or two colours other than black to white): the window asks
// "Abandon ?" first and the code is not kept.
[[nodiscard]] bool CodeSansSignificationApresModification(const TCodeCouleur &code);

// The code of the new document: an undefined code stays as it is; a
// three-component code with `conservable` has each channel's range
// [min, max] narrowed to [min + low / 255 × (max − min), min + high / 255 ×
// (max − min)] with the limits of its component (channel 1 blue, 2 green,
// 3 red); a black-to-white two-colour code likewise with the blue limits;
// any other code becomes undefined.
[[nodiscard]] TCodeCouleur CodeAjuste(const TCodeCouleur &code, bool conservable, const LimitesComposantes &limites);
