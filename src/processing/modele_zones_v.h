#pragma once
// The boundary strip of the colour-class window without its painting:
// `nombre` adjacent zones across `largeur` pixels, boundary k at pixel column
// PositionsLimites[k] standing for the value PositionsLimites[k] / (pixels
// per unit) + Zero, and the rules by which a boundary is dragged.

#include <QRgb>

#include <array>
#include <optional>

class ModeleZonesV {
public:
    static constexpr int MaxZones = 16;

    explicit ModeleZonesV(int largeur = 100);

    [[nodiscard]] int nombre() const { return nombre_; }
    // 1..16; a larger value counts as 16. The boundaries are spread evenly.
    void DefinirNombre(int n);

    [[nodiscard]] double Zero() const { return zero_; }
    [[nodiscard]] double Amplitude() const { return amplitude_; }
    // Each recomputes every value from the positions; an amplitude of 0 is ignored.
    void DefinirZero(double zero);
    void DefinirAmplitude(double amplitude);

    [[nodiscard]] int largeur() const { return largeur_; }
    // Taken only above nombre × 10 + 1 pixels. Returns true when taken.
    bool DefinirLargeur(int largeur);

    [[nodiscard]] double PixelsParUnite() const;

    [[nodiscard]] int Position(int k) const { return positions_[static_cast<std::size_t>(k)]; }
    [[nodiscard]] double Valeur(int k) const;
    // Boundary k at the value v: its position Round((v − Zero) × pixels per unit).
    void DefinirValeur(int k, double v);

    [[nodiscard]] QRgb Teinte(int i) const { return teintes_[static_cast<std::size_t>(i)]; }
    void DefinirTeinte(int i, QRgb c) { teintes_[static_cast<std::size_t>(i)] = c; }

    // Within 3 pixels of a boundary (where the resize cursor shows).
    [[nodiscard]] bool PresDUneLimite(int x) const;

    // A press takes the first boundary within 3 pixels of x (or the next one
    // when it is nearer); nothing farther. Returns true when a drag starts.
    bool Appui(int x);
    // During a drag: boundary 0 within 0 ≤ x < position 1, the last one
    // within position (n − 1) < x ≤ largeur, the others strictly more than a
    // pixel from their neighbours. Returns true when the boundary moved.
    bool Deplacement(int x);
    // Ends a drag: the boundary's value is taken from its position. Returns
    // the boundary dragged, nothing when no drag was under way.
    std::optional<int> Relachement();
    [[nodiscard]] std::optional<int> limiteTiree() const { return tiree_; }

private:
    void Repartir();
    int nombre_ = 8;
    double zero_ = 0;
    double amplitude_;
    int largeur_;
    std::array<int, MaxZones + 1> positions_{};
    std::array<double, MaxZones + 1> valeurs_{};
    std::array<QRgb, MaxZones> teintes_{};
    std::optional<int> tiree_;
};
