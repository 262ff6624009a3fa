#include "processing/recadrage.h"

#include "commun/erreur.h"
#include "processing/deplacement_echelle.h"

#include <QCoreApplication>

void VerifierRectangle(const QRect &r, QSize taille)
{
    if (r.isEmpty())
        throw ErreurKaptori(QCoreApplication::translate("Traitements", "Le cadre est vide : rien à recadrer."));
    if (!QRect(QPoint(0, 0), taille).contains(r))
        throw ErreurKaptori(QCoreApplication::translate("Traitements", "Le cadre (%1, %2, %3 × %4) dépasse l'image de %5 × %6 pixels.")
                                .arg(r.left())
                                .arg(r.top())
                                .arg(r.width())
                                .arg(r.height())
                                .arg(taille.width())
                                .arg(taille.height()));
}

std::unique_ptr<ImageDocument> RecadrerDocument(const ImageDocument &source, const QRect &r)
{
    VerifierRectangle(r, source.image.size());
    auto doc = std::make_unique<ImageDocument>();
    doc->image = source.Aplatir().copy(r);
    doc->titre = QCoreApplication::translate("Traitements", "Recadrage de ") + source.titre;
    doc->codeCouleur = source.codeCouleur;
    doc->echelle = EchelleDeplacee(source.echelle, -r.left(), -r.top());
    return doc;
}
