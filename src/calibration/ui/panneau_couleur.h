#pragma once
// A colour panel of the colour-code definition window: a flat box painted in
// its colour with a caption in black or white (black when R + G + B > 253).
// A click or a double-click is reported; a panel chosen as the target of
// colour picking looks pressed in.

#include "calibration/code_couleur.h"

#include <QFrame>

class PanneauCouleur : public QFrame {
    Q_OBJECT
public:
    explicit PanneauCouleur(const QString &texte, QWidget *parent = nullptr);

    void DefinirCouleur(CouleurWin couleur);
    [[nodiscard]] CouleurWin couleur() const { return couleur_; }
    void DefinirTexte(const QString &texte);
    [[nodiscard]] QString texte() const { return texte_; }
    // Pressed in (the target of picking) or raised.
    void DefinirEnfonce(bool enfonce);
    [[nodiscard]] bool enfonce() const { return enfonce_; }

    [[nodiscard]] QSize sizeHint() const override;

signals:
    void clique();
    void doubleClique();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QString texte_;
    CouleurWin couleur_ = 0;
    bool enfonce_ = false;
};
