#include "processing/tables_composantes.h"

#include "processing/histogrammes.h"

TableComposante TableIdentite()
{
    TableComposante t{};
    for (std::size_t v = 0; v < 256; ++v)
        t[v] = static_cast<std::uint8_t>(v);
    return t;
}

QImage AppliquerTables(const QImage &image, const std::array<TableComposante, 3> &tables)
{
    QImage resultat = ImageVingtQuatreBits(image);
    const int w = resultat.width();
    for (int y = 0; y < resultat.height(); ++y) {
        auto *p = reinterpret_cast<QRgb *>(resultat.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = p[x];
            p[x] = 0xFF000000u | (static_cast<QRgb>(tables[2][(c >> 16) & 0xFF]) << 16) |
                   (static_cast<QRgb>(tables[1][(c >> 8) & 0xFF]) << 8) | tables[0][c & 0xFF];
        }
    }
    return resultat;
}
