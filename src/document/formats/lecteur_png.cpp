// PNG pictures held in memory, through the stream decoder.

#include "document/formats/decodeurs_image.h"
#include "document/formats/lecture_png_flux.h"

#include <QBuffer>

QImage DecoderPng(const QByteArray &octets)
{
    QByteArray copie = octets;
    QBuffer tampon(&copie);
    tampon.open(QIODevice::ReadOnly);
    return DecoderPngFlux(tampon, copie.size());
}
