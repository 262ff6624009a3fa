#pragma once
// "Paramètres pour les mesures multiples" (TParamMesMult): the table's title,
// the X quantity with its step, decimals and how it advances, one or two Y
// quantities with their units and multipliers. Top-most; its OK hands
// Parametres() to the frame, which applies them.

#include "table/mesures_multiples.h"

#include <QDialog>

#include <array>

class QDialogButtonBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QWidget;

class TParamMesMult : public QDialog {
    Q_OBJECT
public:
    explicit TParamMesMult(QWidget *parent = nullptr);

    [[nodiscard]] ParametresMesMult Parametres() const;
    // Shows the controls of a cartesian document's curve capture (false) or
    // all of them (true).
    void ModeComplet(bool complet);

    QLineEdit *titreTab = nullptr;
    QLineEdit *GrandXtab = nullptr;
    QLineEdit *UnitXTab = nullptr;
    QLabel *libelleIncrement = nullptr;
    QDoubleSpinBox *incrementX = nullptr;
    QRadioButton *entier = nullptr;
    QRadioButton *reel = nullptr;
    QLabel *libelleDecimales = nullptr;
    QSpinBox *RxSpinEdit2 = nullptr;
    QGroupBox *groupeMode = nullptr;
    std::array<QRadioButton *, 4> modes{}; // "Ajouter" .. "Diviser"
    QRadioButton *uneVariable = nullptr;
    QRadioButton *deuxVariables = nullptr;
    QLineEdit *GrandeurY1 = nullptr;
    QLineEdit *GrandeurY2 = nullptr;
    QLineEdit *UniteY1 = nullptr;
    QLineEdit *UniteY2 = nullptr;
    QLabel *libelleCoeff = nullptr;
    QDoubleSpinBox *coeffY1 = nullptr;
    QDoubleSpinBox *coeffY2 = nullptr;
    QLabel *libelleY2 = nullptr;

    QDialogButtonBox *boutons = nullptr;

private:
    void MettreAJour();
};
