#pragma once
// "Choix concernant le tableau" (TChoix_T): the setup of the results table,
// its title, its type (Y variables or series of one Y variable), how series
// are identified, numeric X or classes, the names and units of X and Y, and
// the default column width. Its OK hands Choix() to AppliquerReglage.

#include "table/graphe_tableau.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QWidget;
class QGroupBox;

class TChoix_T : public QDialog {
    Q_OBJECT
public:
    explicit TChoix_T(QWidget *parent = nullptr);

    // The choices as the controls hold them.
    [[nodiscard]] ChoixTableau Choix() const;
    // Writes a name or unit into the names grid (column 0 X, 1 Y1, 2 Y2;
    // row 1 names, 2 units), as the multiple measurements do.
    void DefinirNom(int colonne, int ligne, const QString &texte);

    QLineEdit *Titre = nullptr;
    QRadioButton *variables = nullptr;
    QRadioButton *series = nullptr;
    QLabel *chaqueColonne = nullptr;
    QSpinBox *nombre_Y = nullptr;
    QWidget *panneauY = nullptr;
    QWidget *panneauSeries = nullptr;
    QRadioButton *parNom = nullptr;
    QRadioButton *parParametre = nullptr;
    QGroupBox *groupeParametre = nullptr;
    QLineEdit *P_grandeur = nullptr;
    QLineEdit *P_unite = nullptr;
    QRadioButton *numerique = nullptr;
    QRadioButton *parClasses = nullptr;
    QTableWidget *grilleNoms = nullptr;
    QSpinBox *largCol = nullptr;

private:
    void MettreAJour();
    void DisposerGrille();
};
