#pragma once
// Contrast stretch bounds of the shown channels of a large scene, without
// counting every value. The stretch depends only on the counts of the
// lowest and highest values (the per-mille left out at each end) and on the
// true minimum and maximum. A sample of rows tells which values are extreme
// enough; one pass over the channel counts exactly those and finds the true
// minimum and maximum, comparing many bytes at once. When the exact counts
// show that the sample misled (too few values counted at an end), the whole
// histogram is counted instead: the bounds are always those of the whole
// histogram.

#include "document/raster/etirement_contraste.h"

#include <array>
#include <vector>

struct TCanal;

// The widest byte comparisons used: the processor's best, at most `jeu`.
enum class JeuComparaisons {
    Simple, // none: the whole histogram is counted
    Avx2,   // 32 bytes at once
    Avx512, // 64 bytes at once
};

// Bounds of each of the three channels (none for a null or incomplete one)
// for stretch e, counted by slices of rows on the processor's cores.
[[nodiscard]] std::array<BornesEtirement, 3> EtirementsCanaux(const std::array<const TCanal *, 3> &canaux, int e,
                                                              JeuComparaisons jeu = JeuComparaisons::Avx512);

// The rows the sample reads in a channel of that size, spread evenly.
[[nodiscard]] std::vector<int> LignesEchantillon(int largeur, int hauteur);
