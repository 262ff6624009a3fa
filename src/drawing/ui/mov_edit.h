#pragma once
// TMovEdit: a one-line edit field that, when Movable, can be dragged with the
// left button and opens a font dialog on double-click.

#include <QLineEdit>

class TMovEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMovEdit(QWidget *parent = nullptr);

    bool Movable = true;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool glisse_ = false;
    QPoint prise_;
};
