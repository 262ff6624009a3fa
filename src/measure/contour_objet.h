#pragma once
// Measures of an object's contour, as traced by DelimiterObjet: a closed list
// of points P0 … Pn−1 whose last point repeats the first.

#include <QPoint>

#include <array>
#include <vector>

struct MesureContour {
    float perimetre = 2.0f; // pixels
    float longueur = 1.0f;
    float largeur = 0.0f;
    // Ends of the length segment, then per side the farthest point and its
    // foot on the length segment; (−1, −1) for a contour of fewer than 3 points.
    std::array<QPoint, 6> reperes{QPoint(-1, -1), QPoint(-1, -1), QPoint(-1, -1),
                                  QPoint(-1, -1), QPoint(-1, -1), QPoint(-1, -1)};
};

// Perimeter along the points, length as the longest chord (the first pair
// reaching it), width as the sum of the largest distances to the length
// segment on either side of it. Fewer than 3 points: perimeter 2, length 1,
// width 0.
[[nodiscard]] MesureContour MesurerContour(const std::vector<QPoint> &contour);

// Perimeter of a contour of at least 9 points measured along its straight
// runs: a run goes on while its points stay within one pixel of its first
// step and move away from its start; the perimeter joins the run ends and
// closes back on P0. The contour is replaced by its points where the step
// changes, P0 first and last. Fewer than 9 points: the plain perimeter and
// the contour unchanged.
[[nodiscard]] float PerimetreParSegments(std::vector<QPoint> &contour);

// False for an object cut by the image edge along a stretch longer than the
// chord a disc of its size cuts one pixel deep; an object touching two
// opposite edges, or none, is complete.
[[nodiscard]] bool EstComplet(const std::vector<QPoint> &contour, int largeurImage, int hauteurImage);
