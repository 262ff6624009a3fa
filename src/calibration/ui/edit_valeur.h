#pragma once
// A value edit of the scale window: typed characters other than digits, the
// decimal separators and "-" are dropped, the foreign separator becomes the
// user's, and a second separator or minus sign is dropped. Backspace, Ctrl+Z,
// Escape and the keys that type nothing keep their usual effect.

#include <QLineEdit>

class EditValeur : public QLineEdit {
    Q_OBJECT
public:
    explicit EditValeur(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
