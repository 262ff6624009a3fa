#pragma once
// "Saisie du nom" (TSaisieNom): one line of text, OK or "Abandon".

#include <QDialog>

class QLineEdit;

class TSaisieNom : public QDialog {
    Q_OBJECT
public:
    explicit TSaisieNom(QWidget *parent = nullptr);
    QLineEdit *champ = nullptr;
};
