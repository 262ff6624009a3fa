#include "drawing/ui/mov_edit.h"

#include <QFontDialog>
#include <QMouseEvent>

TMovEdit::TMovEdit(QWidget *parent) : QLineEdit(parent) {}

void TMovEdit::mousePressEvent(QMouseEvent *event)
{
    if (Movable && event->button() == Qt::LeftButton) {
        glisse_ = true;
        prise_ = event->position().toPoint();
        setCursor(Qt::SizeAllCursor);
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void TMovEdit::mouseMoveEvent(QMouseEvent *event)
{
    if (glisse_) {
        move(mapToParent(event->position().toPoint()) - prise_);
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void TMovEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (glisse_) {
        glisse_ = false;
        unsetCursor();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TMovEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!Movable) {
        QLineEdit::mouseDoubleClickEvent(event);
        return;
    }
    bool ok = false;
    const QFont police = QFontDialog::getFont(&ok, font(), this);
    if (ok) {
        setFont(police);
        adjustSize();
    }
}
