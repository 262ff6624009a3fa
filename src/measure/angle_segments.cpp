#include "measure/angle_segments.h"

#include "commun/nombres.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double kDegres = 180.0 / std::numbers::pi;

// Direction of p->q and the slope used for the intersection (undefined when vertical).
struct Direction {
    double degres = 0;
    bool verticale = false;
    double pente = 0;
};

Direction DirectionDe(QPoint p, QPoint q)
{
    Direction d;
    if (p.x() == q.x()) {
        d.verticale = true;
        // Upwards is 90, downwards 270; a segment of zero length counts as downwards.
        d.degres = q.y() >= p.y() ? 270 : 90;
        return d;
    }
    d.pente = (double(p.y()) - q.y()) / (double(p.x()) - q.x());
    d.degres = std::atan(-d.pente) * kDegres;
    if (p.x() > q.x())
        d.degres += 180;
    if (d.degres < 0)
        d.degres += 360;
    return d;
}

// Rounded pixel coordinate, kept inside the int range for nearly parallel lines.
int Pixel(double v)
{
    constexpr double borne = 1e9;
    if (!(v > -borne))
        return -int(borne);
    if (!(v < borne))
        return int(borne);
    return int(Arrondi(v));
}

} // namespace

AngleSegments AngleEntreSegments(QPoint a, QPoint b, QPoint c, QPoint d)
{
    const Direction d1 = DirectionDe(a, b);
    const Direction d2 = DirectionDe(c, d);
    AngleSegments r;
    // Parallel lines share their slope; comparing slopes of integer
    // differences is exact, where comparing directions in degrees is not.
    const bool paralleles = (d1.verticale && d2.verticale) || (!d1.verticale && !d2.verticale && d1.pente == d2.pente);
    if (paralleles) {
        r.intersection = QPoint(-15, -15);
    } else if (d1.verticale) {
        const int x = a.x();
        r.intersection = QPoint(x, Pixel((double(x) - c.x()) * d2.pente + c.y()));
    } else if (d2.verticale) {
        const int x = c.x();
        r.intersection = QPoint(x, Pixel((double(x) - a.x()) * d1.pente + a.y()));
    } else {
        const int x = Pixel((double(c.x()) * d2.pente + (double(a.y()) - c.y()) - double(a.x()) * d1.pente)
                            / (d2.pente - d1.pente));
        r.intersection = QPoint(x, Pixel((double(x) - a.x()) * d1.pente + a.y()));
    }
    double angle = d2.degres - d1.degres;
    if (angle < 0)
        angle += 360;
    // Parallel lines make exactly 0 or 180 degrees; the directions computed
    // through the arctangent could leave a trace of rounding in between.
    if (paralleles)
        angle = (angle > 90 && angle < 270) ? 180 : 0;
    if (angle > 359.949)
        angle = 0;
    r.angle = angle;
    return r;
}

double AngleAigu(double angle)
{
    double aigu = std::fabs(angle - 180);
    if (aigu > 90)
        aigu = std::fabs(aigu - 180);
    return aigu;
}

QString TexteAngle(double angle)
{
    return FormatGeneral(AngleAigu(angle), 4) + QStringLiteral("° (") + FormatGeneral(angle, 4) + QStringLiteral("°)");
}
