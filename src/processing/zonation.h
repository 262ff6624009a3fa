#pragma once
// Zonation: supervised classification of a picture. Reference areas painted
// on a layer of the picture's size, one pen colour per category, give each
// category its mean colour and a threshold (mean distance plus a number of
// standard deviations, at most the largest distance met); every pixel then
// goes to the nearest category within that category's threshold. The
// categories may first be grown over the whole picture by iterations.
//
// A layer pixel is painted when its alpha is at least 1; its colour (alpha
// dropped) names its category. Categories are numbered in the order their
// colours are first met, rows from the top, each row from the left.

#include "calibration/echelle.h"

#include <QImage>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

// Colour spaces in which distances are measured.
enum CodageZonation { CodageRvb = 0, CodageTsv = 1, CodageTsl = 2, CodageAv = 3, CodageSsp = 4 };

inline constexpr int MaxCategoriesZonation = 51;
// No distance reaches it: the "nearest" search starts from it.
inline constexpr double DistanceMaxZonation = 450.0;

struct CouleurTsl {
    double H = -1; // degrees, 0 ≤ H < 360, −1 for a grey
    double S = 0;
    double L = 0;
};

// Hue, saturation and lightness of a colour whose components lie in 0..1;
// the hue from the largest component, red tested first, then green, then blue.
[[nodiscard]] CouleurTsl RvbVersTsl(double r, double g, double b);

struct DistanceCouleur {
    double d = 0;
    double d2 = 0;
};

// Distance between two colours in one of the five codings:
// RVB: the euclidean distance of the components;
// TSV, TSL: hue difference (at most 180, 0 when both saturations are below
//   seuilsat, halved when one is) with 120 × the differences of value (or
//   lightness) and saturation;
// AV: 4 × the angle between the colours as vectors, in degrees, with the
//   difference of their norms; a black colour (norm 0) makes the angle 0;
// SSp: red and the ratios red / blue and red / green (a 0 divisor counts as 1).
[[nodiscard]] DistanceCouleur DistanceCouleurs(QRgb c1, QRgb c2, int codage, double seuilsat);

struct CategoriesZonation {
    // −1: the painting and the picture differ in size; 0: nothing painted, or
    // more pen colours than MaxCategoriesZonation (tropDeCouleurs).
    int NbCategories = 0;
    bool tropDeCouleurs = false;
    std::vector<QRgb> CouleursPeintes;  // opaque
    std::vector<QRgb> CouleursMoyennes; // opaque
    std::vector<double> Seuils;
    std::vector<std::int64_t> Effectifs;
};

// Categories of the painting over the picture. With `eliminer`, the means
// and thresholds are computed a second time from the painted pixels that lie
// within their category's first threshold.
[[nodiscard]] CategoriesZonation StatistiquesClasses(const QImage &image, const QImage &peinture, double seuilsigma,
                                                     double seuilsat, int codage, bool eliminer = false);

// Repaints the layer over the whole picture: each pixel takes the opaque pen
// colour of its nearest category, or transparent black when none is nearer
// than 450 or when the two nearest differ by `delta` or less (0 keeps them
// all). No threshold applies.
void EtendreClasses(const QImage &image, QImage &peinture, const CategoriesZonation &categories, double seuilsat,
                    int codage, double delta);

// The classified picture: each pixel goes to the nearest category within its
// threshold (the first on a tie) and takes its pen colour, or its mean colour
// with peindreMoyennes, opaque; a pixel of no category takes fond's colour
// with alpha 0. Fills categories.Effectifs.
[[nodiscard]] QImage ClasserImage(const QImage &image, CategoriesZonation &categories, double seuilsat, int codage,
                                  bool peindreMoyennes, QRgb fond);

struct ParametresZonation {
    int codage = CodageRvb;
    double seuilsigma = 2.0;   // 0.1..4
    double seuilsat = 0.1;     // 0..0.5
    double delta = 0;          // 0..450
    bool eliminer = false;
    bool peindreMoyennes = false;
    bool etendre = false;
    int nbIterations = 1;      // 0 counts as 1
    QRgb fond = 0xFFFFFFFF;    // colour of unclassified pixels (alpha 0)
};

struct ResultatZonation {
    QImage image;                  // the classified picture, of the picture's size
    CategoriesZonation categories;
    QString message;               // why nothing was classified, in French; empty otherwise
};

// Progress from 0 to 100; returns false to stop (the result is then empty).
using ProgressionZonation = std::function<bool(int)>;

// The whole run: statistics, with `etendre` and two categories or more the
// growth and new statistics nbIterations times and then thresholds of 450 so
// that every pixel goes to its nearest category, and the classification.
// Throws ErreurKaptori when the painting's size is not the picture's.
[[nodiscard]] ResultatZonation CalculerZonation(const QImage &image, const QImage &peinture,
                                                const ParametresZonation &parametres,
                                                const ProgressionZonation &progression = {});

// Caption of a category's result: "25 % (25 mm2)", or "(2500 pixels)" when
// the scale counts pixels (a scale that is not a length scale counts pixels).
[[nodiscard]] QString LegendeResultatZonation(std::int64_t effectif, std::int64_t total, const TEchelle &echelle);
