#pragma once
// The interval marker over a histogram chart and the limits it marks. The
// chart's plot area runs from pixel PL to pixel PR; the marker is a
// rectangle the user moves and resizes horizontally.

struct PositionRepere {
    int gauche = 0;
    int largeur = 0;
    bool operator==(const PositionRepere &) const = default;
};

struct LimitesRepere {
    PositionRepere position; // the marker once kept within the plot area
    int basse = 0;
    int haute = 255;
};

// Marker to limits: a left edge left of PL moves to PL (the width shrinking
// by as much, at least 3); a right edge past PR comes back to PR (the left
// edge to PR − 3 at most); then low = (left − PL) × 255 div (PR − PL), at least 0;
// high = (left + width − PL) × 255 div (PR − PL), at most 255. PR ≤ PL gives
// 0..255 and the marker as it is.
[[nodiscard]] LimitesRepere LimitesDeRepere(PositionRepere repere, int pl, int pr);

// Limits to marker, as the whole-histogram stretch places it:
// left = round(PL + (PR − PL) × low / 255), width = round(PL + (PR − PL) × high / 255) − left.
[[nodiscard]] PositionRepere RepereDeLimites(int basse, int haute, int pl, int pr);
