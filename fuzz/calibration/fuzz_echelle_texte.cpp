// Scale texts, binary images and document streams on arbitrary bytes: no
// crash, no hang, and a parsed scale written again parses again.

#include "commun/fichier_texte.h"
#include "commun/nombres.h"
#include "calibration/echelle.h"
#include "calibration/echelle_binaire.h"
#include "calibration/echelle_flux.h"

#include <QBuffer>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool Raisonnable(double v)
{
    return std::isfinite(v) && std::fabs(v) < 1e300;
}

bool ReelsRaisonnables(const TEchelle &e)
{
    switch (e.Mode) {
    case TEchelle::Longueur:
        return Raisonnable(e.Facteur);
    case TEchelle::Cartesien:
        return Raisonnable(e.FacteurX) && Raisonnable(e.FacteurY[0]) && Raisonnable(e.FacteurY[1])
            && Raisonnable(e.FacteurY[2]);
    case TEchelle::Polaire:
        return Raisonnable(e.AngleZero) && Raisonnable(e.FacteurRayon);
    default:
        return true;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray octets(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    DefinirSepDecimal(size > 0 && (data[0] & 1) ? QLatin1Char(',') : QLatin1Char('.'));

    const TEchelle e = TexteEnEchelle(DecoderTexte(octets));
    if (e.Definie) {
        const TEchelle relue = TexteEnEchelle(EchelleEnTexte(e));
        // Units may hold the separators of the text form; only the numbers are checked here.
        if (ReelsRaisonnables(e) && relue.Definie == 0 && e.Mode == TEchelle::Longueur
            && !e.Unite.contains(QLatin1Char('>')))
            std::abort();
        (void)EchelleEnBinaire(e);
    }

    (void)BinaireEnEchelle(octets);

    QBuffer tampon;
    tampon.setData(octets);
    tampon.open(QIODevice::ReadOnly);
    try {
        while (!tampon.atEnd())
            (void)LireEchelleFlux(tampon);
    } catch (const std::exception &) {
    }
    return 0;
}
