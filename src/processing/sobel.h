#pragma once
// "Sobel": for every pixel at least one pixel away from the edges and each
// component, the horizontal and vertical gradients Gx and Gy of the 3 × 3
// Sobel masks, each clamped to 0..255 (a negative gradient counts as 0),
// give T[Gx][Gy] = min(round(√(Gx² + Gy²)), 255) from a table built once.
// The outermost rows and columns keep their values; pictures under 3 pixels
// in either direction are returned as they are.

#include <QImage>

#include <cstdint>

// The magnitude table T[i][j] (i, j in 0..255).
[[nodiscard]] std::uint8_t MagnitudeSobel(int gx, int gy);

[[nodiscard]] QImage Sobel(const QImage &image);
