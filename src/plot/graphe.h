#pragma once
// The model of the program's plot control: a graph with a title, three
// linear axes (X, Y and a second Y on the right), numbered data series and a
// legend, with every setting of its look. It is a plain value: copying a
// TGraphe copies every setting and every series with its points, which is
// how the presentation editor works on a copy and hands it back on OK.
//
// Geometry: the graph has a size in pixels (the control's); the plot area is
// that size less the four margins. The axes' displayed ranges come from
// MettreAJourAxes (automatic range and steps, see plot/axe_automatique.h);
// the pixel <-> value conversions use those ranges.

#include "plot/axe_automatique.h"
#include "plot/serie_graphe.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>

// One axis: its settings and, after MettreAJourAxes, its displayed range.
struct AxeGraphe {
    QString titre;
    EntreeAxe reglage;     // set bounds and step, automatic range and steps
    bool visible = true;
    bool grille = false;   // grid lines at the ticks
    AxeCalcule affiche;    // displayed range, step and decimals
};

// The legend box. A negative left or top counts from the graph's right or
// bottom edge; a width or height of 0 fits the box to its entries.
struct LegendeGraphe {
    bool visible = true;
    int left = 10;
    int top = -28;
    int width = 0;
    int height = 0;
    int XMargin = 6;
    int YMargin = 3;
    int SymbolSpace = 24;  // room for the line and point symbols before a name
    int Layout = 0;        // 0 across, 1 downwards
    int borderStyle = 1;   // 0 none, 1 single
    QColor color = Qt::white;
    QFont font;
};

// Which axis of the graph.
enum class AxeId { X = 0, Y = 1, Y2 = 2 };

class TGraphe {
public:
    TGraphe();

    // ---- Title and margins
    QString GraphTitle = QStringLiteral("Titre");
    QFont CaptionFont;
    int GraphTitleOffset = 0; // pixels, downwards
    int TopMargin = 30;
    int BottomMargin = 70;
    int LeftMargin = 60;
    int RightMargin = 15;

    // ---- Colours, grid and ticks
    QColor BackgroundColor = Qt::white;
    QColor MarginColor = Qt::white;
    QColor AxesColor = Qt::black;
    QColor GridColor = QColor(192, 192, 192);
    int GridStyle = 2; // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    QFont TitleFont;   // axis titles
    QFont LabelFont;   // axis values
    bool ShowGraphLabels = true;
    bool ShowTicks = true;
    int TickLength = 5;
    bool CrossAtZero = false;
    int Crosslength = 10;
    QColor CrossColor = Qt::red;

    // ---- Printing
    bool PrintBkgndColor = true;
    int PrintScalePct = 100;
    int PrintXOffsetPct = 0;
    int PrintYOffsetPct = 0;

    LegendeGraphe Legende;

    // ---- Steps: MinSteps takes a value only when it is not 0 and below
    // MaxSteps / 2.5; MaxSteps only when above 2.5 x MinSteps and at most 90.
    // Each returns whether the value was taken.
    [[nodiscard]] int MinSteps() const { return minSteps_; }
    [[nodiscard]] int MaxSteps() const { return maxSteps_; }
    bool DefinirMinSteps(int valeur);
    bool DefinirMaxSteps(int valeur);

    // ---- Size of the control
    [[nodiscard]] QSize Taille() const { return taille_; }
    void DefinirTaille(QSize taille) { taille_ = taille; }
    // The plot area: the size less the margins (may be empty).
    [[nodiscard]] QRect ZoneTrace() const;

    // ---- Axes
    [[nodiscard]] AxeGraphe &Axe(AxeId id) { return axes_[static_cast<int>(id)]; }
    [[nodiscard]] const AxeGraphe &Axe(AxeId id) const { return axes_[static_cast<int>(id)]; }
    // Automatic range and steps on or off for one axis.
    void DefinirAutomatique(AxeId id, bool echelle, bool pas);
    // Derives each axis's displayed range from its settings and the visible
    // series plotted against it. An axis whose rule refuses keeps its former
    // displayed range; the refusals' messages are returned (empty when none).
    QStringList MettreAJourAxes();

    // ---- Series, addressed by a positive number and created on first use.
    SerieGraphe &Serie(int numero);
    [[nodiscard]] const SerieGraphe *TrouverSerie(int numero) const;
    [[nodiscard]] const std::map<int, SerieGraphe> &Series() const { return series_; }
    void SupprimerSeries() { series_.clear(); }

    // ---- Pixel <-> value through the displayed ranges and the plot area.
    [[nodiscard]] double ValeurX(double colonne) const;
    [[nodiscard]] double ValeurY(double ligne, AxeId axe = AxeId::Y) const;
    [[nodiscard]] double ColonneDeX(double x) const;
    [[nodiscard]] double LigneDeY(double y, AxeId axe = AxeId::Y) const;
    // True when the pixel lies inside the plot area (bounds included).
    [[nodiscard]] bool DansZoneTrace(QPoint pixel) const;

    // ---- Suspending and resuming plotting. Redessiner, while no suspension
    // runs, updates the axes (keeping their refusals in MessagesAxes) and
    // then calls AuRedessin (not copied); the end of the last suspension
    // does the same.
    void SuspendreTrace() { ++suspensions_; }
    void ReprendreTrace();
    [[nodiscard]] bool TraceSuspendu() const { return suspensions_ > 0; }
    void Redessiner();
    std::function<void()> AuRedessin;
    [[nodiscard]] const QStringList &MessagesAxes() const { return messagesAxes_; }

    // Copies every setting and every series of another graph, keeping this
    // graph's size (when garderTaille), AuRedessin and suspensions.
    void CopierDe(const TGraphe &autre, bool garderTaille = true);

private:
    int minSteps_ = 5;
    int maxSteps_ = 50;
    QSize taille_{640, 480};
    AxeGraphe axes_[3];
    std::map<int, SerieGraphe> series_;
    int suspensions_ = 0;
    QStringList messagesAxes_;
};

// Qt's pen style for a GridStyle value (0 solid ... 4 dash-dot-dot).
[[nodiscard]] Qt::PenStyle StyleDeGrille(int gridStyle);
