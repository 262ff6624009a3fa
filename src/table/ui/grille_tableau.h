#pragma once
// The grid of the results table: a table view over the table's model, with
// the header rows shaded and read-only, computed cells read-only, uniform
// column widths, and the keys Enter and Backspace handed to the window
// before the cell editor sees them.

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

#include <functional>

class TableauResultats;

// The table model seen by the view; the window resets it after changes of
// size and signals changed cells after computations.
class ModeleGrilleTableau : public QAbstractTableModel {
public:
    explicit ModeleGrilleTableau(TableauResultats &tableau, QObject *parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;

    // After a change of size or of header rows.
    void Recharger();
    // After cells changed in place.
    void CellulesChangees();

private:
    TableauResultats &tableau_;
};

class GrilleTableau : public QTableView {
    Q_OBJECT
public:
    explicit GrilleTableau(QWidget *parent = nullptr);

    // Enter or Backspace at a cell, before the editor handles it; returns
    // true when the key was used.
    enum class Touche { Entree, RetourArriere, Autre };
    std::function<bool(Touche, int colonne, int ligne)> AvantTouche;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// The cell editor: Enter commits the text, closes the editor and then goes
// to the grid's AvantTouche.
class EditeurCellule : public QStyledItemDelegate {
public:
    explicit EditeurCellule(GrilleTableau *grille);

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    GrilleTableau *grille_;
};
