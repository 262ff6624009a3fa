// The pictures read through Qt's plugins (BMP, icons, TGA, PNM, XPM, WebP) on
// arbitrary bytes; the first byte chooses the format.

#include "commun/erreur.h"
#include "document/formats/decodeurs_image.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char nom[] = "fuzz";
    static char *argv[] = {nom, nullptr};
    static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    if (size < 1)
        return 0;
    static const char *const formats[] = {"bmp", "ico", "tga", "ppm", "pgm", "pbm", "xpm", "webp", "cur", "wbmp"};
    const char *format = formats[data[0] % std::size(formats)];
    const QByteArray octets =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data) + 1, static_cast<qsizetype>(size - 1));
    try {
        const QImage image = DecoderAvecQt(octets, format);
        (void)image.pixel(image.width() - 1, image.height() - 1);
    } catch (const ErreurDecodage &) {
    }
    return 0;
}
