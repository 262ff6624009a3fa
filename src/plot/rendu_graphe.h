#pragma once
// Drawing a graph: margins and plot area, title, grid, ticks, value labels
// and axis titles, the series (lines and point marks or bars, clipped to the plot
// area), the cross at zero and the legend (the visible series whose legend
// state shows them). The axes are drawn with their displayed ranges as
// TGraphe::MettreAJourAxes last left them.

#include <QImage>

class QPainter;
class TGraphe;

// Draws the graph on a painter whose origin is the graph's top-left corner,
// at the graph's size.
void DessinerGraphe(QPainter &peintre, const TGraphe &graphe);

// The graph drawn into a bitmap of its size (ARGB32, opaque). A graph of
// zero width or height gives a 1 x 1 bitmap of its margin colour.
[[nodiscard]] QImage RendreGraphe(const TGraphe &graphe);
