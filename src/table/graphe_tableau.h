#pragma once
// The results table's graph: its initial look, the setup applied from the
// "Choix concernant le tableau" dialog, the refresh that plots the numeric
// columns, and the scale record that calibrates a saved picture of it.
// Series n plots column n against column 0; in variables mode with two Y
// variables series 2 belongs to the second Y axis.

#include "calibration/echelle.h"

#include <QString>

class QImage;
class TGraphe;
class TableauResultats;

// The choices of the setup dialog.
struct ChoixTableau {
    QString titre = QStringLiteral("Titre");
    bool series = false;          // series mode
    bool parParametre = false;    // series identified by a parameter
    bool xNumerique = true;
    int nbY = 1;
    // Names and units from the dialog's grid: [0] X, [1] Y or Y1, [2] Y2.
    QString noms[3];
    QString unites[3];
    QString nomParametre;
    QString uniteParametre;
    int largeurColonne = 80;
};

// The look of a fresh table graph: white, title "Titre", grid lines on X and
// Y, the second Y axis on the right and hidden, bottom margin 70, the legend
// below the plot.
void PreparerGrapheTableau(TGraphe &graphe);

// Showing the table while its setup is asked for: automatic range and steps
// on the three axes, second Y axis hidden, right margin 15, no cross at zero.
void GrapheAvantReglage(TGraphe &graphe);

// "Tout &effacer" on the graph: the three axes automatic, the second Y axis
// hidden, every series deleted.
void EffacerGrapheTableau(TGraphe &graphe);

// OK of the setup dialog, on the table and its graph: fields, header cells,
// fixed rows, the grid's columns (NbY + 1, or the series columns of a table
// that stays in series mode; totals and means are first turned off, as their
// columns go), axis titles and the axes of the series. Header rows are
// rearranged for the new layout so that data rows stay data rows (see
// TableauResultats::ChangerDisposition). The graph is not redrawn.
void AppliquerReglage(TableauResultats &tableau, TGraphe &graphe, const ChoixTableau &choix);

// The axes part of the setup, from the table's fields: second Y axis shown
// with two Y variables (right margin 40) and hidden otherwise (15), series
// 1 and 2 on their axes, axis titles "name (unit)". Series mode by classes
// leaves the axes alone.
void AppliquerAxesTableau(TableauResultats &tableau, TGraphe &graphe);

// "name (unit)", or the name alone when the unit is empty.
[[nodiscard]] QString TitreAxe(const QString &nom, const QString &unite);

// Plots the table: for each series k (NbSeries in series mode, NbY
// otherwise) the points (column 0, column k) of the data rows down to the
// first row where either does not parse. Cells are converted to the
// decimal separator on the way. Plotting is suspended meanwhile and
// resumes at the end (the graph redraws).
void RafraichirGraphe(TableauResultats &tableau, TGraphe &graphe);

// The mode-1 scale record of a picture of the graph at its size, from the
// displayed axis ranges and the plot area; Definie 0 when it cannot be
// computed (a plot area without width or height, an empty range, a pixel
// origin beyond 32 bits).
[[nodiscard]] TEchelle EchelleDuGraphe(const TGraphe &graphe, const TableauResultats &tableau);

// Writes a picture of the graph: with the extension ".GIF" (any case) a GIF
// file whose comment holds EchelleEnTexte of the record when it is defined;
// otherwise a 24-bit BMP file and, when the record is defined, its ".sca"
// side-file. Written through a temporary file; throws ErreurFichier or
// ErreurDecodage.
void EnregistrerGraphe(const QString &chemin, const QImage &image, const TEchelle &echelle);

// Writes the table's text (Windows-1252, CR LF) through a temporary file,
// replacing an existing file. Throws ErreurFichier.
void EnregistrerTexteTableau(const QString &chemin, const TableauResultats &tableau);
