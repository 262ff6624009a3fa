#pragma once
// The five row filters of PNG (None, Sub, Up, Average, Paeth), applied to a
// row of bytes before compression and undone after decompression. A row is
// filtered against the previous row of the same picture (or pass), a row of
// zeros for the first one; bpp is the distance between a byte and the same
// byte of the pixel on its left (whole bytes per pixel, at least 1).

#include <cstddef>
#include <cstdint>

enum class FiltrePng : std::uint8_t { Aucun = 0, Sub = 1, Up = 2, Moyenne = 3, Paeth = 4 };

// Writes into sortie the n bytes of ligne filtered by filtre against
// precedente. The three arrays hold n bytes and do not overlap.
void FiltrerLigne(FiltrePng filtre, const std::uint8_t *ligne, const std::uint8_t *precedente, std::size_t n,
                  int bpp, std::uint8_t *sortie);

// Undoes, in place, the filter whose type byte is `type` on the n bytes of
// ligne, precedente being the previous row already restored. Returns false
// for a type byte that names no filter (a damaged stream).
[[nodiscard]] bool DefiltrerLigne(std::uint8_t type, std::uint8_t *ligne, const std::uint8_t *precedente,
                                  std::size_t n, int bpp);
