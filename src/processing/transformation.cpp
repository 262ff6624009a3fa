#include "processing/transformation.h"

#include "commun/travail_parallele.h"
#include "processing/image_resultat.h"

#include <QRgb>

#include <algorithm>
#include <cstring>

namespace {

// Quarter turns go through tiles that fit in the cache on both sides.
constexpr int kTuile = 64;

template <typename T>
const T *LigneSource(const std::uint8_t *base, std::ptrdiff_t pas, int y)
{
    return reinterpret_cast<const T *>(base + pas * y);
}

template <typename T>
T *LigneDestination(std::uint8_t *base, std::ptrdiff_t pas, int y)
{
    return reinterpret_cast<T *>(base + pas * y);
}

template <typename T>
void Transformer(const std::uint8_t *src, std::ptrdiff_t pasS, int w, int h, std::uint8_t *dst, std::ptrdiff_t pasD,
                 Transformation t)
{
    const std::size_t octetsLigne = sizeof(T) * static_cast<std::size_t>(w);
    switch (t) {
    case Transformation::SymetrieHorizontale:
        for (int y = 0; y < h; ++y)
            std::memcpy(LigneDestination<T>(dst, pasD, h - 1 - y), LigneSource<T>(src, pasS, y), octetsLigne);
        break;
    case Transformation::SymetrieVerticale:
        for (int y = 0; y < h; ++y) {
            const T *s = LigneSource<T>(src, pasS, y);
            std::reverse_copy(s, s + w, LigneDestination<T>(dst, pasD, y));
        }
        break;
    case Transformation::Rotation180:
        for (int y = 0; y < h; ++y) {
            const T *s = LigneSource<T>(src, pasS, y);
            std::reverse_copy(s, s + w, LigneDestination<T>(dst, pasD, h - 1 - y));
        }
        break;
    case Transformation::Rotation90:
    case Transformation::Rotation270: {
        // Destination row j is source column j (90°) or W − 1 − j (270°).
        const bool horaire = t == Transformation::Rotation90;
        const int bandes = (h + kTuile - 1) / kTuile;
        ParcourirEnParallele(bandes, PartsParalleles(std::int64_t{w} * h * static_cast<std::int64_t>(sizeof(T))),
                             [&](int premiere, int derniere) {
        for (int y0 = premiere * kTuile; y0 < std::min(h, derniere * kTuile); y0 += kTuile) {
            const int y1 = std::min(h, y0 + kTuile);
            for (int x0 = 0; x0 < w; x0 += kTuile) {
                const int x1 = std::min(w, x0 + kTuile);
                for (int x = x0; x < x1; ++x) {
                    T *d = LigneDestination<T>(dst, pasD, horaire ? x : w - 1 - x);
                    if (horaire)
                        for (int y = y0; y < y1; ++y)
                            d[h - 1 - y] = LigneSource<T>(src, pasS, y)[x];
                    else
                        for (int y = y0; y < y1; ++y)
                            d[y] = LigneSource<T>(src, pasS, y)[x];
                }
            }
        }
        });
        break;
    }
    }
}

} // namespace

QSize TailleTransformee(QSize taille, Transformation t)
{
    if (t == Transformation::Rotation90 || t == Transformation::Rotation270)
        return taille.transposed();
    return taille;
}

QImage TransformerImage(const QImage &image, Transformation t)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    if (source.isNull())
        return {};
    QImage resultat = ImageResultat(TailleTransformee(source.size(), t));
    Transformer<QRgb>(source.constBits(), source.bytesPerLine(), source.width(), source.height(), resultat.bits(),
                      resultat.bytesPerLine(), t);
    return resultat;
}

void TransformerPlan(const std::uint8_t *source, std::ptrdiff_t pasSource, int largeur, int hauteur,
                     std::uint8_t *destination, std::ptrdiff_t pasDestination, Transformation t)
{
    Transformer<std::uint8_t>(source, pasSource, largeur, hauteur, destination, pasDestination, t);
}

PointEntier TransformerPoint(PointEntier p, QSize taille, Transformation t, std::int64_t k)
{
    const std::int64_t xMax = k * (taille.width() - 1), yMax = k * (taille.height() - 1);
    switch (t) {
    case Transformation::SymetrieHorizontale:
        return {p.x, yMax - p.y};
    case Transformation::SymetrieVerticale:
        return {xMax - p.x, p.y};
    case Transformation::Rotation90:
        return {yMax - p.y, p.x};
    case Transformation::Rotation180:
        return {xMax - p.x, yMax - p.y};
    case Transformation::Rotation270:
        return {p.y, xMax - p.x};
    }
    return p;
}

QPointF TransformerPointReel(QPointF p, QSize taille, Transformation t)
{
    const double xMax = taille.width() - 1, yMax = taille.height() - 1;
    switch (t) {
    case Transformation::SymetrieHorizontale:
        return {p.x(), yMax - p.y()};
    case Transformation::SymetrieVerticale:
        return {xMax - p.x(), p.y()};
    case Transformation::Rotation90:
        return {yMax - p.y(), p.x()};
    case Transformation::Rotation180:
        return {xMax - p.x(), yMax - p.y()};
    case Transformation::Rotation270:
        return {p.y(), xMax - p.x()};
    }
    return p;
}

QRect TransformerRectangle(const QRect &r, QSize taille, Transformation t)
{
    if (r.isEmpty())
        return r;
    const PointEntier a = TransformerPoint({r.left(), r.top()}, taille, t);
    const PointEntier b = TransformerPoint({r.right(), r.bottom()}, taille, t);
    return QRect(QPoint(static_cast<int>(std::min(a.x, b.x)), static_cast<int>(std::min(a.y, b.y))),
                 QPoint(static_cast<int>(std::max(a.x, b.x)), static_cast<int>(std::max(a.y, b.y))));
}

bool TransformerEnPlace(QImage &image, Transformation t)
{
    if (t == Transformation::Rotation90 || t == Transformation::Rotation270)
        return false;
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return true;
    const int w = image.width(), h = image.height();
    uchar *bits = image.bits();
    const qsizetype pas = image.bytesPerLine();
    auto ligne = [bits, pas](int y) { return reinterpret_cast<QRgb *>(bits + pas * y); };
    if (t == Transformation::SymetrieVerticale) {
        ParcourirEnParallele(h, PartsParalleles(image.sizeInBytes()), [&](int debut, int fin) {
            for (int y = debut; y < fin; ++y)
                std::reverse(ligne(y), ligne(y) + w);
        });
        return true;
    }
    // Rows y and H − 1 − y exchanged (and reversed for the half turn); the
    // middle row of an odd height stays or is reversed on its own.
    const bool inverser = t == Transformation::Rotation180;
    ParcourirEnParallele(h / 2, PartsParalleles(image.sizeInBytes()), [&](int debut, int fin) {
        for (int y = debut; y < fin; ++y) {
            QRgb *a = ligne(y), *b = ligne(h - 1 - y);
            if (inverser) {
                for (int x = 0; x < w; ++x)
                    std::swap(a[x], b[w - 1 - x]);
            } else {
                std::swap_ranges(a, a + w, b);
            }
        }
    });
    if (inverser && h % 2 == 1)
        std::reverse(ligne(h / 2), ligne(h / 2) + w);
    return true;
}
