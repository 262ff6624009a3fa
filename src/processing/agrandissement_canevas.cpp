#include "processing/agrandissement_canevas.h"

#include "commun/erreur.h"
#include "document/formats/lecteur_image.h"
#include "processing/deplacement_echelle.h"
#include "processing/elements_transformes.h"
#include "processing/image_resultat.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

QPoint DecalageAgrandissement(QSize a, QSize n, AlignementCanevas alignement)
{
    const int lx = n.width() - a.width(), ly = n.height() - a.height();
    switch (alignement) {
    case AlignementCanevas::Centre:
        return {lx / 2, ly / 2};
    case AlignementCanevas::HautGauche:
        return {0, 0};
    case AlignementCanevas::HautDroite:
        return {lx, 0};
    case AlignementCanevas::BasGauche:
        return {0, ly};
    case AlignementCanevas::BasDroite:
        return {lx, ly};
    }
    return {};
}

void VerifierAgrandissement(QSize a, QSize n)
{
    if (n.width() < a.width() || n.height() < a.height())
        throw ErreurKaptori(QCoreApplication::translate("Traitements", "Le nouveau canevas (%1 × %2) doit être au moins aussi "
                                                                       "grand que l'image (%3 × %4).")
                                .arg(n.width())
                                .arg(n.height())
                                .arg(a.width())
                                .arg(a.height()));
    if (n.width() > kCoteMaxImage || n.height() > kCoteMaxImage ||
        static_cast<qint64>(n.width()) * n.height() > kPixelsMaxImage)
        throw ErreurKaptori(QCoreApplication::translate("Traitements", "Le nouveau canevas (%1 × %2) dépasserait la limite de %3 "
                                                                       "pixels de côté et de 400 millions de pixels.")
                                .arg(n.width())
                                .arg(n.height())
                                .arg(kCoteMaxImage));
}

QImage AgrandirCanevas(const QImage &image, QSize taille, QPoint d, QRgb fond)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage resultat = ImageResultat(taille);
    const QRect cible = QRect(d, source.size()) & resultat.rect();
    for (int y = 0; y < taille.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(resultat.scanLine(y));
        if (y < cible.top() || y > cible.bottom()) {
            std::fill_n(ligne, taille.width(), fond);
            continue;
        }
        std::fill_n(ligne, cible.left(), fond);
        std::memcpy(ligne + cible.left(), source.constScanLine(y - d.y()) + sizeof(QRgb) * (cible.left() - d.x()),
                    sizeof(QRgb) * static_cast<std::size_t>(cible.width()));
        std::fill(ligne + cible.right() + 1, ligne + taille.width(), fond);
    }
    return resultat;
}

void AgrandirDocument(ImageDocument &doc, QSize taille, AlignementCanevas alignement, QRgb fond)
{
    const QSize ancienne = doc.image.size();
    VerifierAgrandissement(ancienne, taille);
    const QPoint d = DecalageAgrandissement(ancienne, taille, alignement);
    QImage image = AgrandirCanevas(doc.image, taille, d, fond);
    if (doc.etatDessin.LigneMesure && !doc.coucheProvisoire.isNull()) {
        doc.coucheProvisoire.fill(Qt::transparent);
        doc.etatDessin.LigneMesure = false;
    }
    if (doc.ProvisoireNonVide())
        doc.FusionnerProvisoire();
    doc.etatDessin.NonFusionne = false;
    QImage dessin;
    if (!doc.coucheDessin.isNull() && doc.coucheDessin.size() == ancienne)
        dessin = AgrandirCanevas(doc.coucheDessin, taille, d, 0);
    doc.image = std::move(image);
    doc.coucheDessin = std::move(dessin);
    if (!doc.coucheProvisoire.isNull()) {
        doc.coucheProvisoire = QImage(taille, QImage::Format_ARGB32);
        doc.coucheProvisoire.fill(Qt::transparent);
    }
    for (TCanal &canal : doc.canaux) {
        if (canal.largeur != ancienne.width() || canal.hauteur != ancienne.height() || !canal.complet())
            continue;
        QByteArray plan(static_cast<qsizetype>(taille.width()) * taille.height(), '\0');
        for (int y = 0; y < canal.hauteur; ++y)
            std::memcpy(plan.data() + static_cast<qsizetype>(y + d.y()) * taille.width() + d.x(), canal.ligne(y),
                        static_cast<std::size_t>(canal.largeur));
        canal.plan = std::move(plan);
        canal.debut = 0;
        canal.pas = 0;
        canal.largeur = taille.width();
        canal.hauteur = taille.height();
    }
    for (const ElementDessin &e : doc.dessins.Elements())
        DeplacerElement(*e.dessin, d.x(), d.y());
    if (doc.elementEnPlacement)
        DeplacerElement(*doc.elementEnPlacement, d.x(), d.y());
    for (auto &categorie : doc.marquesComptage)
        for (CouchePositionnee &marque : categorie)
            marque.position += d;
    doc.coucheFlottante.position += d;
    doc.selection.translate(d);
    doc.echelle = EchelleDeplacee(doc.echelle, d.x(), d.y());
}
