#include "plot/serie_graphe.h"

#include <algorithm>

void SerieGraphe::EffacerPoints()
{
    ajouts_.clear();
    ordonnes_.clear();
    enOrdre_ = true;
    ordonnesValides_ = false;
}

int SerieGraphe::IndiceDeX(double x) const
{
    if (enOrdre_) {
        const auto it = std::lower_bound(ajouts_.begin(), ajouts_.end(), x,
                                         [](const QPointF &p, double v) { return p.x() < v; });
        return it != ajouts_.end() && it->x() == x ? static_cast<int>(it - ajouts_.begin()) : -1;
    }
    for (std::size_t i = 0; i < ajouts_.size(); ++i)
        if (ajouts_[i].x() == x)
            return static_cast<int>(i);
    return -1;
}

void SerieGraphe::AjouterPoint(double x, double y)
{
    ordonnesValides_ = false;
    if (!doublonsX) {
        const int i = IndiceDeX(x);
        if (i >= 0) {
            ajouts_[static_cast<std::size_t>(i)].setY(y);
            return;
        }
    }
    if (!ajouts_.empty() && x < ajouts_.back().x())
        enOrdre_ = false;
    ajouts_.emplace_back(x, y);
}

double SerieGraphe::YDuPoint(int k) const
{
    if (k < 0 || k >= NombrePoints())
        return 0;
    return ajouts_[static_cast<std::size_t>(k)].y();
}

double SerieGraphe::YEnX(double x) const
{
    const int i = IndiceDeX(x);
    return i < 0 ? 0 : ajouts_[static_cast<std::size_t>(i)].y();
}

const std::vector<QPointF> &SerieGraphe::PointsOrdonnes() const
{
    if (enOrdre_)
        return ajouts_;
    if (!ordonnesValides_) {
        ordonnes_ = ajouts_;
        std::stable_sort(ordonnes_.begin(), ordonnes_.end(),
                         [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });
        ordonnesValides_ = true;
    }
    return ordonnes_;
}
