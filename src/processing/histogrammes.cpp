#include "processing/histogrammes.h"

#include "document/raster/etirement_contraste.h"

#include <algorithm>
#include <vector>

double HistogrammesImage::pourcentage(int composante, int niveau) const
{
    if (pixels <= 0)
        return 0;
    return static_cast<double>(comptes.at(static_cast<std::size_t>(composante)).at(static_cast<std::size_t>(niveau))) *
           100.0 / static_cast<double>(pixels);
}

HistogrammesImage CalculerHistogrammes(const QImage &image)
{
    HistogrammesImage h;
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    if (source.isNull())
        return h;
    const int w = source.width();
    const int hauteur = source.height();
    h.pixels = static_cast<std::int64_t>(w) * hauteur;
    // Rows are split into three planes by blocks, each counted by the byte counter.
    const int lignesParBloc = std::max(1, (1 << 16) / std::max(1, w));
    std::array<std::vector<std::uint8_t>, 3> plans;
    for (auto &p : plans)
        p.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(std::min(lignesParBloc, hauteur)));
    for (int debut = 0; debut < hauteur; debut += lignesParBloc) {
        const int fin = std::min(hauteur, debut + lignesParBloc);
        std::size_t n = 0;
        for (int y = debut; y < fin; ++y) {
            const auto *s = reinterpret_cast<const QRgb *>(source.constScanLine(y));
            for (int x = 0; x < w; ++x, ++n) {
                const QRgb c = s[x];
                plans[0][n] = static_cast<std::uint8_t>(c);
                plans[1][n] = static_cast<std::uint8_t>(c >> 8);
                plans[2][n] = static_cast<std::uint8_t>(c >> 16);
            }
        }
        for (std::size_t k = 0; k < 3; ++k) {
            const auto bloc = HistogrammeOctets(plans[k].data(), n);
            for (std::size_t v = 0; v < 256; ++v)
                h.comptes[k][v] += bloc[v];
        }
    }
    for (std::size_t k = 0; k < 3; ++k) {
        for (int v = 0; v < 256; ++v)
            if (h.comptes[k][static_cast<std::size_t>(v)] != 0) {
                h.MiniImage[k] = std::min(h.MiniImage[k], v);
                h.MaxiImage[k] = std::max(h.MaxiImage[k], v);
            }
    }
    return h;
}

QImage ImageVingtQuatreBits(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
}
