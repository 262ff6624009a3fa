#include "drawing/tester_pixel.h"

#include <algorithm>
#include <cmath>

namespace {

int ArrondiPair(float v)
{
    return static_cast<int>(std::nearbyint(v));
}

void Tsv(QRgb pixel, int *sortie)
{
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    const int mx = std::max({r, g, b});
    const int mn = std::min({r, g, b});
    float teinte = 0.0f;
    if (mx != mn) {
        const float d = static_cast<float>(mx - mn);
        if (mx == r)
            teinte = 60.0f * (static_cast<float>(g - b) / d);
        else if (mx == g)
            teinte = 60.0f * (2.0f + static_cast<float>(b - r) / d);
        else
            teinte = 60.0f * (4.0f + static_cast<float>(r - g) / d);
        if (teinte < 0.0f)
            teinte += 360.0f;
    }
    sortie[0] = ArrondiPair(teinte);
    if (sortie[0] >= 360)
        sortie[0] = 0;
    sortie[1] = mx == 0 ? 0 : ArrondiPair(255.0f * static_cast<float>(mx - mn) / static_cast<float>(mx));
    sortie[2] = mx;
}

bool DansIntervalle(int valeur, const TCondicoul &c)
{
    const bool teinte = c.Composante == 4 || c.Composante == 7;
    if (teinte && c.Mini > c.Maxi)
        return valeur >= c.Mini || valeur <= c.Maxi;
    return valeur >= c.Mini && valeur <= c.Maxi;
}

// Combines the running result with the next test through a connector; the
// test is only evaluated when the connector needs it.
template <typename Test>
bool Combiner(bool resultat, int liaison, Test &&test)
{
    switch (liaison) {
    case 0:
        return resultat ? test() : false;
    case 1:
        return resultat ? true : test();
    case 2:
        return resultat != test();
    case 3:
        return resultat && !test();
    default:
        return resultat;
    }
}

template <typename TestCondition>
bool EvaluerGroupes(const TTableaudeTableaudeCondicoul &groupes, TestCondition &&tester)
{
    if (groupes.empty())
        return false;
    auto evaluerGroupe = [&](const TTableaudeCondicoul &groupe) {
        if (groupe.empty())
            return false;
        bool r = tester(groupe[0]);
        for (std::size_t k = 1; k < groupe.size(); ++k)
            r = Combiner(r, groupe[k - 1].Liaison, [&] { return tester(groupe[k]); });
        return r;
    };
    bool r = evaluerGroupe(groupes[0]);
    for (std::size_t g = 1; g < groupes.size(); ++g) {
        const auto &avant = groupes[g - 1];
        const int liaison = avant.empty() ? 0 : avant.back().Liaison;
        r = Combiner(r, liaison, [&] { return evaluerGroupe(groupes[g]); });
    }
    return r;
}

const std::uint8_t ZeroCanal = 0;

} // namespace

Tsl RvbVersTslCondition(QRgb pixel)
{
    const float r = static_cast<float>(qRed(pixel)) / 255.0f;
    const float g = static_cast<float>(qGreen(pixel)) / 255.0f;
    const float b = static_cast<float>(qBlue(pixel)) / 255.0f;
    const float mx = std::max({r, g, b});
    const float mn = std::min({r, g, b});
    const float l = (mx + mn) / 2.0f;
    float h = 0.0f, s = 0.0f;
    if (mx != mn) {
        const float d = mx - mn;
        s = l < 0.5f ? d / (mx + mn) : d / (2.0f - mx - mn);
        if (r == mx)
            h = ((g - b) / d) / 6.0f;
        else if (g == mx)
            h = (2.0f + (b - r) / d) / 6.0f;
        else
            h = (4.0f + (r - g) / d) / 6.0f;
        if (h < 0.0f)
            h += 1.0f;
    }
    // A hue just below a full turn rounds to 360, which is the same hue as 0:
    // it counts as 0 so that the interval 0..359 holds for every colour.
    int teinte = ArrondiPair(360.0f * h);
    if (teinte >= 360)
        teinte = 0;
    return {teinte, ArrondiPair(255.0f * s), ArrondiPair(255.0f * l)};
}

