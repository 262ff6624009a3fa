#pragma once
// The categories of the counting window: how many are shown, which one new
// marks belong to, and each one's name, colour and mark shape. Headless: the
// window (ui/multicompt.h) shows and edits it.

#include "processing/dessiner_marque.h"

#include <QImage>
#include <QRgb>
#include <QString>

#include <array>

struct TCompteurs {
    static constexpr int NbCategories = 10;  // categories 1..10
    static constexpr int NbMaxiVisibles = 8; // the window shows 1..8 of them

    int NbCompteurs = 1;     // categories shown, 1..8
    int CompteurCourant = 1; // category of new marks, 1..10
    int CompteurRAZ = 1;     // category whose "RAZ" was pressed last
    // Opaque colours of the marks: red, green, blue, yellow, purple, cyan,
    // dark green, white, red, green.
    std::array<QRgb, NbCategories> CouleursMarque{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFF7F007F,
                                                  0xFF00FFFF, 0xFF007F00, 0xFFFFFFFF, 0xFFFF0000, 0xFF00FF00};
    std::array<int, NbCategories> FormesMarque{}; // shapes 0..9, all round at first
    std::array<QString, NbCategories> Noms{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                           QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                                           QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"),
                                           QStringLiteral("10")};

    // Category i (1..10) of the arrays; out-of-range indexes are brought
    // into 1..10.
    [[nodiscard]] static int Indice(int categorie);
    [[nodiscard]] QRgb Couleur(int categorie) const { return CouleursMarque[Indice(categorie)]; }
    [[nodiscard]] int Forme(int categorie) const { return FormesMarque[Indice(categorie)]; }

    // The mark picture of category i for the pen width (half-size
    // DemiTailleMarque(epaisseur)).
    [[nodiscard]] QImage ImageCategorie(int categorie, int epaisseurCrayon) const;
};
