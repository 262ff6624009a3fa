#include "schema/comparer_pixels.h"

#include <cstdlib>

namespace {

int Assombrissement(int e, int seuil, int degrad)
{
    if (e <= seuil)
        return 255;
    if (e > degrad)
        return 0;
    return 255 - static_cast<int>(ArrondiQuotient(std::int64_t{e} * 255, degrad));
}

} // namespace

int ComparerPixels(const TParamStyleDes &p, const MesuresPixel &centre, const MesuresPixel &voisin)
{
    int resultat = 255;
    for (int k = 0; k < kComposantesSchema; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!p.Actif[i])
            continue;
        if (k == Teinte && (centre.v[i] == kTeinteIndefinie || voisin.v[i] == kTeinteIndefinie))
            continue;
        const int e = std::abs(centre.v[i] - voisin.v[i]);
        resultat = std::min(resultat, Assombrissement(e, p.Seuil[i], p.Degrad[i]));
    }
    return resultat;
}

int ComparerPixels(const TParamStyleDes &p, QRgb centre, QRgb voisin)
{
    return ComparerPixels(p, MesurerPixel(centre, p.SeuilTeinteSat), MesurerPixel(voisin, p.SeuilTeinteSat));
}

TableAssombrissement TableComposante(int seuil, int degrad)
{
    TableAssombrissement t{};
    for (std::size_t e = 0; e < t.size(); ++e)
        t[e] = static_cast<std::uint8_t>(Assombrissement(static_cast<int>(e), seuil, degrad));
    return t;
}
