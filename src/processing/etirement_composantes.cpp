#include "processing/etirement_composantes.h"

#include "commun/erreur.h"
#include "processing/tables_composantes.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

void VerifierLimites(const LimitesComposantes &limites)
{
    for (std::size_t k = 0; k < 3; ++k) {
        const int lo = limites.basse[k];
        const int hi = limites.haute[k];
        if (lo < 0 || hi > 255 || lo > hi)
            throw ErreurKaptori(QCoreApplication::translate("Traitements",
                                                            "Limites invalides : %1-%2 (deux niveaux de 0 à 255, "
                                                            "le premier au plus égal au second).")
                                    .arg(lo)
                                    .arg(hi));
    }
}

ResultatEtirement EtirerComposantes(const QImage &image, const LimitesComposantes &limites)
{
    VerifierLimites(limites);
    ResultatEtirement r;
    std::array<TableComposante, 3> tables{TableIdentite(), TableIdentite(), TableIdentite()};
    for (std::size_t k = 0; k < 3; ++k) {
        const int lo = limites.basse[k];
        const int hi = limites.haute[k];
        if (lo == hi) {
            r.inchangee[k] = true;
            continue;
        }
        // v × a + b = 255 (v − lo) / (hi − lo), rounded exactly so that 127,5 gives 128.
        for (int v = 0; v < 256; ++v)
            tables[k][static_cast<std::size_t>(v)] =
                static_cast<std::uint8_t>(std::clamp<std::int64_t>(QuotientArrondi(255 * (v - lo), hi - lo), 0, 255));
    }
    r.image = AppliquerTables(image, tables);
    return r;
}
