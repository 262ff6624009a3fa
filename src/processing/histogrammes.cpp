#include "processing/histogrammes.h"

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
    QImage converti;
    const QImage &source = LectureVingtQuatreBits(image, converti);
    if (source.isNull())
        return h;
    const int w = source.width();
    const int hauteur = source.height();
    h.pixels = static_cast<std::int64_t>(w) * hauteur;
    // Two pixels at a time into two sets of counters, so that consecutive
    // equal levels do not wait on each other's increment; 32-bit counters
    // are added into the totals every block of rows, before they can overflow.
    std::array<std::array<std::uint32_t, 256>, 6> compteurs{};
    const int lignesParBloc = std::max(1, (1 << 30) / std::max(1, w));
    for (int debut = 0; debut < hauteur; debut += lignesParBloc) {
        const int fin = std::min(hauteur, debut + lignesParBloc);
        for (int y = debut; y < fin; ++y) {
            const auto *s = reinterpret_cast<const QRgb *>(source.constScanLine(y));
            int x = 0;
            for (; x + 1 < w; x += 2) {
                const QRgb a = s[x];
                const QRgb b = s[x + 1];
                ++compteurs[0][a & 0xFFu];
                ++compteurs[1][(a >> 8) & 0xFFu];
                ++compteurs[2][(a >> 16) & 0xFFu];
                ++compteurs[3][b & 0xFFu];
                ++compteurs[4][(b >> 8) & 0xFFu];
                ++compteurs[5][(b >> 16) & 0xFFu];
            }
            if (x < w) {
                const QRgb a = s[x];
                ++compteurs[0][a & 0xFFu];
                ++compteurs[1][(a >> 8) & 0xFFu];
                ++compteurs[2][(a >> 16) & 0xFFu];
            }
        }
        for (std::size_t k = 0; k < 3; ++k)
            for (std::size_t v = 0; v < 256; ++v) {
                h.comptes[k][v] += std::uint64_t{compteurs[k][v]} + compteurs[k + 3][v];
                compteurs[k][v] = 0;
                compteurs[k + 3][v] = 0;
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

const QImage &LectureVingtQuatreBits(const QImage &image, QImage &converti)
{
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
        return image;
    converti = ImageVingtQuatreBits(image);
    return converti;
}
