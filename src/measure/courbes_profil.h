#pragma once
// The profile window's model: the copy of a document's band sums, the
// channel and quantity chosen, the zeros and the conversion of the ordinate,
// the graph of the curves (four series: red, green, blue, all), the scale of
// the graph's picture and the results grid. The window reads its controls
// into these fields and calls one operation; the command line does the same.

#include "calibration/echelle.h"
#include "measure/profil_intensite.h"
#include "plot/graphe.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class TCourbesProfil {
public:
    TCourbesProfil();

    // ---- State read from the window's controls
    SommesBande SommesCourbe;
    double Facteur = 1;                       // length units per pixel (F)
    QString Unite = QStringLiteral("pixels"); // U
    int CanalProfil = CanalTout;
    bool ModeAbsorption = false;
    bool ModeLog = false;
    int LargeurBande = 1; // w, the width typed (1..101)
    std::array<double, 4> Zeros{};
    std::array<bool, 4> SeriesAffichees{};
    bool Converti = false;
    ConversionOrdonnee Conversion;
    QString TitreGraphe;
    bool FondNoir = true;

    TGraphe Graphe;
    TEchelle EchelleGraphe; // Definie = 0 until the first rebuild

    // The scale fields of a document: a length scale with a positive factor
    // gives its factor and unit, any other scale positions in pixels.
    // False, with nothing changed, for a length factor that is not positive.
    bool PrendreEchelle(const TEchelle &echelle);

    [[nodiscard]] ModeProfil Mode() const;
    [[nodiscard]] int N() const { return SommesCourbe.n; }

    // The quantity of the current mode for a channel at sample i, without
    // zero and conversion.
    [[nodiscard]] double Quantite(int canal, int i) const;

    // Empties the graph and sets its axes, size and the picture's scale for
    // the current profile, mode and conversion.
    void ReconstruireGraphe();
    // Adds the current channel's curve (earlier channels' curves stay).
    void TracerCourbes();
    // Rebuild, then draw.
    void Redessiner();

    // Colours of "Fond &noir" (true) or "Fond &blanc".
    void AppliquerFond(bool noir);

    // "&Maximum": false, nothing changed, unless above the Y minimum.
    bool DefinirMaximum(double valeur);

    // The zero of the current channel at a pixel row of the graph; rebuilds and draws.
    void FixerZero(int ligne);

    // Two points on one row define no conversion: false and nothing changed.
    // Otherwise the conversion is in force; rebuilds and draws.
    bool Convertir(int P, double V, int R, double Z, const QString &nom, const QString &unite);
    void AnnulerConversion();

    // ---- Results grid (rows 0 and 1 are headers)
    std::vector<QStringList> Grille;
    bool ValeursChoisies = false;
    // "&Complet": every sample of the series drawn.
    void GrilleComplete();
    // "&Valeurs choisies": headers and an empty row.
    void CommencerValeursChoisies();
    // A press at a pixel column of the graph adds the row of that sample,
    // in position order; returns false outside the plot area.
    bool AjouterValeurChoisie(QPoint pixel);
    // After a channel choice.
    void RafraichirGrille();

    // ---- Readouts
    // The sum of the current channel's curve between the sample indexes a and b.
    [[nodiscard]] double Surface(int a, int b) const;
    [[nodiscard]] QString TexteSurface(int a, int b) const;
    // "Position (mm) : X  title : Y" for a pixel of the plot area; empty outside it.
    [[nodiscard]] QString TextePosition(QPoint pixel) const;

private:
    void PoserEnTetes();
    // Columns of the grid after the position: series numbers 1..4.
    [[nodiscard]] std::vector<int> SeriesDeGrille() const;

    // Sample of each chosen row (rows 2.. of Grille, in order): the position
    // cell holds 3 significant digits only, too few to find the sample of a
    // profile longer than 999 samples again.
    std::vector<int> echantillonsChoisis_;
};
