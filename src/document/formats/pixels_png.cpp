#include "document/formats/pixels_png.h"

namespace {

// A 16-bit sample, stored big-endian, reduced to 8 bits: round(v / 257),
// exact in integers because v / 257 never ends in one half.
inline std::uint32_t Reduire16(const std::uint8_t *p)
{
    const std::uint32_t v = (std::uint32_t{p[0]} << 8) | p[1];
    return (2 * v + 257) / 514;
}

inline std::uint16_t Lire16(const std::uint8_t *p)
{
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

inline QRgb Argb(std::uint32_t a, std::uint32_t r, std::uint32_t v, std::uint32_t b)
{
    return (a << 24) | (r << 16) | (v << 8) | b;
}

// Samples of 1, 2 or 4 bits, the leftmost pixel in the high bits.
inline std::uint32_t Echantillon(const std::uint8_t *octets, int x, int profondeur)
{
    const int parOctet = 8 / profondeur;
    const int decalage = 8 - profondeur * (x % parOctet + 1);
    return (octets[x / parOctet] >> decalage) & ((1u << profondeur) - 1u);
}

void Gris(const FormatPixelsPng &f, const std::uint8_t *o, int largeur, QRgb *s)
{
    const std::uint32_t cle = f.cleTransparence[0];
    const bool avecCle = f.avecCleTransparence;
    if (f.profondeur == 16) {
        for (int x = 0; x < largeur; ++x) {
            const std::uint32_t g = Reduire16(o + 2 * x);
            const std::uint32_t a = avecCle && Lire16(o + 2 * x) == cle ? 0 : 255;
            s[x] = Argb(a, g, g, g);
        }
    } else if (f.profondeur == 8) {
        for (int x = 0; x < largeur; ++x) {
            const std::uint32_t g = o[x];
            const std::uint32_t a = avecCle && g == cle ? 0 : 255;
            s[x] = Argb(a, g, g, g);
        }
    } else {
        const std::uint32_t echelle = 255u / ((1u << f.profondeur) - 1u);
        for (int x = 0; x < largeur; ++x) {
            const std::uint32_t v = Echantillon(o, x, f.profondeur);
            const std::uint32_t g = v * echelle;
            const std::uint32_t a = avecCle && v == cle ? 0 : 255;
            s[x] = Argb(a, g, g, g);
        }
    }
}

void Rvb(const FormatPixelsPng &f, const std::uint8_t *o, int largeur, QRgb *s)
{
    const bool avecCle = f.avecCleTransparence;
    if (f.profondeur == 16) {
        for (int x = 0; x < largeur; ++x) {
            const std::uint8_t *p = o + 6 * x;
            const bool cle = avecCle && Lire16(p) == f.cleTransparence[0] && Lire16(p + 2) == f.cleTransparence[1] &&
                             Lire16(p + 4) == f.cleTransparence[2];
            s[x] = Argb(cle ? 0 : 255, Reduire16(p), Reduire16(p + 2), Reduire16(p + 4));
        }
    } else if (avecCle) {
        const QRgb transparente = Argb(255, f.cleTransparence[0], f.cleTransparence[1], f.cleTransparence[2]);
        for (int x = 0; x < largeur; ++x) {
            const QRgb c = Argb(255, o[3 * x], o[3 * x + 1], o[3 * x + 2]);
            s[x] = c == transparente ? (c & 0x00FFFFFFu) : c;
        }
    } else {
        for (int x = 0; x < largeur; ++x)
            s[x] = Argb(255, o[3 * x], o[3 * x + 1], o[3 * x + 2]);
    }
}

void Palette(const FormatPixelsPng &f, const std::uint8_t *o, int largeur, QRgb *s)
{
    if (f.profondeur == 8) {
        for (int x = 0; x < largeur; ++x)
            s[x] = f.palette[o[x]];
    } else {
        for (int x = 0; x < largeur; ++x)
            s[x] = f.palette[Echantillon(o, x, f.profondeur)];
    }
}

void GrisAlpha(const FormatPixelsPng &f, const std::uint8_t *o, int largeur, QRgb *s)
{
    if (f.profondeur == 16) {
        for (int x = 0; x < largeur; ++x) {
            const std::uint32_t g = Reduire16(o + 4 * x);
            s[x] = Argb(Reduire16(o + 4 * x + 2), g, g, g);
        }
    } else {
        for (int x = 0; x < largeur; ++x) {
            const std::uint32_t g = o[2 * x];
            s[x] = Argb(o[2 * x + 1], g, g, g);
        }
    }
}

void Rvba(const FormatPixelsPng &f, const std::uint8_t *o, int largeur, QRgb *s)
{
    if (f.profondeur == 16) {
        for (int x = 0; x < largeur; ++x) {
            const std::uint8_t *p = o + 8 * x;
            s[x] = Argb(Reduire16(p + 6), Reduire16(p), Reduire16(p + 2), Reduire16(p + 4));
        }
    } else {
        for (int x = 0; x < largeur; ++x) {
            const std::uint8_t *p = o + 4 * x;
            s[x] = Argb(p[3], p[0], p[1], p[2]);
        }
    }
}

} // namespace

int BitsParPixelPng(int typeCouleur, int profondeur)
{
    switch (typeCouleur) {
    case 2: return 3 * profondeur;
    case 4: return 2 * profondeur;
    case 6: return 4 * profondeur;
    default: return profondeur;
    }
}

bool FormatPngValide(int typeCouleur, int profondeur)
{
    switch (typeCouleur) {
    case 0: return profondeur == 1 || profondeur == 2 || profondeur == 4 || profondeur == 8 || profondeur == 16;
    case 3: return profondeur == 1 || profondeur == 2 || profondeur == 4 || profondeur == 8;
    case 2:
    case 4:
    case 6: return profondeur == 8 || profondeur == 16;
    default: return false;
    }
}

void ConvertirLignePng(const FormatPixelsPng &format, const std::uint8_t *octets, int largeur, QRgb *sortie)
{
    switch (format.typeCouleur) {
    case 0: Gris(format, octets, largeur, sortie); return;
    case 2: Rvb(format, octets, largeur, sortie); return;
    case 3: Palette(format, octets, largeur, sortie); return;
    case 4: GrisAlpha(format, octets, largeur, sortie); return;
    case 6: Rvba(format, octets, largeur, sortie); return;
    default: return;
    }
}
