#pragma once
// The results table's model: a grid of text cells whose column 0 is X and
// whose other columns are Y variables or series of one Y variable, with its
// setup fields, its header rows, and the computed totals, percentages and
// means. Every number is kept as text and parsed when needed; a cell is
// numeric when it parses with the decimal separator (after the other
// separator has been turned into it, see LireNombre).
//
// Invariants kept by the operations:
// - the last row is the entry row, where the next values go;
// - with totals shown, the last row is the totals row ("totaux" in column 0)
//   and the last two columns are the row totals and percentages;
// - with means shown, the last column holds each line's mean;
// - totals and means exclude each other.

#include <QChar>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class TableauResultats {
public:
    TableauResultats();

    // ---- Setup fields
    QString Titre = QStringLiteral("Résultats"); // window caption and graph title
    bool ModeSeries = false;         // columns after X are series of one Y variable
    bool SeriesParParametre = false; // series identified by a parameter's value
    bool XNumerique = true;          // X holds numbers (else class names)
    int NbY = 1;                     // 1 or 2; 1 in series mode
    QString NomAbscisse;
    QString UniteAbscisse;
    std::array<QString, 3> NomOrdonnee;   // [1] and [2]
    std::array<QString, 3> UniteOrdonnee; // [1] and [2]
    QString NomParametre;
    QString UniteParametre;
    int NbSeries = 1;
    bool DemanderReglage = true;
    int LargeurColonne = 80; // default column width in pixels, 40..300
    // Copies of the frame's separators, handed over each time the table is
    // shown; while unset (null) no conversion takes place.
    QChar SepDecimal;
    QChar SepAutre;

    // ---- Grid
    [[nodiscard]] int NbColonnes() const { return colonnes_; }
    [[nodiscard]] int NbLignes() const { return static_cast<int>(lignes_.size()); }
    [[nodiscard]] int LignesFixes() const { return fixes_; }
    [[nodiscard]] int PremiereLigneDonnees() const { return fixes_; }
    // Resizes the grid; new cells are empty, cells outside are dropped.
    void DefinirTaille(int colonnes, int lignes);
    void DefinirLignesFixes(int n) { fixes_ = n; }
    // Empty text outside the grid.
    [[nodiscard]] QString Cellule(int colonne, int ligne) const;
    // Ignored outside the grid.
    void DefinirCellule(int colonne, int ligne, const QString &texte);
    [[nodiscard]] const QStringList &Ligne(int ligne) const { return lignes_[static_cast<std::size_t>(ligne)]; }

    // The number of a cell: the first SepAutre is turned into SepDecimal and
    // the cell rewritten, then the text is parsed strictly. Nothing for text,
    // an empty cell, two separators ("2,5.1") or a number beyond the reals.
    [[nodiscard]] std::optional<double> LireNombre(int colonne, int ligne);
    // The same, remembered: a cell whose text has not been written to since
    // it was last read here is not parsed again.
    [[nodiscard]] std::optional<double> NombreCellule(int colonne, int ligne);

    // ---- Totals and means
    [[nodiscard]] bool Totaux() const { return totaux_; }
    [[nodiscard]] bool Moyennes() const { return moyennes_; }
    // "&Totaux et %" and "&Moyenne / ligne" toggled as their menu items do.
    void BasculerTotaux();
    void BasculerMoyennes();
    // Sums of the data columns in the totals row, their sum as grand total,
    // each data row's sum and its percentage of the grand total. Does
    // nothing unless totals are shown.
    void CalculerTotaux();
    // The mean of each line's Y columns (empty ones count in the divisor).
    // Does nothing unless means are shown.
    void CalculerMoyennes();
    // Whichever of the two is shown.
    void Recalculer();

    // Columns and rows the user cannot type into.
    [[nodiscard]] bool ColonneCalculee(int colonne) const;
    [[nodiscard]] bool LigneTotaux(int ligne) const { return totaux_ && ligne == NbLignes() - 1; }
    // The last column before the computed ones and the last row before the
    // totals row: the last data cell.
    [[nodiscard]] int DerniereColonneDonnees() const;
    [[nodiscard]] int DerniereLigneDonnees() const;
    // A data cell (below the header rows, left of the computed columns,
    // above the totals row) holds something other than blanks.
    [[nodiscard]] bool ContientDesValeurs() const;

    // ---- Text: the caption, then every row's cells joined by TAB; every
    // line ends with CR LF.
    [[nodiscard]] QStringList LignesTexte() const;
    [[nodiscard]] QString TexteTableau() const;
    // Every row, for the clipboard's HTML table and the printout.
    [[nodiscard]] const std::vector<QStringList> &Lignes() const { return lignes_; }

    // ---- Editing. The window asks its questions before calling these.
    // Keys typed in the grid, seen before the cell editor.
    enum class Touche { Entree, RetourArriere, Autre };
    struct EffetTouche {
        bool ecartee = false;     // the key goes no further
        bool ligneAjoutee = false;
        bool ligneRetiree = false;
        int colonne = 0;          // cursor after the key
        int ligne = 0;
        bool disposer = false;    // the grid's size changed
        bool rafraichir = false;  // the graph is to be refreshed
    };
    EffetTouche ToucheGrille(Touche touche, int colonne, int ligne);
    // "une &ligne": returns the new line, where the cursor goes.
    int InsererLigne(int ligneCurseur);
    // "une &colonne" (series mode only; -1 otherwise): returns the new
    // column, where the cursor goes. NbSeries grows by one.
    int InsererColonneSerie(int colonneCurseur);
    // "la &ligne": false, with nothing changed, on the totals row and the
    // header rows. The only data line left is emptied rather than removed.
    [[nodiscard]] bool LigneSupprimable(int ligne) const;
    bool SupprimerLigne(int ligne);
    // "la &colonne": false, with nothing changed, on column 0, on computed
    // columns and on the only data column left (the graph would otherwise
    // plot a computed column). Returns the series number that lost its
    // column (0 when none): with two Y variables NbY becomes 1 and it is 2
    // (when Y1 goes, Y2's name and unit become those of the Y variable);
    // otherwise NbSeries decreases and it is the former count. In series
    // mode the Y name and unit are written again over column 1.
    [[nodiscard]] bool ColonneSupprimable(int colonne) const;
    int SupprimerColonne(int colonne);

    // "Tout &effacer": one Y, one series, 2 columns, 3 rows (2 fixed), all
    // cells empty, totals and means off, back to variables mode with numeric
    // X (the shape of that grid), whatever the setup dialog answers next.
    void ToutEffacer();

    // The label of the series row: "///série", or "//" NomParametre with
    // " (" UniteParametre ")" when series are identified by a parameter.
    [[nodiscard]] QString LibelleSeries() const;
    // The row of series names in series mode (-1 in variables mode).
    [[nodiscard]] int LigneSeries() const;
    // Changes the mode and the kind of X, and the header rows with them:
    // names and units (variables mode and series with numeric X), then the
    // series row (series mode). Header rows both layouts have keep their
    // cells, a row the new layout lacks goes, a row it adds comes empty:
    // data rows stay data rows. A grid whose fixed rows do not match its
    // former layout only gets the new count of fixed rows.
    void ChangerDisposition(bool modeSeries, bool xNumerique);

private:
    void InsererLigneVide(int position);
    void RetirerLigne(int ligne);
    void InsererColonneVide(int position);
    void RetirerColonne(int colonne);

    int colonnes_ = 2;
    int fixes_ = 2;
    std::vector<QStringList> lignes_;
    // The numbers last written into each data line's total and percentage
    // cells with their texts: when a line's numbers come out the same and
    // its cells still hold those texts, nothing is formatted again. Indexed
    // by data line; a line that moved simply fails the comparison.
    struct CalculLigne {
        double total = 0;
        double pourcent = 0;
        QString texteTotal;
        QString textePourcent;
        bool ecrit = false;
    };
    std::vector<CalculLigne> calculs_;
    QChar sepCalculs_; // the separator the cached texts were written with
    // The number last read from each cell by NombreCellule, with the text
    // it was read from: a cell still sharing that very text (texts are
    // shared until written to) holds the same number. Reset when the grid's
    // shape or the separators change.
    struct LectureCellule {
        QString texte;
        double valeur = 0;
        bool nombre = false;
    };
    std::vector<LectureCellule> lectures_;
    QChar sepLectures_[2]; // the separators the cells were read with
    bool totaux_ = false;
    bool moyennes_ = false;
};
