#pragma once
// The dialog "Gestion des dessins": the names of a document's elements in a
// list, to choose the one to delete.

#include <QDialog>
#include <QStringList>

class QListWidget;

class TGestionDessins : public QDialog {
    Q_OBJECT
public:
    explicit TGestionDessins(const QStringList &noms, QWidget *parent = nullptr);

    // Index of the selected line, -1 when none.
    [[nodiscard]] int Choix() const;
    [[nodiscard]] QListWidget *liste() const { return liste_; }

private:
    QListWidget *liste_;
};
