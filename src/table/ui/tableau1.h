#pragma once
// "Résultats" (TTableau1): a finished grid handed over by the intensity
// profile, with two header rows, shown read-only; its rows can be selected
// with the mouse. It copies, saves and prints the whole grid or the
// selected rows.

#include "table/ui/services_tableau.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <vector>

class QAction;
class QPrinter;
class QTableWidget;

class TTableau1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TTableau1(QWidget *parent = nullptr);

    // The grid: every row, row 0 and 1 being the headers.
    void DefinirGrille(const std::vector<QStringList> &lignes);
    [[nodiscard]] std::vector<QStringList> Grille() const;
    // First and last selected rows, or nothing.
    [[nodiscard]] std::pair<int, int> Selection() const;
    void SelectionnerLignes(int premiere, int derniere);

    // The text of "&Tout" (selection false) or "la partie &sélectionnée".
    [[nodiscard]] QString Texte(bool selection) const;
    void Copier(bool selection);
    void Enregistrer(bool selection);
    void Imprimer(bool selection);

    std::function<QString()> DemanderNomFichier;       // tests replace the file dialog
    std::function<bool(QPrinter &)> PreparerImprimante; // tests replace the print dialog
    // Questions, error handling and picture printing of the frame.
    ServicesTableau services = ServicesTableau::ParDefaut();

    QTableWidget *grille = nullptr;
    QAction *actEnregistrerTout = nullptr;
    QAction *actEnregistrerSelection = nullptr;
    QAction *actImprimerTout = nullptr;
    QAction *actImprimerSelection = nullptr;
    QAction *actCopierTout = nullptr;
    QAction *actCopierSelection = nullptr;
    QAction *actFermer = nullptr;
};
