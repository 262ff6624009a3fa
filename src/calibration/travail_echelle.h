#pragma once
// The working values of the scale window, kept apart for each of the four
// modes, with the window's pointer rules and the computation of the scale
// ("&Transférer l'échelle"). Headless: the window shows these values in its
// controls and overlays and hands pointer positions over in image pixels.

#include "calibration/echelle.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <array>

// One of the two points that calibrate a cartesian axis.
struct PointAxe {
    int position = 0;                      // pixel column (X) or row (Y)
    QString valeur = QStringLiteral("0");  // as typed
};

struct AxeTravail {
    QString unite;
    std::array<PointAxe, 2> points;
};

// What the pointer acts on in the cartesian and polar modes.
enum class CibleEchelle {
    Cadre,  // cartesian: the active frame
    Axe,    // cartesian: the current point of the current axis
    Coin,   // triangle: corner and side
    Noms,   // triangle: names of the sides (the pointer does nothing)
    Centre, // polar: the centre
    Rayon,  // polar: the radius in pixels
    Angle,  // polar: the zero angle (the pointer does nothing)
};

class TravailEchelle {
public:
    static constexpr int AxeX = 0; // axes: 0 = X, 1..3 = Y1..Y3

    // ---- Working values
    int mode = TEchelle::Longueur;
    QSize image{1, 1};

    // Length.
    QString uniteLongueur;
    QString valeurLongueur = QStringLiteral("0");
    QPoint segmentDebut;
    QPoint segmentFin;

    // Cartesian frame, 0 <= X1 < X2 <= width and 0 <= Y1 < Y2 <= height.
    int cadreX1 = 0;
    int cadreY1 = 0;
    int cadreX2 = 1;
    int cadreY2 = 1;
    int nbAxesY = 1;
    std::array<AxeTravail, 4> axes;
    int axeCourant = AxeX;
    int pointCourant = 0; // 0 first point, 1 second point

    // Triangle.
    int coinX = 1;
    int coinY = 0;
    int cote = 40;
    int sens = 0;
    QString nomX;
    QString nomY;
    QString nomZ;

    // Polar.
    int centreX = 0;
    int centreY = 0;
    QString valeurRayon = QStringLiteral("0");
    int rayonPixels = 30;
    QString uniteRayon;
    int curseurAngle = 0;              // slider position, degrees -179..180
    QString uniteAngle = QStringLiteral("de");

    CibleEchelle cible = CibleEchelle::Cadre;

    // ---- Opening and mode switch

    // Takes the image size and the document's scale: the scale fills the
    // working values of its own mode; the other modes restart from their
    // defaults, except the values the window keeps from one use to the next
    // (the second points of the cartesian axes, the length value, the radius
    // value). Then switches to the scale's mode.
    void Ouvrir(QSize tailleImage, const TEchelle &echelle);

    // Mode switch: the length segment restarts at (0, 0); the pointer acts on
    // the first panel of the mode (frame, corner, centre); the polar radius
    // shows 30 pixels.
    void ChangerMode(int nouveauMode);

    // ---- Limits of the controls
    [[nodiscard]] int CoteMin() const { return 10; }
    // min(round(2 × height / √3) − 1, width), at least CoteMin.
    [[nodiscard]] int CoteMax() const;
    static constexpr int RayonMin = 10;
    static constexpr int RayonMax = 500;

    // ---- Pointer (image pixels): a press, then moves with a button down
    void Appuyer(QPoint p);
    void Deplacer(QPoint p);

    // Sets one edge of the frame (0 X1, 1 Y1, 2 X2, 3 Y2), kept inside the
    // image; an edge that would cross its partner stops one pixel short of it.
    void DefinirCadre(int bord, int valeur);

    // ---- Triangle corners: lower-left, lower-right, apex
    [[nodiscard]] std::array<QPoint, 3> SommetsTriangle() const;

    // ---- Polar
    // Text of the read-only zero-angle edit: the slider position in degrees,
    // or in radians with 3 significant digits.
    [[nodiscard]] QString TexteAngleZero() const;
    // End of the radius line drawn from the centre at the slider's angle.
    [[nodiscard]] QPoint BoutRayon() const;

    // ---- The scale of the current mode ("&Transférer l'échelle"). Length:
    // value / segment length, or EchelleParDefaut when the value does not
    // convert or the segment has zero length. Cartesian: for each axis
    // factor = (wB − wA) / (pB − pA), origin = pA − round(wA / factor);
    // Definie = 0 on a failed conversion or a division by zero. Polar:
    // radius value / radius in pixels, Definie = 0 when it does not convert.
    [[nodiscard]] TEchelle Transferer() const;

    // Length mode: true when the value converts and the segment has a
    // length, that is when Transferer gives a scale the user made rather than
    // the default it falls back to.
    [[nodiscard]] bool LongueurCalculable() const;

private:
    void AppliquerPointeur(QPoint p, bool appui);
};

// Key filter of the value edits: the character to insert for a typed
// character c into the text, or a null QChar when it is dropped. Digits,
// the decimal separators and "-" are kept, the foreign separator becomes
// SepDecimal(), and a second separator or minus sign is dropped. Control
// characters (backspace, Ctrl+Z, Escape) are the edit's own business and are
// not passed here.
[[nodiscard]] QChar FiltrerCaractereValeur(const QString &texte, QChar c);
