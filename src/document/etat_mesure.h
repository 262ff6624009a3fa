#pragma once
// What the measuring tool remembers for one document: the readout of status
// panel 4, the last cartesian values, and the stages of the angle measurement.

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

struct EtatMesure {
    // Intersection of two parallel lines: no point to mark.
    static constexpr QPoint SansIntersection{-15, -15};

    QString texteMesure;                  // readout shown in status panel 4
    std::array<double, 4> valeursRepere{}; // last X, Y1, Y2, Y3 of the cartesian readout
    QPoint pointAppui;                    // image pixel of the last press
    QPoint pointCourant;                  // last pointer position of the current drag
    // Angle measurement: first segment A->B, second segment C->D.
    QPoint a, b, c, d;
    bool premierSegmentFait = false;
    double dernierAngle = 0;              // oriented angle of the last measurement, degrees
    QPoint intersection = SansIntersection;
    // Part of the provisional layer the tool has drawn on since the last full
    // clear; empty when unknown (a new gesture), which asks for a full clear.
    QRect zoneTracee;
};
