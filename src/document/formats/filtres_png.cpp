#include "document/formats/filtres_png.h"

#include <cstdlib>
#include <cstring>

namespace {

// The predictor of Paeth's filter: of a (left), b (above) and c (above
// left), the one closest to a + b - c, ties going to a, then b. In this form
// (a minimum, a maximum and two selections, which compile without branches),
// with t = 3c - (a + b): t <= min(a, b) gives max(a, b), else t >= max(a, b)
// gives min(a, b), else c.
inline int Paeth(int a, int b, int c)
{
    const int seuil = c * 3 - (a + b);
    const int bas = a < b ? a : b;
    const int haut = a < b ? b : a;
    const int t0 = haut <= seuil ? bas : c;
    return seuil <= bas ? haut : t0;
}

// Restoring Sub, Average and Paeth depends on the byte bpp places back. The
// loops go a pixel at a time, written once per pixel size: each byte of the
// pixel on the left and of the one above it stays in a register, so the
// bytes of a pixel make independent chains and no chain waits for a byte it
// has just stored. Before the first pixel, left and upper-left are zero,
// which is the rule for the first pixel of a row.
template <int Bpp>
void DefiltrerSub(std::uint8_t *l, std::size_t n)
{
    std::uint8_t a[Bpp] = {};
    for (std::size_t i = 0; i + Bpp <= n; i += Bpp)
        for (int k = 0; k < Bpp; ++k) {
            a[k] = static_cast<std::uint8_t>(l[i + k] + a[k]);
            l[i + k] = a[k];
        }
}

template <int Bpp>
void DefiltrerMoyenne(std::uint8_t *l, const std::uint8_t *p, std::size_t n)
{
    int a[Bpp] = {};
    for (std::size_t i = 0; i + Bpp <= n; i += Bpp)
        for (int k = 0; k < Bpp; ++k) {
            a[k] = (l[i + k] + ((a[k] + p[i + k]) >> 1)) & 0xFF;
            l[i + k] = static_cast<std::uint8_t>(a[k]);
        }
}

template <int Bpp>
void DefiltrerPaeth(std::uint8_t *l, const std::uint8_t *p, std::size_t n)
{
    int a[Bpp] = {};
    int c[Bpp] = {};
    for (std::size_t i = 0; i + Bpp <= n; i += Bpp)
        for (int k = 0; k < Bpp; ++k) {
            const int b = p[i + k];
            a[k] = (l[i + k] + Paeth(a[k], b, c[k])) & 0xFF;
            l[i + k] = static_cast<std::uint8_t>(a[k]);
            c[k] = b;
        }
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
