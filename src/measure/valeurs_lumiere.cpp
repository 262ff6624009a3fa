#include "measure/valeurs_lumiere.h"

#include "commun/nombres.h"

#include <algorithm>
#include <cmath>

double IntensitePourcent(int c, bool global)
{
    return global ? c / 3.0 / 255.0 * 100.0 : c / 255.0 * 100.0;
}

double DensiteOptique(int c, bool global)
{
    const double plein = global ? 765.0 : 255.0;
    // A black line would be infinitely dense: it is read as one step darker
    // than the darkest grey.
    if (c <= 0)
        return std::log10(plein + (global ? 3.0 : 1.0));
    return std::log10(plein / c);
}

void ValeursLumiere::Calculer(int r, int g, int b)
{
    const std::array<int, 4> c{r, g, b, r + g + b};
    for (std::size_t i = 0; i < 4; ++i) {
        const bool global = i == LigneGlobale;
        Intensites[i] = IntensitePourcent(c[i], global);
        Absorptions[i] = 100.0 - Intensites[i];
        DensitesOptiques[i] = DensiteOptique(c[i], global);
    }
    MettreAJourValeurCourante();
}

void ValeursLumiere::ChoisirGrandeur(int grandeur)
{
    Choix = std::clamp(grandeur, 0, 2);
    MettreAJourValeurCourante();
}

void ValeursLumiere::ChoisirPourcent(bool pourcent)
{
    FacteurUnite = pourcent ? 1.0 : 2.55;
    FacteurGlobal = pourcent ? 1.0 : 7.65;
    MettreAJourValeurCourante();
}

void ValeursLumiere::ChoisirLigne(int ligne)
{
    LigneChoisie = std::clamp(ligne, 0, 3);
    MettreAJourValeurCourante();
}

void ValeursLumiere::PrendreZero()
{
    if (Choix == LumiereIntensite) {
        ZerosIntensite = Intensites;
    } else {
        ZerosAbsorption = Absorptions;
        ZerosDO = DensitesOptiques;
    }
    MettreAJourValeurCourante();
}

void ValeursLumiere::EffacerZero()
{
    ZerosIntensite = {};
    ZerosAbsorption = {};
    ZerosDO = {};
    MettreAJourValeurCourante();
}

const ValeursLumiere::Lignes &ValeursLumiere::Valeurs(int grandeur) const
{
    return grandeur == LumiereIntensite ? Intensites : grandeur == LumiereAbsorption ? Absorptions : DensitesOptiques;
}

const ValeursLumiere::Lignes &ValeursLumiere::Zeros(int grandeur) const
{
    return grandeur == LumiereIntensite ? ZerosIntensite : grandeur == LumiereAbsorption ? ZerosAbsorption : ZerosDO;
}

double ValeursLumiere::FacteurLigne(int grandeur, int ligne) const
{
    if (grandeur == LumiereDO)
        return 1.0;
    return ligne == LigneGlobale ? FacteurGlobal : FacteurUnite;
}

double ValeursLumiere::Nette(int grandeur, int ligne) const
{
    const auto i = static_cast<std::size_t>(std::clamp(ligne, 0, 3));
    return (Valeurs(grandeur)[i] - Zeros(grandeur)[i]) * FacteurLigne(grandeur, ligne);
}

QString ValeursLumiere::TexteNet(int ligne) const
{
    return FormatGeneral(Nette(Choix, ligne), 3);
}

QString ValeursLumiere::TexteZero(int ligne) const
{
    const auto i = static_cast<std::size_t>(std::clamp(ligne, 0, 3));
    return FormatGeneral(Zeros(Choix)[i] * FacteurLigne(Choix, ligne), 3);
}

QString ValeursLumiere::TexteBrut(int ligne) const
{
    const auto i = static_cast<std::size_t>(std::clamp(ligne, 0, 3));
    return FormatGeneral(Valeurs(Choix)[i] * FacteurLigne(Choix, ligne), 3);
}

void ValeursLumiere::MettreAJourValeurCourante()
{
    const auto i = static_cast<std::size_t>(LigneChoisie);
    const double nette = Valeurs(Choix)[i] - Zeros(Choix)[i];
    ValeurCourante = Choix == LumiereDO ? nette : nette * FacteurUnite;
}
