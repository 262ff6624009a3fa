#pragma once
// "Taille de la nouvelle image" (TCoefTail): the percentage of the picture's
// size (10 to 500, 100 at first) and the width and height it gives,
// round(p/100 × W) and round(p/100 × H), a side never below 1.

#include <QDialog>
#include <QSize>

class QLabel;
class QSpinBox;

class TCoefTail : public QDialog {
    Q_OBJECT
public:
    explicit TCoefTail(QWidget *parent = nullptr);

    // The picture's size, for the width and height shown.
    void DefinirTaille(QSize taille);
    [[nodiscard]] int Pourcentage() const;

    QSpinBox *pourcentage = nullptr;
    QLabel *largeur = nullptr;
    QLabel *hauteur = nullptr;

private:
    void Afficher();
    QSize taille_;
};
