#include "processing/code_conservable.h"

namespace {

constexpr CouleurWin NoirWin = 0x000000;
constexpr CouleurWin BlancWin = 0xFFFFFF;

bool NoirVersBlanc(const TCodeCouleur &code)
{
    return (code.CouleurMin & 0xFFFFFF) == NoirWin && (code.CouleurMax & 0xFFFFFF) == BlancWin;
}

void Restreindre(double &mini, double &maxi, int basse, int haute)
{
    const double etendue = maxi - mini;
    const double debut = mini;
    mini = debut + basse / 255.0 * etendue;
    maxi = debut + haute / 255.0 * etendue;
}

} // namespace

bool CodeSansSignificationApresModification(const TCodeCouleur &code)
{
    if (!code.Definie)
        return false;
    switch (code.TypeCodage) {
    case CodageTroisCanaux: return false;
    case CodageDeuxCouleurs: return !NoirVersBlanc(code);
    default: return true;
    }
}

TCodeCouleur CodeAjuste(const TCodeCouleur &code, bool conservable, const LimitesComposantes &limites)
{
    TCodeCouleur r = code;
    if (!code.Definie)
        return r;
    if (conservable && code.TypeCodage == CodageTroisCanaux) {
        for (std::size_t k = 0; k < 3; ++k)
            Restreindre(r.MiniC[k], r.MaxiC[k], limites.basse[k], limites.haute[k]);
        return r;
    }
    if (conservable && code.TypeCodage == CodageDeuxCouleurs && NoirVersBlanc(code)) {
        Restreindre(r.ValeurMin, r.ValeurMax, limites.basse[ComposanteBleue], limites.haute[ComposanteBleue]);
        return r;
    }
    r.Definie = 0;
    return r;
}
