#pragma once
// "Ajustement du blanc" (TExpblanc): a small tool window that stays on top
// while the user draws a rectangle on a white area of the picture with the
// measuring tool; OK corrects the picture, Cancel leaves it. Not modal: the
// frame listens to accepted() and rejected().

#include <QDialog>

class TExpblanc : public QDialog {
    Q_OBJECT
public:
    explicit TExpblanc(QWidget *parent = nullptr);
};
