#pragma once
// What a document held when it was last opened or saved, kept to tell
// whether closing it would lose work. The image is kept as its cache key and
// a hash of its pixels, never as a copy: a key that did not move means the
// pixels were not touched, and only a moved key costs a new hash. Drawn
// elements, scale, colour code and free lines are kept as they were.

#include "calibration/code_couleur.h"
#include "calibration/echelle.h"
#include "drawing/liste_dessins.h"

#include <QImage>
#include <QStringList>

#include <cstddef>

struct EmpreinteDocument {
    qint64 cleImage = 0;
    QSize tailleImage;
    QImage::Format formatImage = QImage::Format_Invalid;
    std::size_t hachageImage = 0;
    TListeDessins dessins;
    TEchelle echelle;
    TCodeCouleur codeCouleur;
    QStringList lignesLibres;
};

// A hash of the picture's pixels (its visible bytes, row by row).
[[nodiscard]] std::size_t HachageImage(const QImage &image);

[[nodiscard]] EmpreinteDocument CalculerEmpreinte(const QImage &image, const TListeDessins &dessins,
                                                  const TEchelle &echelle, const TCodeCouleur &code,
                                                  const QStringList &lignesLibres);

// True when the parts are those the print records.
[[nodiscard]] bool MemeContenu(const EmpreinteDocument &empreinte, const QImage &image, const TListeDessins &dessins,
                               const TEchelle &echelle, const TCodeCouleur &code, const QStringList &lignesLibres);
