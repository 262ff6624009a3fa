#include "processing/elements_transformes.h"

#include "drawing/element_texte.h"
#include "processing/dessiner_marque.h"
#include "drawing/rendu_dessin.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

std::int16_t Borne16(std::int64_t v)
{
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int16_t>::min(),
                                                               std::numeric_limits<std::int16_t>::max()));
}

std::int32_t Borne32(std::int64_t v)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                               std::numeric_limits<std::int32_t>::max()));
}

void TransformerCouple(std::int16_t &x, std::int16_t &y, QSize taille, Transformation t)
{
    const PointEntier p = TransformerPoint({x, y}, taille, t);
    x = Borne16(p.x);
    y = Borne16(p.y);
}

// Texts and legends: the size of the picture the rebuild copies.
QSize TailleBoite(const TDessin &d)
{
    if (d.Genre == GenreTexte)
        return ImageTexteElement(d).size();
    return ComposerLegende(d, 0xFFFFFFFF).size();
}

} // namespace

void TransformerElement(TDessin &d, QSize taille, Transformation t)
{
    if (d.Genre == GenreTexte || d.Genre == GenreLegende) {
        const QSize boite = TailleBoite(d);
        const std::int64_t w = std::max(1, boite.width()), h = std::max(1, boite.height());
        // Centre in half pixels, transformed, then the same box around it.
        const PointEntier centre =
            TransformerPoint({2 * std::int64_t{d.XAncre} + w - 1, 2 * std::int64_t{d.YAncre} + h - 1}, taille, t, 2);
        d.XAncre = Borne16(static_cast<std::int64_t>(std::nearbyint((centre.x - (w - 1)) / 2.0)));
        d.YAncre = Borne16(static_cast<std::int64_t>(std::nearbyint((centre.y - (h - 1)) / 2.0)));
        return;
    }
    TransformerCouple(d.X1, d.Y1, taille, t);
    TransformerCouple(d.X2, d.Y2, taille, t);
    TransformerCouple(d.XAncre, d.YAncre, taille, t);
    for (auto &liste : d.Trace.listes)
        for (TPointFixe &p : liste) {
            const PointEntier q = TransformerPoint({p.x, p.y}, taille, t, UnPixelFixe);
            p = {Borne32(q.x), Borne32(q.y)};
        }
}

void DeplacerElement(TDessin &d, int dx, int dy)
{
    d.X1 = Borne16(std::int64_t{d.X1} + dx);
    d.Y1 = Borne16(std::int64_t{d.Y1} + dy);
    d.X2 = Borne16(std::int64_t{d.X2} + dx);
    d.Y2 = Borne16(std::int64_t{d.Y2} + dy);
    d.XAncre = Borne16(std::int64_t{d.XAncre} + dx);
    d.YAncre = Borne16(std::int64_t{d.YAncre} + dy);
    for (auto &liste : d.Trace.listes)
        for (TPointFixe &p : liste)
            p = {Borne32(std::int64_t{p.x} + std::int64_t{dx} * UnPixelFixe),
                 Borne32(std::int64_t{p.y} + std::int64_t{dy} * UnPixelFixe)};
}

void TransformerCouchePositionnee(CouchePositionnee &c, QSize taille, Transformation t)
{
    const double w = std::max(1, c.image.width()), h = std::max(1, c.image.height());
    const QPointF centre = TransformerPointReel(c.position + QPointF((w - 1) / 2, (h - 1) / 2), taille, t);
    c.position = centre - QPointF((w - 1) / 2, (h - 1) / 2);
}

void TransformerMarque(CouchePositionnee &marque, QSize taille, Transformation t)
{
    const QPointF centre(CentreMarque, CentreMarque);
    marque.position = TransformerPointReel(marque.position + centre, taille, t) - centre;
}
