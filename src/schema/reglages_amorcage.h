#pragma once
// ReglagesAmorcage: the priming panel without its widgets. It holds the
// working parameters (ParamCourant) and applies the panel's change rules:
// a gradient is kept at or above its threshold, "grouper RVB" ties the three
// colour components together, and the two sliders shift thresholds and
// gradients together. Each rule says what follows: nothing, the idle timer
// restarted, or an immediate priming.
//
// The controls' ranges, which every value keeps:
//   Seuil 1..250, Degrad Seuil..255, SeuilTeinteSat 0..250,
//   SeuilNoir 0..250, DegradNoir SeuilNoir..250, 255 - LimiteBlanc 0..128.

#include "schema/param_style_des.h"

enum class SuiteReglage { Rien, RelancerMinuterie, AmorcerMaintenant };

class ReglagesAmorcage {
public:
    TParamStyleDes ParamCourant;
    bool ModeNoir = false;
    int ValeurGlobale = 0;
    int ValeurContraste = 0;

    // Takes a style, its values brought within the controls' ranges, then
    // ReglerCurseurs.
    void ChargerStyle(const TParamStyleDes &style);

    SuiteReglage DefinirSeuil(int k, int v);
    SuiteReglage DefinirDegrad(int k, int v);
    SuiteReglage DefinirActif(int k, bool actif);
    SuiteReglage DefinirGrouper(bool grouper);
    SuiteReglage DefinirSeuilTeinteSat(int v);
    SuiteReglage DefinirSeuilNoir(int v);
    SuiteReglage DefinirDegradNoir(int v);
    // The panel's "Seuil" of light marking: LimiteBlanc = 255 - v.
    SuiteReglage DefinirSeuilBlanc(int v);
    SuiteReglage DefinirMarquerNoir(bool marquer);
    SuiteReglage DefinirMarquerBlanc(bool marquer);
    SuiteReglage DefinirModeLum(int mode);
    SuiteReglage DefinirPoint(int dx, int dy, bool actif);

    // ModeNoir and the two slider values from the panel: with components
    // ticked, their smallest threshold and gradient; without, 250 minus the
    // dark marking's threshold and gradient.
    void ReglerCurseurs();

    // The slider "Réglage global": its maximum (100, or 250 in ModeNoir), and
    // its position, which stands at its bound when the value falls outside.
    [[nodiscard]] int MaximumGlobal() const { return ModeNoir ? 250 : 100; }
    [[nodiscard]] int PositionGlobale() const;
    // The slider "Réglage du contraste", 0..250.
    [[nodiscard]] int PositionContraste() const;

    // The sliders moved to a position: everything shifts by the change of
    // the value they stand for; a value that would leave its range stops at
    // the bound. Moving right darkens the next priming.
    SuiteReglage DeplacerGlobal(int position);
    SuiteReglage DeplacerContraste(int position);
};
