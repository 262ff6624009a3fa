#pragma once
// The readout of the pixel under the pointer: the status-bar texts and what
// the decoding panel shows. Nothing here allocates except the returned texts.

#include "calibration/code_couleur.h"
#include "calibration/decodage_couleur.h"

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

// The pixel under the pointer as the readout needs it: the displayed colour
// and, for a multichannel document, the bytes of the three displayed channels
// (0 for an empty display slot).
struct PixelLu {
    int r = 0;
    int g = 0;
    int b = 0;
    bool multicanal = false;
    std::array<int, 3> octets{0, 0, 0}; // channels shown in blue, green, red
};

// What the decoding panel shows for a pixel under a code.
struct LectureDecodage {
    enum class Vue {
        PasDEchelle, // the code is not defined
        Signature,   // kind 0: three channel values and their bars
        Valeur,      // kinds 1 to 3: the decoded value
    };
    Vue vue = Vue::PasDEchelle;
    SignatureSpectrale signature;
    // For Valeur: a multichannel document shows the byte of its first
    // displayed channel; otherwise DecoderCouleur of the pixel.
    ResultatDecodage valeur;
};

[[nodiscard]] LectureDecodage LireDecodage(const TCodeCouleur &code, const PixelLu &pixel);
