#include "app/disposition_fenetres.h"

#include <algorithm>

namespace {

struct Rangee {
    int debut = 0;  // index of the first icon of the row
    int hauteur = 0;
};

// Splits the icons into rows that fit the width, bottom row first.
QList<Rangee> Rangees(int largeur, const QList<QSize> &icones)
{
    QList<Rangee> rangees;
    int x = 0;
    for (int i = 0; i < icones.size(); ++i) {
        const QSize &icone = icones[i];
        if (rangees.isEmpty() || (x > 0 && x + icone.width() > largeur)) {
            rangees.append(Rangee{i, 0});
            x = 0;
        }
        rangees.last().hauteur = std::max(rangees.last().hauteur, icone.height());
        x += icone.width();
    }
    return rangees;
}

} // namespace

QList<QPoint> PositionsIcones(QSize zone, const QList<QSize> &icones)
{
    QList<QPoint> positions;
    positions.reserve(icones.size());
    const QList<Rangee> rangees = Rangees(zone.width(), icones);
    int bas = zone.height();
    for (int r = 0; r < rangees.size(); ++r) {
        const int fin = r + 1 < rangees.size() ? rangees[r + 1].debut : static_cast<int>(icones.size());
        const int haut = bas - rangees[r].hauteur;
        int x = 0;
        for (int i = rangees[r].debut; i < fin; ++i) {
            // Icons lower than the row's tallest rest on its bottom edge.
            positions.append(QPoint(x, bas - icones[i].height()));
            x += icones[i].width();
        }
        bas = haut;
    }
    return positions;
}

int HauteurRangeesIcones(QSize zone, const QList<QSize> &icones)
{
    int hauteur = 0;
    for (const Rangee &r : Rangees(zone.width(), icones))
        hauteur += r.hauteur;
    return hauteur;
}

QList<QRect> RectanglesMosaique(QRect zone, int n, bool horizontale)
{
    QList<QRect> rectangles;
    if (n <= 0 || zone.isEmpty())
        return rectangles;
    const int total = horizontale ? zone.height() : zone.width();
    const int part = total / n;
    for (int i = 0; i < n; ++i) {
        const int debut = i * part;
        const int longueur = i + 1 < n ? part : total - debut;
        rectangles.append(horizontale ? QRect(zone.left(), zone.top() + debut, zone.width(), longueur)
                                      : QRect(zone.left() + debut, zone.top(), longueur, zone.height()));
    }
    return rectangles;
}

QList<QRect> RectanglesCascade(QRect zone, int n, int pas)
{
    QList<QRect> rectangles;
    if (n <= 0 || zone.isEmpty())
        return rectangles;
    pas = std::max(pas, 1);
    const int largeur = std::max(zone.width() - (n - 1) * pas, zone.width() / 2);
    const int hauteur = std::max(zone.height() - (n - 1) * pas, zone.height() / 2);
    // Number of steps before a window's corner would pass the half of the area.
    const int marches = std::max(1, std::min(zone.width() - largeur, zone.height() - hauteur) / pas + 1);
    for (int i = 0; i < n; ++i) {
        const int decalage = (i % marches) * pas;
        rectangles.append(QRect(zone.left() + decalage, zone.top() + decalage, largeur, hauteur));
    }
    return rectangles;
}
