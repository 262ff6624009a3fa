#pragma once
// "Evide" (hollowing, threshold 80, radius 2), on the blue component only:
// for every pixel at least two pixels away from the edges, a pixel whose
// blue is below 80 becomes black when some pixel of its 5 × 5 neighbourhood
// has blue 80 or more, else white; a pixel whose blue is 80 or more becomes
// white. The two outermost rows and columns keep their values.

#include <QImage>

inline constexpr int SeuilEvide = 80;
inline constexpr int RayonEvide = 2;

[[nodiscard]] QImage Evider(const QImage &image);
