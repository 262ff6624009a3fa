// Writes the sample pictures of data/ and their side-files. Every picture is
// drawn here from simple shapes and seeded noise, so that it is the same on
// every machine and free of any right (CC0):
//   pieces.jpg    coins and lentils beside a millimetre ruler (8 px per mm)
//   cellules.jpg  stained cells under a microscope, with a 50 µm scale bar
//   spectre.png   the visible spectrum of the Sun with dark absorption lines
//   courbe.png    a cooling curve on a graduated graph, to calibrate
//   scene.lan     a 4-band 256 x 256 satellite scene (blue, green, red,
//                 near infrared; 30 m pixels): river, fields, forest, town
// Build and run from the source root:
//   g++ -O2 -fPIC scripts/echantillons/generer_echantillons.cpp \
//       $(pkg-config --cflags --libs Qt6Gui) -o /tmp/generer && /tmp/generer data

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// A small, seeded generator: the same pictures on every run.
struct Hasard {
    std::uint32_t etat;
    explicit Hasard(std::uint32_t graine) : etat(graine) {}
    std::uint32_t suivant()
    {
        etat ^= etat << 13;
        etat ^= etat >> 17;
        etat ^= etat << 5;
        return etat;
    }
    double uniforme() { return (suivant() & 0xFFFFFF) / double(0x1000000); }
    double entre(double a, double b) { return a + (b - a) * uniforme(); }
    double normal()
    {
        const double u = std::max(1e-9, uniforme());
        return std::sqrt(-2 * std::log(u)) * std::cos(6.283185307 * uniforme());
    }
};

// Smooth value noise: a grid of random values, bilinear between them.
struct Bruit {
    int pas, nx, ny;
    std::vector<float> v;
    Bruit(int largeur, int hauteur, int p, std::uint32_t graine) : pas(p)
    {
        nx = largeur / p + 2;
        ny = hauteur / p + 2;
        Hasard h(graine);
        v.resize(std::size_t(nx) * ny);
        for (float &x : v)
            x = float(h.uniforme());
    }
    float operator()(double x, double y) const
    {
        // Outside the grid the border values carry on.
        const double fx = std::clamp(x / pas, 0.0, nx - 1.001), fy = std::clamp(y / pas, 0.0, ny - 1.001);
        const int ix = std::clamp(int(fx), 0, nx - 2), iy = std::clamp(int(fy), 0, ny - 2);
        const double tx = fx - ix, ty = fy - iy;
        const auto at = [&](int a, int b) { return v[std::size_t(b) * nx + a]; };
        const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
        return float((at(ix, iy) * (1 - sx) + at(ix + 1, iy) * sx) * (1 - sy)
                     + (at(ix, iy + 1) * (1 - sx) + at(ix + 1, iy + 1) * sx) * sy);
    }
};

int Borne(double v)
{
    return std::clamp(int(std::lround(v)), 0, 255);
}

// Grain of a camera sensor over the whole picture.
void Grain(QImage &image, double ecart, std::uint32_t graine)
{
    Hasard h(graine);
    for (int y = 0; y < image.height(); ++y) {
        auto *l = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double g = h.normal() * ecart;
            l[x] = qRgb(Borne(qRed(l[x]) + g), Borne(qGreen(l[x]) + g), Borne(qBlue(l[x]) + g));
        }
    }
}

bool EcrireTexte(const QString &chemin, const QByteArray &texte)
{
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(texte + "\r\n");
    return true;
}

bool EcrireJpeg(const QImage &image, const QString &chemin, int qualite)
{
    QImageWriter w(chemin, "jpeg");
    w.setQuality(qualite);
    w.setOptimizedWrite(true);
    return w.write(image);
}

// ---------------------------------------------------------------- coins

constexpr double kPixelsParMm = 8.0;

