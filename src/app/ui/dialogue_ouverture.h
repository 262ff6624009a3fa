#pragma once
// The "&Ouvrir" file dialog: multiple selection, the program's filter list,
// and a panel at its right with the check box "Image sat. brute (.ima ; .img)"
// above a preview of the selected picture.

#include <QFileDialog>
#include <QWidget>

class QCheckBox;

// Preview box: "(vide)" centred when empty; a picture that fits is drawn
// centred at its own size, a larger one scaled down keeping its proportions
// and drawn from the top-left.
class ApercuImage : public QWidget {
    Q_OBJECT
public:
    explicit ApercuImage(QWidget *parent = nullptr);
    // Loads the picture when the path exists; empties the preview otherwise
    // or when it cannot be read.
    void Charger(const QString &chemin);
    [[nodiscard]] bool vide() const { return image_.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage image_;
};

class DialogueOuverture : public QFileDialog {
    Q_OBJECT
public:
    // avecGif: the GIF entries are offered (from the frame's first activation on).
    DialogueOuverture(QWidget *parent, bool avecGif);

    [[nodiscard]] bool imageBrute() const;

    QCheckBox *caseBrute = nullptr;
    ApercuImage *apercu = nullptr;
};

// The filter list, in Qt's form: each label as the user sees it, followed by
// its patterns in parentheses (hidden in the dialog).
[[nodiscard]] QStringList FiltresOuverture(bool avecGif);
