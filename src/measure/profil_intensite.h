#pragma once
// The intensity profile along a band: the sums of the red, green and blue
// components of the image over a band of odd width centred on a line, one
// sample per pixel of length, and the quantities plotted from them
// (emission, absorption, optical density), with the zero offset, the
// calibrated conversion of the ordinate and the surface between limits.

#include <QImage>
#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class ImageDocument;

// A band holds at most 101 pixels across.
inline constexpr int LargeurBandeMax = 101;
// Longest profile: a line whose ends lie far outside the picture is refused
// before anything is allocated.
inline constexpr int NbEchantillonsMax = 65536;

// Channels of a profile (CanalProfil): 0 red, 1 green, 2 blue, 3 all three.
enum CanalProfil : int { CanalRouge = 0, CanalVert = 1, CanalBleu = 2, CanalTout = 3 };

// Quantity plotted: emission (percent), linear absorption (percent) or
// optical density ("D.O.", the logarithmic absorption).
enum class ModeProfil { Emission, Absorption, DensiteOptique };

// Band sums of a profile: for samples 0..n, the sum of each component.
struct SommesBande {
    std::array<std::vector<std::uint16_t>, 3> canaux;
    int n = 0; // index of the last sample
};

enum class EtatProfil { Echantillonne, LigneTropCourte, LigneTropLongue };

// Samples the band of 2k + 1 pixels (k clamped to 0..50) across the line
// from a to b into sortie, sample 0 at a. The line must reach 11 pixels in
// x or in y; a mostly horizontal line (|dx| > |dy|) steps along x, any other
// along y, one pixel of length apart, and the band's pixels lie one pixel
// apart across it. Pixels outside the image contribute 0. sortie is left
// alone when the line is too short or would give more than
// NbEchantillonsMax samples. The image is Format_ARGB32 or Format_RGB32.
EtatProfil EchantillonnerBande(const QImage &image, QPoint a, QPoint b, int k, SommesBande &sortie);

// The same on a document's picture (its bitmap, not its drawing layers)
// along its last measured line (press point towards last drag point), into
// its SommesProfil and LongueurProfil.
EtatProfil EchantillonnerProfil(ImageDocument &document, int k);

// The French message of a refusal (empty for EtatProfil::Echantillonne).
[[nodiscard]] QString MessageProfil(EtatProfil etat);

// The band sum of a channel at sample i (the three components' sum for CanalTout).
[[nodiscard]] std::uint32_t SommeCanal(const SommesBande &sommes, int canal, int i);

// The quantity of a band sum for a band width w (the divisor: an even width
// samples one pixel fewer but still divides by w):
//   emission  E = S / (f w) / 255 × 100, f = 3 for all channels, 1 otherwise;
//   absorption 100 − E;
//   D.O. log10(255 f w / S), log10(255 f w) when S = 0.
[[nodiscard]] double QuantiteProfil(ModeProfil mode, int canal, std::uint32_t somme, int w);

// The raw value a conversion applies to: the band sum in emission and
// absorption, the D.O. in logarithmic absorption.
[[nodiscard]] double BrutConversion(ModeProfil mode, int canal, std::uint32_t somme, int w);

// The plotted value of a quantity less its zero: negative values plot as 0.
[[nodiscard]] double ValeurAvecZero(double quantite, double zero);

// The linear conversion of the ordinate: converted = ConvA × raw + ConvB.
struct ConversionOrdonnee {
    double ConvMin = 0; // converted values at the bottom and top of the plot area
    double ConvMax = 0;
    double ConvA = 1;
    double ConvB = 0;
    bool ConvLog = false; // made in logarithmic absorption
    QString ConvNom;
    QString ConvUnite;
};

// Rows of the plot area of the profile graph, counted from the graph's top edge.
inline constexpr int MargeHautProfil = 25;
inline constexpr int MargeBasProfil = 35;
inline constexpr int MargeGaucheProfil = 30;
inline constexpr int HauteurTraceProfil = 300;
inline constexpr int LigneBasProfil = MargeHautProfil + HauteurTraceProfil;

// The conversion from a point (pixel row P, value V) and a reference (row R,
// value Z): the zero option takes R = LigneBasProfil and Z = 0. The values
// at the bottom and top of the plot area follow the line through both; the
// raw values there depend on the mode (emission 0 .. 255 f w, absorption
// 255 f w .. 0, D.O. 0 .. log10(255 w)). Nothing when P = R.
[[nodiscard]] std::optional<ConversionOrdonnee> CalculerConversion(int P, double V, int R, double Z,
                                                                   ModeProfil mode, bool modeLog, int canal, int w);

// The sum of values[i] for i = max(0, a) .. min(n, b), n the last index.
[[nodiscard]] double SurfaceEntreLimites(const std::vector<double> &valeurs, int a, int b);
