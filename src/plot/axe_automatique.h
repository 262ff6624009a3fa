#pragma once
// The automatic range, step and label decimals of a linear axis of a graph.
// A pure function of the data extent and the axis's settings, so that the
// graph, the command line and the tests share one rule.
//
// With automatic range on, the displayed range [Min, Max] and the step are
// derived from the extent [oMin, oMax] of the data plotted against the axis:
// the step is the first of g, g/2, g/5, g/10, g/20, g/50 (g a power of ten
// near the range) that divides the range into at least MinSteps steps; the
// bounds are rounded out to multiples of the step with a free step beyond
// data that start or end on a tick; an axis whose data lie far from zero on
// one side starts (or ends) at zero when zero is close enough.
// Examples with MinSteps 5: data 10..20 give the step 2 and the axis 8..22;
// data 0..100 give 20 and -20..120; a single value 3 gives 0.5 and 0..3.5.

#include <QString>

#include <vector>

// The settings of an axis that the rule reads.
struct EntreeAxe {
    double Min = 0;       // set minimum, maximum and step: kept when the range is not automatic
    double Max = 1;
    double Pas = 0;
    bool AutoEchelle = true; // automatic range
    bool AutoPas = true;     // automatic steps
    double LongueurMin = 0;  // minimum scale length (the program never sets it)
};

// The axis as displayed.
struct AxeCalcule {
    double Min = 0;
    double Max = 1;
    double Pas = 0.2;
    int Decimales = 1; // decimals of the value labels
    // Empty on success; otherwise the French message of the refusal (the
    // data minimum above the maximum, a bad range for the step, bounds that
    // could not be set) and the other fields are not to be used.
    QString erreur;
    [[nodiscard]] bool ok() const { return erreur.isEmpty(); }
};

// Step of a range of length d: the first of g, g/2, g/5, g/10, g/20, g/50
// (g = 10^Trunc(1.001 L), L = log10(d), minus 1 when below 0) giving at least
// minSteps steps, else g/100. A d that is not positive and finite gives 0
// and the message in *erreur.
[[nodiscard]] double PasDeGamme(double d, int minSteps, QString *erreur = nullptr);

// Decimals of the labels for a step: with t = log10(1.01 x 1.01 x step),
// -Trunc(t) when t >= 0, 1 - Trunc(t) otherwise, never below 0
// (0,2 gives 1, 0,05 gives 2, 5 gives 0). At most 20.
[[nodiscard]] int DecimalesEtiquettes(double pas);

// The axis for data of extent [oMin, oMax]; avecDonnees is false when no
// visible series is plotted against the axis (then the set bounds are kept
// and only the step is computed on them). minSteps and maxSteps are the
// graph's MinSteps and MaxSteps.
[[nodiscard]] AxeCalcule CalculerAxe(const EntreeAxe &axe, bool avecDonnees, double oMin, double oMax,
                                     int minSteps, int maxSteps);

// The multiples of the step from min up to max (a hundredth of a step of
// tolerance at both ends), where ticks, grid lines and labels stand. Empty
// when the step is not positive or would give more than maxGraduations.
[[nodiscard]] std::vector<double> Graduations(double min, double max, double pas, int maxGraduations = 2000);

// Text of a label: the value with exactly `decimales` decimals and the
// user's decimal separator, never "-0" (a value that rounds to zero is
// written without sign).
[[nodiscard]] QString TexteGraduation(double valeur, int decimales);
