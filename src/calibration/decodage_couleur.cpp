#include "calibration/decodage_couleur.h"

#include "commun/nombres.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {

// First, middle and last primaries of each order: 0 red, 1 green, 2 blue.
constexpr std::array<PrimairesArcEnCiel, NombreOrdresArcEnCiel> kOrdres = {{
    {2, 1, 0}, // Bleu-Vert-Rouge
    {1, 0, 2}, // Vert-Rouge-Bleu
    {0, 2, 1}, // Rouge-Bleu-Vert
    {2, 0, 1}, // Bleu-Rouge-Vert
    {1, 2, 0}, // Vert-Bleu-Rouge
    {0, 1, 2}, // Rouge-Vert-Bleu
}};

constexpr std::array<const char *, NombreOrdresArcEnCiel> kLibellesOrdres = {
    QT_TRANSLATE_NOOP("CodeCouleur", "&Bleu-Vert-Rouge"),
    QT_TRANSLATE_NOOP("CodeCouleur", "&Vert-Rouge-Bleu"),
    QT_TRANSLATE_NOOP("CodeCouleur", "R&ouge-Bleu-Vert"),
    QT_TRANSLATE_NOOP("CodeCouleur", "&Bleu-Rouge-Vert"),
    QT_TRANSLATE_NOOP("CodeCouleur", "&Vert-Bleu-Rouge"),
    QT_TRANSLATE_NOOP("CodeCouleur", "&Rouge-Vert-Bleu"),
};

CouleurWin Composantes(const std::array<int, 3> &rgb)
{
    return CouleurRvb(rgb[0], rgb[1], rgb[2]);
}

CouleurWin Primaire(int indice)
{
    std::array<int, 3> rgb{0, 0, 0};
    rgb[static_cast<std::size_t>(indice)] = 255;
    return Composantes(rgb);
}

// The fraction of the scale a colour stands for, turned into a value.
bool ValeurDeFraction(const TCodeCouleur &c, double t, double *valeur)
{
    double v = 0;
    if (c.Logarithmique) {
        if (!(c.ValeurMin > 0) || !(c.ValeurMax > 0))
            return false;
        v = c.ValeurMin * std::pow(c.ValeurMax / c.ValeurMin, t);
    } else {
        v = c.ValeurMin + (c.ValeurMax - c.ValeurMin) * t;
    }
    if (!std::isfinite(v))
        return false;
    *valeur = v;
    return true;
}

// The fraction of the scale for a value; not finite when it cannot be placed.
double FractionDeValeur(const TCodeCouleur &c, double v)
{
    if (c.Logarithmique) {
        if (!(c.ValeurMin > 0) || !(c.ValeurMax > 0) || !(v > 0))
            return std::nan("");
        return std::log(v / c.ValeurMin) / std::log(c.ValeurMax / c.ValeurMin);
    }
    return (v - c.ValeurMin) / (c.ValeurMax - c.ValeurMin);
}

bool DecoderArcEnCiel(const TCodeCouleur &c, int r, int g, int b, double *valeur)
{
    if (r != 0 && g != 0 && b != 0)
        return false;
    const std::array<int, 3> rgb{r, g, b};
    const PrimairesArcEnCiel o = PrimairesOrdre(c.OrdreArcEnCiel);
    const int f = rgb[static_cast<std::size_t>(o.premiere)];
    const int m = rgb[static_cast<std::size_t>(o.milieu)];
    const int l = rgb[static_cast<std::size_t>(o.derniere)];
    int p = 0;
    if (l == 0)
        p = f == 255 ? m : 510 - f;
    else if (m == 0)
        p = f == 255 ? 0 : PositionMaxArcEnCiel;
    else
        p = m == 255 ? l + 510 : PositionMaxArcEnCiel - m;
    return ValeurDeFraction(c, static_cast<double>(p) / PositionMaxArcEnCiel, valeur);
}

bool Entre(int x, int a, int b)
{
    return a <= b ? (a <= x && x <= b) : (b <= x && x <= a);
}

bool DecoderDeuxCouleurs(const TCodeCouleur &c, int r, int g, int b, double *valeur)
{
    const int r1 = RougeWin(c.CouleurMin), g1 = VertWin(c.CouleurMin), b1 = BleuWin(c.CouleurMin);
    const int r2 = RougeWin(c.CouleurMax), g2 = VertWin(c.CouleurMax), b2 = BleuWin(c.CouleurMax);
    if (!Entre(r, r1, r2) || !Entre(g, g1, g2) || !Entre(b, b1, b2))
        return false;
    const int er = std::abs(r2 - r1), eg = std::abs(g2 - g1), eb = std::abs(b2 - b1);
    double t = 0;
    if (er > eg && er > eb)
        t = static_cast<double>(r - r1) / (r2 - r1);
    else if (eg >= er && eg > eb)
        t = static_cast<double>(g - g1) / (g2 - g1);
    else if (eb != 0)
        t = static_cast<double>(b - b1) / (b2 - b1);
    else
        return false; // the two colours are equal: no span to read
    return ValeurDeFraction(c, t, valeur);
}

