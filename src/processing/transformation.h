#pragma once
// Mirror symmetries and quarter turns of a picture ("Transformation" of the
// "&Image" menu), for a picture W wide and H high:
//   SymetrieHorizontale  top and bottom swapped: row y becomes row H − 1 − y
//   SymetrieVerticale    left and right swapped: column x becomes W − 1 − x
//   Rotation90           a quarter turn clockwise: (x, y) goes to (H − 1 − y, x)
//   Rotation180          (x, y) goes to (W − 1 − x, H − 1 − y)
//   Rotation270          a quarter turn counter-clockwise: (x, y) goes to (y, W − 1 − x)
// The quarter turns give a picture H wide and W high.

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <cstdint>

enum class Transformation { SymetrieHorizontale, SymetrieVerticale, Rotation90, Rotation180, Rotation270 };

// Size of the transformed picture.
[[nodiscard]] QSize TailleTransformee(QSize taille, Transformation t);

// The transformed picture (Format_ARGB32; other formats are converted first).
[[nodiscard]] QImage TransformerImage(const QImage &image, Transformation t);

// The symmetries and the half turn in place, without a second picture
// (Format_ARGB32 afterwards). False, the picture untouched, for the quarter
// turns, which change the picture's shape.
bool TransformerEnPlace(QImage &image, Transformation t);

// The same for a plane of bytes (a channel): source rows pasSource bytes
// apart, destination rows pasDestination apart, of the transformed size.
void TransformerPlan(const std::uint8_t *source, std::ptrdiff_t pasSource, int largeur, int hauteur,
                     std::uint8_t *destination, std::ptrdiff_t pasDestination, Transformation t);

// Where a point of a picture of this size goes, for coordinates counted in
// units of 1/k pixel (k = 1 pixels, k = 2 half pixels, k = 65536 the 16.16
// fixed point of pencil strokes): with pixel centres at whole multiples of k.
struct PointEntier {
    std::int64_t x = 0;
    std::int64_t y = 0;
};
[[nodiscard]] PointEntier TransformerPoint(PointEntier p, QSize taille, Transformation t, std::int64_t k = 1);

// The same in real pixel coordinates (pixel centres on whole numbers).
[[nodiscard]] QPointF TransformerPointReel(QPointF p, QSize taille, Transformation t);

// The rectangle covering the transformed pixels of a rectangle.
[[nodiscard]] QRect TransformerRectangle(const QRect &r, QSize taille, Transformation t);