void Piece(QPainter &p, QPointF c, double diametreMm, QColor metal, QColor bord, bool bimetal, Hasard &h)
{
    const double r = diametreMm * kPixelsParMm / 2;
    // Soft shadow to the lower right.
    for (int i = 6; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 10));
        p.drawEllipse(c + QPointF(5 + i, 7 + i), r + i, r + i);
    }
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.5);
    g.setColorAt(0, metal.lighter(150));
    g.setColorAt(0.55, metal);
    g.setColorAt(1, metal.darker(160));
    p.setBrush(bimetal ? QBrush(bord) : QBrush(g));
    p.setPen(QPen(bord.darker(170), 1.5));
    p.drawEllipse(c, r, r);
    if (bimetal) {
        p.setBrush(g);
        p.setPen(QPen(metal.darker(150), 1));
        p.drawEllipse(c, r * 0.72, r * 0.72);
    }
    // Rim and relief: a raised ring and a few engraved arcs and stars.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), 2));
    p.drawArc(QRectF(c.x() - r * 0.92, c.y() - r * 0.92, r * 1.84, r * 1.84), 40 * 16, 140 * 16);
    p.setPen(QPen(QColor(0, 0, 0, 60), 2));
    p.drawArc(QRectF(c.x() - r * 0.92, c.y() - r * 0.92, r * 1.84, r * 1.84), 220 * 16, 140 * 16);
    p.setPen(QPen(QColor(0, 0, 0, 45), 1.2));
    for (int k = 0; k < 12; ++k) {
        const double a = k * 3.14159265 / 6;
        const QPointF e = c + QPointF(std::cos(a), std::sin(a)) * r * 0.8;
        p.drawEllipse(e, r * 0.045, r * 0.045);
    }
    const double ang = h.entre(0, 6.28);
    for (int k = 0; k < 5; ++k) {
        const double a = ang + k * 0.35;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * r * 0.15, c + QPointF(std::cos(a), std::sin(a)) * r * 0.55);
    }
}

void Lentille(QPainter &p, QPointF c, Hasard &h)
{
    const double l = h.entre(4.5, 5.5) * kPixelsParMm / 2, e = l * h.entre(0.85, 0.98);
    p.save();
    p.translate(c);
    p.rotate(h.entre(0, 180));
    QRadialGradient g(QPointF(-l * 0.3, -e * 0.3), l * 1.3);
    const QColor base = QColor::fromHsv(int(h.entre(24, 34)), int(h.entre(150, 200)), int(h.entre(150, 190)));
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(1, base.darker(140));
    p.setBrush(g);
    p.setPen(QPen(base.darker(170), 1));
    p.drawEllipse(QPointF(0, 0), l, e);
    p.restore();
}

