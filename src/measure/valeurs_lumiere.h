#pragma once
// The light values of a mean colour: intensity and absorption in percent and
// optical density, for the red, green and blue lines and the global line,
// each against a zero reference, in percent or in RGB values. The light
// window (TRes_I_r) shows them; its chosen line gives ValeurCourante, which
// the multiple measurements take.
//
// For a mean colour (R, G, B) with S = R + G + B:
//   intensity   c / 255 × 100           global S / 3 / 255 × 100
//   absorption  100 − intensity
//   D.O.        log10(255 / c), log10(256) for c = 0
//               global log10(765 / S), log10(768) for S = 0

#include <QString>

#include <array>

// The quantities of the window's "Choix", in its order.
enum GrandeurLumiere : int { LumiereIntensite = 0, LumiereAbsorption = 1, LumiereDO = 2 };
// The lines, in the window's order (btR .. btT).
enum LigneLumiere : int { LigneRouge = 0, LigneVerte = 1, LigneBleue = 2, LigneGlobale = 3 };

class ValeursLumiere {
public:
    using Lignes = std::array<double, 4>;

    Lignes Intensites{};
    Lignes Absorptions{};
    Lignes DensitesOptiques{};
    Lignes ZerosIntensite{};
    Lignes ZerosAbsorption{};
    Lignes ZerosDO{};
    // 1 with "&Pourcent"; 2.55 and 7.65 with "&Valeurs RVB".
    double FacteurUnite = 1;
    double FacteurGlobal = 1;
    // The chosen line's net value (see MettreAJourValeurCourante).
    double ValeurCourante = 0;
    int Choix = LumiereAbsorption; // chosen at creation
    int LigneChoisie = LigneRouge;

    // The three quantities of a mean colour (components 0..255), then
    // ValeurCourante.
    void Calculer(int r, int g, int b);
    void ChoisirGrandeur(int grandeur);
    // "&Pourcent" (true) or "&Valeurs RVB" (false).
    void ChoisirPourcent(bool pourcent);
    [[nodiscard]] bool Pourcent() const { return FacteurUnite == 1; }
    void ChoisirLigne(int ligne);
    // "Prendre comme zéro": in intensity the intensity references take the
    // intensities; in absorption or D.O. both the absorption and the D.O.
    // references take their values.
    void PrendreZero();
    // "&Effacer le zéro": the twelve references become 0.
    void EffacerZero();

    [[nodiscard]] const Lignes &Valeurs(int grandeur) const;
    [[nodiscard]] const Lignes &Zeros(int grandeur) const;
    // The factor of a line as displayed: none in D.O., FacteurGlobal on the
    // global line, FacteurUnite on the others.
    [[nodiscard]] double FacteurLigne(int grandeur, int ligne) const;
    // (value − zero) × the line's factor.
    [[nodiscard]] double Nette(int grandeur, int ligne) const;
    // The texts of the chosen quantity (FormatGeneral, 3 digits): the net
    // value, the zero reference and the raw value of a line, each with the
    // line's factor.
    [[nodiscard]] QString TexteNet(int ligne) const;
    [[nodiscard]] QString TexteZero(int ligne) const;
    [[nodiscard]] QString TexteBrut(int ligne) const;

    // (value − zero) of the chosen line, times FacteurUnite in intensity and
    // absorption on every line (the global line's mean on 255 in RGB
    // values), without factor in D.O.
    void MettreAJourValeurCourante();
};

// The same three quantities alone, for a series: component value c of
// 0..255 (or a sum of three on 0..765 with global = true).
[[nodiscard]] double IntensitePourcent(int c, bool global);
[[nodiscard]] double DensiteOptique(int c, bool global);
