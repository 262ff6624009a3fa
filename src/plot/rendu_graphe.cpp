#include "plot/rendu_graphe.h"

#include "plot/graphe.h"

#include <QDataStream>
#include <QFontMetrics>
#include <QIODevice>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Pixel coordinates far outside the picture are held back so that the
// painter never sees values it cannot rasterise.
double Borner(double v)
{
    if (!std::isfinite(v))
        return v > 0 ? 1e6 : -1e6;
    return std::clamp(v, -1e6, 1e6);
}

bool AxeUtilisable(const AxeCalcule &a)
{
    return a.Pas > 0 && a.Min < a.Max && std::isfinite(a.Max - a.Min);
}

void DessinerGrille(QPainter &p, const TGraphe &g, const QRect &z)
{
    QPen stylo(g.GridColor);
    stylo.setStyle(StyleDeGrille(g.GridStyle));
    p.setPen(stylo);
    const AxeGraphe &x = g.Axe(AxeId::X);
    if (x.visible && x.grille && AxeUtilisable(x.affiche))
        for (double v : Graduations(x.affiche.Min, x.affiche.Max, x.affiche.Pas)) {
            const double c = g.ColonneDeX(v);
            p.drawLine(QPointF(c, z.top()), QPointF(c, z.bottom()));
        }
    for (AxeId id : {AxeId::Y, AxeId::Y2}) {
        const AxeGraphe &y = g.Axe(id);
        if (!y.visible || !y.grille || !AxeUtilisable(y.affiche))
            continue;
        for (double v : Graduations(y.affiche.Min, y.affiche.Max, y.affiche.Pas)) {
            const double l = g.LigneDeY(v, id);
            p.drawLine(QPointF(z.left(), l), QPointF(z.right(), l));
        }
    }
}

void DessinerAxeX(QPainter &p, const TGraphe &g, const QRect &z)
{
    const AxeGraphe &x = g.Axe(AxeId::X);
    if (!x.visible)
        return;
    const QFontMetrics mesure(g.LabelFont);
    int bas = z.bottom() + 2;
    if (AxeUtilisable(x.affiche)) {
        p.setFont(g.LabelFont);
        for (double v : Graduations(x.affiche.Min, x.affiche.Max, x.affiche.Pas)) {
            const double c = g.ColonneDeX(v);
            if (g.ShowTicks)
                p.drawLine(QPointF(c, z.bottom()), QPointF(c, z.bottom() + g.TickLength));
            if (g.ShowGraphLabels) {
                const QString texte = TexteGraduation(v, x.affiche.Decimales);
                const int largeur = mesure.horizontalAdvance(texte);
                p.drawText(QPointF(c - largeur / 2.0, z.bottom() + g.TickLength + 2 + mesure.ascent()), texte);
            }
        }
        bas = z.bottom() + g.TickLength + 2 + (g.ShowGraphLabels ? mesure.height() : 0);
    }
    if (!x.titre.isEmpty()) {
        p.setFont(g.TitleFont);
        const QFontMetrics mt(g.TitleFont);
        p.drawText(QRect(z.left(), bas + 2, z.width(), mt.height()), Qt::AlignHCenter | Qt::AlignTop, x.titre);
    }
}

void DessinerAxeY(QPainter &p, const TGraphe &g, const QRect &z, AxeId id)
{
    const AxeGraphe &y = g.Axe(id);
    if (!y.visible)
        return;
    const bool droite = id == AxeId::Y2;
    const int bord = droite ? z.right() : z.left();
    const int sens = droite ? 1 : -1;
    const QFontMetrics mesure(g.LabelFont);
    int largeurEtiquettes = 0;
    if (AxeUtilisable(y.affiche)) {
        p.setFont(g.LabelFont);
        for (double v : Graduations(y.affiche.Min, y.affiche.Max, y.affiche.Pas)) {
            const double l = g.LigneDeY(v, id);
            if (g.ShowTicks)
                p.drawLine(QPointF(bord, l), QPointF(bord + sens * g.TickLength, l));
            if (g.ShowGraphLabels) {
                const QString texte = TexteGraduation(v, y.affiche.Decimales);
                const int largeur = mesure.horizontalAdvance(texte);
                largeurEtiquettes = std::max(largeurEtiquettes, largeur);
                const double xTexte = droite ? bord + g.TickLength + 3 : bord - g.TickLength - 3 - largeur;
                p.drawText(QPointF(xTexte, l + mesure.ascent() / 2.0 - 1), texte);
            }
        }
    }
    if (y.titre.isEmpty())
        return;
    p.setFont(g.TitleFont);
    const QFontMetrics mt(g.TitleFont);
    const int ecart = g.TickLength + 6 + largeurEtiquettes;
    const int place = droite ? g.Taille().width() - bord : bord;
    if (ecart + mt.height() > place) {
        // No room beside the labels: the title stands level above the axis.
        const int largeur = mt.horizontalAdvance(y.titre);
        const int x = droite ? std::max(0, g.Taille().width() - largeur - 2) : std::max(0, bord - largeur / 2);
        p.drawText(QPoint(x, std::max(mt.ascent(), z.top() - mt.descent() - 3)), y.titre);
        return;
    }
    // The title reads upwards along the axis, beyond the labels.
    const double xTitre = droite ? bord + ecart : bord - ecart - mt.height();
    p.save();
    p.translate(xTitre, z.bottom());
    p.rotate(-90);
    p.drawText(QRect(0, 0, z.height(), mt.height()), Qt::AlignHCenter | Qt::AlignTop, y.titre);
    p.restore();
}

