#include "processing/decomposition.h"

#include "processing/histogrammes.h"

#include <QCoreApplication>

QImage DecomposerComposante(const QImage &image, int composante, bool gris)
{
    QImage resultat = ImageVingtQuatreBits(image);
    const int dec = 8 * composante;
    const int w = resultat.width();
    for (int y = 0; y < resultat.height(); ++y) {
        auto *p = reinterpret_cast<QRgb *>(resultat.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb v = (p[x] >> dec) & 0xFF;
            p[x] = 0xFF000000u | (gris ? (v << 16) | (v << 8) | v : v << dec);
        }
    }
    return resultat;
}

std::array<std::unique_ptr<ImageDocument>, 3> DocumentsDecomposition(const ImageDocument &source, bool gris)
{
    static const char *const titres[3] = {QT_TRANSLATE_NOOP("Traitements", "Bleu"),
                                          QT_TRANSLATE_NOOP("Traitements", "Vert"),
                                          QT_TRANSLATE_NOOP("Traitements", "Rouge")};
    std::array<std::unique_ptr<ImageDocument>, 3> docs;
    for (int k = 0; k < 3; ++k) {
        auto doc = std::make_unique<ImageDocument>();
        doc->image = DecomposerComposante(source.image, k, gris);
        doc->titre = QCoreApplication::translate("Traitements", titres[k]);
        doc->echelle = source.echelle;
        docs[static_cast<std::size_t>(k)] = std::move(doc);
    }
    return docs;
}
