#pragma once
// "Modifier" of the "Gamma" tab: each component v becomes
// round(255 × (v / 255)^(1/γ)), at most 255. γ above 1 brightens (γ 2 maps
// 64 to 128), below 1 darkens, 1 leaves the picture as it is.

#include <QImage>

inline constexpr double GammaMini = 0.1;
inline constexpr double GammaMaxi = 4.0;

// Throws ErreurKaptori when γ lies outside 0,1..4.
[[nodiscard]] QImage CorrectionGamma(const QImage &image, double gamma);
