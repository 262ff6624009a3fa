#pragma once
// A data series of a graph: its look, its legend state, the axis it is
// plotted against, and its points.

#include <QColor>
#include <QPointF>
#include <QString>

#include <vector>

// Legend states of a series, in the order of the presentation editor's list.
enum class EtatLegende : int {
    NonAffiche = 0,   // "non Affiché"
    Nom = 1,          // "Affichage du nom"
    Point = 2,        // "Affiché avec point"
    Ligne = 3,        // "Affiché avec ligne"
    PointEtLigne = 4, // "Affiché avec point et ligne"
};

class SerieGraphe {
public:
    QString nom;
    QColor couleur = Qt::blue;
    bool ligne = true;
    Qt::PenStyle styleLigne = Qt::SolidLine;
    bool points = true;
    int taillePoint = 6;  // side of the point mark, in pixels
    // Drawn as bars in place of line and marks: each point a filled bar
    // from the Y axis's zero (or the nearer end of its range) to its Y,
    // across its slot, which reaches halfway to the neighbouring X values
    // on each side (a lone point's slot is one pixel wide).
    bool barres = false;
    bool visible = true;
    EtatLegende etatLegende = EtatLegende::PointEtLigne;
    bool surY2 = false;   // plotted against the second Y axis
    bool zeroAuto = false; // automatic zero: the Y range takes 0 in
    // When false, adding a point at an X already held replaces its Y.
    bool doublonsX = true;

    // Removes every point.
    void EffacerPoints();
    // Adds the point (x, y), or replaces the Y of the point at x when
    // duplicate X values are not allowed and x is already held.
    void AjouterPoint(double x, double y);
    [[nodiscard]] int NombrePoints() const { return static_cast<int>(ajouts_.size()); }
    // Y of the k-th point added (from 0), 0 when there is none.
    [[nodiscard]] double YDuPoint(int k) const;
    // Y of the first point at exactly this X, 0 when there is none.
    [[nodiscard]] double YEnX(double x) const;
    // The points in X order (points of equal X in the order they were added).
    [[nodiscard]] const std::vector<QPointF> &PointsOrdonnes() const;
    // The points in the order they were added.
    [[nodiscard]] const std::vector<QPointF> &PointsAjoutes() const { return ajouts_; }

private:
    [[nodiscard]] int IndiceDeX(double x) const; // -1 when no point has this X

    std::vector<QPointF> ajouts_;
    bool enOrdre_ = true; // each point added had an X at least the previous one's
    mutable std::vector<QPointF> ordonnes_; // cache when not in order
    mutable bool ordonnesValides_ = false;
};
