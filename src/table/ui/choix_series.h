#pragma once
// "Choix avant de lancer la série de mesures" (TChoix_series): the component
// to measure and the X quantity given to each file of a light series.

#include "table/serie_lumiere.h"

#include <QDialog>

#include <array>

class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;

class TChoix_series : public QDialog {
    Q_OBJECT
public:
    explicit TChoix_series(QWidget *parent = nullptr);

    // The dialog's choices put into p (component, X name and unit, first
    // value and gap).
    void Completer(ParametresSerie &p) const;

    std::array<QRadioButton *, 4> composantes{}; // "Rouge" .. "Luminosité"
    QLineEdit *grandeur = nullptr;
    QLineEdit *unite = nullptr;
    QDoubleSpinBox *premier = nullptr;
    QDoubleSpinBox *ecart = nullptr;
};
