// The document-file reader on arbitrary bytes: a document or a French error,
// never a crash, a hang or an allocation beyond what the bytes can hold.

#include "commun/erreur.h"
#include "document/fichier_document.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray octets = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        // A background-only image is allocated from its declared size alone:
        // keep it small so that the run explores the format, not the allocator.
        const ContenuDocument contenu = LireDocumentOctets(octets, 4'000'000);
        (void)contenu.image.pixel(contenu.image.width() - 1, contenu.image.height() - 1);
    } catch (const ErreurKaptori &) {
    }
    return 0;
}
