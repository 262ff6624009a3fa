#pragma once
// Per-component tables applied to 32-bit pixels 0xAARRGGBB: each of red,
// green and blue replaced by its table's entry, alpha kept. On a processor
// with AVX-512 VBMI, 16 pixels at a time by byte permutations (the tables
// held in registers); otherwise one pixel at a time. Both give the same bytes.

#include <array>
#include <cstdint>

using TableOctets = std::array<std::uint8_t, 256>;

// dest[x] for x in 0..n−1 from source[x]; dest may be source (in place).
void AppliquerTablesPixels(const std::uint32_t *source, std::uint32_t *dest, int n, const TableOctets &rouge,
                           const TableOctets &vert, const TableOctets &bleu);

