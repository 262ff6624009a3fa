#pragma once
// The conditions of the surface window as a model without widgets: the list
// of conditions and their parentheses, their checks and grouping, the
// conditions filled from clicks on the image, widening and narrowing, the
// reset and the undo copy. Refusals are returned as French messages for
// the window (or the command line) to show.

#include "drawing/dessin.h"

#include <QImage>
#include <QRgb>
#include <QString>

#include <optional>
#include <vector>

struct PlansCanaux;

inline constexpr int NbConditionsMaxi = 30;

// Parenthesis marks of a condition.
enum Parenthese : int { SansParenthese = 0, Ouvrante = 1, Fermante = 2 };

// Component codes of the list positions: 0..2 blue, green, red; 3..5 hue,
// saturation, lightness (codes 4..6); 6 + k channel k (code 10 + k).
[[nodiscard]] int CodeComposante(int position);
[[nodiscard]] int PositionComposante(int code);
// Top of a component's range: 359 for the hue, 255 otherwise.
[[nodiscard]] int MaxiComposante(int code);

// d(u, v) = (v − u) modulo 360, in 0..359.
[[nodiscard]] int DistanceTeinte(int u, int v);
// The union of the hue arcs a1..b1 (old) and a2..b2 (new), as a pair
// (Mini, Maxi).
[[nodiscard]] std::pair<int, int> UnionArcsTeinte(int a1, int b1, int a2, int b2);
// The smallest arc covering the hues (0..359): it starts after the largest
// gap between neighbouring hues. Empty input gives 0..0.
[[nodiscard]] std::pair<int, int> ArcDesTeintes(std::vector<int> teintes);

// Checks of one condition: "Condition impossible !" when Maxi < Mini for a
// component other than the hue; always true when Maxi − Mini reaches the top
// of the range.
[[nodiscard]] bool ConditionImpossible(const TCondicoul &c);
[[nodiscard]] bool ConditionToujoursVraie(const TCondicoul &c);

// Result of the parenthesis check: one level of parentheses, every "("
// closed by a ")" on a later condition.
struct VerificationParentheses {
    enum Etat { Correct, DeuxiemeOuvrante, FermanteSeule, OuvranteNonFermee } etat = Correct;
    int condition = 0; // number of the condition at fault, from 1
    [[nodiscard]] QString Message() const;
};
[[nodiscard]] VerificationParentheses VerifierParentheses(std::vector<int> &parentheses);

// Groups of conditions: each condition alone outside parentheses; from a
// "(" to its ")" one group.
[[nodiscard]] TTableaudeTableaudeCondicoul ConstruireGroupes(const std::vector<TCondicoul> &conditions,
                                                             const std::vector<int> &parentheses);

// Tab name of the condition at position n counted from 1: "C1" … "C9", then "10".
[[nodiscard]] QString NomOnglet(int n);

// Effects of a click on the image (ChoixAuto).
enum EffetClic : int { Remplace = 0, Etend = 1, Ajoute = 2 };
// Steps of "Agrandir" and "Rétrécir" (PasIntervalles).
enum PasIntervalle : int { DeuxUnites = 0, DixUnites = 1, CinqPourcent = 2, DixPourcent = 3, VingtPourcent = 4 };

class ConditionsSurface {
public:
    struct Copie {
        std::vector<TCondicoul> conditions;
        std::vector<int> parentheses;
        TTableaudeTableaudeCondicoul groupes;
        bool premierClicInclure = false;
        bool premierClicExclure = false;
    };

    ConditionsSurface();

    // Channel count of the bound document: the default components follow it.
    void DefinirNbCanaux(int n);
    [[nodiscard]] int NbCanaux() const { return nbCanaux_; }

    [[nodiscard]] const std::vector<TCondicoul> &Conditions() const { return conditions_; }
    [[nodiscard]] const std::vector<int> &Parentheses() const { return parentheses_; }
    [[nodiscard]] const TTableaudeTableaudeCondicoul &Groupes() const { return groupes_; }
    [[nodiscard]] int NbConditions() const { return static_cast<int>(conditions_.size()); }
    [[nodiscard]] TCondicoul ConditionParDefaut(int position) const;

