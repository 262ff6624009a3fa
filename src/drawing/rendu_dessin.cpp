#include "drawing/rendu_dessin.h"

#include "drawing/element_texte.h"
#include "drawing/remplissages.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

int Rond(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

double Frac(double v)
{
    return v - std::trunc(v);
}

QRgb &PixelDe(QImage &couche, int x, int y)
{
    return reinterpret_cast<QRgb *>(couche.scanLine(y))[x];
}

void EcrirePixel(QImage &couche, int x, int y, QRgb c)
{
    if (x >= 0 && y >= 0 && x < couche.width() && y < couche.height())
        PixelDe(couche, x, y) = c;
}

// Blends c at the weight `poids` (0..1) of its alpha.
void MelangerPondere(QImage &couche, int x, int y, QRgb c, double poids)
{
    if (poids <= 0.0)
        return;
    const int a = Rond(qAlpha(c) * std::min(poids, 1.0));
    MelangerPixel(couche, x, y, (c & 0x00FFFFFFu) | (static_cast<QRgb>(a) << 24));
}

// An antialiased point at a real position, shared among the four pixels it
// covers (pixel (x, y) is centred on the integer position).
void PointAntialiase(QImage &couche, double x, double y, QRgb c)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const double dx = x - fx, dy = y - fy;
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    MelangerPondere(couche, ix, iy, c, (1 - dx) * (1 - dy));
    MelangerPondere(couche, ix + 1, iy, c, dx * (1 - dy));
    MelangerPondere(couche, ix, iy + 1, c, (1 - dx) * dy);
    MelangerPondere(couche, ix + 1, iy + 1, c, dx * dy);
}

// A painter whose integer coordinates fall on pixel centres.
void PreparerPeintre(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(0.5, 0.5);
}

