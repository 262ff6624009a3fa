#include "processing/documents_resultats.h"

#include "processing/niveaux_gris.h"

#include <QCoreApplication>

std::unique_ptr<ImageDocument> DocumentCombinaison(QImage image, const ImageDocument &document1)
{
    auto doc = std::make_unique<ImageDocument>();
    doc->image = std::move(image);
    doc->titre = QCoreApplication::translate("Traitements", "Combinaison");
    doc->echelle = document1.echelle;
    return doc;
}

std::unique_ptr<ImageDocument> DocumentGris(const ImageDocument &source)
{
    auto doc = std::make_unique<ImageDocument>();
    doc->image = NiveauxGris(source.image);
    doc->titre = QCoreApplication::translate("Traitements", "gris");
    doc->echelle = source.echelle;
    return doc;
}
