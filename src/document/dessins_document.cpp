#include "document/dessins_document.h"

#include <algorithm>

void AjouterElementNomme(ImageDocument &doc, std::unique_ptr<TDessin> dessin)
{
    if (!dessin)
        return;
    ++doc.etatDessin.CompteurElements;
    const QString nom = PrefixeNom(dessin->Genre) + QString::number(doc.etatDessin.CompteurElements);
    doc.dessins.AjouterElement(nom, std::move(dessin));
}

QRect EtendueElement(const TDessin &d, QSize taille)
{
    const int w = d.Epaisseur;
    QRect r;
    auto ajouter = [&](int x, int y) { r |= QRect(x, y, 1, 1); };
    int marge = 0;
    switch (d.Genre) {
    case GenreCrayon:
        for (const auto &liste : d.Trace.listes)
            for (const TPointFixe &p : liste)
                ajouter(p.x >> 16, p.y >> 16);
        ajouter(d.X1, d.Y1);
        ajouter(d.X2, d.Y2);
        marge = std::max(w + 2, 14);
        break;
    case GenreTrait:
        ajouter(d.X1, d.Y1);
        ajouter(d.X2, d.Y2);
        marge = 3 * w + 10;
        break;
    case GenreRectangle:
        ajouter(d.X1, d.Y1);
        ajouter(d.X2, d.Y2);
        marge = w + 2;
        break;
    case GenreCercle:
        ajouter(d.XAncre - d.Rayon, d.YAncre - d.Rayon);
        ajouter(d.XAncre + d.Rayon, d.YAncre + d.Rayon);
        marge = w + 2;
        break;
    case GenrePoint:
        ajouter(d.XAncre, d.YAncre);
        marge = 14;
        break;
    default:
        return QRect(QPoint(0, 0), taille);
    }
    return r.adjusted(-marge, -marge, marge, marge).intersected(QRect(QPoint(0, 0), taille));
}

PlansCanaux PlansDuDocument(const ImageDocument &doc)
{
    PlansCanaux plans;
    if (!doc.avecCanaux)
        return plans;
    plans.largeur = doc.image.width();
    for (const TCanal &c : doc.canaux)
        if (c.largeur == doc.image.width() && c.hauteur == doc.image.height() && c.complet())
            plans.plans.push_back({c.ligne(0), c.pasLigne()});
    return plans;
}

void EffacerZone(QImage &couche, const QRect &zone)
{
    const QRect r = zone.intersected(couche.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb *>(couche.scanLine(y)) + r.left(), r.width(), QRgb(0));
}

void RedessinerCalque(ImageDocument &doc, const ContexteDessin &contexte)
{
    if (doc.image.isNull())
        return;
    doc.CreerCoucheDessin();
    // A layer just created is already transparent: filling it again would
    // touch every page of a picture-sized buffer for nothing.
    if (!doc.CreerCoucheProvisoire())
        doc.coucheProvisoire.fill(Qt::transparent);
    const int alphaAvant = doc.alphaProvisoire;
    const PlansCanaux plans = PlansDuDocument(doc);
    ContexteDessin ctx = contexte;
    ctx.canaux = plans.plans.empty() ? nullptr : &plans;
    for (const ElementDessin &e : doc.dessins.Elements()) {
        const TDessin &d = *e.dessin;
        if (d.Genre == GenreRemplissage || d.Genre == GenreZone) {
            Dessiner(d, doc.image, doc.coucheDessin, ctx);
            continue;
        }
        doc.alphaProvisoire = d.Opacite;
        Dessiner(d, doc.image, doc.coucheProvisoire, ctx);
        doc.FusionnerProvisoireZone(EtendueElement(d, doc.image.size()));
    }
    doc.alphaProvisoire = alphaAvant;
}

void ReconstruireCalque(ImageDocument &doc, const ContexteDessin &contexte)
{
    if (!doc.coucheDessin.isNull())
        doc.coucheDessin.fill(Qt::transparent);
    if (!doc.coucheProvisoire.isNull())
        doc.coucheProvisoire.fill(Qt::transparent);
    RedessinerCalque(doc, contexte);
}

bool SupprimerElement(ImageDocument &doc, int i, const ContexteDessin &contexte)
{
    const int n = doc.dessins.Nombre();
    if (i < 0 || i >= n)
        return doc.dessins.EstVide();
    doc.dessins.Retirer(i);
    if (i == n - 1 && doc.etatDessin.NonFusionne && doc.etatDessin.DernierProvisoire) {
        if (!doc.coucheProvisoire.isNull())
            doc.coucheProvisoire.fill(Qt::transparent);
    } else {
        ReconstruireCalque(doc, contexte);
    }
    doc.etatDessin.NonFusionne = false;
    doc.etatDessin.DernierProvisoire = false;
    doc.etatDessin.LigneMesure = false;
    return doc.dessins.EstVide();
}

bool AnnulerDernier(ImageDocument &doc, const ContexteDessin &contexte)
{
    bool vide = true;
    if (!doc.dessins.EstVide())
        vide = SupprimerElement(doc, doc.dessins.Nombre() - 1, contexte);
    if (!doc.coucheProvisoire.isNull())
        doc.coucheProvisoire.fill(Qt::transparent);
    return !vide;
}

void EffacerTout(ImageDocument &doc)
{
    // Deleting element 0 until the list is empty: nothing happens to an empty
    // list; a single element still only on the provisional layer goes with
    // that layer; otherwise the rebuilds end with both layers empty.
    const int n = doc.dessins.Nombre();
    if (n == 0)
        return;
    const bool seulProvisoire = n == 1 && doc.etatDessin.NonFusionne && doc.etatDessin.DernierProvisoire;
    doc.dessins.Vider();
    if (!seulProvisoire && !doc.coucheDessin.isNull())
        doc.coucheDessin.fill(Qt::transparent);
    if (!doc.coucheProvisoire.isNull())
        doc.coucheProvisoire.fill(Qt::transparent);
    doc.etatDessin.NonFusionne = false;
    doc.etatDessin.DernierProvisoire = false;
    doc.etatDessin.LigneMesure = false;
}
