#pragma once
// The pictures of the counting marks: ten shapes drawn in a 25 × 25 bitmap
// centred on the pixel (13, 13).

#include <QImage>
#include <QRgb>
#include <QString>

#include <optional>

inline constexpr int NbFormesMarque = 10;
inline constexpr int CoteMarque = 25;
inline constexpr int CentreMarque = 13;

// Shapes: 0 round, 1 plus, 2 eight-branch star, 3 twelve-branch star,
// 4 square, 5 circle, 6 triangle point down, 7 triangle point up, 8 diamond,
// 9 cross. Shapes 4, 6, 7 and 8 are filled.
enum FormeMarque { Rond = 0, Plus, Etoile, Etoile2, Carre, Cercle, Triangle1, Triangle2, Losange, Croix };

// Half-size of the marks for a pen width: max(width, 3).
[[nodiscard]] int DemiTailleMarque(int epaisseurCrayon);

// Draws shape `forme` of half-size s and colour c into `image`, which is
// made a 25 × 25 ARGB32 bitmap cleared to transparent first. Lines are one
// pixel wide, not antialiased, both ends included; nothing is drawn when
// s >= 13 or s < 0, nor for a shape outside 0..9.
void DessinerMarque(int s, QRgb couleur, int forme, QImage &image);
[[nodiscard]] QImage ImageMarque(int s, QRgb couleur, int forme);

// The shape of a name of the command line ("rond", "plus", "etoile",
// "etoile2", "carre", "cercle", "triangle1", "triangle2", "losange",
// "croix") or of its number 0..9.
[[nodiscard]] std::optional<int> FormeDeNom(const QString &nom);
