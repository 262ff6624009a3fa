#pragma once
// A scale following its picture when the picture's origin moves (cropping,
// enlarging the canvas): a defined scale's pixel positions move by (dx, dy),
// in mode 1 the frame bounds and the origins, in mode 2 the lower-left corner
// of the triangle, in mode 3 the centre. A length scale (mode 0) has no
// position and an undefined scale is left as it is.

#include "calibration/echelle.h"

[[nodiscard]] TEchelle EchelleDeplacee(const TEchelle &echelle, int dx, int dy);
