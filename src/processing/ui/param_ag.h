#pragma once
// "Choisir les paramètres" (TParam_ag): the new canvas size, at least the
// picture's size and at most the picture limit, and where the picture goes
// on it: centred, or against a top or bottom and a left or right side (the
// four alignment buttons are enabled only when "Centrer" is unchecked).

#include "processing/agrandissement_canevas.h"

#include <QDialog>
#include <QSize>

class QCheckBox;
class QRadioButton;
class QSpinBox;

class TParam_ag : public QDialog {
    Q_OBJECT
public:
    explicit TParam_ag(QWidget *parent = nullptr);

    // Both boxes at the picture's size, which is also their minimum.
    void DefinirTaille(QSize taille);
    [[nodiscard]] QSize Taille() const;
    [[nodiscard]] AlignementCanevas Alignement() const;

    QSpinBox *largeur = nullptr;
    QSpinBox *hauteur = nullptr;
    QCheckBox *centrer = nullptr;
    QRadioButton *enHaut = nullptr;
    QRadioButton *enBas = nullptr;
    QRadioButton *aGauche = nullptr;
    QRadioButton *aDroite = nullptr;
};
