#pragma once
// TRepereV: a vertical-band marker over a plot (profile and histogram
// windows), 50×50 at creation, drawn as a rectangle with a diagonal-cross
// brush. Its inside moves it horizontally; its left and right 3-pixel edges
// resize it, never below 10 pixels.

#include <QColor>
#include <QWidget>

class TRepereV : public QWidget {
    Q_OBJECT
public:
    explicit TRepereV(QWidget *parent = nullptr);

    QColor couleurTrait = Qt::black; // outline
    QColor couleurMotif = Qt::black; // diagonal-cross brush

signals:
    void OnChange();
    void OnMouseMove(QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Mode { Aucun, Deplacer, Gauche, Droite };
    Mode mode_ = Mode::Aucun;
    int prise_ = 0;
    QRect depart_;
};
