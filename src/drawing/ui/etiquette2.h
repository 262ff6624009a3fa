#pragma once
// TEtiquette2: a one-line label whose caption carries the markup of texts
// (m<sup>2</sup>, H<sub>2</sub>O), used to show results with their units.
// With AutoSize (the default) the label takes the size of its caption: text
// width + 2 by the height needed + 2. The caption is aligned left, right or
// centred (the default) in the label, over the label's colour; the text is
// drawn in the palette's window-text colour.

#include <QColor>
#include <QWidget>

class TEtiquette2 : public QWidget {
    Q_OBJECT
public:
    explicit TEtiquette2(QWidget *parent = nullptr);

    [[nodiscard]] QString Caption() const { return legende_; }
    void setCaption(const QString &legende);

    [[nodiscard]] bool AutoSize() const { return autoTaille_; }
    void setAutoSize(bool oui);

    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    [[nodiscard]] Qt::Alignment Alignment() const { return alignement_; }
    void setAlignment(Qt::Alignment alignement);

    [[nodiscard]] QColor Color() const { return couleur_; }
    void setColor(const QColor &couleur);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override { return AutoSize() ? sizeHint() : QSize(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Redimensionner();
    [[nodiscard]] double PixelsParPouce() const;

    QString legende_;
    bool autoTaille_ = true;
    Qt::Alignment alignement_ = Qt::AlignHCenter;
    QColor couleur_;
};
