#pragma once
// Convolution filters of the "filtres" tab. For every pixel and component,
// over the neighbours within the radius that lie inside the picture:
// sum = Σ weight × value and wsum = Σ weight, both exact integers; the
// result is round(sum / wsum × factor) + offset (halves to even), clamped to
// 0..255. Near the edges only the neighbours inside count, so a uniform
// picture stays uniform up to the factor and offset.

#include <QImage>

#include <span>
#include <vector>

inline constexpr int RayonConvolutionMaxi = 3;
inline constexpr int PoidsMaxi = 100000; // bound of a weight, the factor and the offset

struct NoyauConvolution {
    std::vector<int> poids; // row by row: (dy + r) × (2r + 1) + (dx + r)
    int rayon = 0;
    int facteur = 1;
    int decalage = 0;
};

enum class FiltreConvolution { Flou, FlouGaussien, Accentuer, Contour, Lithographie };

// The kernels of "flou" (7 × 7 mean), "flou gaussien" (sum 999),
// "Accentuer" (sum 4), "contour" (factor 2, offset 240) and "lithographie".
[[nodiscard]] const NoyauConvolution &NoyauDeFiltre(FiltreConvolution filtre);

// Throws ErreurKaptori when the radius lies outside 0..3, the weights do
// not number (2r + 1)², or a weight, the factor or the offset passes
// PoidsMaxi. A zero weight sum at some pixel divides by 1.
[[nodiscard]] QImage Convoluer(const QImage &image, const NoyauConvolution &noyau);

[[nodiscard]] inline QImage AppliquerFiltre(const QImage &image, FiltreConvolution filtre)
{
    return Convoluer(image, NoyauDeFiltre(filtre));
}
