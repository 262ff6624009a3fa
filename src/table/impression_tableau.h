#pragma once
// Printing a grid of text cells as the results table and the simple results
// grid do: every column at its grid position scaled by a factor, the table
// centred on the page, header row 0 repeated on each page, as many rows per
// page as fit, the caption as title with " (p i / P)" when there are several
// pages, and lines between rows and columns.

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPagedPaintDevice;

struct GrilleImpression {
    QString titre;                   // the window caption
    std::vector<QStringList> lignes; // every row of the grid; row 0 is the header
    std::vector<int> largeurs;       // width of each column in grid pixels
    int hauteurLigne = 24;           // grid row height in pixels
    int taillePolice = 9;            // the printer font's point size
    int facteur = 2;                 // f: 2 for the results table, 3 for the simple grid
    int ecartTrait = 1;              // d: lines this far before rows and columns
    int premiere = 1;                // rows printed under row 0
    int derniere = 0;
};

struct MiseEnPageTableau {
    std::vector<int> XColonnes; // x of each column from the table's left edge
    int W = 0;                  // table width
    int L = 0;                  // left margin
    int H = 0;                  // row height
    int N = 0;                  // rows per page (at least 1)
    int P = 0;                  // pages
};

// The layout for a page of this size; hauteurTitre is the height of the
// caption followed by "p" in the printer font.
[[nodiscard]] MiseEnPageTableau CalculerMiseEnPageTableau(const GrilleImpression &grille, int largeurPage,
                                                          int hauteurPage, int hauteurTitre);

// Width the table takes in device pixels (W) for a factor.
[[nodiscard]] int LargeurImprimee(const std::vector<int> &largeurs, int facteur);

// First and last row of each page.
[[nodiscard]] std::vector<std::pair<int, int>> PagesTableau(int premiere, int derniere, int parPage);

// The title of page i of P: the caption, or the caption followed by
// " (p i / P)" when there are several pages.
[[nodiscard]] QString TitrePageTableau(const QString &titre, int page, int pages);

// Prints the rows on the device: portrait first, landscape when the table
// is wider than the page, and, when it is still wider, only after
// confirmerTropLarge() answers true. Returns false when the too wide table
// was refused; throws ErreurFichier when the device cannot be painted on or
// the printout cannot be finished (a file that cannot be written, a printer
// that fails). The device is set back to portrait at the end.
bool ImprimerGrille(QPagedPaintDevice &appareil, const GrilleImpression &grille,
                    const std::function<bool()> &confirmerTropLarge);
