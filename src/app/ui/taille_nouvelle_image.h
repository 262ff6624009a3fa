#pragma once
// "Taille de la nouvelle image" (TTaillIm): width and height of a blank
// picture, 10 to 1000 pixels, kept from one use to the next.

#include <QDialog>

class QSpinBox;

class TTaillIm : public QDialog {
    Q_OBJECT
public:
    explicit TTaillIm(QWidget *parent = nullptr);

    [[nodiscard]] int largeur() const { return largeur_; }
    [[nodiscard]] int hauteur() const { return hauteur_; }

    QSpinBox *champLargeur = nullptr;
    QSpinBox *champHauteur = nullptr;

private:
    int largeur_ = 100;
    int hauteur_ = 100;
};