// The bitmap a painter draws on, when marks may be written straight into
// its rows: an unshared 32-bit picture without transformation.
QImage *ImageDirecte(QPainter &p)
{
    QPaintDevice *appareil = p.device();
    if (!appareil || appareil->devType() != QInternal::Image || !p.transform().isIdentity())
        return nullptr;
    auto *image = static_cast<QImage *>(appareil);
    const bool format = image->format() == QImage::Format_ARGB32 || image->format() == QImage::Format_RGB32;
    return format && image->isDetached() ? image : nullptr;
}

// Square point marks of side `cote` centred on whole pixels, clipped to the
// plot area. Written into the picture's rows when the painter draws on one,
// where a mark on the very pixel of one drawn before it is not drawn again
// (the marks of a series are all of one opaque colour, over its line);
// otherwise a mark on the pixel of the one just before it is skipped.
void DessinerMarques(QPainter &p, const QRect &z, const QPolygonF &trace, int cote, const QColor &couleur)
{
    QImage *image = couleur.alpha() == 255 ? ImageDirecte(p) : nullptr;
    const int demi = cote / 2;
    if (!image) {
        QPoint precedent(INT_MIN, INT_MIN);
        for (const QPointF &c : trace) {
            const QPoint centre(static_cast<int>(std::floor(c.x())), static_cast<int>(std::floor(c.y())));
            if (centre == precedent)
                continue;
            precedent = centre;
            p.fillRect(QRect(centre.x() - demi, centre.y() - demi, cote, cote), couleur);
        }
        return;
    }
    const QRect zone = z.adjusted(0, 0, 1, 1).intersected(image->rect());
    if (zone.isEmpty())
        return;
    const QRgb rgb = couleur.rgba();
    // The centres already marked, over the zone widened by a mark's side
    // (a mark centred outside may still reach into it).
    const QRect centres = zone.adjusted(-cote, -cote, cote, cote);
    std::vector<unsigned char> marque(static_cast<std::size_t>(centres.width())
                                      * static_cast<std::size_t>(centres.height()));
    uchar *bits = image->bits();
    const qsizetype pas = image->bytesPerLine();
    for (const QPointF &c : trace) {
        const QPoint centre(static_cast<int>(std::floor(c.x())), static_cast<int>(std::floor(c.y())));
        if (centre.x() < centres.left() || centre.x() > centres.right() || centre.y() < centres.top()
            || centre.y() > centres.bottom())
            continue;
        unsigned char &deja = marque[static_cast<std::size_t>(centre.y() - centres.top())
                                         * static_cast<std::size_t>(centres.width())
                                     + static_cast<std::size_t>(centre.x() - centres.left())];
        if (deja)
            continue;
        deja = 1;
        const int x0 = std::max(centre.x() - demi, zone.left());
        const int x1 = std::min(centre.x() - demi + cote - 1, zone.right());
        const int y0 = std::max(centre.y() - demi, zone.top());
        const int y1 = std::min(centre.y() - demi + cote - 1, zone.bottom());
        for (int y = y0; y <= y1; ++y) {
            auto *ligne = reinterpret_cast<QRgb *>(bits + y * pas);
            for (int x = x0; x <= x1; ++x)
                ligne[x] = rgb;
        }
    }
}

