#pragma once
// Page layout of a printed picture: one sheet holding a grid of copies of the
// picture, with margins and spacing in whole millimetres. The computation
// ("Vérifier") fits the largest picture that keeps the image's proportions
// into each cell, then centres the grid in the direction that has room left.

#include <QString>

struct TMiseEnPage {
    int FormatLargeur = 210; // sheet in portrait: 210 x 297 for A4, 297 x 420 for A3
    int FormatHauteur = 297;
    int PageLargeur = 210;   // sheet in the chosen orientation
    int PageHauteur = 297;
    bool Paysage = false;
    int NbLignes = 1;        // 1 to 10
    int NbColonnes = 1;      // 1 to 10
    int Espace = 5;          // gap between two cells, 0 to 200
    int MargeGauche = 10;
    int MargeDroite = 10;
    int MargeHaut = 10;
    int MargeBas = 10;
    double Rapport = 1.0;    // image height / image width
    int ImageLargeur = 0;    // printed size of one picture, from the last
    int ImageHauteur = 0;    // successful computation (0 x 0 before any)
    int Copies = 1;          // sheets printed, 1 to 100
    bool Gris = true;        // print in grey levels
};

// The warning shown when the cells are too small for a picture.
[[nodiscard]] QString TexteImageTropPetite();

// "Vérifier": computes ImageLargeur and ImageHauteur and widens the margins
// of the direction that has room left so that the grid is centred. Returns
// false, changing nothing, when a picture would be less than 6 mm wide, less
// than 6 mm high at that width, 4 mm high or less, or so narrow beside its
// height that its width rounds to 0 mm.
[[nodiscard]] bool CalculerMiseEnPage(TMiseEnPage &m);

// The four margins back to 10 mm ("RAZ"); does not recompute.
void RemettreMarges(TMiseEnPage &m);

// Sheet format (A4 or A3) and orientation: set the sheet's size; the
// orientation also puts the margins back to 10 mm. Neither recomputes.
void ChoisirFormat(TMiseEnPage &m, bool a3);
void ChoisirOrientation(TMiseEnPage &m, bool paysage);

// Top and bottom (or left and right) margins both become their mean, div 2.
void CentrerVerticalement(TMiseEnPage &m);
void CentrerHorizontalement(TMiseEnPage &m);
