#include "processing/recoloration_document.h"

#include "calibration/recoloration.h"
#include "processing/niveaux_gris.h"

#include <algorithm>

std::unique_ptr<ImageDocument> DocumentCouleurs(const ImageDocument &source, const TCodeCouleur &code)
{
    auto d = std::make_unique<ImageDocument>();
    d->titre = QStringLiteral("Couleurs");
    d->image = source.image.convertToFormat(QImage::Format_ARGB32);
    d->echelle = source.echelle;
    d->codeCouleur = code;
    return d;
}

bool RecolorationParClasses(const TCodeCouleur &code, bool niveauxGris)
{
    return niveauxGris && code.TypeCodage == CodageTableau;
}

void RecolorerDocument(ImageDocument &couleurs, bool aligner, bool niveauxGris)
{
    if (aligner) {
        AlignerTeintes(couleurs.codeCouleur, couleurs.image);
    } else if (niveauxGris) {
        couleurs.image = NiveauxGris(couleurs.image);
        ColorerNiveauxGris(couleurs.codeCouleur, couleurs.image);
    }
}

ClassesCouleurs PreparerClassesDocument(const ImageDocument &couleurs)
{
    ClassesCouleurs classes;
    const TCodeCouleur &code = couleurs.codeCouleur;
    classes.NbClasses = std::clamp(code.NbCouleurs, 1, MaxClassesCouleurs);
    for (int i = 0; i < classes.NbClasses; ++i) {
        const CouleurWin c = code.CouleurTable[static_cast<std::size_t>(i)];
        classes.CouleursClasses[static_cast<std::size_t>(i)] = qRgb(RougeWin(c), VertWin(c), BleuWin(c));
    }
    ChargerHistogramme(classes, NiveauxGris(couleurs.image));
    classes.FacteurSurface = TitreDesEffectifs(couleurs.echelle).facteur;
    MemeLargeur(classes);
    return classes;
}

void AppliquerClassesDocument(ImageDocument &couleurs, const ClassesCouleurs &classes, double vmin, double vmax)
{
    couleurs.image = NiveauxGris(couleurs.image);
    Colorier(classes, couleurs.image);
    const QStringList libelles = LibellesClasses(classes, vmin, vmax);
    for (int e = 0; e < libelles.size() && e < MaxEntreesTableau; ++e)
        couleurs.codeCouleur.Libelle[static_cast<std::size_t>(e)] = libelles.at(e);
}
