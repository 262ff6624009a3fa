#pragma once
// The angle between two drawn segments, in screen coordinates (y grows
// downwards), directions in degrees counter-clockwise from the rightward
// horizontal.

#include <QPoint>
#include <QString>

struct AngleSegments {
    double angle = 0;    // oriented angle from A->B to C->D, 0 .. 359,949
    QPoint intersection; // of the two lines; (-15, -15) when they are parallel
    [[nodiscard]] bool paralleles() const { return intersection == QPoint(-15, -15); }
};

// Oriented angle of C->D from A->B and the intersection of their lines
// (rounded to the nearest pixel, halves to even). A segment of zero length
// counts as vertical.
[[nodiscard]] AngleSegments AngleEntreSegments(QPoint a, QPoint b, QPoint c, QPoint d);

// The smaller angle between the two lines, 0 .. 90.
[[nodiscard]] double AngleAigu(double angle);

// Readout of an angle measurement: acute and oriented angles at 4 significant
// digits, "30° (150°)".
[[nodiscard]] QString TexteAngle(double angle);
