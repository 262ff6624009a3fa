#include "app/lecture_document.h"

#include "document/image_document.h"

#include <QRgb>

namespace {

int OctetCanal(const ImageDocument &d, int indice, int x, int y)
{
    if (indice < 0 || indice >= static_cast<int>(d.canaux.size()))
        return 0;
    const TCanal &c = d.canaux[static_cast<std::size_t>(indice)];
    if (x >= c.largeur || y >= c.hauteur || !c.complet())
        return 0;
    return c.ligne(y)[x];
}

} // namespace

bool LirePixelDocument(const ImageDocument &d, int x, int y, PixelLu *pixel)
{
    const QImage &image = d.image;
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return false;
    // The document's image is Format_ARGB32; a single pixel of any other
    // format is converted on its own.
    QRgb c = 0;
    if (image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32)
        c = reinterpret_cast<const QRgb *>(image.constScanLine(y))[x];
    else
        c = image.pixel(x, y);
    pixel->r = qRed(c);
    pixel->g = qGreen(c);
    pixel->b = qBlue(c);
    pixel->multicanal = d.avecCanaux && !d.canaux.empty();
    if (pixel->multicanal)
        pixel->octets = {OctetCanal(d, d.canalBleu, x, y), OctetCanal(d, d.canalVert, x, y),
                         OctetCanal(d, d.canalRouge, x, y)};
    else
        pixel->octets = {0, 0, 0};
    return true;
}