    // Stores one condition (the shown tab's values) with its parenthesis.
    void DefinirCondition(int position, const TCondicoul &c, int parenthese);
    // Replaces the whole list (the command line's conditions).
    void DefinirConditions(std::vector<TCondicoul> conditions, std::vector<int> parentheses);

    // Returns the refusal message, or nothing when done.
    std::optional<QString> InsererCondition(int position);
    std::optional<QString> AjouterCondition();
    std::optional<QString> SupprimerCondition(int position);

    // Checks the parentheses and builds Groupes; the message on refusal.
    std::optional<QString> PreparerGroupes(bool ajouterFermante = false);
    [[nodiscard]] VerificationParentheses VerifierParenthesesCourantes();

    // Click effects; return the refusal message (the 31st condition).
    bool modeInclure = true;
    EffetClic effet = Etend;
    std::optional<QString> AjouterConditionsRVB(QRgb mini, QRgb maxi);
    std::optional<QString> AjouterConditionsTSL(int teinteMin, int satMin, int lumMin, int teinteMax, int satMax,
                                                int lumMax);
    std::optional<QString> AjouterConditionsCanaux(const std::vector<int> &minis, const std::vector<int> &maxis);
    std::optional<QString> AjouterConditionsCanauxAffiches(const std::vector<int> &canaux, const std::vector<int> &minis,
                                                           const std::vector<int> &maxis);

    PasIntervalle pas = DeuxUnites;
    void Agrandir();
    void Retrecir();

    void RAZ();
    void SauverAnnulation();
    [[nodiscard]] bool AnnulePossible() const { return copie_.has_value(); }
    void Annule();

    [[nodiscard]] bool PremierClicInclure() const { return premierClicInclure_; }
    [[nodiscard]] bool PremierClicExclure() const { return premierClicExclure_; }

private:
    std::optional<QString> Placer(const std::vector<int> &codes, const std::vector<int> &minis,
                                  const std::vector<int> &maxis);
    void Inserer(int position);
    [[nodiscard]] int Pas(const TCondicoul &c) const;

    std::vector<TCondicoul> conditions_;
    std::vector<int> parentheses_;
    TTableaudeTableaudeCondicoul groupes_;
    std::optional<Copie> copie_;
    bool premierClicInclure_ = false;
    bool premierClicExclure_ = false;
    int nbCanaux_ = 0;
};

// Messages of the window.
[[nodiscard]] QString MessageMaximumAtteint();
[[nodiscard]] QString MessageUneConditionMinimum();
[[nodiscard]] QString MessageConditionImpossible(int n);
[[nodiscard]] QString MessageConditionInutile(int n);

// Values of the zone under the pen tip: the image pixels within 13 pixels of
// (x, y) where the provisional layer is not transparent.
[[nodiscard]] std::vector<QRgb> PixelsZone(const QImage &image, const QImage &provisoire, int x, int y);
// Smallest and largest blue, green and red bytes (alpha 255).
[[nodiscard]] std::pair<QRgb, QRgb> BornesRVB(const std::vector<QRgb> &pixels);
struct BornesTsl {
    int teinteMin = 0, saturationMin = 0, luminositeMin = 0;
    int teinteMax = 0, saturationMax = 0, luminositeMax = 0;
};
[[nodiscard]] BornesTsl BornesTSL(const std::vector<QRgb> &pixels);
// Smallest and largest bytes of the channel planes numbered in `indices`
// over the same zone: the pixels within 13 pixels of (x, y) where the
// provisional layer, of the planes' size, is not transparent. A channel of
// an empty zone keeps 255 and 0.
struct BornesCanaux {
    std::vector<int> minis, maxis;
};
[[nodiscard]] BornesCanaux BornesCanauxZone(const PlansCanaux &plans, const std::vector<int> &indices,
                                            const QImage &provisoire, int x, int y);
