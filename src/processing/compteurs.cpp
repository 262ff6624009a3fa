#include "processing/compteurs.h"

#include <algorithm>

int TCompteurs::Indice(int categorie)
{
    return std::clamp(categorie, 1, NbCategories) - 1;
}

QImage TCompteurs::ImageCategorie(int categorie, int epaisseurCrayon) const
{
    return ImageMarque(DemiTailleMarque(epaisseurCrayon), Couleur(categorie) | 0xFF000000u, Forme(categorie));
}
