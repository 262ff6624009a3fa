#include "processing/zones_document.h"

#include "document/dessins_document.h"

void DebutZones(ImageDocument &document)
{
    document.etatDessin.ModeZones = true;
    document.zonationEnCours = true;
    document.outilCourant = 0;
    if (document.image.isNull())
        return;
    document.CreerCoucheDessin();
    document.CreerCoucheProvisoire(255);
    document.coucheDessin.fill(Qt::transparent);
    document.coucheProvisoire.fill(Qt::transparent);
    document.alphaProvisoire = 255;
    document.etatDessin.LigneMesure = false;
}

QImage ValiderZones(ImageDocument &document)
{
    if (document.image.isNull())
        return {};
    document.CreerCoucheDessin();
    if (!document.etatDessin.LigneMesure)
        document.FusionnerProvisoire();
    document.etatDessin.LigneMesure = false;
    document.coucheProvisoire = document.coucheDessin.copy();
    return document.coucheDessin;
}

void RefaireZones(ImageDocument &document)
{
    if (document.coucheProvisoire.isNull() || document.coucheProvisoire.size() != document.image.size())
        return;
    document.coucheDessin = document.coucheProvisoire.copy();
    document.coucheProvisoire.fill(Qt::transparent);
}

void FinZones(ImageDocument &document, const ContexteDessin &contexte)
{
    document.outilCourant = ImageDocument::OutilMesure;
    document.etatDessin.ModeZones = false;
    document.zonationEnCours = false;
    if (!document.coucheProvisoire.isNull())
        document.coucheProvisoire.fill(Qt::transparent);
    if (!document.coucheDessin.isNull())
        document.coucheDessin.fill(Qt::transparent);
    document.alphaProvisoire = 255;
    RedessinerCalque(document, contexte);
}
