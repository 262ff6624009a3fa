#pragma once
// The save dialog of "Enregistrer sous" (TSavePictureDialogsg): the file
// dialog with, on its right, the group " Codage des fichiers .kpt " (the
// encoding of the image inside a document file) and the group " Facteur de
// qualité Jpg " (the JPEG quality, also used by exports to JPEG). One dialog
// lives as long as the frame, so both choices last until the program ends.
// Overwriting is confirmed by the caller, once the extension is added.

#include "document/fichier_document.h"
#include "document/filtres_enregistrement.h"

#include <QFileDialog>

#include <array>

class QButtonGroup;
class QGroupBox;

class TSavePictureDialogsg : public QFileDialog {
    Q_OBJECT
public:
    explicit TSavePictureDialogsg(bool avecGif, QWidget *parent = nullptr);

    // Offers the GIF patterns and entry or not (the frame offers them from its
    // first activation on); the selected entry stays the same.
    void DefinirAvecGif(bool avecGif);
    [[nodiscard]] bool AvecGif() const { return avecGif_; }

    void DefinirCodage(CodageImage codage);
    [[nodiscard]] CodageImage Codage() const;
    [[nodiscard]] int Qualite() const;   // 50, 60, … 100

    // Patterns of the selected filter entry ("*.kpt").
    [[nodiscard]] QString MotifsChoisis() const;
    // The chosen path, with the selected entry's extension when typed without one.
    [[nodiscard]] QString CheminChoisi() const;

    QGroupBox *groupeCodage = nullptr;
    QGroupBox *groupeQualite = nullptr;

private:
    // Position of the selected entry in the filter list, -1 when none is.
    [[nodiscard]] qsizetype IndexFiltreChoisi() const;

    bool avecGif_ = false;
    std::vector<FiltreEnregistrement> filtres_;
    QStringList libellesQt_;
    QButtonGroup *boutonsCodage_ = nullptr;
    QButtonGroup *boutonsQualite_ = nullptr;
};
