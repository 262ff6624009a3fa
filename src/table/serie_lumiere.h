#pragma once
// The light-measurement series: the rectangle measured in one document is
// measured again in several documents, and each gives one line of the results
// table, X given per document (first value + i × gap) and Y the chosen light
// quantity of the chosen component against the light window's zero.

#include "calibration/code_couleur.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

class TGraphe;
class TableauResultats;

// The choices of the series dialog (TChoix_series) and of the light window.
struct ParametresSerie {
    int grandeur = 1;      // 0 intensity, 1 absorption, 2 D.O.
    bool pourcent = true;  // percent, or arbitrary units (integers on 255, 765 for L)
    int composante = 0;    // 0 "Rouge", 1 "Verte", 2 "Bleue", 3 "Luminosité"
    QString grandeurX = QStringLiteral("temps");
    QString uniteX = QStringLiteral("min");
    double premier = 0;
    double ecart = 0;
};

// A line of the image-choice dialog: the document's number right-aligned on
// two characters, a blank, and the file name of its caption without the
// folder (" 1 photo.bmp").
[[nodiscard]] QString LigneImageSerie(int numero, const QString &titre);
// The number read back from a line's first two characters; 0 when none.
[[nodiscard]] int NumeroLigneImage(const QString &ligne);

// The cell text of one mean colour: the chosen component's value less the
// zero reference z of the quantity (in percent, or in D.O.).
[[nodiscard]] QString ValeurSerieLumiere(const ParametresSerie &p, double zero, CouleurWin couleur);

// Fills the table: n + 2 rows (n documents) and 2 columns; the X name and
// unit in column 0, the quantity's name with the component's suffix and its
// unit in column 1; then a row per document, X = first + i × gap and its
// value, an empty cell for a document the rectangle missed. The caption
// ("Intensité (%)", "Absorption (u.arb.)", "D.O."…) becomes the table's
// title. zeros: the light window's references of the chosen quantity for R,
// G, B and the global line.
void RemplirSerieLumiere(TableauResultats &tableau, const ParametresSerie &p, const std::array<double, 4> &zeros,
                         const std::vector<std::optional<CouleurWin>> &moyennes);

// The table and graph set up as a one-variable table read back from the
// header cells: variables mode, numeric X, 2 columns 120 pixels wide, 2
// fixed rows, automatic axes, second Y axis hidden, the caption as graph
// title.
void PreparerGrapheSerie(TableauResultats &tableau, TGraphe &graphe);
