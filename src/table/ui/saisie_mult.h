#pragma once
// The multiple-measurement panel (Saisie_Mult), docked on the right of the
// frame: the value just measured and the X it will be sent with, or, for a
// document whose scale is a cartesian frame, the point read off the graph.
// It shows a MesuresMultiples and hands its buttons to the frame.

#include "table/mesures_multiples.h"

#include <QLocale>
#include <QWidget>

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// The locale the number boxes of the multiple measurements and the series
// write with: the program's decimal separator, no group separator.
[[nodiscard]] QLocale LocaleNombres();

class Saisie_Mult : public QWidget {
    Q_OBJECT
public:
    explicit Saisie_Mult(QWidget *parent = nullptr);

    MesuresMultiples etat;

    // The curve-capture panel (true) or the measurement panel.
    void MontrerCourbe(bool courbe);
    [[nodiscard]] bool Courbe() const;
    // Controls from the state: step, X and their decimals, captions, values,
    // the checked Y and the second Y's visibility.
    void Afficher();
    // The state from what the user typed: the step and X.
    void LireSaisie();

    QStackedWidget *pile = nullptr;
    QWidget *panneauMesure = nullptr;
    QPushButton *Button1 = nullptr; // "Paramètres"
    QDoubleSpinBox *incrementX = nullptr;
    QLabel *MesureX = nullptr;
    QDoubleSpinBox *ValXSM = nullptr;
    QRadioButton *MesureY1 = nullptr;
    QLabel *valeurY1Transf = nullptr;
    QRadioButton *mesureY2 = nullptr;
    QLabel *valeurY2Transf = nullptr;
    QPushButton *envoyer = nullptr;
    QPushButton *effacer = nullptr;

    QWidget *PanValeurCourbe = nullptr;
    QLabel *ValCX = nullptr;
    QLabel *ValCY1 = nullptr;
    QPushButton *Button2 = nullptr; // "Envoyer"
    QPushButton *Button4 = nullptr; // "Effacer le tableau"
    QPushButton *Button3 = nullptr; // "Paramètres"

signals:
    void ParametresDemandes();
    void EnvoiDemande();
    void EnvoiCourbeDemande();
    void EffacementDemande();

private:
    bool affichage_ = false; // the controls are being set from the state
};
