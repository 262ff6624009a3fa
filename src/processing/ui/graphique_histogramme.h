#pragma once
// One histogram chart of the histogram window: 256 bars of one colour over a
// white plot area, no legend, no title. The plot area runs from pixel
// GaucheTrace() to DroiteTrace(); the window lays its interval marker over it.

#include <QColor>
#include <QWidget>

#include <array>

class TGraphiqueHistogramme : public QWidget {
    Q_OBJECT
public:
    TGraphiqueHistogramme(QColor couleur, QWidget *parent = nullptr);

    // The percentages of the 256 levels; the vertical axis runs to their largest.
    void DefinirValeurs(const std::array<double, 256> &valeurs);

    [[nodiscard]] int GaucheTrace() const { return MargeGauche; }
    [[nodiscard]] int DroiteTrace() const { return width() - MargeDroite; }

    [[nodiscard]] QSize sizeHint() const override { return {300, 130}; }
    [[nodiscard]] QSize minimumSizeHint() const override { return {200, 90}; }

    static constexpr int MargeGauche = 56;
    static constexpr int MargeDroite = 10;
    static constexpr int MargeHaut = 6;
    static constexpr int MargeBas = 18;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor couleur_;
    std::array<double, 256> valeurs_{};
};
