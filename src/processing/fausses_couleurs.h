#pragma once
// The false-colour exercise without its window: pictures of 320 × 240, the
// white-card calibration, the three recoloured channel pictures C1 (green
// radiation shown in blue), C2 (red radiation shown in green), C3 (infrared
// shown in red), their combination, and the documents kept at the end.

#include "document/image_document.h"

#include <QImage>
#include <QPoint>

#include <memory>
#include <vector>

inline constexpr int LargeurExercice = 320;
inline constexpr int HauteurExercice = 240;

// The picture drawn scaled to 320 × 240 (the infrared and the colour file
// alike, so that the combination never reads past a smaller picture).
[[nodiscard]] QImage ImageExercice(const QImage &image);

// "Blanc": each component of every pixel multiplied by 255 / its mean over
// the rectangle between the two corners (both included), rounded, values
// above 254 becoming 255. Returns false, leaving the picture, when the
// rectangle is under 2 pixels wide or high; throws ErreurKaptori, leaving
// the picture, when a component is 0 all over the rectangle.
bool CalibrerBlanc(QImage &image, QPoint coin1, QPoint coin2);

// The colour picture keeping one component (0 blue, 1 green, 2 red), the others 0.
[[nodiscard]] QImage ComposanteSeule(const QImage &image, int composante);

// C1: blue := green of the green picture; C2: green := red of the red
// picture; C3: red := (blue + green + red) / 3 of the infrared picture,
// rounded halves to even. The other components are 0.
[[nodiscard]] QImage Canal1(const QImage &imageVerte);
[[nodiscard]] QImage Canal2(const QImage &imageRouge);
[[nodiscard]] QImage Canal3(const QImage &imageInfraRouge);

// "Combiner": C1 OR C2 OR C3, byte by byte, over 320 × 240 from the top-left.
[[nodiscard]] QImage CombinerCanaux(const QImage &c1, const QImage &c2, const QImage &c3);

// Pictures kept by "Fin" (null ones are skipped).
struct ImagesFaussesCouleurs {
    QImage couleur;  // calibrated colour picture
    QImage infraRouge;
    QImage resultat;
    QImage canal1;
    QImage canal2;
};

// The documents "couleur", "IR", "fausses couleurs", "canal 1", "canal 2",
// in this order, each with a scale of 1 pixel per pixel and its colour code.
[[nodiscard]] std::vector<std::unique_ptr<ImageDocument>> DocumentsFaussesCouleurs(const ImagesFaussesCouleurs &images);
