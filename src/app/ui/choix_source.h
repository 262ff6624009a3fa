#pragma once
// "Choix de la source": the scanners and cameras found, by vendor, model and
// type; the one chosen is kept by its name, since a later list may come in
// another order.

#include "app/session_sane.h"

#include <QDialog>

class QTreeWidget;
class QPushButton;

class TChoixSource : public QDialog {
    Q_OBJECT
public:
    explicit TChoixSource(QWidget *parent = nullptr);

    // Fills the list; the device named `choisi` is selected when present,
    // otherwise the first one.
    void Remplir(const QList<AppareilSane> &appareils, const QString &choisi);
    // The name of the device selected; empty when none.
    [[nodiscard]] QString Choisi() const;

    QTreeWidget *liste = nullptr;
    QPushButton *choisir = nullptr;
};
