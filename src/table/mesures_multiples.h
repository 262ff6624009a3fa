#pragma once
// The multiple measurements: the value just measured on an image (a length,
// a light value, a point read off a graph) is sent as a new line of the
// results table with an abscissa X that advances by itself. This is the
// state the frame keeps and the panel shows, and every rule that fills the
// table; the panel (Saisie_Mult) and its parameter dialog (TParamMesMult)
// only read their controls into it and show it back.

#include "table/graphe_tableau.h"

#include <QString>

#include <array>

class TGraphe;
class TableauResultats;

// How X advances after a complete line (" Mode " of the parameter dialog).
enum class AvanceX { Ajouter, Soustraire, Multiplier, Diviser };

// The parameter dialog's content.
struct ParametresMesMult {
    QString titre;
    QString nomX;
    QString uniteX;
    double pas = 1;
    bool reel = false;   // "Réel" (else "Entier")
    int decimales = 0;   // 0..6, of the step and of X
    AvanceX mode = AvanceX::Ajouter;
    int nbY = 1;
    std::array<QString, 3> nomY;   // [1] and [2]
    std::array<QString, 3> uniteY;
    std::array<double, 3> coeff{1, 1, 1};
};

// Captions of the light quantities as Y names: "luminance", "absorbance",
// "D.O." and their units "%", "%" and none.
[[nodiscard]] QString NomGrandeurLumiere(int grandeur);
[[nodiscard]] QString UniteGrandeurLumiere(int grandeur);
// A radio button's caption: the name (or the default when empty) and
// " (" unit ")" when there is a unit.
[[nodiscard]] QString LibelleGrandeur(const QString &nom, const QString &unite, const QString &parDefaut);
// "longueur (" unit ")" with the unit cut so that the caption stays within
// 31 characters.
[[nodiscard]] QString LibelleLongueur(const QString &unite);

class MesuresMultiples {
public:
    QString NomXMulti;
    QString UniteXMulti;
    double PasXMulti = 1;
    int NbYMulti = 1;
    std::array<QString, 3> NomYMulti;   // [1] and [2]
    std::array<QString, 3> UniteYMulti;
    std::array<double, 3> CoeffYMulti{1, 1, 1};
    std::array<double, 3> ValeurYMulti{}; // multiplier applied

    // The panel: the next X (ValXSM), the decimals of the step, how X
    // advances, and which Y the next measurement fills and the next
    // "Envoyer" sends (mesureY2 checked, otherwise MesureY1).
    double ValX = 0;
    int DecimalesPas = 0;
    AvanceX Mode = AvanceX::Ajouter;
    bool Y2Coche = false;

    // X shows the step's decimals, 4 with "Diviser".
    [[nodiscard]] int DecimalesX() const { return Mode == AvanceX::Diviser ? 4 : DecimalesPas; }
    // X in fixed notation with its decimals and the user's separator.
    [[nodiscard]] QString TexteX() const;
    // X typed or read off a graph, held at its decimals as the box holds it.
    void DefinirX(double x);

    // A measured value (a length, a light value): into the checked Y, times
    // its multiplier.
    void Capturer(double valeur);
    // "Prendre comme zéro" of the light window: Y1 becomes 0.
    void ZeroLumiere() { ValeurYMulti[1] = 0; }
    // A press on a cartesian document: X and Y1 of the readout; the units
    // those of the scale.
    void CapturerRepere(double x, double y1, const QString &uniteX, const QString &uniteY1);

    // "Envoyer" of the measurement panel. The entry row is the last row, or
    // the one above the totals row when totals are shown. A Y1 with two Y
    // quantities fills the entry row and waits for Y2; a complete line gets
    // a new entry row after it (totals and means recomputed) and X advances.
    // Returns true when the line was complete.
    bool Envoyer(TableauResultats &tableau);
    // "Envoyer" of the curve-capture panel: X and Y1 as a complete line; X
    // stays.
    void EnvoyerCourbe(TableauResultats &tableau);
    // "Effacer le tableau" once confirmed: 3 rows of NbYMulti + 1 columns,
    // the names in row 0, the units in row 1, an empty entry row.
    void EffacerTableau(TableauResultats &tableau) const;

    // True when applying these parameters would drop a Y column of the
    // table, which is asked first.
    [[nodiscard]] bool ColonnePerdue(const ParametresMesMult &p, const TableauResultats &tableau) const;
    // The state and the panel take the dialog's parameters ("Valeur X",
    // "Valeur Y1", "Valeur Y2" stand for empty names).
    void PrendreParametres(const ParametresMesMult &p);
    // The setup the table takes from them: variables mode, numeric X,
    // NbYMulti Y variables, the names and units.
    [[nodiscard]] ChoixTableau ChoixPourTableau(const QString &titre, int largeurColonne) const;

    // Captions of the panel: X, Y1 and Y2 with their units.
    [[nodiscard]] QString LibelleX() const;
    [[nodiscard]] QString LibelleY(int i) const;
    // The value shown beside Y1 or Y2 (FormatGeneral, 3 digits).
    [[nodiscard]] QString TexteY(int i) const;

private:
    void Avancer();
    void EcrireEntetes(TableauResultats &tableau, int colonneY) const;
};

// OK of the parameter dialog once the column question is passed: the state
// takes the parameters, the table and its graph are set up for them
// (variables mode, automatic axes, second Y axis with two Y quantities,
// NbYMulti + 1 columns, 2 fixed rows, names and units in the headers and the
// axis titles); the data lines are kept.
void AppliquerParametresMesMult(MesuresMultiples &etat, TableauResultats &tableau, TGraphe &graphe,
                                const ParametresMesMult &p, int largeurColonne);
