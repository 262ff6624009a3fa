#pragma once
// The results table the table benchmarks work on: 10,000 rows of X from 0 to
// 99.99, Y1 a parabola and Y2 a sine, written as the table writes numbers
// (decimal comma).

#include "commun/nombres.h"
#include "table/tableau_resultats.h"

#include <cmath>

inline constexpr int kLignesExemple = 10000;

inline void RemplirTableauExemple(TableauResultats &t)
{
    DefinirSepDecimal(QLatin1Char(','));
    t.SepDecimal = QLatin1Char(',');
    t.SepAutre = QLatin1Char('.');
    t.NbY = 2;
    t.DefinirTaille(3, kLignesExemple + 3);
    for (int i = 0; i < kLignesExemple; ++i) {
        t.DefinirCellule(0, i + 2, FormatGeneral(i * 0.01, 6));
        t.DefinirCellule(1, i + 2, FormatGeneral(0.5 * i * i / 1000.0, 6));
        t.DefinirCellule(2, i + 2, FormatGeneral(20 + 5 * std::sin(i / 300.0), 6));
    }
}
