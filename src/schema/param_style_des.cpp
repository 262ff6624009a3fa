#include "schema/param_style_des.h"

namespace {

TParamStyleDes StyleDeBase(bool couleurs, bool marquerNoir, int seuilNoir, int degradNoir, int limiteBlanc)
{
    TParamStyleDes p;
    p.Seuil.fill(20);
    p.Degrad.fill(80);
    p.Actif = {couleurs, couleurs, couleurs, false, false, false};
    p.SeuilTeinteSat = 80;
    p.GrouperRVB = true;
    p.ModeLum = 0;
    p.MarquerNoir = marquerNoir;
    p.SeuilNoir = static_cast<std::uint8_t>(seuilNoir);
    p.DegradNoir = static_cast<std::uint8_t>(degradNoir);
    p.MarquerBlanc = true;
    p.LimiteBlanc = static_cast<std::uint8_t>(limiteBlanc);
    p.DefinirPoint(1, 0, true);
    p.DefinirPoint(-1, 1, true);
    p.DefinirPoint(0, 1, true);
    p.DefinirPoint(1, 1, true);
    return p;
}

} // namespace

std::vector<StyleDes> StylesIntegres()
{
    return {
        {QStringLiteral("normal"), StyleDeBase(true, true, 40, 60, 245)},
        {QStringLiteral("fond noir"), StyleDeBase(true, false, 40, 60, 245)},
        {QStringLiteral("micro contrasté"), StyleDeBase(false, true, 100, 160, 160)},
    };
}
