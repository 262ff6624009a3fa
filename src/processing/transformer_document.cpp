#include "processing/transformer_document.h"

#include "processing/elements_transformes.h"

#include <QCoreApplication>

namespace {

void TransformerCouche(QImage &couche, QSize taille, Transformation t)
{
    if (!couche.isNull() && couche.size() == taille) {
        if (!TransformerEnPlace(couche, t))
            couche = TransformerImage(couche, t);
    }
    else if (!couche.isNull())
        couche = QImage();
}

void TransformerCanal(TCanal &canal, Transformation t)
{
    if (!canal.complet())
        return;
    const QSize taille = TailleTransformee(QSize(canal.largeur, canal.hauteur), t);
    QByteArray plan(static_cast<qsizetype>(taille.width()) * taille.height(), Qt::Uninitialized);
    TransformerPlan(canal.ligne(0), canal.pasLigne(), canal.largeur, canal.hauteur,
                    reinterpret_cast<std::uint8_t *>(plan.data()), taille.width(), t);
    canal.plan = std::move(plan);
    canal.debut = 0;
    canal.pas = 0;
    canal.largeur = taille.width();
    canal.hauteur = taille.height();
}

} // namespace

bool EchelleACadre(const TEchelle &e)
{
    return e.Definie && e.Mode != TEchelle::Longueur;
}

QString MessageEchelleDecalee()
{
    return QCoreApplication::translate("Traitements",
                                       "L'échelle de cette image est placée sur l'image (repère, triangle ou "
                                       "coordonnées polaires) : elle ne correspond plus à l'image transformée. "
                                       "Redéfinissez-la.");
}

bool TransformerDocument(ImageDocument &doc, Transformation t)
{
    if (doc.image.isNull())
        return false;
    const QSize taille = doc.image.size();
    TransformerCouche(doc.image, taille, t);
    TransformerCouche(doc.coucheDessin, taille, t);
    TransformerCouche(doc.coucheProvisoire, taille, t);
    for (TCanal &canal : doc.canaux)
        if (canal.largeur == taille.width() && canal.hauteur == taille.height())
            TransformerCanal(canal, t);
    for (const ElementDessin &e : doc.dessins.Elements())
        TransformerElement(*e.dessin, taille, t);
    if (doc.elementEnPlacement)
        TransformerElement(*doc.elementEnPlacement, taille, t);
    for (auto &categorie : doc.marquesComptage)
        for (CouchePositionnee &marque : categorie)
            TransformerMarque(marque, taille, t);
    if (!doc.coucheFlottante.image.isNull())
        TransformerCouchePositionnee(doc.coucheFlottante, taille, t);
    doc.selection = TransformerRectangle(doc.selection, taille, t);
    // A half-measured angle refers to the old picture.
    doc.mesure.premierSegmentFait = false;
    doc.mesure.zoneTracee = QRect();
    return EchelleACadre(doc.echelle);
}
