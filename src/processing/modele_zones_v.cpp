#include "processing/modele_zones_v.h"

#include "commun/nombres.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

ModeleZonesV::ModeleZonesV(int largeur) : amplitude_(largeur), largeur_(largeur)
{
    teintes_.fill(0xFFFFFFFFu);
    Repartir();
}

void ModeleZonesV::Repartir()
{
    for (int k = 0; k <= nombre_; ++k) {
        positions_[static_cast<std::size_t>(k)] = static_cast<int>(Arrondi(static_cast<double>(k) * largeur_ / nombre_));
        valeurs_[static_cast<std::size_t>(k)] = positions_[static_cast<std::size_t>(k)] / PixelsParUnite() + zero_;
    }
}

void ModeleZonesV::DefinirNombre(int n)
{
    nombre_ = std::clamp(n, 1, MaxZones);
    Repartir();
}

double ModeleZonesV::PixelsParUnite() const
{
    const double p = amplitude_ != 0 ? largeur_ / amplitude_ : 0;
    return p != 0 && std::isfinite(p) ? p : 1.0;
}

void ModeleZonesV::DefinirZero(double zero)
{
    zero_ = zero;
    for (int k = 0; k <= MaxZones; ++k)
        valeurs_[static_cast<std::size_t>(k)] = positions_[static_cast<std::size_t>(k)] / PixelsParUnite() + zero_;
}

void ModeleZonesV::DefinirAmplitude(double amplitude)
{
    if (amplitude != 0)
        amplitude_ = amplitude;
    DefinirZero(zero_);
}

bool ModeleZonesV::DefinirLargeur(int largeur)
{
    if (largeur <= nombre_ * 10 + 1)
        return false;
    largeur_ = largeur;
    DefinirZero(zero_);
    return true;
}

double ModeleZonesV::Valeur(int k) const
{
    return positions_[static_cast<std::size_t>(k)] / PixelsParUnite() + zero_;
}

void ModeleZonesV::DefinirValeur(int k, double v)
{
    if (k < 0 || k > MaxZones)
        return;
    valeurs_[static_cast<std::size_t>(k)] = v;
    const double p = (v - zero_) * PixelsParUnite();
    positions_[static_cast<std::size_t>(k)] =
        std::isfinite(p) ? static_cast<int>(std::clamp<double>(Arrondi(p), -1e6, 1e6)) : 0;
}

bool ModeleZonesV::PresDUneLimite(int x) const
{
    for (int k = 0; k <= nombre_; ++k)
        if (std::abs(x - positions_[static_cast<std::size_t>(k)]) < 3)
            return true;
    return false;
}

bool ModeleZonesV::Appui(int x)
{
    for (int k = 0; k <= nombre_; ++k) {
        const int d = std::abs(x - positions_[static_cast<std::size_t>(k)]);
        if (d < 3) {
            if (k < nombre_ && std::abs(x - positions_[static_cast<std::size_t>(k + 1)]) < d)
                ++k;
            tiree_ = k;
            return true;
        }
    }
    return false;
}

bool ModeleZonesV::Deplacement(int x)
{
    if (!tiree_)
        return false;
    const int k = *tiree_;
    const auto pos = [this](int i) { return positions_[static_cast<std::size_t>(i)]; };
    bool accepte;
    if (k == 0)
        accepte = 0 <= x && x < pos(1);
    else if (k == nombre_)
        accepte = pos(nombre_ - 1) < x && x <= largeur_;
    else
        accepte = pos(k - 1) + 1 < x && x < pos(k + 1) - 1;
    if (accepte)
        positions_[static_cast<std::size_t>(k)] = x;
    return accepte;
}

std::optional<int> ModeleZonesV::Relachement()
{
    const std::optional<int> k = tiree_;
    if (k)
        valeurs_[static_cast<std::size_t>(*k)] = Valeur(*k);
    tiree_.reset();
    return k;
}
