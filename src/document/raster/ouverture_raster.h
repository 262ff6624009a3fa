#pragma once
// Opening a multichannel raster file (".lan", ".img", ".per", ".ima",
// ".inf") into a fresh document: the reader chosen by the extension fills
// the channels, the chosen ones are shown with the contrast stretch, and the
// scale side-file is read.

#include "calibration/code_couleur.h"
#include "document/raster/lecture_raster.h"

#include <optional>

class ImageDocument;

// True for the five raster extensions, compared without regard to case.
[[nodiscard]] bool EstFichierRaster(const QString &chemin);

// Runs the reader of the extension. Throws ErreurDecodage for another
// extension, and whatever the reader throws.
[[nodiscard]] LectureRaster LireRaster(const QString &chemin);

// The colour code of the raster file's side-file (path without its last four
// characters, then ".ccc"), or nothing when that file is missing, unreadable
// or does not parse.
[[nodiscard]] std::optional<TCodeCouleur> CodeAnnexeRaster(const QString &chemin);

// Fills an empty document from a raster file: channels in order (each plane
// carrying its index), nomFichier, the display of the reader's slots with
// stretch etirement (0, 2, 5, 20 or 50) and the scale side-file (factor 1
// in "pixels" without one). The colour code is the one the display gives
// the shown channels, replaced by the colour-code side-file when there is a
// readable one. Returns the French warnings to show the user
// (incomplete file, skipped channel). Throws like LireRaster, leaving the
// document untouched.
QStringList ChargerRaster(ImageDocument &document, const QString &chemin, int etirement);
