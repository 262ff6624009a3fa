#pragma once
// "Choix du quadrillage" (TCh_grille): the width of the grid's meshes in the
// unit of the document's scale, within the bounds of its length scale.

#include "drawing/quadrillage.h"

#include <QDialog>

class QDoubleSpinBox;
class QLabel;

class TCh_grille : public QDialog {
    Q_OBJECT
public:
    explicit TCh_grille(QWidget *parent = nullptr);

    // Prepares the spin field and the unit label.
    void Preparer(const ReglageMaille &reglage);
    [[nodiscard]] double Valeur() const;

    QDoubleSpinBox *ValeurMaille = nullptr;
    QLabel *unite = nullptr;
};
