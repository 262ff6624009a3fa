#pragma once
// TCre_ech, "Création du fichier échelle associé à un fichier image": the
// scale window. It shows a copy of the document's picture with the overlay of
// the current mode, the four mode buttons and the panels of the mode, and the
// menus "&Transférer l'échelle", "&Abandonner", "&Repérage" and "&Nombre
// d'axes Y". Created once and reused: the working values it does not reset
// at opening persist from one use to the next.

#include "calibration/travail_echelle.h"

#include <QDialog>

#include <array>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollArea;
#include <functional>

class QScrollBar;
class QSpinBox;
class EditValeur;
class TImageEch;

class TCre_ech : public QDialog {
    Q_OBJECT
public:
    explicit TCre_ech(QWidget *parent = nullptr);

    // Takes a copy of the picture and the document's scale, and resets the
    // working values the opening resets.
    void Ouvrir(const QImage &image, const TEchelle &echelle);

    // After "&Transférer l'échelle": the scale computed for the current mode.
    [[nodiscard]] const TEchelle &EchelleTransferee() const { return transferee_; }
    // After "&Transférer l'échelle": false when the scale could not be
    // computed (a value that is not a number, a segment of zero length, two
    // points of an axis at the same position); the editor image then keeps
    // the scale it had.
    [[nodiscard]] bool EchelleCalculee() const { return calculee_; }

    [[nodiscard]] TravailEchelle &travail() { return travail_; }
    [[nodiscard]] TImageEch *imageEch() const { return Image_; }

    // Switches mode as the mode buttons do (0..3).
    void ChoisirMode(int mode);
    // Runs a "&Repérage" item of the current mode (index in its menu).
    void ChoisirReperage(int item);
    // "&Nombre d'axes Y".
    void ChoisirNbAxes(int n);
    // "&Transférer l'échelle": computes the scale and closes with OK. A
    // length or radius value of 0 or below is refused with a French warning
    // (avertir) and the window stays open.
    void Transferer();
    // Shows a warning; the frame routes it to its message boxes. Absent: a
    // plain warning box.
    std::function<void(const QString &texte)> avertir;

    // Pointer on the picture, image pixels (the view calls these).
    void AppuiImage(QPoint p);
    void DeplacementImage(QPoint p);

    // Controls, named as the window names them.
    QRadioButton *Longu = nullptr;
    QRadioButton *Rep_cart = nullptr;
    QRadioButton *diagtri = nullptr;
    QRadioButton *Coord_pol = nullptr;
    // Length.
    QLineEdit *unite_long = nullptr;
    EditValeur *val_long = nullptr;
    QSpinBox *seg_X0 = nullptr, *seg_Y0 = nullptr, *seg_X1 = nullptr, *Seg_Y1 = nullptr;
    // Cartesian.
    QSpinBox *c_X1 = nullptr, *C_Y1 = nullptr, *C_X2 = nullptr, *C_Y2 = nullptr;
    QLabel *Nom_axe = nullptr;
    QLineEdit *unite = nullptr;
    QRadioButton *ppoint = nullptr;
    QRadioButton *dpoint = nullptr;
    EditValeur *valeur_P1 = nullptr;
    QSpinBox *Pos_P1 = nullptr;
    // Triangle.
    QSpinBox *X_G = nullptr, *Y_G = nullptr, *cote = nullptr;
    std::array<QPushButton *, 2> sens{};
    QLineEdit *nom_X = nullptr, *Nom_Y = nullptr, *Nom_Z = nullptr;
    // Polar.
    QSpinBox *X_C = nullptr, *Y_C = nullptr;
    EditValeur *Val_rayon = nullptr;
    QSpinBox *long_rayon = nullptr;
    QLineEdit *unite_r = nullptr;
    QScrollBar *ScrollBar1 = nullptr;
    QLineEdit *Angle_zero = nullptr;
    QRadioButton *degre = nullptr;
    QRadioButton *radians = nullptr;

    // Menus.
    QAction *actTransferer = nullptr;
    QAction *actAbandonner = nullptr;
    std::array<QMenu *, 3> menusReperage{};
    QMenu *menuNbAxes = nullptr;
    std::array<QAction *, 3> actNbAxes{};
    std::array<QAction *, 5> actReperageCartesien{};

private:
    void Construire();
    QGroupBox *Panneau(const QString &titre);
    void AfficherPanneaux(std::initializer_list<QGroupBox *> visibles);
    void MontrerAxe(int axe);
    void ChargerControles();
    void RedessinerFormes();

    TravailEchelle travail_;
    TEchelle transferee_;
    bool calculee_ = false;
    bool chargement_ = false; // controls being filled from the working values

    TImageEch *Image_ = nullptr;
    QScrollArea *defilement_ = nullptr;
    QMenuBar *barreMenus_ = nullptr;
    QButtonGroup *groupeModes_ = nullptr;
    QGroupBox *panneauLongueur_ = nullptr;
    QGroupBox *panneauCadre_ = nullptr;
    QGroupBox *panneauAxe_ = nullptr;
    QGroupBox *panneauCoin_ = nullptr;
    QGroupBox *panneauNoms_ = nullptr;
    QGroupBox *panneauCentre_ = nullptr;
    QGroupBox *panneauRayon_ = nullptr;
    QGroupBox *panneauAngle_ = nullptr;
};
