#pragma once
// The scale side-file of an image file: one line holding the scale's text
// form, in a file named after the image with its last four characters
// replaced by ".sca" (photo.jpg -> photo.sca, a.jpeg -> a..sca).

#include "calibration/echelle.h"

#include <QString>

// Name of the scale side-file of an image file.
[[nodiscard]] QString NomFichierEchelle(const QString &nomImage);

// The scale of the side-file beside an image; EchelleParDefaut when the file
// is missing, unreadable or does not hold a scale. Only the first line counts,
// and at most its first 64 KiB are read, so any file is read quickly.
[[nodiscard]] TEchelle LireEchelleAnnexe(const QString &nomImage);

// Writes EchelleEnTexte(echelle) as the single line of the side-file beside
// the image, replacing any existing file (through a temporary file, so that a
// failure leaves the previous one intact). Throws ErreurFichier on failure.
void EcrireEchelleAnnexe(const QString &nomImage, const TEchelle &echelle);
