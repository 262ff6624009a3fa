// Decoding and splitting of the program's text files on arbitrary bytes.

#include "commun/fichier_texte.h"
#include "commun/nombres.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray octets(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString texte = DecoderTexte(octets);
    for (const QString &ligne : DecouperLignes(texte)) {
        bool ok = false;
        (void)TexteEnReel(ligne, &ok);
        (void)TexteEnEntier(ligne, &ok);
    }
    (void)EncoderWindows1252(texte);
    return 0;
}
