#include "processing/classes_couleurs.h"

#include "commun/nombres.h"
#include "commun/travail_parallele.h"
#include "processing/histogrammes.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

int Nombre(const ClassesCouleurs &c)
{
    return std::clamp(c.NbClasses, 1, MaxClassesCouleurs);
}

void BornesSuivantLimites(ClassesCouleurs &c)
{
    const int n = Nombre(c);
    c.bornesBasses[0] = 0;
    c.bornesHautes[static_cast<std::size_t>(n)] = 255;
    for (int i = 0; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (i >= 1)
            c.bornesHautes[k - 1] = c.limites[k] - 1;
        if (i < n)
            c.bornesBasses[k + 1] = c.limites[k] + 1;
    }
}

} // namespace

void ChargerHistogramme(ClassesCouleurs &classes, const QImage &image)
{
    const HistogrammesImage h = CalculerHistogrammes(image);
    for (int v = 0; v < 256; ++v)
        classes.histogramme[static_cast<std::size_t>(v)] = h.pourcentage(ComposanteRouge, v);
    classes.pixels = static_cast<std::int64_t>(image.width()) * image.height();
}

void MemeLargeur(ClassesCouleurs &classes)
{
    const int n = Nombre(classes);
    classes.bornesBasses[0] = 0;
    classes.bornesHautes[static_cast<std::size_t>(n)] = 255;
    for (int i = 0; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (i < n)
            classes.bornesHautes[k] = static_cast<int>(Arrondi((i + 1) * 255.0 / n)) - 1;
        if (i >= 1)
            classes.bornesBasses[k] = static_cast<int>(Arrondi((i - 1) * 255.0 / n)) + 1;
        classes.limites[k] = static_cast<int>(Arrondi(i * 255.0 / n));
    }
}

void MemeEffectif(ClassesCouleurs &classes)
{
    const int n = Nombre(classes);
    double total = 0;
    for (double v : classes.histogramme)
        total += v;
    const double a = total / n;
    std::array<bool, MaxClassesCouleurs + 1> place{};
    classes.limites[0] = 0;
    classes.limites[static_cast<std::size_t>(n)] = 255;
    int j = 1;
    double C = 0, Cp = 0;
    for (int k = 0; k < 256 && j < n; ++k) {
        C += classes.histogramme[static_cast<std::size_t>(k)];
        if (j * a < C) {
            classes.limites[static_cast<std::size_t>(j)] = C - j * a <= j * a - Cp ? k + 1 : k;
            place[static_cast<std::size_t>(j)] = true;
            ++j;
        }
        Cp = C;
    }
    for (int i = 1; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int bas = classes.limites[k - 1] + 1;
        const int haut = 255 - (n - i);
        classes.limites[k] = std::clamp(place[k] ? classes.limites[k] : bas, bas, haut);
    }
    BornesSuivantLimites(classes);
}

int LimiteChangee(ClassesCouleurs &classes, int b, int v)
{
    const int n = Nombre(classes);
    if (b < 0 || b > n)
        return v;
    const auto k = static_cast<std::size_t>(b);
    classes.limites[k] = std::clamp(v, classes.bornesBasses[k], classes.bornesHautes[k]);
    if (b >= 1)
        classes.bornesHautes[k - 1] = classes.limites[k] - 1;
    if (b < n)
        classes.bornesBasses[k + 1] = classes.limites[k] + 1;
    return classes.limites[k];
}

bool LimiteDeplacee(ClassesCouleurs &classes, int k, double valeur)
{
    const int n = Nombre(classes);
    if (k < 0 || k > n || !std::isfinite(valeur) || std::abs(valeur) > 1e6)
        return false;
    const int v = static_cast<int>(Arrondi(valeur));
    const auto i = static_cast<std::size_t>(k);
    const int bas = k == 0 ? -1 : classes.limites[i - 1];
    const int haut = k == n ? 256 : classes.limites[i + 1];
    if (!(bas < v && v < haut))
        return false;
    LimiteChangee(classes, k, v);
    return true;
}

