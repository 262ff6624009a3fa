#pragma once
// The 168-byte binary image of a scale (little-endian), as the profile window
// writes it raw into its ".ech" files. The fields of the four modes share
// their offsets; a text field is a length byte followed by its
// Windows-1252 characters. Padding and unused bytes are written as zeros.

#include "calibration/echelle.h"

#include <QByteArray>
#include <QString>

#include <optional>

inline constexpr int TailleEchelleBinaire = 168;

// The image of a scale: always TailleEchelleBinaire bytes.
[[nodiscard]] QByteArray EchelleEnBinaire(const TEchelle &echelle);

// The scale held by an image. Fewer than TailleEchelleBinaire bytes, a mode
// above 3 or more than three Y axes give a record with Definie = 0; a length
// byte above its slot is cut to the slot.
[[nodiscard]] TEchelle BinaireEnEchelle(const QByteArray &octets);

// Name of the binary scale side-file beside a picture: the picture's name
// with its last four characters replaced by ".ech" (graph.bmp -> graph.ech).
[[nodiscard]] QString NomFichierEchelleBinaire(const QString &nomImage);

// The scale of the ".ech" file beside a picture: nothing when the file is
// missing, shorter than TailleEchelleBinaire or holds no defined scale.
// Only its first TailleEchelleBinaire bytes are read.
[[nodiscard]] std::optional<TEchelle> LireEchelleBinaireAnnexe(const QString &nomImage);

// Replaces the ".ech" file beside a picture by the image of the scale,
// through a temporary file renamed over it; false when it could not be
// written, the former file then left as it was (the caller may ignore it).
bool EcrireEchelleBinaireAnnexe(const QString &nomImage, const TEchelle &echelle);
