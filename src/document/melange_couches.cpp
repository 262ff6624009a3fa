#include "document/melange_couches.h"

#include "commun/nombres.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace melange_couches {

namespace {

// Colours of the layer pixel c over the pixel d by c's alpha a, each
// component round((c·a + d·(255 − a)) / 255); the result keeps the larger of
// the two alphas so that an opaque image stays opaque. Alpha 0 gives d back
// and alpha 255 gives c, so no pixel needs a branch of its own. Red and blue
// are worked side by side in 16-bit halves of one word (no half exceeds
// 255·255 + 255 on the way).
inline QRgb MelangerPixel(QRgb c, QRgb d)
{
    const std::uint32_t a = c >> 24;
    const std::uint32_t inv = 255 - a;
    std::uint32_t rb = (c & 0x00FF00FFu) * a + (d & 0x00FF00FFu) * inv + 0x007F007Fu;
    rb = ((rb + 0x00010001u + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    const std::uint32_t g = Div255(((c >> 8) & 0xFF) * a + ((d >> 8) & 0xFF) * inv);
    return (std::max(a, d >> 24) << 24) | rb | (g << 8);
}

} // namespace

// True when every pixel of the row is zero, the pixel of a cleared layer.
// Read in blocks so that a row drawn on near its start is found early.
bool LigneNulle(const QRgb *ligne, int n)
{
    constexpr int Bloc = 64;
    int x = 0;
    for (; x + Bloc <= n; x += Bloc) {
        QRgb ou = 0;
        for (int i = 0; i < Bloc; ++i)
            ou |= ligne[x + i];
        if (ou != 0)
            return false;
    }
    QRgb ou = 0;
    for (; x < n; ++x)
        ou |= ligne[x];
    return ou == 0;
}

// One scan line of the merge rule of the provisional layer into the drawing layer.
void FusionnerLigne(const QRgb *f, QRgb *b, int n, std::uint32_t m, bool zonation, QRgb couleurZonation)
{
    const std::uint32_t mInv = 255 - m;
    for (int x = 0; x < n; ++x) {
        const QRgb pf = f[x];
        const std::uint32_t af = pf >> 24;
        if (af == 0)
            continue;
        if (zonation) {
            b[x] = couleurZonation;
            continue;
        }
        const QRgb pb = b[x];
        if (((pf & 0x00FFFFFFu) | (m << 24)) == pb)
            continue;
        std::uint32_t a = Div255(af * m);
        const std::uint32_t ab = pb >> 24;
        if (ab == 0) {
            b[x] = (pf & 0x00FFFFFFu) | (a << 24);
            continue;
        }
        a = std::max(a, ab);
        std::uint32_t rgb = pb & 0x00FFFFFFu;
        if ((pf & 0x00FFFFFFu) != rgb) {
            const std::uint32_t r = Div255(((pf >> 16) & 0xFF) * m + ((pb >> 16) & 0xFF) * mInv);
            const std::uint32_t g = Div255(((pf >> 8) & 0xFF) * m + ((pb >> 8) & 0xFF) * mInv);
            const std::uint32_t bl = Div255((pf & 0xFF) * m + (pb & 0xFF) * mInv);
            rgb = (r << 16) | (g << 8) | bl;
        }
        b[x] = rgb | (a << 24);
    }
}

// A layer row over an image row. Blocks of eight transparent layer pixels,
// most of a drawing layer, are passed over after one test.
void MelangerLigne(const QRgb *c, QRgb *d, int w)
{
    constexpr int Bloc = 8;
    int x = 0;
    for (; x + Bloc <= w; x += Bloc) {
        QRgb ou = 0;
        for (int i = 0; i < Bloc; ++i)
            ou |= c[x + i];
        if ((ou >> 24) == 0)
            continue;
        for (int i = 0; i < Bloc; ++i)
            d[x + i] = MelangerPixel(c[x + i], d[x + i]);
    }
    for (; x < w; ++x)
        d[x] = MelangerPixel(c[x], d[x]);
}

// The drawing row merged with the provisional row into rangee (which holds a
// copy of the drawing row, or transparent white without a drawing layer).
// Returns the row to blend over the image: the drawing row itself when the
// provisional row is clear, rangee otherwise, nullptr when there is nothing.
const QRgb *RangeeCombinee(const QRgb *dessin, const QRgb *provisoire, QRgb *rangee, int w, std::uint32_t m)
{
    if (!provisoire || LigneNulle(provisoire, w))
        return dessin;
    if (dessin)
        std::memcpy(rangee, dessin, sizeof(QRgb) * static_cast<std::size_t>(w));
    else
        std::fill_n(rangee, w, TransparentBlanc);
    FusionnerLigne(provisoire, rangee, w, m, false, 0);
    return rangee;
}

bool CouchePresente(const QImage &couche, QSize taille)
{
    return !couche.isNull() && couche.size() == taille;
}

// Where a positioned layer lands on the image: its position rounded to whole pixels.
QPoint PositionArrondie(const CouchePositionnee &couche)
{
    return {static_cast<int>(Arrondi(couche.position.x())), static_cast<int>(Arrondi(couche.position.y()))};
}

// Blends a positioned layer with the painter of a working bitmap whose
// top-left pixel is the image pixel origine.
void DessinerCoucheAvec(QPainter &p, const CouchePositionnee &couche, QPoint origine)
{
    if (!couche.presente())
        return;
    const QPoint pos = PositionArrondie(couche) - origine;
    p.setOpacity(couche.alphaMaitre / 255.0);
    if (couche.opaque) {
        QImage opaque = couche.image.convertToFormat(QImage::Format_RGB32);
        p.drawImage(pos, opaque);
    } else {
        p.drawImage(pos, couche.image);
    }
}

} // namespace melange_couches
