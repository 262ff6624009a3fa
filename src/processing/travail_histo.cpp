#include "processing/travail_histo.h"

#include "processing/code_conservable.h"
#include "processing/correction_gamma.h"
#include "processing/etirement_composantes.h"
#include "processing/evide.h"
#include "processing/peinture_composantes.h"
#include "processing/saturation_lumiere.h"
#include "processing/sobel.h"

#include <QCoreApplication>

TravailHisto::TravailHisto(const QImage &image, bool codeConservable)
    : histogrammes_(CalculerHistogrammes(image)), source_(ImageVingtQuatreBits(image)), travail_(source_),
      conservableOuverture_(codeConservable), conservable_(codeConservable)
{
}

void TravailHisto::ReinitialiserLimites()
{
    limites = LimitesComposantes{};
}

void TravailHisto::Colorer()
{
    ColorerComposantes(travail_, limites, Couleur);
    modifiee_ = true;
    conservable_ = false;
}

void TravailHisto::Annuler()
{
    travail_ = source_;
    modifiee_ = false;
    conservable_ = conservableOuverture_;
    limitesCode_ = LimitesComposantes{};
}

std::array<bool, 3> TravailHisto::EtirerEnsemble()
{
    limites.basse = histogrammes_.MiniImage;
    limites.haute = histogrammes_.MaxiImage;
    return Etirer();
}

std::array<bool, 3> TravailHisto::EtirerPortions()
{
    return Etirer();
}

std::array<bool, 3> TravailHisto::Etirer()
{
    ResultatEtirement r = EtirerComposantes(source_, limites);
    travail_ = std::move(r.image);
    modifiee_ = true;
    conservable_ = conservableOuverture_;
    limitesCode_ = limites;
    for (std::size_t k = 0; k < 3; ++k)
        if (r.inchangee[k])
            limitesCode_.basse[k] = 0, limitesCode_.haute[k] = 255;
    return r.inchangee;
}

void TravailHisto::Remplacer(QImage image)
{
    travail_ = std::move(image);
    modifiee_ = true;
    conservable_ = false;
    limitesCode_ = LimitesComposantes{};
}

void TravailHisto::Gamma(double gamma)
{
    Remplacer(CorrectionGamma(source_, gamma));
}

void TravailHisto::SaturationLumiere(int saturation, int lumiere)
{
    Remplacer(::SaturationLumiere(source_, saturation, lumiere));
}

void TravailHisto::Filtrer(FiltreConvolution filtre)
{
    Remplacer(AppliquerFiltre(source_, filtre));
}

void TravailHisto::Operer(OperationHisto operation)
{
    Remplacer(operation == OperationHisto::Sobel ? Sobel(source_) : Evider(source_));
}

std::unique_ptr<ImageDocument> TravailHisto::DocumentModifie(const ImageDocument &source) const
{
    if (!modifiee_)
        return nullptr;
    auto doc = std::make_unique<ImageDocument>();
    doc->image = travail_;
    doc->titre = QCoreApplication::translate("Traitements", "Modifié");
    doc->echelle = source.echelle;
    doc->codeCouleur = CodeAjuste(source.codeCouleur, conservable_, limitesCode_);
    return doc;
}
