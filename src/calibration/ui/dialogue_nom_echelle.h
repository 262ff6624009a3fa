#pragma once
// TNomEch, "Nom de l'échelle": after a scale was made in the scale window,
// offers to remember it among the standard scales, for this session or in
// the list file as well.

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;

class TNomEch : public QDialog {
    Q_OBJECT
public:
    explicit TNomEch(QWidget *parent = nullptr);

    // Back to "Ne pas garder en mémoire" with an empty name.
    void Preparer();

    QRadioButton *non = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *Enregistre = nullptr;
    QLineEdit *NomEchelle = nullptr;

private:
    void MettreAJour();
    QLabel *titreNom_ = nullptr;
};
