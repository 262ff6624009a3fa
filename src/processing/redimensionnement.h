#pragma once
// "&Redimensionner": a copy of the document at p percent of its size (10 to
// 500). The new picture is round(p/100 × W) × round(p/100 × H), a side
// rounding to 0 being 1; each new pixel takes the source pixel under its
// centre, rows and columns being dropped or repeated. A length scale
// follows (its factor divided by p/100, unless its unit is "pixels");
// another scale is not carried. Drawn elements are copied scaled by p/100
// under their names and the drawing layer is rebuilt from them.

#include "document/image_document.h"
#include "drawing/rendu_dessin.h"

#include <QImage>
#include <QSize>

#include <memory>

inline constexpr double kPourcentageMin = 10;
inline constexpr double kPourcentageMax = 500;

// The size at p percent. Throws ErreurKaptori when p is outside 10..500 or
// the result would pass the picture limits (32767 pixels a side, 400
// million pixels), before anything is allocated.
[[nodiscard]] QSize TailleRedimensionnee(QSize taille, double pourcentage);

// The picture stretched into the size, nearest source pixel (Format_ARGB32).
[[nodiscard]] QImage Redimensionner(const QImage &image, QSize taille);

// The scale of the copy at p percent.
[[nodiscard]] TEchelle EchelleRedimensionnee(const TEchelle &echelle, double pourcentage);

// The copy, captioned "Copie". Throws ErreurKaptori (limits above, an element
// whose width or font would pass 255) with the source unchanged.
[[nodiscard]] std::unique_ptr<ImageDocument> RedimensionnerDocument(const ImageDocument &source, double pourcentage,
                                                                    const ContexteDessin &contexte);
