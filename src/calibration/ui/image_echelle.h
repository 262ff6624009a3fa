#pragma once
// TImageEch: an image control carrying one scale. The scale window shows its
// picture 1:1 with overlay shapes drawn in XOR with a white pen (every shape
// inverts what lies under it), and reports the pointer in image pixels.

#include "calibration/echelle.h"

#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QWidget>

#include <vector>

// A shape drawn over the picture.
struct FormeXor {
    enum Genre { Ligne, RectanglePointille, Polygone, Cercle };
    Genre genre = Ligne;
    QPolygon points; // Ligne: 2 points; Polygone: the corners; Rectangle/Cercle: unused
    QRect rect;      // RectanglePointille: the frame (right and bottom excluded); Cercle: its bounding box
};

class TImageEch : public QWidget {
    Q_OBJECT
public:
    explicit TImageEch(QWidget *parent = nullptr);

    TEchelle echelle;

    // The picture shown (converted to 32 bits) and its scale.
    void DefinirImage(const QImage &image);
    [[nodiscard]] const QImage &image() const { return image_; }
    void DefinirEchelle(const TEchelle &e) { echelle = e; }

    void DefinirFormes(std::vector<FormeXor> formes);
    // The picture with the overlays as shown (for tests and screenshots).
    [[nodiscard]] QImage ImageAffichee() const;

    [[nodiscard]] QSize sizeHint() const override;

signals:
    void Appui(QPoint pixel);
    // Moves with the left or the right button down.
    void Deplacement(QPoint pixel);
    void Relachement(QPoint pixel);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage image_;
    std::vector<FormeXor> formes_;
};
