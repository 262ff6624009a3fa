#pragma once
// The readout of the pixel under the pointer: the status-bar texts and what
// the decoding panel shows. Nothing here allocates except the returned texts.

#include "calibration/code_couleur.h"

#include <QString>

#include <array>

// "RVBLS:" R "," G "," B "," L "," S with L = R + G + B and
// S = Round((max - min) * 255 / max), 0 for black.
[[nodiscard]] QString TexteRVBLS(int r, int g, int b);

// "X:" x ";" "Y:" y.
[[nodiscard]] QString TexteXY(int x, int y);

// Kind 0: the three channel values and the heights of the signature bars.
struct SignatureSpectrale {
    std::array<int, 3> valeurs{0, 0, 0};
    std::array<int, 3> hauteurs{0, 0, 0}; // bar k stands on the base line: top = 81 - height
};

// From the pixel's components through the code's MiniC/MaxiC (channel 1 from
// blue, 2 from green, 3 from red).
[[nodiscard]] SignatureSpectrale SignatureDeCouleur(const TCodeCouleur &code, int r, int g, int b);

// From the bytes of the three displayed channels of a multichannel document.
[[nodiscard]] SignatureSpectrale SignatureDeCanaux(const std::array<int, 3> &octets);
