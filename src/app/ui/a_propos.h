#pragma once
// The about box: logo across the top, what the program is, the product name
// in a frame with its version line, and the credit lines. "kpr.cfg" names the
// caption (line 1), the product (line 2) and a logo picture (line 4).

#include <QDialog>

class QLabel;

class TAPropos : public QDialog {
    Q_OBJECT
public:
    // Reads "kpr.cfg" in `dossier` (ending with the separator), the current
    // directory when it is empty; a relative logo path is taken in that folder too.
    explicit TAPropos(QWidget *parent = nullptr, const QString &dossier = QString());

    QLabel *logo = nullptr;
    QLabel *produit = nullptr;
    QLabel *version = nullptr;
    QLabel *creditSansConfiguration = nullptr;  // shown when "kpr.cfg" cannot be opened
    QLabel *creditLogo1 = nullptr;              // shown when the logo file cannot be loaded
    QLabel *creditLogo2 = nullptr;
};
