#pragma once
// The priming panels of the schema window over a ReglagesAmorcage:
// Choix_Amorc, "Choix de configuration de l'amorce de schéma" (thresholds,
// gradients and ticks of the six components, grouping, hue saturation,
// luminosity mode, dark and light marking, "test"), and ChoixPoints, the
// 48 neighbours to test. Every change goes through the model, whose answer
// (restart the idle timer, prime at once) is passed on by Suite; the
// controls then show the model again, without running their rules.

#include "schema/reglages_amorcage.h"

#include <QGroupBox>

#include <array>

class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

class PanneauAmorcage : public QGroupBox {
    Q_OBJECT
public:
    PanneauAmorcage(ReglagesAmorcage &reglages, QWidget *parent = nullptr);

    // Every control from the model.
    void Afficher();

    std::array<QSpinBox *, 6> SeuilS{};  // SeuilBleuS … SeuilLumS
    std::array<QSpinBox *, 6> DegradS{}; // DegradBleuS … DegradLumS
    std::array<QCheckBox *, 6> Dr{};     // Drbleu … DrLum
    QCheckBox *grouper = nullptr;
    QSpinBox *SeuilTeinteSat = nullptr;
    std::array<QRadioButton *, 3> ModeTLS{};
    QCheckBox *DrNoir = nullptr;
    QSpinBox *SeuilNoirS = nullptr;
    QSpinBox *DegradNoirS = nullptr;
    QCheckBox *Drblanc = nullptr;
    QSpinBox *SeuilBlancS = nullptr;
    QPushButton *Button1 = nullptr;

signals:
    void Suite(SuiteReglage suite);
    void Tester();

private:
    void Appliquer(SuiteReglage suite);
    ReglagesAmorcage &reglages_;
    bool miseAJourEnCours_ = false;
};

class PanneauPoints : public QGroupBox {
    Q_OBJECT
public:
    PanneauPoints(ReglagesAmorcage &reglages, QWidget *parent = nullptr);
    void Afficher();

    // Box of tag t stands for dx = (t mod 7) - 3, dy = (t div 7) - 3; 24 is absent.
    std::array<QCheckBox *, 49> Cases{};
    QPushButton *Fermer = nullptr;

private:
    ReglagesAmorcage &reglages_;
    bool miseAJourEnCours_ = false;
};
