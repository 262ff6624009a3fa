#pragma once
// The 168-byte binary image of a scale (little-endian), as the profile window
// writes it raw into its ".ech" files. The fields of the four modes share
// their offsets; a text field is a length byte followed by its
// Windows-1252 characters. Padding and unused bytes are written as zeros.

#include "calibration/echelle.h"

#include <QByteArray>

inline constexpr int TailleEchelleBinaire = 168;

// The image of a scale: always TailleEchelleBinaire bytes.
[[nodiscard]] QByteArray EchelleEnBinaire(const TEchelle &echelle);

// The scale held by an image. Fewer than TailleEchelleBinaire bytes, a mode
// above 3 or more than three Y axes give a record with Definie = 0; a length
// byte above its slot is cut to the slot.
[[nodiscard]] TEchelle BinaireEnEchelle(const QByteArray &octets);
