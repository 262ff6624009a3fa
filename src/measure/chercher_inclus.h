#pragma once
// Search for the objects nested inside an object's contour, over the label
// image of an object measurement.

#include <QPoint>

#include <cstdint>
#include <optional>
#include <vector>

// Label image: every accepted object's pixels hold its number (from 1) in
// the low 24 bits with alpha 0, background 0. The search writes into it: a
// contour mark is the object's number at alpha 255, a pixel reached by a
// fill is its value at alpha 128.
struct ImageEtiquettes {
    int largeur = 0;
    int hauteur = 0;
    std::vector<std::uint32_t> pixels;

    [[nodiscard]] std::uint32_t &at(int x, int y)
    {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(largeur) + static_cast<std::size_t>(x)];
    }
};

struct ObjetsInclus {
    std::vector<int> numeros;          // numbers (from 1) of the objects inside
    std::optional<QPoint> nouveauGerme; // when the seed lay on the contour
};

// Fills the inside of an object's closed contour from its seed (whose label
// is the object's own) and
// returns the other objects met there. Nothing is returned when the seed
// was already reached from another object, when the contour spans 3 pixels
// or less in x or y, or when no start point inside is found. The caller
// skips objects whose contour did not close: their fill would leak.
ObjetsInclus ChercherInclus(QPoint germe, const std::vector<QPoint> &contour, ImageEtiquettes &etiquettes);
