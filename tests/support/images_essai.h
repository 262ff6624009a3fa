#pragma once
// Pictures the tests start from.

#include <QImage>

// A picture of one colour.
inline QImage ImageUnie(int largeur, int hauteur, QRgb couleur)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    image.fill(couleur);
    return image;
}

// An opaque picture whose every pixel differs from its neighbours.
inline QImage ImageMotif(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, (x * 5 + y * 71) & 255, (x * y * 13) & 255));
    return image;
}