int ValeurComposante(QRgb pixel, int composante, const std::uint8_t *valeurs, int nb)
{
    switch (composante) {
    case 0:
        return qBlue(pixel);
    case 1:
        return qGreen(pixel);
    case 2:
        return qRed(pixel);
    case 3:
        return qAlpha(pixel);
    case 4:
        return RvbVersTslCondition(pixel).teinte;
    case 5:
        return RvbVersTslCondition(pixel).saturation;
    case 6:
        return RvbVersTslCondition(pixel).luminosite;
    case 7:
    case 8:
    case 9: {
        int tsv[3];
        Tsv(pixel, tsv);
        return tsv[composante - 7];
    }
    default: {
        const int i = (composante & 127) - 10;
        if (i < 0 || i >= nb)
            return -1;
        return valeurs[i];
    }
    }
}

bool TesterPixel(QRgb pixel, const std::uint8_t *valeurs, int nb, const TTableaudeTableaudeCondicoul &groupes)
{
    if (valeurs == nullptr || nb <= 0) {
        valeurs = &ZeroCanal;
        nb = 1;
    }
    return EvaluerGroupes(groupes, [&](const TCondicoul &c) {
        const int v = ValeurComposante(pixel, c.Composante, valeurs, nb);
        return v >= 0 && DansIntervalle(v, c);
    });
}

TesteurConditions::TesteurConditions(const TTableaudeTableaudeCondicoul &groupes, const PlansCanaux *canaux)
    : groupes_(groupes), canaux_(canaux)
{
    for (const auto &groupe : groupes)
        for (const TCondicoul &c : groupe) {
            besoinTsl_ |= c.Composante >= 4 && c.Composante <= 6;
            besoinTsv_ |= c.Composante >= 7 && c.Composante <= 9;
            besoinCanaux_ |= c.Composante >= 10;
        }
    if (groupes.size() != 1 || groupes[0].empty())
        return;
    const TTableaudeCondicoul &groupe = groupes[0];
    for (std::size_t k = 0; k < groupe.size(); ++k)
        if (groupe[k].Composante > 3 || (k + 1 < groupe.size() && groupe[k].Liaison != 0))
            return;
    for (auto &masque : masques_)
        std::fill(std::begin(masque), std::end(masque), std::uint8_t{1});
    for (const TCondicoul &c : groupe)
        for (int v = 0; v < 256; ++v)
            if (!DansIntervalle(v, c))
                masques_[c.Composante][v] = 0;
    rapide_ = true;
}

bool TesteurConditions::TesterCondition(const TCondicoul &c, QRgb pixel, const Tsl &tsl, const int *tsv,
                                        const std::uint8_t *valeurs, int nb) const
{
    int v;
    switch (c.Composante) {
    case 0:
        v = qBlue(pixel);
        break;
    case 1:
        v = qGreen(pixel);
        break;
    case 2:
        v = qRed(pixel);
        break;
    case 3:
        v = qAlpha(pixel);
        break;
    case 4:
        v = tsl.teinte;
        break;
    case 5:
        v = tsl.saturation;
        break;
    case 6:
        v = tsl.luminosite;
        break;
    case 7:
    case 8:
    case 9:
        v = tsv[c.Composante - 7];
        break;
    default: {
        const int i = (c.Composante & 127) - 10;
        if (i < 0 || i >= nb)
            return false;
        v = valeurs[i];
    }
    }
    return DansIntervalle(v, c);
}

bool TesteurConditions::TesterGeneral(QRgb pixel, int x, int y) const
{
    Tsl tsl;
    int tsv[3] = {0, 0, 0};
    if (besoinTsl_)
        tsl = RvbVersTslCondition(pixel);
    if (besoinTsv_)
        Tsv(pixel, tsv);
    std::uint8_t local[64];
    std::vector<std::uint8_t> grand;
    const std::uint8_t *valeurs = &ZeroCanal;
    int nb = 1;
    if (besoinCanaux_ && canaux_ && !canaux_->plans.empty()) {
        nb = static_cast<int>(canaux_->plans.size());
        std::uint8_t *dest = local;
        if (nb > 64) {
            grand.resize(static_cast<std::size_t>(nb));
            dest = grand.data();
        }
        for (int i = 0; i < nb; ++i) {
            const PlanCanal &plan = canaux_->plans[static_cast<std::size_t>(i)];
            dest[i] = plan.debut[static_cast<std::ptrdiff_t>(y) * plan.pas + x];
        }
        valeurs = dest;
    }
    return EvaluerGroupes(groupes_, [&](const TCondicoul &c) { return TesterCondition(c, pixel, tsl, tsv, valeurs, nb); });
}
