#pragma once
// Histograms of the three components of a picture, and the interval marked
// on each. Components are indexed in the byte order of a 24-bit pixel:
// 0 blue, 1 green, 2 red.

#include <QImage>

#include <array>
#include <cstdint>

inline constexpr int ComposanteBleue = 0;
inline constexpr int ComposanteVerte = 1;
inline constexpr int ComposanteRouge = 2;

struct HistogrammesImage {
    std::array<std::array<std::uint64_t, 256>, 3> comptes{}; // per component and level
    std::array<int, 3> MiniImage{255, 255, 255};             // smallest value of each component
    std::array<int, 3> MaxiImage{0, 0, 0};                   // largest value of each component
    std::int64_t pixels = 0;

    // count × 100 / number of pixels (0 for an empty picture).
    [[nodiscard]] double pourcentage(int composante, int niveau) const;
};

// Counts of every level of red, green and blue over the picture (any
// format; alpha is ignored), with the extremes of each component. An empty
// picture keeps MiniImage 255 and MaxiImage 0.
[[nodiscard]] HistogrammesImage CalculerHistogrammes(const QImage &image);

// The interval marked on each histogram, LimiteBasse ≤ v ≤ LimiteHaute.
struct LimitesComposantes {
    std::array<int, 3> basse{0, 0, 0};
    std::array<int, 3> haute{255, 255, 255};
    bool operator==(const LimitesComposantes &) const = default;
};

// The picture as a 24-bit one: Format_ARGB32 with every alpha at 255.
[[nodiscard]] QImage ImageVingtQuatreBits(const QImage &image);

// The picture to read as a 24-bit one without copying it: the picture
// itself when its 32-bit pixels already hold red, green and blue as they
// are (Format_RGB32 or Format_ARGB32; the reader then ignores alpha), else
// ImageVingtQuatreBits(image) kept in `converti`.
[[nodiscard]] const QImage &LectureVingtQuatreBits(const QImage &image, QImage &converti);
