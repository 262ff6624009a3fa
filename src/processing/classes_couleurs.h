#pragma once
// Colour classes of a grey-level picture: the levels 0..255 cut into n
// intervals by the limits lim_0 < lim_1 < … < lim_n (interval p covers
// lim_p .. lim_(p+1) − 1, the last one also lim_n), each interval painted
// with one colour and counted. This is the state of the window "Choix des
// limites des couleurs" without its controls: the limits, the bounds each
// limit's box accepts, the histogram and the surface factor.

#include "calibration/echelle.h"

#include <QImage>
#include <QRgb>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

inline constexpr int MaxClassesCouleurs = 16;

struct ClassesCouleurs {
    int NbClasses = 1;                                  // n, 1..16
    std::array<QRgb, MaxClassesCouleurs> CouleursClasses{};
    std::array<int, MaxClassesCouleurs + 1> limites{};  // lim_0 .. lim_n
    std::array<int, MaxClassesCouleurs + 1> bornesBasses{}; // what each limit's box accepts
    std::array<int, MaxClassesCouleurs + 1> bornesHautes{};
    std::array<double, 256> histogramme{};              // % of the picture's pixels at each level
    std::int64_t pixels = 0;                            // N, the picture's width × height
    double FacteurSurface = 1.0;                        // 1: pixels are counted
};

// The histogram of a picture's red component in percent, with N.
void ChargerHistogramme(ClassesCouleurs &classes, const QImage &image);

// "même largeur": lim_i = Round(i × 255 / n), the bounds of each box halfway
// to its neighbours' (n = 4 gives 0, 64, 128, 191, 255).
void MemeLargeur(ClassesCouleurs &classes);

// "même effectif": lim_0 = 0, lim_n = 255 and each inner limit where the
// running sum of the histogram passes j × (total / n), on the nearer side.
// Inner limits the histogram cannot place (a picture of few levels) are held
// between the previous limit + 1 and 255 − (n − j), so that the limits always
// increase; the bounds follow the limits.
void MemeEffectif(ClassesCouleurs &classes);

// The box of limit b takes the value v, held to its bounds; its neighbours'
// bounds follow it. Returns the value kept.
int LimiteChangee(ClassesCouleurs &classes, int b, int v);

// A boundary of the strip dragged to the value `valeur`: taken (rounded)
// when it stays strictly between its neighbours (lim_0 ≥ 0, lim_n ≤ 255);
// otherwise refused. Returns true when taken.
bool LimiteDeplacee(ClassesCouleurs &classes, int k, double valeur);

// Pixels of interval p, as the sum of its levels' percentages times N / 100.
[[nodiscard]] double EffectifClasse(const ClassesCouleurs &classes, int p);

// The text of interval p's count: FormatGeneral(F² × count, 4) when
// FacteurSurface differs from 1, otherwise the count rounded.
[[nodiscard]] QString EtiquetteEffectif(const ClassesCouleurs &classes, int p);

// Paints the picture: a pixel whose blue component b lies within
// lim_0 .. lim_n takes, opaque, the colour of the last interval j with
// b ≥ lim_j; the others are left as they are. Format_ARGB32 afterwards.
void Colorier(const ClassesCouleurs &classes, QImage &image);

// The code's labels for the limits, with Vmin and Vmax the values of levels 0
// and 255: "< v1", "v1 - v2", …, "> v(n−1)", each FormatGeneral at 3 digits
// and cut to 20 characters.
[[nodiscard]] QStringList LibellesClasses(const ClassesCouleurs &classes, double vmin, double vmax);

// Surface factor and the two lines of the counts' title for a scale: pixels
// ("Nombre" / "de pixels") unless it is a length scale in another unit than
// "pixels", then Facteur and "surface" / "(unit²)".
struct TitreEffectifs {
    double facteur = 1.0;
    QString ligne1;
    QString ligne2;
};
[[nodiscard]] TitreEffectifs TitreDesEffectifs(const TEchelle &echelle);
