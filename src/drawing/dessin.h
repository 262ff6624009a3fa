#pragma once
// A drawn element of a document's drawing layer: a pencil stroke, a line, a
// rectangle, a circle, a text, a fill, a scale legend, a dot or a zone fill.
// The element list of a document is replayed, oldest first, to rebuild the
// drawing layer; it is what undo removes from and what the document file
// keeps.

#include <QRgb>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

// Element kinds (TDessin::Genre). Code 4 is not used.
enum GenreDessin : std::uint8_t {
    GenreCrayon = 0,      // pencil stroke
    GenreTrait = 1,       // line, possibly with arrowheads
    GenreRectangle = 2,
    GenreCercle = 3,
    GenreTexte = 5,       // text with markup
    GenreRemplissage = 6, // conditional fill from a seed
    GenreLegende = 7,     // scale legend
    GenrePoint = 8,       // dot (read from files only)
    GenreZone = 9,        // zone fill limited by a polygon (read from files only)
};

// True for the kinds a file may hold (0..3, 5..9).
[[nodiscard]] bool GenreValide(int genre);

// A pixel condition of a fill or a surface measurement.
struct TCondicoul {
    std::uint8_t Liaison = 0;    // 0 and, 1 or, 2 exclusive or, 3 and not (with what follows)
    std::uint8_t Composante = 0; // 0 B, 1 G, 2 R, 3 A, 4..6 HSL, 7..9 HSV, 10+ channel (code - 10)
    std::uint8_t Option = 0;
    std::uint16_t Mini = 0;      // inclusive bounds; for hues Mini > Maxi wraps around 360
    std::uint16_t Maxi = 0;

    friend bool operator==(const TCondicoul &, const TCondicoul &) = default;
};
using TTableaudeCondicoul = std::vector<TCondicoul>;                   // one group
using TTableaudeTableaudeCondicoul = std::vector<TTableaudeCondicoul>; // the groups

// A point of a polygon in 16.16 fixed point (65536 is one pixel).
struct TPointFixe {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const TPointFixe &, const TPointFixe &) = default;
};
inline constexpr std::int32_t UnPixelFixe = 65536;

// A list of point lists; a new polygon holds one empty open list.
struct TPolygone {
    std::vector<std::vector<TPointFixe>> listes{1};
    bool ferme = false;

    friend bool operator==(const TPolygone &, const TPolygone &) = default;
};

struct TDessin {
    std::uint8_t Genre = 0;
    std::int16_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    std::int16_t XAncre = 0, YAncre = 0; // circle centre, text corner, fill seed, dot centre
    std::int16_t Rayon = 0;
    std::uint8_t Epaisseur = 0;          // w: strokes are 2w+1 pixels thick
    QRgb Couleur = 0xFF000000;           // 0xAARRGGBB
    QRgb CouleurFond = 0xFFFFFFFF;
    std::uint8_t Alignement = 0;         // 0 left, 1 centred, 2 right
    bool Transparent = true;
    std::uint32_t Reserve1 = 0;
    std::uint8_t Opacite = 0;
    std::uint8_t Fleche = 0;             // 0 simple, 1 arrow, 2 double arrow
    std::uint8_t Style = 0;              // 0 solid, 1 dashed
    std::uint8_t Motif = 0;              // fill pattern 0..7
    std::uint8_t TaillePolice = 10;
    std::uint8_t StylePolice = 0;        // 1 bold, 2 italic, 4 underline, 8 strike-out
    QString NomPolice = QStringLiteral("Arial");
    QStringList Lignes;
    TPolygone Trace;
    std::uint8_t FormatPoints = 0;       // 0: points stored as rounded 16-bit pixels, 1: 16.16
    QString UniteLegende;
    float UnitesParPixel = 1.0f;
    TTableaudeTableaudeCondicoul Conditions;
    bool SurCalque = false;              // a fill tests the drawing layer rather than the image
    std::uint8_t Reserve2 = 85;
    std::int16_t Reserve3 = 0;

    friend bool operator==(const TDessin &, const TDessin &) = default;
};

// Name prefix of a new element of this kind ("Trait ", "Cercle "...), empty
// for the kinds no tool makes.
[[nodiscard]] QString PrefixeNom(int genre);

// The element for an image resized by the factor f: coordinates, radius, font
// size and width scaled and rounded, the first point list of a pencil stroke
// scaled. Throws ErreurKaptori when the font size or the width would reach 256.
// The legend's unit and scale and a fill's conditions are not carried.
[[nodiscard]] std::unique_ptr<TDessin> CopieRedimensionnee(const TDessin &dessin, double f);
