#pragma once
// Stretching the marked interval of each component over 0..255: with limits
// lo < hi, a = 255 / (hi − lo) and b = −lo × a; each value v becomes
// round(v × a + b) (halves to even), clamped to 0..255. A component whose
// limits are equal has no factor: it is left unchanged and reported.

#include "processing/histogrammes.h"

#include <QImage>

#include <array>

struct ResultatEtirement {
    QImage image;                            // Format_ARGB32, opaque
    std::array<bool, 3> inchangee{};         // components left as they were (equal limits)
};

// Throws ErreurKaptori when a limit lies outside 0..255 or a low limit is
// above its high one.
[[nodiscard]] ResultatEtirement EtirerComposantes(const QImage &image, const LimitesComposantes &limites);

// Checks limits as EtirerComposantes does (shared with painting and the code).
void VerifierLimites(const LimitesComposantes &limites);
