#pragma once
// The scale inside a document file: an unsigned 16-bit little-endian length,
// then that many bytes of the scale's text form (Windows-1252), no terminator.
// An undefined scale is the length 0 alone.

#include "calibration/echelle.h"

class QIODevice;
class QDataStream;

// Throws ErreurFichier when the device refuses the bytes.
void EcrireEchelleFlux(QIODevice &flux, const TEchelle &echelle);
void EcrireEchelleFlux(QDataStream &flux, const TEchelle &echelle);

// Reads what EcrireEchelleFlux wrote. The result starts as an undefined length
// scale in "pixels"; a length of 0 returns it as is, otherwise the result is
// TexteEnEchelle of the text (Definie = 0 when it does not parse). Throws
// ErreurDecodage when the stream ends before the length or the text.
[[nodiscard]] TEchelle LireEchelleFlux(QIODevice &flux);
[[nodiscard]] TEchelle LireEchelleFlux(QDataStream &flux);
