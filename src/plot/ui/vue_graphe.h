#pragma once
// The plot control's widget: it shows a TGraphe at the widget's size,
// reports pointer press, move and double-click in graph pixels, lets other
// widgets be laid over its plot area (they are ordinary children), and
// offers its own modal presentation editor, which works on a copy of the
// graph and hands it back on OK.

#include "plot/graphe.h"

#include <QWidget>

class TVueGraphe : public QWidget {
    Q_OBJECT
public:
    explicit TVueGraphe(QWidget *parent = nullptr);

    [[nodiscard]] TGraphe &graphe() { return graphe_; }
    [[nodiscard]] const TGraphe &graphe() const { return graphe_; }

    // The graph drawn into a bitmap of the control's size.
    [[nodiscard]] QImage Rendre() const;

    // The presentation editor ("Choix de présentation du graphique") on a
    // copy of the graph; true when the graph took the copy's settings.
    bool EditerPresentation();

    [[nodiscard]] QSize sizeHint() const override { return {480, 360}; }

signals:
    void pointeurPresse(QPoint pixel, Qt::MouseButton bouton);
    void pointeurDeplace(QPoint pixel);
    void doubleClic(QPoint pixel);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    TGraphe graphe_;
};
