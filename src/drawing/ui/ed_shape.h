#pragma once
// TEdShape: an editable shape drawn over its parent control (the selection
// rectangle of a document). Shapes: 0 rectangle, 1 square, 2 rounded
// rectangle, 3 rounded square, 4 ellipse, 5 circle. When editable, its four
// corner handles and edges resize it and its inside moves it; a double-click
// opens "Choix d'une forme".

#include <QDialog>
#include <QPen>
#include <QWidget>

class QComboBox;
class QSpinBox;

class TEdShape : public QWidget {
    Q_OBJECT
public:
    explicit TEdShape(QWidget *parent = nullptr);

    QPen Pen{Qt::white};
    bool xorMode = true;     // drawn inverting what lies below (the selection)
    int Shape = 0;
    bool editable = true;
    int indice = 0;

    // The zone under a point of the shape: what a press there would do.
    enum class Zone { Deplacer, HautGauche, BasDroite, BasGauche, HautDroite, Gauche, Droite, Haut, Bas };
    [[nodiscard]] Zone ZoneEn(QPoint p) const;

signals:
    void OnChange();
    void OnMouseMove(QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void AppliquerCurseur(Zone zone);

    bool actif_ = false;
    Zone zone_ = Zone::Deplacer;
    QPoint prise_;        // press position in the parent
    QRect depart_;        // geometry at the press
};

// "Choix d'une forme": type, pen width, line style and colour of a TEdShape.
class TChoixForme : public QDialog {
    Q_OBJECT
public:
    explicit TChoixForme(const TEdShape &forme, QWidget *parent = nullptr);
    void Appliquer(TEdShape &forme) const;

    QComboBox *type;
    QSpinBox *largeur;
    QComboBox *trace;
    QColor couleur;
};
