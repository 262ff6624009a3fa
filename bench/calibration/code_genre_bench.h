#pragma once
// A colour code of each kind over 1..1000 °C, with a full table of colours,
// for the readout benchmarks.

#include "calibration/code_couleur.h"
#include "calibration/decodage_couleur.h"

#include <cstddef>
#include <cstdint>

inline TCodeCouleur CodeDuGenre(int genre)
{
    TCodeCouleur c = CodeParDefaut();
    c.TypeCodage = static_cast<std::uint8_t>(genre);
    c.ValeurMin = 1;
    c.ValeurMax = 1000;
    c.Logarithmique = genre == CodageArcEnCiel;
    c.CouleurMin = CouleurRvb(0, 0, 0);
    c.CouleurMax = CouleurRvb(255, 255, 255);
    c.Grandeur = QStringLiteral("Température");
    c.UniteCode = QStringLiteral("°C");
    c.NbCouleurs = MaxEntreesTableau;
    for (int i = 0; i < MaxEntreesTableau; ++i) {
        c.Libelle[static_cast<std::size_t>(i)] = QString::number(i);
        c.CouleurTable[static_cast<std::size_t>(i)] = CouleurArcEnCiel(0, i * 64);
    }
    return c;
}
