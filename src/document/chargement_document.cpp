#include "document/chargement_document.h"

#include "document/dessins_document.h"
#include "document/image_document.h"
#include "drawing/reglages_dessin.h"

void InstallerContenuDocument(ImageDocument &document, ContenuDocument &&contenu, const QString &chemin)
{
    document.lignesLibres = std::move(contenu.lignesLibres);
    document.dessins = std::move(contenu.dessins);
    document.echelle = contenu.echelle;
    document.codeCouleur = contenu.codeCouleur;
    document.image = std::move(contenu.image);
    document.nomFichier = chemin;
    document.titre = chemin;
    document.coucheDessin = QImage();
    document.coucheProvisoire = QImage();
}

void ChargerFichierDocument(ImageDocument &document, const QString &chemin)
{
    ContenuDocument contenu = LireFichierDocument(chemin);
    ReglagesDessin &reglages = ReglagesDessinProgramme();
    if (contenu.codage == CodageImage::Non)
        reglages.CouleurFondDessin = contenu.couleurFond;
    InstallerContenuDocument(document, std::move(contenu), chemin);
    ReconstruireCalque(document, reglages.Contexte());
}
