#pragma once
// The frame of the program: a multiple-document window holding one document
// window per open picture, the menus, the tool bars and the status bar.

#include <QMainWindow>

class QMdiArea;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);

    [[nodiscard]] QMdiArea *zoneDocuments() const { return zone_; }

private:
    QMdiArea *zone_ = nullptr;
};