// A solid line drawn on a bitmap: of a run of points within one pixel only
// the first and the last are kept, the segments between them drawing no
// pixel that the run's ends do not. Thousands of points across a few
// hundred columns then cost as many segments as the pixels they cross.
QPolygonF SansDetourDansUnPixel(const QPolygonF &trace)
{
    QPolygonF ligne;
    ligne.reserve(trace.size());
    QPoint pixel(INT_MIN, INT_MIN);
    int longueur = 0; // points of the current run kept so far, at most 2
    for (const QPointF &c : trace) {
        const QPoint ici(static_cast<int>(std::floor(c.x())), static_cast<int>(std::floor(c.y())));
        if (ici == pixel && longueur == 2) {
            ligne.back() = c;
            continue;
        }
        if (ici == pixel) {
            ++longueur;
        } else {
            pixel = ici;
            longueur = 1;
        }
        ligne.append(c);
    }
    return ligne;
}

// Bars of a series: each point's bar stands on the base line and spans its
// slot, from halfway to the previous point's column to halfway to the next
// one's (the end slots as wide as their neighbour's half-gap on both sides).
// Slot edges are rounded to whole columns so that neighbouring bars neither
// overlap nor leave a gap between them.
void DessinerBarres(QPainter &p, const QPolygonF &trace, double base, const QColor &couleur)
{
    const qsizetype n = trace.size();
    const auto bord = [&](qsizetype i) { // left edge of slot i, for 0 <= i <= n
        if (n == 1)
            return trace[0].x() - (i == 0 ? 0.5 : -0.5);
        if (i == 0)
            return trace[0].x() - (trace[1].x() - trace[0].x()) / 2;
        if (i == n)
            return trace[n - 1].x() + (trace[n - 1].x() - trace[n - 2].x()) / 2;
        return (trace[i - 1].x() + trace[i].x()) / 2;
    };
    const int ligneBase = static_cast<int>(std::lround(Borner(base)));
    int gauche = static_cast<int>(std::lround(Borner(bord(0))));
    for (qsizetype i = 0; i < n; ++i) {
        const int droite = static_cast<int>(std::lround(Borner(bord(i + 1))));
        const int haut = static_cast<int>(std::lround(trace[i].y()));
        const int largeur = std::max(1, droite - gauche);
        if (haut != ligneBase)
            p.fillRect(QRect(gauche, std::min(haut, ligneBase), largeur, std::abs(haut - ligneBase)), couleur);
        gauche = droite;
    }
}

void DessinerSeries(QPainter &p, const TGraphe &g, const QRect &z)
{
    p.save();
    p.setClipRect(z.adjusted(0, 0, 1, 1));
    for (const auto &[numero, serie] : g.Series()) {
        const AxeId axe = serie.surY2 ? AxeId::Y2 : AxeId::Y;
        if (!serie.visible || serie.NombrePoints() == 0 || !AxeUtilisable(g.Axe(AxeId::X).affiche)
            || !AxeUtilisable(g.Axe(axe).affiche))
            continue;
        const std::vector<QPointF> &points = serie.PointsOrdonnes();
        // ColonneDeX and LigneDeY with their constants taken out of the loop
        // (the same operations in the same order).
        const QRect zone = g.ZoneTrace();
        const AxeCalcule &ax = g.Axe(AxeId::X).affiche;
        const AxeCalcule &ay = g.Axe(axe).affiche;
        const double gauche = zone.left(), etendueX = ax.Max - ax.Min, largeur = zone.right() - zone.left();
        const double bas = zone.bottom(), etendueY = ay.Max - ay.Min, hauteur = zone.bottom() - zone.top();
        QPolygonF trace(static_cast<qsizetype>(points.size()));
        QPointF *sortie = trace.data();
        for (const QPointF &pt : points)
            *sortie++ = QPointF(Borner(gauche + (pt.x() - ax.Min) / etendueX * largeur),
                                Borner(bas - (pt.y() - ay.Min) / etendueY * hauteur));
        if (serie.barres) {
            const double zero = std::clamp(0.0, ay.Min, ay.Max);
            DessinerBarres(p, trace, bas - (zero - ay.Min) / etendueY * hauteur, serie.couleur);
            continue;
        }
        if (serie.ligne && trace.size() > 1) {
            QPen stylo(serie.couleur);
            stylo.setStyle(serie.styleLigne);
            p.setPen(stylo);
            if (serie.styleLigne == Qt::SolidLine && ImageDirecte(p))
                p.drawPolyline(SansDetourDansUnPixel(trace));
            else
                p.drawPolyline(trace);
        }
        if (serie.points && serie.taillePoint > 0)
            DessinerMarques(p, z, trace, serie.taillePoint, serie.couleur);
    }
    p.restore();
}

