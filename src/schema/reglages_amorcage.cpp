#include "schema/reglages_amorcage.h"

#include <algorithm>

namespace {

std::uint8_t Borne(int v, int mini, int maxi)
{
    return static_cast<std::uint8_t>(std::clamp(v, mini, maxi));
}

bool EstCouleur(int k)
{
    return k == Bleu || k == Vert || k == Rouge;
}

bool Valide(int k)
{
    return k >= 0 && k < kComposantesSchema;
}

// Applies a change to component k, or to the three colours when "grouper RVB"
// ties them and k is one of them.
template <typename F>
void PourComposante(const TParamStyleDes &p, int k, F appliquer)
{
    if (p.GrouperRVB && EstCouleur(k)) {
        for (int c = Bleu; c <= Rouge; ++c)
            appliquer(static_cast<std::size_t>(c));
    } else {
        appliquer(static_cast<std::size_t>(k));
    }
}

} // namespace

void ReglagesAmorcage::ChargerStyle(const TParamStyleDes &style)
{
    ParamCourant = style;
    TParamStyleDes &p = ParamCourant;
    for (std::size_t k = 0; k < kComposantesSchema; ++k) {
        p.Seuil[k] = Borne(p.Seuil[k], 1, 250);
        p.Degrad[k] = Borne(p.Degrad[k], p.Seuil[k], 255);
    }
    p.SeuilTeinteSat = Borne(p.SeuilTeinteSat, 0, 250);
    p.SeuilNoir = Borne(p.SeuilNoir, 0, 250);
    p.DegradNoir = Borne(p.DegradNoir, p.SeuilNoir, 250);
    p.LimiteBlanc = Borne(p.LimiteBlanc, 255 - 128, 255);
    p.ModeLum = Borne(p.ModeLum, 0, 2);
    p.DefinirPoint(0, 0, false);
    ReglerCurseurs();
}

SuiteReglage ReglagesAmorcage::DefinirSeuil(int k, int v)
{
    if (!Valide(k))
        return SuiteReglage::Rien;
    TParamStyleDes &p = ParamCourant;
    const std::uint8_t s = Borne(v, 1, 250);
    PourComposante(p, k, [&](std::size_t i) {
        p.Seuil[i] = s;
        p.Degrad[i] = std::max(p.Degrad[i], s);
    });
    return SuiteReglage::RelancerMinuterie;
}

SuiteReglage ReglagesAmorcage::DefinirDegrad(int k, int v)
{
    if (!Valide(k))
        return SuiteReglage::Rien;
    TParamStyleDes &p = ParamCourant;
    PourComposante(p, k, [&](std::size_t i) { p.Degrad[i] = Borne(v, p.Seuil[i], 255); });
    return SuiteReglage::RelancerMinuterie;
}

SuiteReglage ReglagesAmorcage::DefinirActif(int k, bool actif)
{
    if (!Valide(k))
        return SuiteReglage::Rien;
    TParamStyleDes &p = ParamCourant;
    PourComposante(p, k, [&](std::size_t i) { p.Actif[i] = actif; });
    ReglerCurseurs();
    return SuiteReglage::AmorcerMaintenant;
}

SuiteReglage ReglagesAmorcage::DefinirGrouper(bool grouper)
{
    TParamStyleDes &p = ParamCourant;
    p.GrouperRVB = grouper;
    if (!grouper)
        return SuiteReglage::Rien;
    const int seuil = (p.Seuil[Bleu] + p.Seuil[Vert] + p.Seuil[Rouge]) / 3;
    const int degrad = (p.Degrad[Bleu] + p.Degrad[Vert] + p.Degrad[Rouge]) / 3;
    for (int c = Bleu; c <= Rouge; ++c) {
        const auto i = static_cast<std::size_t>(c);
        p.Seuil[i] = static_cast<std::uint8_t>(seuil);
        p.Degrad[i] = Borne(degrad, seuil, 255);
    }
    return SuiteReglage::RelancerMinuterie;
}

SuiteReglage ReglagesAmorcage::DefinirSeuilTeinteSat(int v)
{
    ParamCourant.SeuilTeinteSat = Borne(v, 0, 250);
    return SuiteReglage::RelancerMinuterie;
}

SuiteReglage ReglagesAmorcage::DefinirSeuilNoir(int v)
{
    TParamStyleDes &p = ParamCourant;
    p.SeuilNoir = Borne(v, 0, 250);
    p.DegradNoir = std::max(p.DegradNoir, p.SeuilNoir);
    return SuiteReglage::RelancerMinuterie;
}