int IndexTableau(const TCodeCouleur &c, int r, int g, int b)
{
    const CouleurWin couleur = CouleurRvb(r, g, b);
    const int n = std::clamp(c.NbCouleurs, 0, MaxEntreesTableau);
    for (int i = n - 1; i >= 0; --i)
        if (c.CouleurTable[static_cast<std::size_t>(i)] == couleur)
            return i;
    return -1;
}

} // namespace

PrimairesArcEnCiel PrimairesOrdre(int ordre)
{
    if (ordre < 0 || ordre >= NombreOrdresArcEnCiel)
        ordre = 0;
    return kOrdres[static_cast<std::size_t>(ordre)];
}

CouleursOrdre CouleursDeOrdre(int ordre)
{
    const PrimairesArcEnCiel o = PrimairesOrdre(ordre);
    return {Primaire(o.premiere), Primaire(o.milieu), Primaire(o.derniere)};
}

QString LibelleOrdre(int ordre)
{
    if (ordre < 0 || ordre >= NombreOrdresArcEnCiel)
        ordre = 0;
    return QCoreApplication::translate("CodeCouleur", kLibellesOrdres[static_cast<std::size_t>(ordre)]);
}

CouleurWin CouleurArcEnCiel(int ordre, int p)
{
    p = std::clamp(p, 0, PositionMaxArcEnCiel);
    const PrimairesArcEnCiel o = PrimairesOrdre(ordre);
    std::array<int, 3> rgb{0, 0, 0};
    int &f = rgb[static_cast<std::size_t>(o.premiere)];
    int &m = rgb[static_cast<std::size_t>(o.milieu)];
    int &l = rgb[static_cast<std::size_t>(o.derniere)];
    if (p <= 255) {
        f = 255;
        m = p;
    } else if (p <= 510) {
        m = 255;
        f = 510 - p;
    } else if (p <= 765) {
        m = 255;
        l = p - 510;
    } else {
        l = 255;
        m = PositionMaxArcEnCiel - p;
    }
    return Composantes(rgb);
}

CouleurWin CouleurDeValeur(const TCodeCouleur &c, double v)
{
    double t = FractionDeValeur(c, v);
    if (c.TypeCodage == CodageArcEnCiel) {
        if (std::isnan(t))
            t = 0;
        t = std::clamp(t, 0.0, 1.0);
        return CouleurArcEnCiel(c.OrdreArcEnCiel, static_cast<int>(Arrondi(t * PositionMaxArcEnCiel)));
    }
    if (c.TypeCodage == CodageDeuxCouleurs) {
        if (!std::isfinite(t))
            t = 0;
        const auto composante = [t](int debut, int fin) {
            const double d = (fin - debut) * t;
            // Far outside the scale the value only wraps; keep the rounding defined.
            const long long pas = std::fabs(d) < 1e15 ? static_cast<long long>(Arrondi(d)) : 0;
            return static_cast<int>((debut + pas) & 0xFF);
        };
        return CouleurRvb(composante(RougeWin(c.CouleurMin), RougeWin(c.CouleurMax)),
                          composante(VertWin(c.CouleurMin), VertWin(c.CouleurMax)),
                          composante(BleuWin(c.CouleurMin), BleuWin(c.CouleurMax)));
    }
    return 0;
}

bool DecoderValeur(const TCodeCouleur &c, int r, int g, int b, double *valeur)
{
    switch (c.TypeCodage) {
    case CodageArcEnCiel:
        return DecoderArcEnCiel(c, r, g, b, valeur);
    case CodageDeuxCouleurs:
        return DecoderDeuxCouleurs(c, r, g, b, valeur);
    default:
        return false;
    }
}

ResultatDecodage DecoderCouleur(const TCodeCouleur &c, int r, int g, int b)
{
    if (c.TypeCodage == CodageTableau) {
        const int i = IndexTableau(c, r, g, b);
        if (i < 0)
            return {};
        return {c.Libelle[static_cast<std::size_t>(i)], true};
    }
    double v = 0;
    if (!DecoderValeur(c, r, g, b, &v))
        return {};
    return {FormatGeneral(v, 4), true};
}
