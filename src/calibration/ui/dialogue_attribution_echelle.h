#pragma once
// Tdemandpi, "Attribution d'une échelle": the dialog that starts every scale
// assignment. By the scanner's resolution, by a remembered standard scale, or
// "Echelle à définir" (the caller then opens the scale window).

#include "calibration/echelle.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;
struct EchellesStandard;

class Tdemandpi : public QDialog {
    Q_OBJECT
public:
    enum class Choix { Scanner, Rappel, ADefinir };

    explicit Tdemandpi(QWidget *parent = nullptr);

    // Fills the list with the names of the standard scales; when nothing is
    // selected it shows DerniereEchelleChoisie. Checks "Echelle à définir".
    void Preparer(const EchellesStandard &liste);
    // After an acquisition: as Preparer, with the device's resolution (0 when
    // it reports none) in "Résolution (dpi)", and "d'après la résolution du
    // scanner" checked when standard scales exist.
    void PreparerAcquisition(const EchellesStandard &liste, int dpi);

    [[nodiscard]] Choix choix() const;
    [[nodiscard]] int indexChoisi() const; // in the standard list, -1 when empty

    QRadioButton *Scan = nullptr;
    QSpinBox *resolution = nullptr;
    QRadioButton *rappel = nullptr;
    QComboBox *Listechelle = nullptr;
    QRadioButton *adefinir = nullptr;

private:
    void MettreAJour();
    QLabel *titreResolution_ = nullptr;
};

// The scale a document receives after the dialog closed: nothing for
// "Echelle à définir" (the scale window takes over), the scanner's length
// scale, or a copy of the chosen standard scale (its index becomes the last
// chosen). A cancelled dialog changes nothing: the document keeps the scale
// it has, so that "Annuler" never loses a calibration (a scanner resolution
// of 0 is the way back to the default scale).
struct ResultatAttribution {
    bool ouvrirFenetre = false;
    bool annulee = false; // the document keeps its scale
    TEchelle echelle;
};
[[nodiscard]] ResultatAttribution AppliquerAttribution(bool accepte, Tdemandpi::Choix choix, int dpi, int index,
                                                       EchellesStandard &liste);
