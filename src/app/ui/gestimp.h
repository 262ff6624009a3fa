#pragma once
// "Choix de l'impression" (Tgestimp): the page-layout dialog of printing. It
// edits a TMiseEnPage, recomputes it ("Vérifier") and previews the sheet at
// 0.6 pixel per millimetre; then prints a picture with that layout on the
// chosen printer or into a PDF file. One shared instance serves the frame's
// "Imprimer" and every window that prints a picture (profiles, table graph):
// they hand it the picture's height/width ratio, then the picture.

#include "app/mise_en_page.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class ApercuPage;

class Tgestimp : public QDialog {
    Q_OBJECT
public:
    explicit Tgestimp(QWidget *parent = nullptr);

    // The instance shared by every window, created on first use.
    [[nodiscard]] static Tgestimp &Partage(QWidget *parent);

    // Shows the dialog modally for a picture of this height/width ratio
    // (apercu, when given, is drawn in the preview's cells). True on OK.
    bool Executer(double rapport, const QImage &apercu = {});

    // Prints the picture with the current layout (grey first when asked),
    // on the chosen printer or into a PDF file chosen in a file dialog.
    // Errors are shown in an error box; without a layout computed for this
    // picture nothing is printed and "Image trop petite" is shown again.
    // Returns true when printed.
    bool Imprimer(const QImage &image);

    [[nodiscard]] const TMiseEnPage &miseEnPage() const { return m_; }
    [[nodiscard]] bool imprimeEnPdf() const;

    // Asks for the PDF file's name; a file dialog when empty (tests replace it).
    std::function<QString(QWidget *parent)> DemanderFichierPdf;

    // The entry of the printer list that prints into a PDF file.
    [[nodiscard]] static QString TextePdf();

    // "Vérifier": recomputes, shows the size or the warning, updates the preview.
    bool Verifier();

private:
    QString DemanderFichierPdfParDialogue();
    void ChangerOrientation();
    void ChangerFormat();
    void ChangerGrille();
    void LireChamps(int modifie); // index of the field typed in, left to spacing
    void Raz();
    void AfficherMarges();
    void RetenirMarges();

    TMiseEnPage m_;
    // Left, right, top, bottom as the user last set them (typed, centred or
    // put back by "RAZ"), before the computation widened two of them to
    // centre the grid: each new picture is laid out from these.
    std::array<int, 4> margesChoisies_{10, 10, 10, 10};
    QImage apercu_;     // the picture as printed, layers included
    QImage apercuGris_; // the same in the grey levels printing uses

    QComboBox *imprimante = nullptr;
    QRadioButton *portrait = nullptr;
    QRadioButton *paysage = nullptr;
    QRadioButton *a4 = nullptr;
    QRadioButton *a3 = nullptr;
    QLineEdit *margeHaut = nullptr;
    QLineEdit *margeBas = nullptr;
    QLineEdit *margeGauche = nullptr;
    QLineEdit *margeDroite = nullptr;
    QLineEdit *espaces = nullptr;
    QPushButton *centrerV = nullptr;
    QPushButton *centrerH = nullptr;
    QPushButton *raz = nullptr;
    QSpinBox *lignes = nullptr;
    QSpinBox *colonnes = nullptr;
    QSpinBox *copies = nullptr;
    QCheckBox *gris = nullptr;
    QLabel *taille = nullptr;
    QPushButton *verifier = nullptr;
    QLabel *avertissement = nullptr;
    ApercuPage *apercuPage = nullptr;
    bool majEnCours_ = false;
};

// Printing a picture from any window: the shared dialog for this ratio, then,
// on OK, the picture given by `image` (asked only then, for instance a
// flattened document). Returns true when printed.
bool ImprimerImage(QWidget *parent, double rapport, const std::function<QImage()> &image,
                   const QImage &apercu = {});
