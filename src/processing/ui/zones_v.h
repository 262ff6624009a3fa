#pragma once
// TZonesV: the strip of hatched zones laid over the histogram of the
// colour-class window, whose boundaries the user drags. Its state and drag
// rules are ModeleZonesV; this widget paints it and turns the mouse into it.

#include "processing/modele_zones_v.h"

#include <QWidget>

class TZonesV : public QWidget {
    Q_OBJECT
public:
    explicit TZonesV(QWidget *parent = nullptr);

    [[nodiscard]] ModeleZonesV &modele() { return modele_; }
    [[nodiscard]] const ModeleZonesV &modele() const { return modele_; }

    QColor CouleurPen = Qt::black;
    Qt::BrushStyle BrushStyle = Qt::DiagCrossPattern;

signals:
    // A boundary drag ended on boundary k.
    void Changement(int k);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ModeleZonesV modele_{100};
};
