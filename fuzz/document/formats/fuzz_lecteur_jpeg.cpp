// The JPEG decoder on arbitrary bytes: a picture or a French error, never a
// crash, a hang or an allocation beyond what the bytes can hold.

#include "commun/erreur.h"
#include "document/formats/decodeurs_image.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray octets = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        const QImage image = DecoderJpeg(octets);
        (void)image.pixel(image.width() - 1, image.height() - 1);
    } catch (const ErreurDecodage &) {
    }
    return 0;
}
