// Colour-code texts and stream forms from arbitrary bytes: parsing never
// fails hard, a parsed code writes a text that reads back to the same text,
// and decoding any colour with it stays defined.

#include "commun/fichier_texte.h"
#include "commun/nombres.h"
#include "calibration/code_couleur.h"
#include "calibration/decodage_couleur.h"
#include "calibration/lecture_pixel.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the decimal separator, the rest is the text.
    DefinirSepDecimal((data[0] & 1) ? QLatin1Char(',') : QLatin1Char('.'));
    const QByteArray octets(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    const QString texte = DecoderTexte(octets);

    const TCodeCouleur code = TexteEnCode(texte);
    if (code.Definie) {
        const QString ecrit = CodeEnTexte(code);
        const TCodeCouleur relu = TexteEnCode(ecrit);
        if (!relu.Definie || CodeEnTexte(relu) != ecrit)
            std::abort();
        for (const int r : {0, 128, 255})
            for (const int g : {0, 255})
                for (const int b : {0, 77, 255}) {
                    (void)DecoderCouleur(code, r, g, b);
                    (void)LireDecodage(code, PixelLu{r, g, b});
                }
        (void)CouleurDeValeur(code, code.ValeurMin);
        (void)CouleurDeValeur(code, 0.5 * (code.ValeurMin + code.ValeurMax));
    }

    QBuffer flux;
    flux.setData(octets);
    flux.open(QIODevice::ReadOnly);
    try {
        (void)LireCodeFlux(flux);
    } catch (const std::exception &) {
    }
    return 0;
}