QPen StyloPlein(QRgb c, double largeur)
{
    QPen stylo(QColor::fromRgba(c), largeur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return stylo;
}

void DessinerCrayon(const TDessin &d, QImage &couche)
{
    QPainterPath chemin;
    for (const auto &liste : d.Trace.listes) {
        for (std::size_t k = 0; k < liste.size(); ++k) {
            const QPointF p(liste[k].x / 65536.0, liste[k].y / 65536.0);
            if (k == 0)
                chemin.moveTo(p);
            else
                chemin.lineTo(p);
        }
    }
    const int w = d.Epaisseur;
    {
        QPainter p(&couche);
        PreparerPeintre(p);
        p.setBrush(Qt::NoBrush);
        p.setPen(StyloPlein(d.Couleur, w == 0 ? 1.0 : 2.0 * w + 1.0));
        p.drawPath(chemin);
    }
    if (w > 0) {
        const QImage embout = CreerEmbout(w, d.Couleur);
        PoserEmbout(embout, couche, d.X1, d.Y1);
        PoserEmbout(embout, couche, d.X2, d.Y2);
    }
}

QPolygonF TeteFleche(QPointF sommet, double alpha, double beta, double longueur)
{
    const QPointF a(Rond(longueur * std::cos(alpha + Pi - beta)), Rond(longueur * std::sin(alpha + Pi - beta)));
    const QPointF b(Rond(longueur * std::cos(alpha + Pi + beta)), Rond(longueur * std::sin(alpha + Pi + beta)));
    return QPolygonF{sommet + a, sommet, sommet + b};
}

void DessinerTrait(const TDessin &d, QImage &couche)
{
    const double x1 = d.X1, y1 = d.Y1, x2 = d.X2, y2 = d.Y2;
    if (d.X1 == d.X2 && d.Y1 == d.Y2)
        return;
    const int w = d.Epaisseur;
    const double dx = x2 - x1, dy = y2 - y1;
    const double longueur = std::hypot(dx, dy);
    QPainter p(&couche);
    PreparerPeintre(p);
    QPen stylo(QColor::fromRgba(d.Couleur), 1.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    if (d.Style == 1)
        stylo.setDashPattern({2.0 * (w + 1), 2.0 * (w + 1)});
    p.setPen(stylo);
    for (int k = -2 * w; k <= 2 * w; ++k) {
        const double ox = dy * k / (2 * longueur), oy = -dx * k / (2 * longueur);
        // Each segment is drawn on its own, so a dash pattern restarts on it.
        p.drawLine(QLineF(x1 + ox, y1 + oy, x2 + ox, y2 + oy));
    }
    if (d.Fleche == 1 || d.Fleche == 2) {
        double alpha;
        if (d.X1 == d.X2)
            alpha = d.Y1 < d.Y2 ? Pi / 2 : -Pi / 2;
        else
            alpha = std::atan(dy / dx);
        double beta = Pi / 4;
        if (x2 < x1)
            beta = Pi - beta;
        const double L = 2.0 * w + 7.0;
        p.setPen(StyloPlein(d.Couleur, 2.0 * w + 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(TeteFleche(QPointF(x2, y2), alpha, beta, L));
        if (d.Fleche == 2)
            p.drawPolyline(TeteFleche(QPointF(x1, y1), alpha, Pi - beta, L));
    }
}

void DessinerRectangle(const TDessin &d, QImage &couche)
{
    const int x1 = std::min(d.X1, d.X2), x2 = std::max(d.X1, d.X2);
    const int y1 = std::min(d.Y1, d.Y2), y2 = std::max(d.Y1, d.Y2);
    const int w = d.Epaisseur;
    const QRgb c = d.Couleur, gap = PresqueTransparent(d.Couleur);
    const double periode = 4.0 * w + 4.0;
    auto poser = [&](int x, int y, int position) {
        if (d.Style == 1)
            EcrirePixel(couche, x, y, Frac(position / periode) < 0.5 ? c : gap);
        else
            MelangerPixel(couche, x, y, c);
    };
    const int largeur = couche.width(), hauteur = couche.height();
    for (int i = -w; i <= w; ++i) {
        const int xa = std::max(x1 - i, 0), xb = std::min(x2 + i, largeur - 1);
        for (int y : {y1 - i, y2 + i})
            if (y >= 0 && y < hauteur)
                for (int x = xa; x <= xb; ++x)
                    poser(x, y, x);
        const int ya = std::max(y1 - i, 0), yb = std::min(y2 + i, hauteur - 1);
        for (int x : {x1 - i, x2 + i})
            if (x >= 0 && x < largeur)
                for (int y = ya; y <= yb; ++y)
                    poser(x, y, y);
    }
    if (d.Motif != 0 && x2 - x1 > 2 * w + 1 && y2 - y1 > 2 * w + 1)
        RemplirForme(x1 + w + 1, y1 + w + 1, c, d.Motif, couche);
}

void DessinerCercle(const TDessin &d, QImage &couche)
{
    const int cx = d.XAncre, cy = d.YAncre, r = d.Rayon, w = d.Epaisseur;
    const QRgb c = d.Couleur, gap = PresqueTransparent(d.Couleur);
    const int n = 7 * (r + w);
    if (n <= 0)
        return;
    const double pas = 2 * Pi / n;
    auto pointEntier = [&](double rayon, int u, double periode) {
        const int x = cx + Rond(rayon * std::cos(u * pas)), y = cy + Rond(rayon * std::sin(u * pas));
        if (d.Style == 1 && Frac(u / periode) >= 0.5)
            EcrirePixel(couche, x, y, gap);
        else
            MelangerPixel(couche, x, y, c);
    };
    if (w == 0) {
        for (int u = 0; u < n; ++u)
            pointEntier(r, u, 4.0);
    } else {
        const double periode = 4.0 * w + 4.0;
        for (int t = 0; t <= 2 * w - 1; ++t)
            for (int u = 0; u < n; ++u) {
                pointEntier(r + t / 2.0, u, periode);
                pointEntier(r - t / 2.0, u, periode);
            }
        for (int u = 0; u < n; ++u) {
            const bool trou = d.Style == 1 && Frac(u / periode) >= 0.5;
            for (double rayon : {static_cast<double>(r + w), static_cast<double>(r - w)}) {
                const double x = cx + rayon * std::cos(u * pas), y = cy + rayon * std::sin(u * pas);
                if (trou)
                    EcrirePixel(couche, Rond(x), Rond(y), gap);
                else
                    PointAntialiase(couche, x, y, c);
            }
        }
    }
    if (w < r && d.Motif != 0)
        RemplirForme(cx, cy, c, d.Motif, couche);
}

QRgb AvecAlpha(QRgb c, int alpha)
{
    return (c & 0x00FFFFFFu) | (static_cast<QRgb>(std::clamp(alpha, 0, 255)) << 24);
}

QFont PoliceDe(const TDessin &d)
{
    QFont police(d.NomPolice);
    police.setPointSize(std::max<int>(1, d.TaillePolice));
    police.setBold(d.StylePolice & 1);
    police.setItalic(d.StylePolice & 2);
    police.setUnderline(d.StylePolice & 4);
    police.setStrikeOut(d.StylePolice & 8);
    return police;
}

void DessinerElement(const TDessin &d, const QImage &image, QImage &couche, const ContexteDessin &ctx)
{
    switch (d.Genre) {
    case GenreCrayon:
        DessinerCrayon(d, couche);
        break;
    case GenreTrait:
        DessinerTrait(d, couche);
        break;
    case GenreRectangle:
        DessinerRectangle(d, couche);
        break;
    case GenreCercle:
        DessinerCercle(d, couche);
        break;
    case GenreTexte:
        CopierAvecCle(ImageTexteElement(d), couche, d.XAncre, d.YAncre, d.Transparent, AvecAlpha(d.CouleurFond, 255));
        break;
    case GenreLegende:
        CopierAvecCle(ComposerLegende(d, ctx.couleurFondDessin), couche, d.XAncre, d.YAncre, d.Transparent,
                      AvecAlpha(ctx.couleurFondDessin, 255));
        break;
    case GenreRemplissage:
        RemplirConditionnel(d.XAncre, d.YAncre, AvecAlpha(d.Couleur, ctx.opaciteDessin), d.Motif, d.Conditions,
                            d.SurCalque ? couche : image, couche, ctx.canaux);
        break;
    case GenrePoint:
        PoserEmbout(CreerEmbout(d.Epaisseur, d.Couleur), couche, d.XAncre, d.YAncre);
        break;
    case GenreZone: {
        std::vector<QPoint> points;
        if (!d.Trace.listes.empty())
            for (const TPointFixe &p : d.Trace.listes.front())
                points.emplace_back(Rond(p.x / 65536.0), Rond(p.y / 65536.0));
        RemplirPolygone(d.XAncre, d.YAncre, points, AvecAlpha(d.CouleurFond, ctx.opaciteDessin),
                        AvecAlpha(d.Couleur, ctx.opaciteDessin), d.Motif, d.Conditions, image, couche, ctx.canaux);
        break;
    }
    default:
        break;
    }
}

} // namespace

void MelangerPixel(QImage &couche, int x, int y, QRgb c)
{
    if (x < 0 || y < 0 || x >= couche.width() || y >= couche.height())
        return;
    const int a = qAlpha(c);
    if (a == 0)
        return;
    QRgb &b = PixelDe(couche, x, y);
    if (a == 255 || qAlpha(b) == 0) {
        b = c;
        return;
    }
    // Source over destination, both unpremultiplied.
    const double sa = a / 255.0, da = qAlpha(b) / 255.0;
    const double ra = sa + da * (1 - sa);
    auto canal = [&](int s, int dd) { return Rond((s * sa + dd * da * (1 - sa)) / ra); };
    b = qRgba(canal(qRed(c), qRed(b)), canal(qGreen(c), qGreen(b)), canal(qBlue(c), qBlue(b)), Rond(ra * 255));
}

QImage CreerEmbout(int w, QRgb c)
{
    QImage embout(25, 25, QImage::Format_ARGB32);
    embout.fill(0x00FFFFFFu);
    DessinerRayons(embout, w, 4 * w + 1, c);
    return embout;
}

void DessinerRayons(QImage &image, int s, int m, QRgb c)
{
    constexpr int o = DecalagePointe;
    MelangerPixel(image, o, o, c);
    for (int i = 1; i <= m; ++i) {
        const double theta = i * Pi / (2.0 * m + 2.0);
        for (int j = 1; j <= s; ++j) {
            const int dx = Rond(j * std::cos(theta)), dy = Rond(j * std::sin(theta));
            MelangerPixel(image, o + dx, o + dy, c);
            MelangerPixel(image, o - dx, o + dy, c);
            MelangerPixel(image, o + dx, o - dy, c);
            MelangerPixel(image, o - dx, o - dy, c);
        }
    }
    for (int k = -s; k <= s; ++k) {
        MelangerPixel(image, o, o + k, c);
        MelangerPixel(image, o + k, o, c);
    }
}

void PoserEmbout(const QImage &embout, QImage &couche, int x, int y)
{
    for (int j = 0; j < embout.height(); ++j) {
        const int yy = y - DecalagePointe + j;
        if (yy < 0 || yy >= couche.height())
            continue;
        const QRgb *ligne = reinterpret_cast<const QRgb *>(embout.constScanLine(j));
        for (int i = 0; i < embout.width(); ++i)
            if (qAlpha(ligne[i]) > 0)
                MelangerPixel(couche, x - DecalagePointe + i, yy, ligne[i]);
    }
}

void GommerAvecEmbout(const QImage &embout, QImage &couche, int x, int y)
{
    for (int j = 0; j < embout.height(); ++j) {
        const int yy = y - DecalagePointe + j;
        if (yy < 0 || yy >= couche.height())
            continue;
        const QRgb *ligne = reinterpret_cast<const QRgb *>(embout.constScanLine(j));
        QRgb *dest = reinterpret_cast<QRgb *>(couche.scanLine(yy));
        for (int i = 0; i < embout.width(); ++i) {
            const int xx = x - DecalagePointe + i;
            if (qAlpha(ligne[i]) > 0 && xx >= 0 && xx < couche.width())
                dest[xx] = 0x00FFFFFFu;
        }
    }
}

void CopierAvecCle(const QImage &source, QImage &couche, int x, int y, bool transparent, QRgb cle)
{
    if (source.isNull())
        return;
    const QImage src = source.convertToFormat(QImage::Format_ARGB32);
    for (int j = 0; j < src.height(); ++j) {
        const int yy = y + j;
        if (yy < 0 || yy >= couche.height())
            continue;
        const QRgb *ligne = reinterpret_cast<const QRgb *>(src.constScanLine(j));
        QRgb *dest = reinterpret_cast<QRgb *>(couche.scanLine(yy));
        for (int i = 0; i < src.width(); ++i) {
            const int xx = x + i;
            if (xx < 0 || xx >= couche.width())
                continue;
            dest[xx] = transparent && ligne[i] == cle ? 0x00FFFFFFu : ligne[i];
        }
    }
}

QImage ComposerLegende(const TDessin &d, QRgb bg)
{
    const double u = d.UnitesParPixel;
    if (!(u > 0.0))
        return {};
    const QFont police = PoliceDe(d);
    QImage mesure(1, 1, QImage::Format_ARGB32);
    const QFontMetrics fm(police, &mesure);
    const double e = u * fm.horizontalAdvance(QStringLiteral("4000  ") + d.UniteLegende);
    if (!(e > 0.0) || !std::isfinite(e))
        return {};
    const double lg = std::log10(e);
    int k = static_cast<int>(std::trunc(lg));
    if (lg < 0)
        k -= 1;
    int n = Rond(e / std::pow(10.0, k));
    if (n > 2 && n < 5)
        n = 5;
    if (n > 5 && n < 10) {
        k += 1;
        n = 1;
    }
    QString nombre, exposant;
    if (k == 0)
        nombre = QString::number(n);
    else if (k >= 1 && k <= 3)
        nombre = QString::number(n) + QString(k, QLatin1Char('0'));
    else if (k >= -3 && k <= -1)
        nombre = QStringLiteral("0.") + QString(-k - 1, QLatin1Char('0')) + QString::number(n);
    else {
        nombre = n == 1 ? QStringLiteral("10") : QString::number(n) + QStringLiteral(".10");
        exposant = QString::number(k);
    }
    const double longueurBarre = std::nearbyint(n * std::pow(10.0, k) / u);
    if (!(longueurBarre < 30000.0))
        return {};
    const int p = static_cast<int>(longueurBarre);
    const QString unite = QStringLiteral(" ") + d.UniteLegende;
    const int tw = fm.horizontalAdvance(nombre + exposant + unite);
    const int W = std::max(p + 6, tw + 4);
    const int debut = (W - tw) / 2, b = (W - p) / 2;
    const int h = fm.height() / 2;
    const int y0 = Rond(3.5 * h);
    QImage legende(W, y0 + 10, QImage::Format_ARGB32);
    legende.fill(bg);
    QPainter peintre(&legende);
    peintre.setFont(police);
    QPen stylo(QColor::fromRgba(d.Couleur), 2.0 * d.Epaisseur + 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    const QPolygonF crochet{QPointF(b, y0), QPointF(b, y0 + 4), QPointF(b + p, y0 + 4), QPointF(b + p, y0)};
    auto dessinerCrochet = [&] {
        peintre.setPen(stylo);
        peintre.drawPolyline(crochet);
    };
    dessinerCrochet();
    peintre.setPen(QColor::fromRgba(d.Couleur));
    auto texte = [&](int x, int y, const QString &t) { peintre.drawText(QPoint(x, y + fm.ascent()), t); };
    int x = debut;
    texte(x, h, nombre);
    x += fm.horizontalAdvance(nombre);
    texte(x, 0, exposant);
    x += fm.horizontalAdvance(exposant);
    texte(x, h, unite);
    dessinerCrochet();
    peintre.end();
    return legende;
}

bool Dessiner(const TDessin &dessin, const QImage &image, QImage &couche, const ContexteDessin &contexte)
{
    if (couche.isNull())
        return false;
    try {
        DessinerElement(dessin, image, couche, contexte);
        return true;
    } catch (...) {
        return false;
    }
}
