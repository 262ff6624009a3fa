#pragma once
// VueSchema: one of the two pictures of the schema window (the document image
// or the schema), shown 1:1 from a horizontal offset. It reports presses,
// moves and releases in picture pixels and shows the tools' rubber line or
// shape inverted over the picture (each new position erases the previous).

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>

class VueSchema : public QWidget {
    Q_OBJECT
public:
    explicit VueSchema(QWidget *parent = nullptr);

    QImage image; // Format_RGB32
    void Actualiser() { update(); }

    // The first column shown (the window's shared scroll bar).
    void DefinirDecalage(int x);
    [[nodiscard]] int decalage() const { return decalage_; }

    // The rubber shape between two picture points; none hides it.
    enum class Elastique { Aucun, Ligne, Rectangle, Ellipse };
    void DefinirElastique(Elastique genre, QPoint a = {}, QPoint b = {});

    // Picture point of a widget position, and back.
    [[nodiscard]] QPoint VersImage(QPoint widget) const { return widget + QPoint(decalage_, 0); }
    [[nodiscard]] QPoint VersWidget(QPoint pixel) const { return pixel - QPoint(decalage_, 0); }

signals:
    void Appui(QPoint pixel, Qt::MouseButton bouton);
    void Deplacement(QPoint pixel, Qt::MouseButtons boutons);
    void Relachement(QPoint pixel, Qt::MouseButton bouton);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int decalage_ = 0;
    Elastique elastique_ = Elastique::Aucun;
    QPoint a_, b_;
};