void DessinerCroix(QPainter &p, const TGraphe &g, const QRect &z)
{
    const AxeCalcule &x = g.Axe(AxeId::X).affiche;
    const AxeCalcule &y = g.Axe(AxeId::Y).affiche;
    if (!g.CrossAtZero || !AxeUtilisable(x) || !AxeUtilisable(y) || x.Min > 0 || x.Max < 0 || y.Min > 0
        || y.Max < 0)
        return;
    const QPointF c(g.ColonneDeX(0), g.LigneDeY(0));
    const double demi = g.Crosslength / 2.0;
    p.save();
    p.setClipRect(z.adjusted(0, 0, 1, 1));
    p.setPen(g.CrossColor);
    p.drawLine(QPointF(c.x() - demi, c.y()), QPointF(c.x() + demi, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - demi), QPointF(c.x(), c.y() + demi));
    p.restore();
}

void DessinerLegende(QPainter &p, const TGraphe &g)
{
    const LegendeGraphe &L = g.Legende;
    if (!L.visible)
        return;
    std::vector<const SerieGraphe *> entrees;
    for (const auto &[numero, serie] : g.Series())
        if (serie.visible && serie.etatLegende != EtatLegende::NonAffiche)
            entrees.push_back(&serie);
    if (entrees.empty())
        return;
    const QFontMetrics mesure(L.font);
    const int hauteurLigne = mesure.height();
    std::vector<int> largeurs;
    int largeurMax = 0;
    int largeurTotale = 0;
    for (const SerieGraphe *s : entrees) {
        const int l = L.SymbolSpace + 4 + mesure.horizontalAdvance(s->nom);
        largeurs.push_back(l);
        largeurMax = std::max(largeurMax, l);
        largeurTotale += l + 2 * L.XMargin;
    }
    const bool bas = L.Layout == 1;
    int largeur = bas ? largeurMax + 2 * L.XMargin : largeurTotale;
    int hauteur = bas ? static_cast<int>(entrees.size()) * (hauteurLigne + L.YMargin) + L.YMargin
                      : hauteurLigne + 2 * L.YMargin;
    if (L.width > 0)
        largeur = L.width;
    if (L.height > 0)
        hauteur = L.height;
    const QSize taille = g.Taille();
    const int gauche = L.left >= 0 ? L.left : taille.width() + L.left - largeur;
    const int haut = L.top >= 0 ? L.top : taille.height() + L.top;
    const QRect boite(gauche, haut, largeur, hauteur);
    p.save();
    p.setClipRect(boite.adjusted(0, 0, 1, 1));
    p.fillRect(boite, L.color);
    if (L.borderStyle == 1) {
        p.setPen(g.AxesColor);
        p.drawRect(boite);
    }
    p.setFont(L.font);
    int x = gauche + L.XMargin;
    int y = haut + L.YMargin;
    for (std::size_t i = 0; i < entrees.size(); ++i) {
        const SerieGraphe &s = *entrees[i];
        const int milieu = y + hauteurLigne / 2;
        const bool avecLigne = s.etatLegende == EtatLegende::Ligne || s.etatLegende == EtatLegende::PointEtLigne;
        const bool avecPoint = s.etatLegende == EtatLegende::Point || s.etatLegende == EtatLegende::PointEtLigne;
        if (avecLigne) {
            QPen stylo(s.couleur);
            stylo.setStyle(s.styleLigne);
            p.setPen(stylo);
            p.drawLine(x, milieu, x + L.SymbolSpace - 2, milieu);
        }
        if (avecPoint) {
            const int cote = std::clamp(s.taillePoint, 2, hauteurLigne);
            p.fillRect(QRect(x + (L.SymbolSpace - cote) / 2, milieu - cote / 2, cote, cote), s.couleur);
        }
        p.setPen(g.AxesColor);
        p.drawText(QPointF(x + L.SymbolSpace + 4, y + mesure.ascent()), s.nom);
        if (bas)
            y += hauteurLigne + L.YMargin;
        else
            x += largeurs[i] + 2 * L.XMargin;
    }
    p.restore();
}

// The last background drawn straight into a picture, with what it was
// drawn from. One per thread, as painting a picture may happen on any.
struct FondMemorise {
    QByteArray cle;
    QImage image;
};

FondMemorise &Memoire()
{
    thread_local FondMemorise memoire;
    return memoire;
}

