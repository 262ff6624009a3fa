#pragma once
// "Disposer la légende": the small window through which the user places a
// floating picture (a text, a scale legend or a pasted picture) on a
// document before it is fixed. It does not block: while it is shown the
// user drags the floating layer on the image, then confirms or cancels.

#include <QDialog>

class QLabel;
class QRadioButton;

class TContLegEch : public QDialog {
    Q_OBJECT
public:
    enum Mode { ModeTexte = 0, ModeLegende = 1, ModeCollage = 2 };

    explicit TContLegEch(QWidget *parent = nullptr);

    void DefinirMode(Mode mode) { mode_ = mode; }
    [[nodiscard]] Mode mode() const { return mode_; }

    // "Transparent " choice: "Oui" (the default) draws the floating layer
    // blended, "Non" draws it opaque.
    [[nodiscard]] bool transparent() const;
    void DefinirTransparent(bool oui);

    QRadioButton *boutonOui = nullptr;
    QRadioButton *boutonNon = nullptr;
    // "voir instructions": a clickable label that shows the instructions (the
    // window grows from 98 to 170 pixels and the label reads "masquer
    // instructions") or hides them again.
    QLabel *voirInstructions = nullptr;
    QLabel *instructions = nullptr;
    void BasculerInstructions();

signals:
    // Emitted once when the window closes by OK (true) or Cancel (false).
    void PlacementTermine(bool confirme);
    // The "Transparent " choice changed while placing.
    void TransparenceChangee(bool transparent);

protected:
    void done(int resultat) override;
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    int hauteurReduite_ = 0;
    int hauteurDepliee_ = 0;
    Mode mode_ = ModeCollage;
};
