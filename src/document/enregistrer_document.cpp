#include "document/enregistrer_document.h"

#include "calibration/code_couleur.h"
#include "calibration/echelle_annexe.h"
#include "document/formats/ecriture_bmp.h"
#include "document/formats/ecriture_gif.h"
#include "document/formats/ecriture_jpeg.h"
#include "document/formats/ecriture_png.h"
#include "commun/ecriture_sure.h"
#include "document/image_document.h"

#include <QFileInfo>
#include <QIODevice>

namespace {

DocumentAEcrire VueAEcrire(const ImageDocument &document)
{
    return DocumentAEcrire{document.lignesLibres, document.dessins, document.echelle, document.codeCouleur,
                           document.image};
}

} // namespace

FormatEnregistrement FormatSelonExtension(const QString &chemin)
{
    const QString extension = QFileInfo(chemin).suffix().toUpper();
    if (extension == QLatin1String("KPT"))
        return FormatEnregistrement::Kpt;
    if (extension == QLatin1String("GIF"))
        return FormatEnregistrement::Gif;
    if (extension == QLatin1String("JPG") || extension == QLatin1String("JPEG"))
        return FormatEnregistrement::Jpg;
    if (extension == QLatin1String("PNG"))
        return FormatEnregistrement::Png;
    return FormatEnregistrement::Bmp;
}

int EcrireEnregistrement(const ImageDocument &document, const QString &chemin, const OptionsEnregistrement &options,
                         EcrivainFichier ecrivain)
{
    const FormatEnregistrement format = FormatSelonExtension(chemin);
    int omis = 0;
    if (format == FormatEnregistrement::Kpt) {
        ecrivain(chemin, [&](QIODevice &flux) {
            omis = EcrireDocumentFlux(flux, VueAEcrire(document), options.codage, options.qualite, options.couleurFond);
        });
        return omis;
    }
    const QImage aplatie = document.Aplatir();
    ecrivain(chemin, [&](QIODevice &flux) {
        switch (format) {
        case FormatEnregistrement::Gif: EcrireGif(aplatie, flux); break;
        case FormatEnregistrement::Jpg: EcrireJpeg(aplatie, options.qualite, flux); break;
        case FormatEnregistrement::Png: EcrirePng(aplatie, flux); break;
        case FormatEnregistrement::Bmp:
        case FormatEnregistrement::Kpt: EcrireBmp(aplatie, 24, flux); break;
        }
    });
    return 0;
}

void TerminerEnregistrement(ImageDocument &document, const QString &chemin, const OptionsEnregistrement &options)
{
    document.nomFichier = chemin;
    document.titre = chemin;
    if (FormatSelonExtension(chemin) != FormatEnregistrement::Kpt && options.annexes) {
        if (document.echelle.Definie)
            EcrireEchelleAnnexe(chemin, document.echelle);
        if (document.codeCouleur.Definie)
            EcrireCodeAnnexe(chemin, document.codeCouleur);
    }
    // Only now is everything in files: a side-file that could not be written
    // leaves the document unsaved, so that closing it still asks.
    document.MarquerEnregistre();
}

int EnregistrerDocument(ImageDocument &document, const QString &chemin, const OptionsEnregistrement &options,
                        EcrivainFichier ecrivain)
{
    const int omis = EcrireEnregistrement(document, chemin, options, ecrivain);
    TerminerEnregistrement(document, chemin, options);
    return omis;
}
