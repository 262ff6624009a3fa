#pragma once
// "Conversion de l'ordonnée" (TEtal): the calibration of the profile graph's
// ordinate on one point (its zero at the old zero) or on two points, each a
// pixel row pressed on the graph and a value typed. Not modal: the graph
// stays usable while it is shown.

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TEtal : public QDialog {
    Q_OBJECT
public:
    explicit TEtal(QWidget *parent = nullptr);

    // Back to one reference point, empty entries, the four numbers 0.
    void Reinitialiser();
    // A press on the graph at this pixel row.
    void PrendreLigne(int ligne);

    QLineEdit *NomVar = nullptr;
    QLineEdit *UnitVar = nullptr;
    QRadioButton *zerorepere = nullptr;
    QRadioButton *deuxPoints = nullptr;
    QGroupBox *Choixpoint = nullptr;
    QRadioButton *point1 = nullptr;
    QRadioButton *point2 = nullptr;
    QLabel *Nompoint = nullptr;
    QLineEdit *YPoint = nullptr;
    QLineEdit *VPoint = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *annuler = nullptr;

    int PremierPixel = 0;
    double PremiereValeur = 0;
    int PixelPoint = 0;
    double ValeurPoint = 0;
    bool Accepte = false;

signals:
    // The dialog closed, accepted or not.
    void Ferme();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int resultat) override;

private:
    void ChoisirDeuxiemePoint();
    void VerifierLigne();
    void VerifierValeur();
    void Valider();
    void Avertir(const QString &texte);
};