// A background drawn over whatever the picture held would depend on it:
// only opaque margins on a painter in its plain state are remembered.
bool FondMemorisable(const QPainter &p, const TGraphe &g)
{
    return g.MarginColor.alpha() == 255 && g.BackgroundColor.alpha() == 255 && !p.hasClipping()
           && p.opacity() == 1.0 && p.compositionMode() == QPainter::CompositionMode_SourceOver
           && p.brushOrigin().isNull();
}

// Everything the background is drawn from.
QByteArray CleDuFond(const QPainter &p, const QImage &image, const TGraphe &g)
{
    QByteArray cle;
    QDataStream flux(&cle, QIODevice::WriteOnly);
    flux << static_cast<qint32>(image.format()) << image.dotsPerMeterX() << image.dotsPerMeterY()
         << image.devicePixelRatio() << p.renderHints().toInt() << g.Taille() << g.TopMargin
         << g.BottomMargin << g.LeftMargin << g.RightMargin << g.GraphTitle << g.CaptionFont << g.GraphTitleOffset
         << g.BackgroundColor << g.MarginColor << g.AxesColor << g.GridColor << g.GridStyle << g.TitleFont
         << g.LabelFont << g.ShowGraphLabels << g.ShowTicks << g.TickLength;
    for (AxeId id : {AxeId::X, AxeId::Y, AxeId::Y2}) {
        const AxeGraphe &a = g.Axe(id);
        flux << a.titre << a.visible << a.grille << a.affiche.Min << a.affiche.Max << a.affiche.Pas
             << a.affiche.Decimales;
    }
    return cle;
}

void CopierRangees(const QImage &source, QImage &dest, const QRect &zone)
{
    const auto octets = static_cast<std::size_t>(zone.width()) * sizeof(QRgb);
    for (int y = 0; y < zone.height(); ++y)
        std::memcpy(dest.scanLine(zone.top() + y), source.constScanLine(y), octets);
}

} // namespace

void DessinerGraphe(QPainter &p, const TGraphe &g)
{
    const QSize taille = g.Taille();
    const QRect z = g.ZoneTrace();
    const bool zoneValide = z.width() > 1 && z.height() > 1;
    // The background (margins, title, grid, axes and their labels, frame)
    // depends on the settings and the axes' ranges only: while they stay
    // the same, refreshing the graph copies it instead of drawing it again.
    QImage *image = ImageDirecte(p);
    QByteArray cle;
    if (image && FondMemorisable(p, g))
        cle = CleDuFond(p, *image, g);
    FondMemorise &memoire = Memoire();
    const QRect fond = QRect(QPoint(0, 0), taille) & (image ? image->rect() : QRect());
    if (!cle.isEmpty() && cle == memoire.cle && !fond.isEmpty()) {
        CopierRangees(memoire.image, *image, fond);
    } else {
        p.fillRect(QRect(QPoint(0, 0), taille), g.MarginColor);
        if (zoneValide)
            p.fillRect(z, g.BackgroundColor);
        if (!g.GraphTitle.isEmpty()) {
            p.setPen(g.AxesColor);
            p.setFont(g.CaptionFont);
            const QFontMetrics mt(g.CaptionFont);
            p.drawText(QRect(0, std::max(0, (g.TopMargin - mt.height()) / 2) + g.GraphTitleOffset, taille.width(),
                             mt.height()),
                       Qt::AlignHCenter | Qt::AlignTop, g.GraphTitle);
        }
        if (zoneValide) {
            DessinerGrille(p, g, z);
            p.setPen(g.AxesColor);
            DessinerAxeX(p, g, z);
            DessinerAxeY(p, g, z, AxeId::Y);
            DessinerAxeY(p, g, z, AxeId::Y2);
            p.setPen(g.AxesColor);
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(z.left(), z.top(), z.right() - z.left(), z.bottom() - z.top()));
        }
        if (!cle.isEmpty() && !fond.isEmpty()) {
            memoire.cle = cle;
            memoire.image = image->copy(fond);
        } else if (!cle.isEmpty()) {
            memoire = {};
        }
    }
    if (zoneValide) {
        DessinerSeries(p, g, z);
        DessinerCroix(p, g, z);
    }
    DessinerLegende(p, g);
}

QImage RendreGraphe(const TGraphe &g)
{
    const QSize taille = g.Taille();
    if (taille.width() <= 0 || taille.height() <= 0) {
        QImage vide(1, 1, QImage::Format_ARGB32);
        vide.fill(g.MarginColor.rgb());
        return vide;
    }
    QImage image(taille, QImage::Format_ARGB32);
    image.fill(g.MarginColor.rgb());
    QPainter p(&image);
    DessinerGraphe(p, g);
    p.end();
    return image;
}
