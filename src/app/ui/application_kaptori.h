#pragma once
// The program's application object. An error that escapes a command wired
// straight to a button or a menu (a picture too large for the memory left, a
// file that cannot be read) would otherwise end the program and lose every
// open document: here it stops that command only and is told in an error box,
// as the commands run through ExecuterCommande are.

#include <QApplication>

class ApplicationKaptori : public QApplication {
public:
    ApplicationKaptori(int &argc, char **argv);

    bool notify(QObject *destinataire, QEvent *evenement) override;
};
