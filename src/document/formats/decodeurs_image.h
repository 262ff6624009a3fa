#pragma once
// The decoders behind LireImage, one per codec, working on the file's bytes
// in memory. Each returns a QImage::Format_ARGB32 picture or throws
// ErreurDecodage with a French message that does not name the file.

#include <QByteArray>
#include <QImage>

[[nodiscard]] QImage DecoderPng(const QByteArray &octets);
[[nodiscard]] QImage DecoderJpeg(const QByteArray &octets);
[[nodiscard]] QImage DecoderGif(const QByteArray &octets);
[[nodiscard]] QImage DecoderTiff(const QByteArray &octets);
// format: Qt's name of the format ("bmp", "ico", "tga", "svg"…).
[[nodiscard]] QImage DecoderAvecQt(const QByteArray &octets, const QByteArray &format);

// Refuses, before any allocation, a picture of largeur x hauteur pixels that
// is empty, larger than 32767 in either direction, above 400 million pixels,
// or larger than tailleFichier bytes can encode at pixelsParOctetMax pixels
// per byte (0: no such bound, for vector pictures). nomFormat names the
// format in the message.
void VerifierTailleImage(qint64 largeur, qint64 hauteur, qint64 tailleFichier, double pixelsParOctetMax,
                         const char *nomFormat);
