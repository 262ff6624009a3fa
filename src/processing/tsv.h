#pragma once
// Hue, saturation and value of a colour whose components lie in 0..1.
// The hue is in degrees, 0 ≤ H < 360, or −1 when undefined (grey).

struct CouleurTsv {
    double H = -1;
    double S = 0;
    double V = 0;
};

struct CouleurRvbReelle {
    double r = 0;
    double g = 0;
    double b = 0;
};

// V = max; S = (max − min) / V (0 for black); H from the largest component,
// red tested first, then green, then blue.
[[nodiscard]] CouleurTsv RvbVersTsv(double r, double g, double b);

// Back to red, green, blue; S = 0 gives grey V; H = 360 counts as 0.
[[nodiscard]] CouleurRvbReelle TsvVersRvb(double H, double S, double V);
