#pragma once
// Saving the picture of a profile graph with its scale, so that the graph
// reopens calibrated: a GIF picture gets the ".sca" side-file, any other
// name a BMP picture and the 168-byte binary image of the scale in the
// ".ech" file beside it.

#include "calibration/echelle.h"

#include <QImage>
#include <QString>

// Writes the picture through a temporary file. With a GIF name, the ".sca"
// side-file first (throws ErreurFichier when it cannot be written), then the
// picture. Otherwise the BMP picture first, then the ".ech" file, whose
// failure is ignored. A scale with Definie = 0 writes no side-file.
void EnregistrerGrapheProfil(const QString &chemin, const QImage &image, const TEchelle &echelle);
