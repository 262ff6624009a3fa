#pragma once
// TSaisieTexte, "Saisie d'un texte": the dialog of the text tool. The user
// types a multi-line text with markup, helped by five toggle buttons that
// insert the tags of bold, italic, underline, superscript and subscript at
// the caret or around the selection, chooses an alignment and a font, and
// confirms. One instance, staying on top, centred on the screen.

#include "drawing/balises_texte.h"
#include "drawing/element_texte.h"

#include <QDialog>

#include <functional>
#include <optional>

class QButtonGroup;
class QRadioButton;
class QTextEdit;
class QToolButton;
class QPushButton;

class TSaisieTexte : public QDialog {
    Q_OBJECT
public:
    explicit TSaisieTexte(QWidget *parent = nullptr);

    // The one dialog of the program, created with the given parent on first use.
    static TSaisieTexte &Instance(QWidget *parent = nullptr);

    // Made ready for the text tool: the text is drawn in couleurTexte (the
    // pen colour) and the edit field shows it over couleurFond.
    void Preparer(QRgb couleurTexte, QRgb couleurFond);

    // The confirmed content: the edit field's font, the text colour, the
    // alignment chosen and the lines.
    [[nodiscard]] TexteAPlacer Texte() const;
    [[nodiscard]] QFont Police() const;
    [[nodiscard]] int IndiceAlignement() const;
    void DefinirPolice(const QFont &police);

    // The font dialog: the standard one unless a test replaces it.
    std::function<std::optional<QFont>(const QFont &actuelle, QWidget *parent)> choisirPolice;

    QTextEdit *TexteSaisi = nullptr;
    QToolButton *gras = nullptr;
    QToolButton *italique = nullptr;
    QToolButton *souligne = nullptr;
    QToolButton *exposant = nullptr;
    QToolButton *indice = nullptr;
    QButtonGroup *Alignement = nullptr;
    QPushButton *boutonFonte = nullptr;
    QPushButton *boutonOk = nullptr;
    QPushButton *boutonAnnuler = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Scrolls the text to its start.
    void AuDebut();
    void BoutonBalise(QToolButton *bouton, Balise ouvrante);
    void ChoisirAlignement(int indice);
    void ChoisirFonte();

    QRgb couleurTexte_ = 0xFF000000;
};