double EffectifClasse(const ClassesCouleurs &classes, int p)
{
    const int n = Nombre(classes);
    if (p < 0 || p >= n)
        return 0;
    const auto k = static_cast<std::size_t>(p);
    double s = 0;
    for (int v = classes.limites[k]; v < classes.limites[k + 1]; ++v)
        s += classes.histogramme[static_cast<std::size_t>(std::clamp(v, 0, 255))];
    if (p == n - 1)
        s += classes.histogramme[static_cast<std::size_t>(std::clamp(classes.limites[k + 1], 0, 255))];
    return s / 100.0 * static_cast<double>(classes.pixels);
}

QString EtiquetteEffectif(const ClassesCouleurs &classes, int p)
{
    const double s = EffectifClasse(classes, p);
    const double F = classes.FacteurSurface;
    if (F != 1.0)
        return FormatGeneral(F * F * s, 4);
    return QString::number(Arrondi(s));
}

void Colorier(const ClassesCouleurs &classes, QImage &image)
{
    const int n = Nombre(classes);
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    // Level → colour; levels outside lim_0 .. lim_n keep their pixel (flag 0).
    std::array<QRgb, 256> table{};
    std::array<bool, 256> peint{};
    for (int b = 0; b < 256; ++b) {
        if (b < classes.limites[0] || b > classes.limites[static_cast<std::size_t>(n)])
            continue;
        int j = 0;
        for (int i = 0; i < n; ++i)
            if (b >= classes.limites[static_cast<std::size_t>(i)])
                j = i;
        table[static_cast<std::size_t>(b)] = classes.CouleursClasses[static_cast<std::size_t>(j)] | 0xFF000000u;
        peint[static_cast<std::size_t>(b)] = true;
    }
    // Rows are independent: a large picture shares them between cores.
    const int largeur = image.width();
    uchar *bits = image.bits();
    const qsizetype pas = image.bytesPerLine();
    ParcourirEnParallele(image.height(), PartsParalleles(image.sizeInBytes()), [&](int debut, int fin) {
        for (int y = debut; y < fin; ++y) {
            auto *ligne = reinterpret_cast<QRgb *>(bits + y * pas);
            for (int x = 0; x < largeur; ++x) {
                const int b = qBlue(ligne[x]);
                if (peint[static_cast<std::size_t>(b)])
                    ligne[x] = table[static_cast<std::size_t>(b)];
            }
        }
    });
}

QStringList LibellesClasses(const ClassesCouleurs &classes, double vmin, double vmax)
{
    const int n = Nombre(classes);
    const auto v = [&](int k) {
        return FormatGeneral(classes.limites[static_cast<std::size_t>(k)] * (vmax - vmin) / 255.0 + vmin, 3);
    };
    QStringList libelles;
    for (int e = 0; e < n; ++e) {
        QString t;
        if (e == 0)
            t = QStringLiteral("< ") + v(1);
        else if (e == n - 1)
            t = QStringLiteral("> ") + v(n - 1);
        else
            t = v(e) + QStringLiteral(" - ") + v(e + 1);
        libelles << t.left(20);
    }
    return libelles;
}

TitreEffectifs TitreDesEffectifs(const TEchelle &echelle)
{
    TitreEffectifs t;
    t.ligne1 = QCoreApplication::translate("ClassesCouleurs", "Nombre");
    t.ligne2 = QCoreApplication::translate("ClassesCouleurs", "de pixels");
    if (!echelle.Definie || echelle.Mode != TEchelle::Longueur)
        return t;
    t.facteur = echelle.Facteur;
    if (echelle.Unite != QLatin1String("pixels")) {
        t.ligne1 = QCoreApplication::translate("ClassesCouleurs", "surface");
        t.ligne2 = QStringLiteral("(") + echelle.Unite.left(29) + QStringLiteral("²)");
    }
    return t;
}
