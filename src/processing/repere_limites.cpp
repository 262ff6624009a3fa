#include "processing/repere_limites.h"

#include <algorithm>
#include <cmath>

LimitesRepere LimitesDeRepere(PositionRepere repere, int pl, int pr)
{
    LimitesRepere r;
    r.position = repere;
    if (pr <= pl)
        return r;
    PositionRepere &p = r.position;
    if (p.gauche < pl) {
        const int reste = p.largeur - (pl - p.gauche);
        p.largeur = reste > 2 ? reste : 3;
        p.gauche = pl;
    }
    if (p.gauche + p.largeur > pr) {
        if (p.gauche > pr - 3)
            p.gauche = pr - 3;
        p.largeur = pr - p.gauche;
    }
    // The low limit is read once the left edge is back inside, so that it never passes 255.
    r.basse = std::max(0, (p.gauche - pl) * 255 / (pr - pl));
    r.haute = std::min(255, (p.gauche + p.largeur - pl) * 255 / (pr - pl));
    return r;
}

PositionRepere RepereDeLimites(int basse, int haute, int pl, int pr)
{
    const auto place = [&](int v) { return static_cast<int>(std::nearbyint(pl + (pr - pl) * v / 255.0)); };
    const int gauche = place(basse);
    return {gauche, place(haute) - gauche};
}
