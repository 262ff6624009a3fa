#include "document/formats/filtres_png.h"

#include <cstdlib>
#include <cstring>

namespace {

// The predictor of Paeth's filter: of a (left), b (above) and c (above
// left), the one closest to a + b - c, ties going to a, then b.
inline int Paeth(int a, int b, int c)
{
    const int pa = std::abs(b - c);
    const int pb = std::abs(a - c);
    const int pc = std::abs(a + b - 2 * c);
    const int ab = pb < pa ? b : a;
    const int pab = pb < pa ? pb : pa;
    return pc < pab ? c : ab;
}

// Restoring Sub, Average and Paeth depends on the byte bpp places back: the
// loops are written once per pixel size so that the compiler keeps that
// distance in registers.
template <int Bpp>
void DefiltrerSub(std::uint8_t *l, std::size_t n)
{
    for (std::size_t i = Bpp; i < n; ++i)
        l[i] = static_cast<std::uint8_t>(l[i] + l[i - Bpp]);
}

template <int Bpp>
void DefiltrerMoyenne(std::uint8_t *l, const std::uint8_t *p, std::size_t n)
{
    const std::size_t debut = n < Bpp ? n : Bpp;
    for (std::size_t i = 0; i < debut; ++i)
        l[i] = static_cast<std::uint8_t>(l[i] + (p[i] >> 1));
    for (std::size_t i = Bpp; i < n; ++i)
        l[i] = static_cast<std::uint8_t>(l[i] + ((l[i - Bpp] + p[i]) >> 1));
}

template <int Bpp>
void DefiltrerPaeth(std::uint8_t *l, const std::uint8_t *p, std::size_t n)
{
    const std::size_t debut = n < Bpp ? n : Bpp;
    for (std::size_t i = 0; i < debut; ++i)
        l[i] = static_cast<std::uint8_t>(l[i] + p[i]);
    for (std::size_t i = Bpp; i < n; ++i)
        l[i] = static_cast<std::uint8_t>(l[i] + Paeth(l[i - Bpp], p[i], p[i - Bpp]));
}

template <int Bpp>
bool Defiltrer(std::uint8_t type, std::uint8_t *l, const std::uint8_t *p, std::size_t n)
{
    switch (type) {
    case 0: return true;
    case 1: DefiltrerSub<Bpp>(l, n); return true;
    case 2:
        for (std::size_t i = 0; i < n; ++i)
            l[i] = static_cast<std::uint8_t>(l[i] + p[i]);
        return true;
    case 3: DefiltrerMoyenne<Bpp>(l, p, n); return true;
    case 4: DefiltrerPaeth<Bpp>(l, p, n); return true;
    default: return false;
    }
}

} // namespace

void FiltrerLigne(FiltrePng filtre, const std::uint8_t *ligne, const std::uint8_t *precedente, std::size_t n,
                  int bpp, std::uint8_t *sortie)
{
    const auto b = static_cast<std::size_t>(bpp);
    const std::size_t debut = n < b ? n : b;
    switch (filtre) {
    case FiltrePng::Aucun: std::memcpy(sortie, ligne, n); return;
    case FiltrePng::Sub:
        std::memcpy(sortie, ligne, debut);
        for (std::size_t i = b; i < n; ++i)
            sortie[i] = static_cast<std::uint8_t>(ligne[i] - ligne[i - b]);
        return;
    case FiltrePng::Up:
        for (std::size_t i = 0; i < n; ++i)
            sortie[i] = static_cast<std::uint8_t>(ligne[i] - precedente[i]);
        return;
    case FiltrePng::Moyenne:
        for (std::size_t i = 0; i < debut; ++i)
            sortie[i] = static_cast<std::uint8_t>(ligne[i] - (precedente[i] >> 1));
        for (std::size_t i = b; i < n; ++i)
            sortie[i] = static_cast<std::uint8_t>(ligne[i] - ((ligne[i - b] + precedente[i]) >> 1));
        return;
    case FiltrePng::Paeth:
        for (std::size_t i = 0; i < debut; ++i)
            sortie[i] = static_cast<std::uint8_t>(ligne[i] - precedente[i]);
        for (std::size_t i = b; i < n; ++i)
            sortie[i] = static_cast<std::uint8_t>(ligne[i] - Paeth(ligne[i - b], precedente[i], precedente[i - b]));
        return;
    }
}

bool DefiltrerLigne(std::uint8_t type, std::uint8_t *ligne, const std::uint8_t *precedente, std::size_t n, int bpp)
{
    switch (bpp) {
    case 1: return Defiltrer<1>(type, ligne, precedente, n);
    case 2: return Defiltrer<2>(type, ligne, precedente, n);
    case 3: return Defiltrer<3>(type, ligne, precedente, n);
    case 4: return Defiltrer<4>(type, ligne, precedente, n);
    case 6: return Defiltrer<6>(type, ligne, precedente, n);
    case 8: return Defiltrer<8>(type, ligne, precedente, n);
    default: return false;
    }
}
