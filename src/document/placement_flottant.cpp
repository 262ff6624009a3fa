#include "document/placement_flottant.h"

#include "commun/nombres.h"
#include "document/dessins_document.h"

#include <algorithm>

namespace {

std::int16_t Court(std::int64_t v)
{
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(v, -32768, 32767));
}

} // namespace

void CommencerPlacement(ImageDocument &doc, int mode, const QImage &image, QPointF coin, bool transparent,
                        std::unique_ptr<TDessin> element)
{
    doc.coucheFlottante.image = image.convertToFormat(QImage::Format_ARGB32);
    doc.coucheFlottante.position = coin;
    doc.coucheFlottante.visible = true;
    doc.coucheFlottante.alphaMaitre = 255;
    doc.coucheFlottante.opaque = !transparent;
    doc.modePlacement = mode;
    doc.elementEnPlacement = std::move(element);
    doc.placementEnCours = true;
}

bool ValiderPlacement(ImageDocument &doc, bool confirme, bool transparent)
{
    const int mode = doc.modePlacement;
    std::unique_ptr<TDessin> element = std::move(doc.elementEnPlacement);
    const bool enCours = doc.placementEnCours;
    doc.placementEnCours = false;
    bool place = false;
    if (enCours && confirme && !doc.image.isNull()) {
        const QPoint coin(static_cast<int>(Arrondi(doc.coucheFlottante.position.x())),
                          static_cast<int>(Arrondi(doc.coucheFlottante.position.y())));
        EtatDessin &etat = doc.etatDessin;
        doc.CreerCoucheProvisoire(doc.alphaProvisoire);
        if (etat.LigneMesure) {
            doc.coucheProvisoire.fill(Qt::transparent);
            etat.LigneMesure = false;
        } else if (etat.NonFusionne && doc.ProvisoireNonVide()) {
            doc.FusionnerProvisoire();
        }
        if (element)
            doc.alphaProvisoire = element->Opacite;
        doc.coucheFlottante.position = coin;
        doc.coucheFlottante.opaque = !transparent;
        doc.PoserCoucheFlottante();
        if (element && (mode == PlacementTexte || mode == PlacementLegende)) {
            element->XAncre = Court(coin.x());
            element->YAncre = Court(coin.y());
            element->Transparent = transparent;
            AjouterElementNomme(doc, std::move(element));
            etat.DernierProvisoire = true;
        } else {
            etat.DernierProvisoire = false;
        }
        etat.NonFusionne = true;
        place = true;
    }
    doc.coucheFlottante.visible = false;
    if (mode == PlacementLegende || mode == PlacementCollage)
        doc.outilCourant = ImageDocument::OutilMesure;
    return place;
}
