#pragma once
// The decoders behind LireImage, one per codec, working on the file's bytes
// in memory. Each returns a QImage::Format_ARGB32 picture or throws
// ErreurDecodage with a French message that does not name the file.

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <optional>

// A 16-bit sample reduced to 8 bits, the one rule of every reader:
// round(v / 257), with no gamma or colour-profile conversion. 257 is odd, so
// v / 257 never falls on a half and (v + 128) div 257 is the rounded value.
[[nodiscard]] constexpr std::uint32_t Reduire16(std::uint32_t v)
{
    return (v + 128u) / 257u;
}

[[nodiscard]] QImage DecoderPng(const QByteArray &octets);
[[nodiscard]] QImage DecoderJpeg(const QByteArray &octets);
[[nodiscard]] QImage DecoderGif(const QByteArray &octets);
[[nodiscard]] QImage DecoderTiff(const QByteArray &octets);
// A binary PGM or PPM of two-byte samples (maximum above 255); nothing for
// any other content, which Qt's plugin reads.
[[nodiscard]] std::optional<QImage> DecoderPnm16(const QByteArray &octets);
// format: Qt's name of the format ("bmp", "ico", "tga", "svg"…).
[[nodiscard]] QImage DecoderAvecQt(const QByteArray &octets, const QByteArray &format);

// Refuses, before any allocation, a picture of largeur x hauteur pixels that
// is empty, larger than 32767 in either direction, above 400 million pixels,
// or larger than tailleFichier bytes can encode at pixelsParOctetMax pixels
// per byte (0: no such bound, for vector pictures). nomFormat names the
// format in the message.
void VerifierTailleImage(qint64 largeur, qint64 hauteur, qint64 tailleFichier, double pixelsParOctetMax,
                         const char *nomFormat);
