#include "processing/comptage_document.h"

#include <QCoreApplication>

#include <cmath>

namespace {

std::vector<CouchePositionnee> *Liste(ImageDocument &doc, int categorie)
{
    if (categorie < 1 || categorie > TCompteurs::NbCategories)
        return nullptr;
    return &doc.marquesComptage[static_cast<std::size_t>(categorie - 1)];
}

void MontrerMarques(ImageDocument &doc, bool visible)
{
    for (auto &categorie : doc.marquesComptage)
        for (auto &marque : categorie)
            marque.visible = visible;
}

// The 25 × 25 square of a mark at its rounded position.
QRect CarreMarque(const CouchePositionnee &marque)
{
    const QPoint coin(static_cast<int>(std::nearbyint(marque.position.x())),
                      static_cast<int>(std::nearbyint(marque.position.y())));
    return QRect(coin, QSize(CoteMarque, CoteMarque));
}

QPointF Coin(QPoint p)
{
    return QPointF(p.x() - CentreMarque, p.y() - CentreMarque);
}

} // namespace

void OuvrirComptage(ImageDocument &doc)
{
    MontrerMarques(doc, true);
    doc.comptageActif = true;
}

void FermerComptage(ImageDocument &doc)
{
    doc.comptageActif = false;
    MasquerMarques(doc);
}

void MasquerMarques(ImageDocument &doc)
{
    MontrerMarques(doc, false);
}

int EffectifCategorie(const ImageDocument &doc, int categorie)
{
    if (categorie < 1 || categorie > TCompteurs::NbCategories)
        return 0;
    return static_cast<int>(doc.marquesComptage[static_cast<std::size_t>(categorie - 1)].size());
}

QRect ZoneMarque(const ImageDocument &doc, const CouchePositionnee &marque)
{
    return CarreMarque(marque) & doc.image.rect();
}

QRect AjouterMarque(ImageDocument &doc, const TCompteurs &compteurs, int epaisseurCrayon, QPoint p)
{
    const int categorie = compteurs.CompteurCourant;
    auto *liste = Liste(doc, categorie);
    if (!liste)
        return {};
    if (!doc.image.rect().contains(p)) {
        // No mark to drag into place: a drag from there moves none.
        doc.derniereMarque[static_cast<std::size_t>(categorie - 1)] = -1;
        return {};
    }
    CouchePositionnee marque;
    marque.image = compteurs.ImageCategorie(categorie, epaisseurCrayon);
    marque.position = Coin(p);
    marque.visible = true;
    liste->push_back(std::move(marque));
    doc.derniereMarque[static_cast<std::size_t>(categorie - 1)] = static_cast<int>(liste->size()) - 1;
    return ZoneMarque(doc, liste->back());
}

QRect DeplacerDerniereMarque(ImageDocument &doc, int categorie, QPoint p)
{
    auto *liste = Liste(doc, categorie);
    if (!liste)
        return {};
    const int i = doc.derniereMarque[static_cast<std::size_t>(categorie - 1)];
    if (i < 0 || i >= static_cast<int>(liste->size()))
        return {};
    CouchePositionnee &marque = (*liste)[static_cast<std::size_t>(i)];
    const QRect avant = ZoneMarque(doc, marque);
    marque.position = Coin(p);
    return avant | ZoneMarque(doc, marque);
}

std::optional<MarqueTrouvee> MarqueSous(const ImageDocument &doc, QPoint p)
{
    for (int c = TCompteurs::NbCategories; c >= 1; --c) {
        const auto &liste = doc.marquesComptage[static_cast<std::size_t>(c - 1)];
        for (int i = static_cast<int>(liste.size()) - 1; i >= 0; --i) {
            const CouchePositionnee &m = liste[static_cast<std::size_t>(i)];
            if (!m.presente())
                continue;
            if (CarreMarque(m).contains(p))
                return MarqueTrouvee{c, i};
        }
    }
    return std::nullopt;
}

QRect SupprimerMarque(ImageDocument &doc, const MarqueTrouvee &marque)
{
    auto *liste = Liste(doc, marque.categorie);
    if (!liste || marque.indice < 0 || marque.indice >= static_cast<int>(liste->size()))
        return {};
    const QRect zone = ZoneMarque(doc, (*liste)[static_cast<std::size_t>(marque.indice)]);
    liste->erase(liste->begin() + marque.indice);
    // The last mark keeps designating the same mark, or none once it is gone.
    int &derniere = doc.derniereMarque[static_cast<std::size_t>(marque.categorie - 1)];
    if (derniere == marque.indice)
        derniere = -1;
    else if (derniere > marque.indice)
        --derniere;
    return zone;
}

void RAZCompteur(ImageDocument &doc, int categorie)
{
    if (auto *liste = Liste(doc, categorie)) {
        liste->clear();
        doc.derniereMarque[static_cast<std::size_t>(categorie - 1)] = -1;
    }
}

void RestylerMarques(ImageDocument &doc, const TCompteurs &compteurs, int epaisseurCrayon)
{
    const int categorie = compteurs.CompteurCourant;
    auto *liste = Liste(doc, categorie);
    if (!liste)
        return;
    const QImage image = compteurs.ImageCategorie(categorie, epaisseurCrayon);
    for (auto &marque : *liste)
        marque.image = image;
}

void RedessinerMarques(ImageDocument &doc, const TCompteurs &compteurs, int epaisseurCrayon)
{
    for (int c = 1; c <= TCompteurs::NbCategories; ++c) {
        auto &liste = doc.marquesComptage[static_cast<std::size_t>(c - 1)];
        if (liste.empty())
            continue;
        const QImage image = compteurs.ImageCategorie(c, epaisseurCrayon);
        for (auto &marque : liste)
            marque.image = image;
    }
}

QImage CopierAvecLesPoints(ImageDocument &doc)
{
    std::array<std::vector<bool>, TCompteurs::NbCategories> visibles;
    for (std::size_t c = 0; c < visibles.size(); ++c)
        for (auto &marque : doc.marquesComptage[c]) {
            visibles[c].push_back(marque.visible);
            marque.visible = true;
        }
    QImage copie = doc.Aplatir();
    for (std::size_t c = 0; c < visibles.size(); ++c)
        for (std::size_t i = 0; i < visibles[c].size(); ++i)
            doc.marquesComptage[c][i].visible = visibles[c][i];
    return copie;
}

QString TitreComptage(int nbFenetres)
{
    return QCoreApplication::translate("Comptage", "Comptage ") + QString::number(nbFenetres + 1);
}