QImage Pieces()
{
    const int w = 1200, h = 800;
    QImage image(w, h, QImage::Format_RGB32);
    // A light wooden table: long grain along x.
    const Bruit fibres(w, 2 * h, 6, 11), veines(w, h, 60, 12);
    for (int y = 0; y < h; ++y) {
        auto *l = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double f = fibres(x * 0.15, y * 2.0) * 0.5 + veines(x * 0.3, y) * 0.5;
            const double ton = 0.85 + 0.15 * std::sin(y * 0.07 + f * 6);
            const double lumiere = 1.0 - 0.18 * (double(x) / w) - 0.1 * (double(y) / h);
            l[x] = qRgb(Borne(205 * ton * lumiere), Borne(168 * ton * lumiere), Borne(120 * ton * lumiere));
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The ruler along the bottom: 0 to 140 mm, a tick each millimetre.
    const double x0 = 40, y0 = 640, longueur = 140 * kPixelsParMm;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(QRectF(x0 - 20 + 4, y0 + 6, longueur + 40, 110));
    QLinearGradient regle(0, y0, 0, y0 + 110);
    regle.setColorAt(0, QColor(250, 246, 226));
    regle.setColorAt(1, QColor(228, 222, 196));
    p.setBrush(regle);
    p.setPen(QPen(QColor(150, 140, 110), 1));
    p.drawRect(QRectF(x0 - 20, y0, longueur + 40, 110));
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(18);
    p.setFont(police);
    for (int mm = 0; mm <= 140; ++mm) {
        const double x = x0 + mm * kPixelsParMm;
        const double t = mm % 10 == 0 ? 34 : (mm % 5 == 0 ? 24 : 15);
        p.setPen(QPen(QColor(25, 25, 25), mm % 10 == 0 ? 1.6 : 1.1));
        p.drawLine(QPointF(x, y0 + 1), QPointF(x, y0 + t));
        if (mm % 10 == 0) {
            const QString n = QString::number(mm / 10);
            p.drawText(QRectF(x - 20, y0 + 38, 40, 24), Qt::AlignCenter, n);
        }
    }
    p.setPen(QColor(60, 60, 60));
    police.setPixelSize(15);
    p.setFont(police);
    p.drawText(QRectF(x0 + longueur - 100, y0 + 78, 80, 22), Qt::AlignRight, QStringLiteral("cm"));

    // Coins of the euro series at their real diameters, and a few lentils.
    Hasard hasard(2024);
    struct P { double x, y, d; QColor metal, bord; bool bimetal; };
    const QColor or_(196, 160, 70), argent(190, 190, 182), cuivre(184, 104, 62);
    const P pieces[] = {
        {170, 170, 25.75, or_, argent, true},   // 2 euros: golden centre, silver ring
        {420, 150, 23.25, argent, or_, true},   // 1 euro: silver centre, golden ring
        {650, 200, 24.25, or_, or_, false},     // 50 cents
        {880, 150, 22.25, or_, or_, false},     // 20 cents
        {1060, 260, 19.75, or_, or_, false},    // 10 cents
        {300, 400, 21.25, cuivre, cuivre, false}, // 5 cents
        {560, 430, 18.75, cuivre, cuivre, false}, // 2 cents
        {780, 420, 16.25, cuivre, cuivre, false}, // 1 cent
    };
    for (const P &c : pieces)
        Piece(p, QPointF(c.x, c.y), c.d, c.metal, c.bord, c.bimetal, hasard);
    for (int i = 0; i < 14; ++i)
        Lentille(p, QPointF(hasard.entre(930, 1150), hasard.entre(400, 580)), hasard);
    p.end();
    Grain(image, 3.0, 99);
    return image;
}

// ---------------------------------------------------------------- cells

constexpr double kMicrometresParPixel = 0.25;

QImage Cellules()
{
    const int w = 900, h = 700;
    QImage image(w, h, QImage::Format_RGB32);
    const Bruit fond(w, h, 40, 21);
    const double cx = w / 2.0, cy = h / 2.0, rayon = 330;
    for (int y = 0; y < h; ++y) {
        auto *l = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double d = std::hypot(x - cx, y - cy) / rayon;
            const double vignette = d < 1 ? 1 - 0.35 * d * d : std::max(0.0, 0.65 - (d - 1) * 8);
            const double f = 0.92 + 0.08 * fond(x, y);
            l[x] = qRgb(Borne(238 * f * vignette), Borne(214 * f * vignette), Borne(226 * f * vignette));
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath champ;
    champ.addEllipse(QPointF(cx, cy), rayon, rayon);
    p.setClipPath(champ);
    Hasard hasard(77);
    std::vector<QPointF> centres;
    for (int essai = 0; essai < 400 && centres.size() < 38; ++essai) {
        const QPointF c(hasard.entre(cx - rayon, cx + rayon), hasard.entre(cy - rayon, cy + rayon));
        if (std::hypot(c.x() - cx, c.y() - cy) > rayon - 20)
            continue;
        bool libre = true;
        for (const QPointF &o : centres)
            libre = libre && std::hypot(c.x() - o.x(), c.y() - o.y()) > 70;
        if (!libre)
            continue;
        centres.push_back(c);
        // A cell of 12 to 18 µm with its nucleus, stained as with eosin and haematoxylin.
        const double a = hasard.entre(12, 18) / kMicrometresParPixel / 2, b = a * hasard.entre(0.7, 0.95);
        p.save();
        p.translate(c);
        p.rotate(hasard.entre(0, 180));
        QPainterPath contour;
        const int n = 48;
        for (int k = 0; k <= n; ++k) {
            const double t = k * 6.283185 / n;
            const double ondule = 1 + 0.05 * std::sin(3 * t + c.x()) + 0.03 * std::sin(5 * t + c.y());
            const QPointF q(a * ondule * std::cos(t), b * ondule * std::sin(t));
            if (k == 0)
                contour.moveTo(q);
            else
                contour.lineTo(q);
        }
        QRadialGradient cyto(QPointF(0, 0), a);
        cyto.setColorAt(0, QColor(224, 150, 196, 190));
        cyto.setColorAt(0.85, QColor(212, 128, 182, 200));
        cyto.setColorAt(1, QColor(170, 80, 140, 230));
        p.setBrush(cyto);
        p.setPen(QPen(QColor(150, 60, 120, 220), 1.5));
        p.drawPath(contour);
        const QPointF noyau(hasard.entre(-a * 0.25, a * 0.25), hasard.entre(-b * 0.2, b * 0.2));
        const double rn = a * hasard.entre(0.3, 0.4);
        QRadialGradient ng(noyau, rn);
        ng.setColorAt(0, QColor(92, 52, 150));
        ng.setColorAt(1, QColor(62, 32, 118));
        p.setBrush(ng);
        p.setPen(Qt::NoPen);
        p.drawEllipse(noyau, rn, rn * hasard.entre(0.8, 1.0));
        p.setBrush(QColor(40, 18, 80));
        p.drawEllipse(noyau + QPointF(rn * 0.2, -rn * 0.1), rn * 0.22, rn * 0.2);
        p.restore();
    }
    p.setClipping(false);
    // Scale bar: 50 µm at the lower right, white on the dark corner.
    const double barre = 50 / kMicrometresParPixel;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(w - 40 - barre, h - 50, barre, 8));
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(20);
    police.setBold(true);
    p.setFont(police);
    p.setPen(Qt::white);
    p.drawText(QRectF(w - 40 - barre, h - 80, barre, 26), Qt::AlignCenter, QStringLiteral("50 µm"));
    p.end();
    Grain(image, 2.5, 5);
    return image;
}

// ---------------------------------------------------------------- spectrum

// The colour a wavelength looks like (380 to 780 nm), after the usual
// piecewise approximation of the visible range.
QColor CouleurOnde(double nm)
{
    double r = 0, g = 0, b = 0;
    if (nm < 440) { r = -(nm - 440) / 60; b = 1; }
    else if (nm < 490) { g = (nm - 440) / 50; b = 1; }
    else if (nm < 510) { g = 1; b = -(nm - 510) / 20; }
    else if (nm < 580) { r = (nm - 510) / 70; g = 1; }
    else if (nm < 645) { r = 1; g = -(nm - 645) / 65; }
    else { r = 1; }
    double f = 1;
    if (nm < 420) f = 0.3 + 0.7 * (nm - 380) / 40;
    else if (nm > 700) f = 0.3 + 0.7 * (780 - nm) / 80;
    const auto c = [f](double v) { return Borne(255 * std::pow(std::clamp(v * f, 0.0, 1.0), 0.8)); };
    return QColor(c(r), c(g), c(b));
}

QImage Spectre()
{
    const int w = 800, h = 160;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(12, 12, 14));
    // Dark lines of the solar spectrum: wavelength (nm), depth, width (nm).
    struct Raie { double nm, profondeur, largeur; };
    const Raie raies[] = {{393.4, 0.9, 1.2}, {396.8, 0.9, 1.2}, {430.8, 0.6, 0.8}, {486.1, 0.8, 0.9},
                          {516.7, 0.5, 0.6}, {518.4, 0.5, 0.6}, {527.0, 0.5, 0.5}, {589.0, 0.8, 0.6},
                          {589.6, 0.8, 0.6}, {656.3, 0.85, 0.9}, {686.7, 0.7, 1.2}, {759.4, 0.8, 1.6}};
    for (int x = 0; x < w; ++x) {
        const double nm = 380 + x * 0.5;
        double t = 1;
        for (const Raie &r : raies)
            t *= 1 - r.profondeur * std::exp(-std::pow((nm - r.nm) / (r.largeur / 2), 2));
        const QColor c = CouleurOnde(nm);
        for (int y = 30; y < 130; ++y) {
            const double bord = std::min(1.0, std::min(y - 30, 129 - y) / 6.0);
            image.setPixel(x, y, qRgb(Borne(c.red() * t * bord), Borne(c.green() * t * bord), Borne(c.blue() * t * bord)));
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(13);
    p.setFont(police);
    p.setPen(QColor(220, 220, 220));
    for (int nm = 400; nm <= 750; nm += 50) {
        const double x = (nm - 380) * 2.0;
        p.drawLine(QPointF(x, 131), QPointF(x, 139));
        p.drawText(QRectF(x - 30, 140, 60, 18), Qt::AlignCenter, QString::number(nm));
    }
    p.drawText(QRectF(w - 60, 140, 58, 18), Qt::AlignRight, QStringLiteral("nm"));
    p.end();
    Grain(image, 1.5, 3);
    return image;
}

// ---------------------------------------------------------------- graph

// A cooling curve as a pupil's worksheet prints it: water at 90 °C left in a
// room at 20 °C, T = 20 + 70 exp(-t / 12), measured each 4 minutes. The
// plot area runs from (80, 100) to (680, 500): 10 pixels a minute, 4 pixels
// a degree.
QImage Courbe()
{
    const int w = 760, h = 580;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const auto X = [](double t) { return 80 + 10 * t; };
    const auto Y = [](double temp) { return 500 - 4 * temp; };
    p.setPen(QPen(QColor(210, 220, 235), 1));
    for (int t = 0; t <= 60; t += 5)
        p.drawLine(QPointF(X(t), Y(0)), QPointF(X(t), Y(100)));
    for (int temp = 0; temp <= 100; temp += 10)
        p.drawLine(QPointF(X(0), Y(temp)), QPointF(X(60), Y(temp)));
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(X(0), Y(0)), QPointF(X(60) + 15, Y(0)));
    p.drawLine(QPointF(X(0), Y(0)), QPointF(X(0), Y(100) - 15));
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(15);
    p.setFont(police);
    for (int t = 0; t <= 60; t += 10) {
        p.drawLine(QPointF(X(t), Y(0)), QPointF(X(t), Y(0) + 7));
        p.drawText(QRectF(X(t) - 25, Y(0) + 10, 50, 20), Qt::AlignCenter, QString::number(t));
    }
    for (int temp = 0; temp <= 100; temp += 20) {
        p.drawLine(QPointF(X(0) - 7, Y(temp)), QPointF(X(0), Y(temp)));
        p.drawText(QRectF(X(0) - 60, Y(temp) - 10, 48, 20), Qt::AlignRight | Qt::AlignVCenter, QString::number(temp));
    }
    p.drawText(QRectF(X(60) - 100, Y(0) + 34, 160, 22), Qt::AlignRight, QStringLiteral("temps (min)"));
    p.drawText(QRectF(X(0) - 70, Y(100) - 50, 220, 22), Qt::AlignLeft, QStringLiteral("température (°C)"));
    police.setPixelSize(19);
    police.setBold(true);
    p.setFont(police);
    p.drawText(QRectF(0, 10, w, 28), Qt::AlignCenter, QStringLiteral("Refroidissement d'un bécher d'eau"));
    QPainterPath courbe;
    for (int i = 0; i <= 600; ++i) {
        const double t = i / 10.0;
        const QPointF q(X(t), Y(20 + 70 * std::exp(-t / 12)));
        if (i == 0)
            courbe.moveTo(q);
        else
            courbe.lineTo(q);
    }
    p.setPen(QPen(QColor(200, 30, 30), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(courbe);
    Hasard hasard(5);
    p.setPen(QPen(QColor(20, 60, 160), 2));
    for (int t = 0; t <= 60; t += 4) {
        const QPointF q(X(t), Y(20 + 70 * std::exp(-t / 12.0) + hasard.normal() * 0.6));
        p.drawLine(q - QPointF(5, 5), q + QPointF(5, 5));
        p.drawLine(q - QPointF(5, -5), q + QPointF(5, -5));
    }
    p.end();
    return image;
}

// ---------------------------------------------------------------- satellite scene

QByteArray SceneLan()
{
    const int w = 256, h = 256, bandes = 4;
    QByteArray octets(128 + w * h * bandes, '\0');
    std::memcpy(octets.data(), "HEAD74", 6);
    octets[8] = char(bandes);
    octets[16] = char(w & 0xFF);
    octets[17] = char(w >> 8);
    octets[20] = char(h & 0xFF);
    octets[21] = char(h >> 8);
    const Bruit relief(w, h, 48, 31), parcelles(w, h, 14, 32), detail(w, h, 4, 33);
    Hasard hasard(41);
    // Reflectances (0..255) of each cover in blue, green, red, near infrared.
    struct Couvert { double b, v, r, pir; };
    const Couvert eau{58, 42, 28, 12}, foret{34, 46, 30, 150}, prairie{44, 70, 50, 190}, champ_nu{70, 82, 96, 110},
        ble{52, 78, 68, 170}, ville{96, 94, 100, 80}, route{110, 108, 112, 90};
    for (int y = 0; y < h; ++y) {
        const double riviere = 128 + 40 * std::sin(y * 0.035) + 12 * std::sin(y * 0.11);
        for (int x = 0; x < w; ++x) {
            Couvert c;
            const double dr = std::abs(x - riviere);
            const double ville_d = std::hypot(x - 200, y - 60);
            if (dr < 5 + 2 * detail(x, y))
                c = eau;
            else if (ville_d < 38 + 10 * relief(x, y))
                c = (x % 9 == 0 || y % 9 == 0) ? route : ville;
            else if (y > 200 - 30 * relief(x, y) && x < riviere)
                c = foret;
            else if (std::abs(y - (x * 0.4 + 20)) < 1.2)
                c = route;
            else {
                const double p = parcelles(x, y);
                c = p < 0.35 ? champ_nu : p < 0.7 ? ble : prairie;
            }
            const double n = 0.92 + 0.16 * detail(x * 1.7, y * 1.7) + hasard.normal() * 0.02;
            const double valeurs[] = {c.b, c.v, c.r, c.pir};
            for (int b = 0; b < bandes; ++b)
                octets[128 + (y * bandes + b) * w + x] = char(Borne(valeurs[b] * n));
        }
    }
    return octets;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data"));
    bool ok = true;
    ok = ok && EcrireJpeg(Pieces(), dossier.filePath(QStringLiteral("pieces.jpg")), 88);
    ok = ok && EcrireTexte(dossier.filePath(QStringLiteral("pieces.sca")), "<SCALE=0;0,125;mm;>");
    ok = ok && EcrireJpeg(Cellules(), dossier.filePath(QStringLiteral("cellules.jpg")), 88);
    // "µ" in Windows-1252, as the program writes its side-files.
    ok = ok && EcrireTexte(dossier.filePath(QStringLiteral("cellules.sca")), "<SCALE=0;0,25;\xB5m;>");
    ok = ok && Spectre().save(dossier.filePath(QStringLiteral("spectre.png")), "png");
    // X in nm from column 0 (380 nm) at 0,5 nm a column; Y in pixel rows upwards.
    ok = ok && EcrireTexte(dossier.filePath(QStringLiteral("spectre.sca")),
                           "<SCALE=1;0;0;799;159;-760;0,5;nm;1;-1;pixels;159;>");
    ok = ok && Courbe().save(dossier.filePath(QStringLiteral("courbe.png")), "png");
    // X in minutes from column 80 at 0,1 min a column; Y in °C from row 500,
    // 0,25 °C a row upwards ("°" in Windows-1252).
    ok = ok && EcrireTexte(dossier.filePath(QStringLiteral("courbe.sca")),
                           "<SCALE=1;80;100;680;500;80;0,1;min;1;-0,25;\xB0" "C;500;>");
    QFile lan(dossier.filePath(QStringLiteral("scene.lan")));
    ok = ok && lan.open(QIODevice::WriteOnly) && lan.write(SceneLan()) == 128 + 256 * 256 * 4;
    lan.close();
    ok = ok && EcrireTexte(dossier.filePath(QStringLiteral("scene.sca")), "<SCALE=0;0,03;km;>");
    std::printf(ok ? "échantillons écrits dans %s\n" : "échec de l'écriture dans %s\n",
                dossier.absolutePath().toLocal8Bit().constData());
    return ok ? 0 : 1;
}
