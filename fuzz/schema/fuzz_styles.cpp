// Styles files from arbitrary bytes: reading never fails hard, and styles
// that are accepted write lines that read back to the same parameters.

#include "commun/fichier_texte.h"
#include "schema/styles_fichier.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray octets(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QString raison;
    const auto styles = AnalyserStyles(octets, &raison);
    if (!styles) {
        if (raison.isEmpty())
            std::abort();
        return 0;
    }
    QByteArray ecrit;
    for (const QString &ligne : LignesStyles(*styles))
        ecrit += EncoderWindows1252(ligne) + "\r\n";
    const auto relus = AnalyserStyles(ecrit);
    if (!relus || relus->size() != styles->size())
        std::abort();
    for (std::size_t i = 0; i < styles->size(); ++i)
        if (!((*relus)[i].param == (*styles)[i].param))
            std::abort();
    return 0;
}
