#include "processing/recadrage.h"

#include "commun/erreur.h"
#include "processing/deplacement_echelle.h"

#include <QCoreApplication>

#include <cstdint>
#include <limits>

namespace {

[[noreturn]] void RefuserCadre(int gauche, int haut, int largeur, int hauteur, QSize taille)
{
    throw ErreurKaptori(QCoreApplication::translate("Traitements", "Le cadre (%1, %2, %3 × %4) dépasse l'image de %5 × %6 pixels.")
                            .arg(gauche)
                            .arg(haut)
                            .arg(largeur)
                            .arg(hauteur)
                            .arg(taille.width())
                            .arg(taille.height()));
}

} // namespace

void VerifierRectangle(const QRect &r, QSize taille)
{
    if (r.isEmpty())
        throw ErreurKaptori(QCoreApplication::translate("Traitements", "Le cadre est vide : rien à recadrer."));
    if (!QRect(QPoint(0, 0), taille).contains(r))
        RefuserCadre(r.left(), r.top(), r.width(), r.height(), taille);
}

QRect RectangleVerifie(int gauche, int haut, int largeur, int hauteur, QSize taille)
{
    auto horsEntiers = [](int debut, int longueur) {
        const std::int64_t fin = std::int64_t{debut} + longueur - 1;
        return fin > std::numeric_limits<int>::max() || fin < std::numeric_limits<int>::min();
    };
    if (horsEntiers(gauche, largeur) || horsEntiers(haut, hauteur))
        RefuserCadre(gauche, haut, largeur, hauteur, taille);
    const QRect r(gauche, haut, largeur, hauteur);
    VerifierRectangle(r, taille);
    return r;
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
