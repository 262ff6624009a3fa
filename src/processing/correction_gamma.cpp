#include "processing/correction_gamma.h"

#include "commun/erreur.h"
#include "commun/nombres.h"
#include "processing/tables_composantes.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

QImage CorrectionGamma(const QImage &image, double gamma)
{
    if (!(gamma >= GammaMini - 1e-9 && gamma <= GammaMaxi + 1e-9))
        throw ErreurKaptori(
            QCoreApplication::translate("Traitements", "Correction gamma invalide : %1 (de 0,1 à 4).")
                .arg(FormatGeneral(gamma, 6)));
    TableComposante t{};
    for (int v = 0; v < 256; ++v)
        t[static_cast<std::size_t>(v)] =
            static_cast<std::uint8_t>(std::min(255.0, std::nearbyint(255.0 * std::pow(v / 255.0, 1.0 / gamma))));
    return AppliquerTables(image, {t, t, t});
}
