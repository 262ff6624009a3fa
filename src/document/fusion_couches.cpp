#include "document/fusion_couches.h"

#include "document/dessins_document.h"
#include "document/placement_flottant.h"

void FusionnerToutesCouches(ImageDocument &doc)
{
    if (doc.image.isNull())
        return;
    QImage aplati = doc.Aplatir();
    if (aplati.isNull())
        return;
    doc.image = std::move(aplati);
    EffacerTout(doc);
    // An empty element list leaves the layers to EffacerTout: a grid, eraser
    // strokes or pipette paint are in the image now.
    if (!doc.coucheDessin.isNull())
        doc.coucheDessin.fill(Qt::transparent);
    if (!doc.coucheProvisoire.isNull())
        doc.coucheProvisoire.fill(Qt::transparent);
    doc.etatDessin.NonFusionne = false;
    doc.etatDessin.LigneMesure = false;
    doc.coucheFlottante.visible = false;
    if (doc.placementEnCours && (doc.modePlacement == PlacementLegende || doc.modePlacement == PlacementCollage))
        doc.outilCourant = ImageDocument::OutilMesure;
    doc.placementEnCours = false;
    doc.elementEnPlacement.reset();
}
