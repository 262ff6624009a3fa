#pragma once
// The opacity dialog "Choix de l'opacité (0 à 255)": a slider 0..255, a label
// echoing its value and an OK button.

#include <QDialog>

class QLabel;
class QSlider;

class TChoixOpacite : public QDialog {
    Q_OBJECT
public:
    explicit TChoixOpacite(QWidget *parent = nullptr);

    [[nodiscard]] int Valeur() const;
    void DefinirValeur(int valeur);

    // Shows the dialog from 255; returns the value chosen, or -1 when closed
    // without OK.
    static int Demander(QWidget *parent);

private:
    QSlider *curseur_;
    QLabel *echo_;
};
