#pragma once
// A point operation given by one table of 256 bytes per component (blue,
// green, red): the 24-bit result of the picture through them.

#include <QImage>

#include <array>
#include <cstdint>

using TableComposante = std::array<std::uint8_t, 256>;

[[nodiscard]] TableComposante TableIdentite();

// Every pixel (R, G, B) becomes (tables[2][R], tables[1][G], tables[0][B]),
// opaque; Format_ARGB32.
[[nodiscard]] QImage AppliquerTables(const QImage &image, const std::array<TableComposante, 3> &tables);

// round(n / d) with halves to the even integer, d ≠ 0, in exact integers.
[[nodiscard]] constexpr std::int64_t QuotientArrondi(std::int64_t n, std::int64_t d)
{
    if (d < 0) {
        n = -n;
        d = -d;
    }
    std::int64_t q = n / d;
    std::int64_t r = n % d;
    if (r < 0) {
        --q;
        r += d;
    }
    const std::int64_t deuxR = 2 * r;
    if (deuxR > d || (deuxR == d && (q & 1) != 0))
        ++q;
    return q;
}
