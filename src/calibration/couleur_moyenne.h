#pragma once
// The mean colour of a rectangle of a picture, used to pick colours from the
// image and by the light measurements.

#include "calibration/code_couleur.h"

#include <QPoint>

#include <optional>

class QImage;

// Rounded mean of R, of G and of B over the pixels from corner a to corner b,
// both included, in any order; the rectangle is clipped to the image. Nothing
// when no pixel of the image lies in it.
[[nodiscard]] std::optional<CouleurWin> CouleurMoyenne(const QImage &image, QPoint a, QPoint b);
