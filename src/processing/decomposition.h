#pragma once
// "&Décomposition": one picture per component. Coloured mode keeps the
// component in its own place on black ("Bleu" shows shades of blue); grey
// mode writes it into all three components.

#include "document/image_document.h"

#include <QImage>

#include <array>
#include <memory>

// composante: 0 blue, 1 green, 2 red. Format_ARGB32, opaque.
[[nodiscard]] QImage DecomposerComposante(const QImage &image, int composante, bool gris);

// The documents "Bleu", "Vert", "Rouge", in this order, each of the
// source's size with its scale.
[[nodiscard]] std::array<std::unique_ptr<ImageDocument>, 3> DocumentsDecomposition(const ImageDocument &source,
                                                                                    bool gris);