SuiteReglage ReglagesAmorcage::DefinirDegradNoir(int v)
{
    ParamCourant.DegradNoir = Borne(v, ParamCourant.SeuilNoir, 250);
    return SuiteReglage::RelancerMinuterie;
}

SuiteReglage ReglagesAmorcage::DefinirSeuilBlanc(int v)
{
    ParamCourant.LimiteBlanc = static_cast<std::uint8_t>(255 - std::clamp(v, 0, 128));
    return SuiteReglage::RelancerMinuterie;
}

SuiteReglage ReglagesAmorcage::DefinirMarquerNoir(bool marquer)
{
    ParamCourant.MarquerNoir = marquer;
    return SuiteReglage::AmorcerMaintenant;
}

SuiteReglage ReglagesAmorcage::DefinirMarquerBlanc(bool marquer)
{
    ParamCourant.MarquerBlanc = marquer;
    return SuiteReglage::AmorcerMaintenant;
}

SuiteReglage ReglagesAmorcage::DefinirModeLum(int mode)
{
    ParamCourant.ModeLum = Borne(mode, 0, 2);
    return SuiteReglage::Rien;
}

SuiteReglage ReglagesAmorcage::DefinirPoint(int dx, int dy, bool actif)
{
    if (dx < -3 || dx > 3 || dy < -3 || dy > 3 || (dx == 0 && dy == 0))
        return SuiteReglage::Rien;
    ParamCourant.DefinirPoint(dx, dy, actif);
    return SuiteReglage::Rien;
}

void ReglagesAmorcage::ReglerCurseurs()
{
    const TParamStyleDes &p = ParamCourant;
    int seuilMin = 1000, degradMin = 1000;
    for (std::size_t k = 0; k < kComposantesSchema; ++k) {
        if (!p.Actif[k])
            continue;
        seuilMin = std::min<int>(seuilMin, p.Seuil[k]);
        degradMin = std::min<int>(degradMin, p.Degrad[k]);
    }
    ModeNoir = seuilMin == 1000;
    if (ModeNoir) {
        ValeurGlobale = 250 - p.SeuilNoir;
        ValeurContraste = 250 - p.DegradNoir;
    } else {
        ValeurGlobale = seuilMin;
        ValeurContraste = degradMin;
    }
}

int ReglagesAmorcage::PositionGlobale() const
{
    return std::clamp(MaximumGlobal() - ValeurGlobale, 0, MaximumGlobal());
}

int ReglagesAmorcage::PositionContraste() const
{
    return std::clamp(250 - ValeurContraste, 0, 250);
}

SuiteReglage ReglagesAmorcage::DeplacerGlobal(int position)
{
    const int v = MaximumGlobal() - std::clamp(position, 0, MaximumGlobal());
    const int d = v - ValeurGlobale;
    ValeurGlobale = v;
    TParamStyleDes &p = ParamCourant;
    if (ModeNoir) {
        p.SeuilNoir = Borne(p.SeuilNoir - d, 0, 250);
        p.DegradNoir = std::max(p.DegradNoir, p.SeuilNoir);
        p.DegradNoir = Borne(p.DegradNoir - d, p.SeuilNoir, 250);
    } else {
        for (std::size_t k = 0; k < kComposantesSchema; ++k) {
            if (!p.Actif[k])
                continue;
            p.Seuil[k] = Borne(p.Seuil[k] + d, 1, 250);
            p.Degrad[k] = std::max(p.Degrad[k], p.Seuil[k]);
            p.Degrad[k] = Borne(p.Degrad[k] + d, p.Seuil[k], 255);
        }
    }
    return SuiteReglage::RelancerMinuterie;
}

SuiteReglage ReglagesAmorcage::DeplacerContraste(int position)
{
    const int v = 250 - std::clamp(position, 0, 250);
    const int d = v - ValeurContraste;
    ValeurContraste = v;
    TParamStyleDes &p = ParamCourant;
    if (ModeNoir) {
        p.DegradNoir = Borne(p.DegradNoir - d, p.SeuilNoir, 250);
    } else {
        for (std::size_t k = 0; k < kComposantesSchema; ++k)
            if (p.Actif[k])
                p.Degrad[k] = Borne(p.Degrad[k] + d, p.Seuil[k], 255);
    }
    return SuiteReglage::RelancerMinuterie;
}
