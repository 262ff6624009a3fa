#include "processing/tsv.h"

#include <algorithm>
#include <cmath>

CouleurTsv RvbVersTsv(double r, double g, double b)
{
    CouleurTsv t;
    t.V = std::max({r, g, b});
    const double d = t.V - std::min({r, g, b});
    t.S = t.V != 0 ? d / t.V : 0;
    if (t.S == 0) {
        t.H = -1;
        return t;
    }
    if (r == t.V)
        t.H = 60 * (g - b) / d;
    else if (g == t.V)
        t.H = 120 + 60 * (b - r) / d;
    else
        t.H = 240 + 60 * (r - g) / d;
    if (t.H < 0)
        t.H += 360;
    return t;
}

CouleurRvbReelle TsvVersRvb(double H, double S, double V)
{
    if (S == 0 || H < 0)
        return {V, V, V};
    if (H >= 360)
        H = 0;
    const double h = H / 60;
    const int i = std::clamp(static_cast<int>(h), 0, 5);
    const double f = h - i;
    const double p = V * (1 - S);
    const double q = V * (1 - S * f);
    const double t = V * (1 - S * (1 - f));
    switch (i) {
    case 0: return {V, t, p};
    case 1: return {q, V, p};
    case 2: return {p, V, t};
    case 3: return {p, q, V};
    case 4: return {t, p, V};
    default: return {V, p, q};
    }
}
