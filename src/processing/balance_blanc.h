#pragma once
// "Faire le &blanc": the picture corrected so that a chosen area becomes
// white. With mR, mG, mB the means of the components over the rectangle,
// every component c becomes min(255, round(255 × c / m)) for the mean m of
// its own component; the division comes last, so that a pixel (100, 110, 125)
// under means (200, 220, 250) becomes (128, 128, 128). Alpha is kept.

#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>

// The rectangle between two corners, both included, cut to the picture.
[[nodiscard]] QRect RectangleBlanc(QPoint coin1, QPoint coin2, QSize taille);

// Means of red, green and blue over the rectangle (all inside the picture).
[[nodiscard]] std::array<double, 3> MoyennesRectangle(const QImage &image, const QRect &rectangle);

// Corrects the picture in place from the rectangle between the two corners.
// Throws ErreurKaptori, leaving the picture as it was, when the rectangle
// lies outside the picture or a component's mean there is 0 (a black or pure
// colour area gives no factor for that component).
void FaireBlanc(QImage &image, QPoint coin1, QPoint coin2);
