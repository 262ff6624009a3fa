#include "processing/deplacement_echelle.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

std::int32_t Deplacer(std::int32_t v, int d)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{v} + d, std::numeric_limits<std::int32_t>::min(),
                                                               std::numeric_limits<std::int32_t>::max()));
}

} // namespace

TEchelle EchelleDeplacee(const TEchelle &echelle, int dx, int dy)
{
    TEchelle e = echelle;
    if (!e.Definie)
        return e;
    switch (e.Mode) {
    case TEchelle::Cartesien:
        e.CadreX1 = Deplacer(e.CadreX1, dx);
        e.CadreX2 = Deplacer(e.CadreX2, dx);
        e.OrigineX = Deplacer(e.OrigineX, dx);
        e.CadreY1 = Deplacer(e.CadreY1, dy);
        e.CadreY2 = Deplacer(e.CadreY2, dy);
        for (std::int32_t &o : e.OrigineY)
            o = Deplacer(o, dy);
        break;
    case TEchelle::Triangle:
        e.CoinX = Deplacer(e.CoinX, dx);
        e.CoinY = Deplacer(e.CoinY, dy);
        break;
    case TEchelle::Polaire:
        e.CentreX = Deplacer(e.CentreX, dx);
        e.CentreY = Deplacer(e.CentreY, dy);
        break;
    default:
        break;
    }
    return e;
}
