#pragma once
// Contrast stretch of a displayed channel. The parameter e is the per-mille
// of pixels left out, half at each end (0, 2, 5, 20 or 50); the channel's raw
// values are never changed, only the bytes written into the image bitmap.

#include <array>
#include <cstddef>
#include <cstdint>

struct TCanal;

struct BornesEtirement {
    bool applique = false; // false: the channel is shown with its raw values
    int mini = 0;          // raw value shown as 0
    int maxi = 255;        // raw value shown as 255
};

// Bounds of the stretch of one channel:
// - threshold := pixels div (2000 div e); e <= 0 gives no stretch;
// - a constant channel (true minimum = true maximum) is not stretched;
// - starting from the true minimum and maximum, for i = 1..254 the new
//   minimum becomes i whenever the count of values 1..i is below the
//   threshold, and the new maximum 255 - i whenever the count of values
//   255-i..254 is below it (0 and 255 are never counted);
// - the stretch applies only when the new minimum is below the new maximum.
[[nodiscard]] BornesEtirement CalculerEtirement(const TCanal &canal, int e);

// Counts of each of the 256 values among n bytes, in one pass.
[[nodiscard]] std::array<std::uint64_t, 256> HistogrammeOctets(const std::uint8_t *octets, std::size_t n);

// Counts of each value over rows [debut, fin) of a channel (none when the
// channel lacks bytes).
[[nodiscard]] std::array<std::uint64_t, 256> HistogrammeCanal(const TCanal &canal, int debut, int fin);

// The same for up to three channels (null ones get no counts).
[[nodiscard]] std::array<std::array<std::uint64_t, 256>, 3>
HistogrammesCanaux(const std::array<const TCanal *, 3> &canaux, int debut, int fin);

// Same rule on a histogram of the 256 values (counts as 64-bit integers).
[[nodiscard]] BornesEtirement EtirementDeHistogramme(const std::array<std::uint64_t, 256> &histogramme, int e);

// Displayed byte of each raw value: round(v * 255 / (max - min) - min * 255 / (max - min))
// clamped to 0..255, halves to even.
[[nodiscard]] std::array<std::uint8_t, 256> TableEtirement(int mini, int maxi);
