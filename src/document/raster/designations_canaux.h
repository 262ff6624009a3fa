#pragma once
// Designations and symbol colours of the three display slots (blue, green,
// red) chosen in the channel dialog. Once that dialog has been confirmed,
// every later display of channels takes its names and colours from it.

#include "calibration/code_couleur.h"

#include <QString>

#include <array>

struct DesignationsCanaux {
    std::array<QString, 3> noms;       // designation of each slot
    std::array<CouleurWin, 3> couleurs{}; // symbol colour of each slot (0x00BBGGRR)
};
