#pragma once
// The work of the histogram window, without its widgets: the source and
// working pictures, the marked limits, and what the "Modifié" document gets
// on OK. The source picture is never changed; painting adds to the working
// picture; every other operation starts again from the source.
//
// The colour code follows the picture that OK delivers: a stretch keeps the
// limits it used with the working picture (a marker moved afterwards no
// longer changes the code), "Annuler" gives the source back with its code
// as it was, and a stretch after painting keeps the code again since its
// picture no longer holds the paint.

#include "document/image_document.h"
#include "processing/convolution.h"
#include "processing/histogrammes.h"

#include <QImage>
#include <QRgb>

#include <array>
#include <memory>

enum class OperationHisto { Sobel, Evide };

class TravailHisto {
public:
    // Opening on a document's picture; `codeConservable` is false when the
    // user chose to go on after the "Abandon ?" question.
    TravailHisto(const QImage &image, bool codeConservable);

    [[nodiscard]] const HistogrammesImage &histogrammes() const { return histogrammes_; }
    [[nodiscard]] const QImage &ImageSource() const { return source_; }
    [[nodiscard]] const QImage &ImageTravail() const { return travail_; }
    [[nodiscard]] bool Modifiee() const { return modifiee_; }
    [[nodiscard]] bool CodeConservable() const { return conservable_; }
    // The limits the code will be adjusted with (0..255 unless a stretch made the picture).
    [[nodiscard]] const LimitesComposantes &limitesCode() const { return limitesCode_; }

    LimitesComposantes limites;     // marked on the histograms
    QRgb Couleur = 0xFF000000;      // the painting swatch

    void ReinitialiserLimites();
    void Colorer();
    void Annuler();
    // Stretches; return the components left unchanged because their limits are equal.
    std::array<bool, 3> EtirerEnsemble();  // the limits become MiniImage..MaxiImage first
    std::array<bool, 3> EtirerPortions();
    void Gamma(double gamma);
    void SaturationLumiere(int saturation, int lumiere);
    void Filtrer(FiltreConvolution filtre);
    void Operer(OperationHisto operation);

    // OK: the new "Modifié" document (the source's scale and adjusted code),
    // or nothing when no operation changed the picture.
    [[nodiscard]] std::unique_ptr<ImageDocument> DocumentModifie(const ImageDocument &source) const;

private:
    std::array<bool, 3> Etirer();
    void Remplacer(QImage image);

    HistogrammesImage histogrammes_;
    QImage source_;
    QImage travail_;
    bool modifiee_ = false;
    bool conservableOuverture_ = true;
    bool conservable_ = true;
    LimitesComposantes limitesCode_;
};
