// PNG pictures through libpng's simplified reading interface, which turns
// every colour type and depth into 8-bit B,G,R,A bytes: in memory order that
// is QImage::Format_ARGB32 on a little-endian machine, and A,R,G,B on a
// big-endian one.

#include "commun/erreur.h"
#include "document/formats/decodeurs_image.h"

#include <QCoreApplication>
#include <QtEndian>

#include <png.h>

namespace {

// Deflate expands one byte into at most 1032; a row holds at least one bit
// per pixel plus its filter byte, hence this bound on the pixels a file of a
// given size can hold.
constexpr double kPixelsParOctetPng = 1032.0 * 8.0;

struct ImagePng {
    png_image png{};
    ImagePng() { png.version = PNG_IMAGE_VERSION; }
    ~ImagePng() { png_image_free(&png); }
    ImagePng(const ImagePng &) = delete;
    ImagePng &operator=(const ImagePng &) = delete;
};

// libpng's texts are English and technical: the user is told the kind of
// fault only.
[[noreturn]] void Echec(const png_image &)
{
    throw ErreurDecodage(QCoreApplication::translate("LecteurImage", "fichier PNG endommagé ou tronqué."));
}

} // namespace

QImage DecoderPng(const QByteArray &octets)
{
    ImagePng lecture;
    if (!png_image_begin_read_from_memory(&lecture.png, octets.constData(), static_cast<size_t>(octets.size())))
        Echec(lecture.png);
    VerifierTailleImage(lecture.png.width, lecture.png.height, octets.size(), kPixelsParOctetPng, "PNG");

    lecture.png.format = (QSysInfo::ByteOrder == QSysInfo::LittleEndian) ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image(static_cast<int>(lecture.png.width), static_cast<int>(lecture.png.height), QImage::Format_ARGB32);
    if (image.isNull())
        throw ErreurDecodage(QCoreApplication::translate("LecteurImage", "mémoire insuffisante pour cette image."));
    if (!png_image_finish_read(&lecture.png, nullptr, image.bits(), static_cast<png_int_32>(image.bytesPerLine()),
                               nullptr))
        Echec(lecture.png);
    return image;
}
