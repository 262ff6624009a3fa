#pragma once
// The light window (TRes_I_r): the mean intensity, absorption or optical
// density of the rectangle just measured, or of what is coloured on the
// drawing layers, for red, green, blue and globally, against a zero taken on
// a blank. A small top-most tool window created on the first use of its
// measurement modes and kept until exit; its values live in a ValeursLumiere.

#include "measure/valeurs_lumiere.h"

#include <QMainWindow>

#include <array>

class QAction;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

class TRes_I_r : public QMainWindow {
    Q_OBJECT
public:
    explicit TRes_I_r(QWidget *parent = nullptr);

    static constexpr int LargeurEtroite = 371;
    static constexpr int LargeurLarge = 584;

    [[nodiscard]] const ValeursLumiere &valeurs() const { return valeurs_; }
    [[nodiscard]] int Grandeur() const { return valeurs_.Choix; }
    [[nodiscard]] bool Pourcent() const { return valeurs_.Pourcent(); }
    [[nodiscard]] double ValeurCourante() const { return valeurs_.ValeurCourante; }

    // Measurement mode 2 (rectangle) or 6 (coloured zone): captions, heading,
    // instruction panel and overlay.
    void PreparerMode(int mode);
    // Computes and shows the values of a mean colour, hides the overlay and
    // shows the window.
    void CalculerLumiere(int r, int g, int b);
    // The choices of "Choix" (0..2), of the unit and of the line, as their
    // controls make them.
    void ChoisirGrandeur(int grandeur);
    void ChoisirPourcent(bool pourcent);
    void ChoisirLigne(int ligne);
    void PrendreZero();
    void EffacerZero();
    void BasculerZeroBrut();

    QLabel *entete = nullptr;
    QGroupBox *Choix = nullptr;
    std::array<QRadioButton *, 3> choix{};
    std::array<QLineEdit *, 4> nettes{};
    std::array<QRadioButton *, 4> lignes{}; // btR, btV, btB, btT
    QLabel *PC = nullptr;
    QLabel *ref_glob = nullptr;
    QPushButton *ref = nullptr;
    QLabel *noir_blanc = nullptr;
    std::array<QLineEdit *, 4> zeros{};
    std::array<QLineEdit *, 4> brutes{};
    QWidget *panneauZero = nullptr;
    QWidget *panneauBrut = nullptr;
    QLabel *instruction = nullptr;
    QFrame *recouvrement = nullptr;

    QAction *actFermer = nullptr;
    QAction *actUnite = nullptr; // the "&Unité" menu
    QAction *actPourcent = nullptr;
    QAction *actValeursRvb = nullptr;
    QAction *actPrendreZero = nullptr;
    QAction *actEffacerZero = nullptr;
    QAction *actSeries = nullptr;
    QAction *actVoirZero = nullptr;

signals:
    // The quantity or the unit changed (the frame records them on the active
    // document and relabels the multiple measurements).
    void Notification();
    // "Prendre comme zéro" was pressed.
    void ZeroPris();
    // A line button was chosen.
    void LigneChangee();
    // A new value of the chosen line for the multiple measurements.
    void ValeurMesuree(double valeur);

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    void Rafraichir();
    void AppliquerGrandeur();
    void AfficherColonnes(bool visibles);

    ValeursLumiere valeurs_;
    bool large_ = false;
};
