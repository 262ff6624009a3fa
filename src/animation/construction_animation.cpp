#include "animation/construction_animation.h"

#include "document/formats/reduction_palette.h"
#include "document/image_document.h"
#include "document/ouverture_document.h"

#include <QFileInfo>

ImageAnimation ImageDeDocument(const ImageDocument &document)
{
    const QImage plate = document.Aplatir();
    ImageAnimation image;
    image.image = ReduireEnPalette(plate);
    image.fichier = document.nomFichier;
    // A raster file's picture is the display of the channels chosen, which
    // its file does not record.
    if (!document.nomFichier.isEmpty() && !document.avecCanaux && !document.Modifie()) {
        const bool documentKaptori = GenreDeFichier(document.nomFichier) == GenreFichier::DocumentKaptori;
        if (documentKaptori || plate == document.image)
            image.source = QFileInfo(document.nomFichier).absoluteFilePath();
    }
    return image;
}

Animation ConstruireAnimation(const std::vector<const ImageDocument *> &documents)
{
    Animation animation;
    animation.images.reserve(static_cast<qsizetype>(documents.size()));
    for (const ImageDocument *document : documents)
        animation.images.append(ImageDeDocument(*document));
    return animation;
}
