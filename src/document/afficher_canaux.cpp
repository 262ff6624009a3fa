// Showing channels of a multichannel document in the image bitmap, with the
// contrast stretch. The channels keep their raw values; only the bitmap shows
// them stretched.

#include "document/etirement_contraste.h"
#include "document/image_document.h"

#include <array>
#include <cstdint>

namespace {

using TableOctets = std::array<std::uint8_t, 256>;

// Channel shown in a slot: the index when it names an existing channel of the
// reference size, otherwise none (-1).
int CanalAffichable(const std::vector<TCanal> &canaux, int index)
{
    if (index < 0 || index >= static_cast<int>(canaux.size()))
        return -1;
    const TCanal &c = canaux[static_cast<std::size_t>(index)];
    if (c.largeur <= 0 || c.hauteur <= 0
        || c.plan.size() < static_cast<qsizetype>(c.largeur) * static_cast<qsizetype>(c.hauteur))
        return -1;
    return index;
}

TableOctets TableDuCanal(const TCanal &canal, int etirement)
{
    const BornesEtirement bornes = CalculerEtirement(canal, etirement);
    return bornes.applique ? TableEtirement(bornes.mini, bornes.maxi) : TableEtirement(0, 0);
}

} // namespace

void ImageDocument::AfficherCanaux(int b, int v, int r, int e)
{
    if (b == -1 && v == -1 && r == -1)
        return;
    etirement = e;
    const int nbDemandes = (b != -1) + (v != -1) + (r != -1);
    const bool modeCouleur = nbDemandes >= 2;

    std::array<int, 3> places{CanalAffichable(canaux, b), CanalAffichable(canaux, v), CanalAffichable(canaux, r)};
    // The bitmap takes the size of the first channel set; a channel of
    // another size cannot share it and is shown as none.
    int reference = -1;
    for (int s : places)
        if (s >= 0 && reference < 0)
            reference = s;
    for (int &s : places)
        if (s >= 0 && (canaux[static_cast<std::size_t>(s)].largeur != canaux[static_cast<std::size_t>(reference)].largeur
                       || canaux[static_cast<std::size_t>(s)].hauteur != canaux[static_cast<std::size_t>(reference)].hauteur))
            s = -1;
    canalBleu = places[0];
    canalVert = places[1];
    canalRouge = places[2];
    if (reference < 0)
        return;
    avecCanaux = true;

    const TCanal &ref = canaux[static_cast<std::size_t>(reference)];
    const int w = ref.largeur;
    const int h = ref.hauteur;
    if (image.width() != w || image.height() != h || image.format() != QImage::Format_ARGB32)
        image = QImage(w, h, QImage::Format_ARGB32);

    // Every pixel is written below, so the bitmap needs no clearing first.
    std::array<TableOctets, 3> tables{};
    for (int k = 0; k < 3; ++k)
        if (places[k] >= 0)
            tables[k] = TableDuCanal(canaux[static_cast<std::size_t>(places[k])], etirement);

    if (modeCouleur) {
        // A slot without a channel keeps 255 in its byte. The bitmap is opaque
        // so that it shows and exports as the composite it is.
        for (int y = 0; y < h; ++y) {
            auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
            const std::uint8_t *src[3] = {};
            for (int k = 0; k < 3; ++k)
                if (places[k] >= 0)
                    src[k] = canaux[static_cast<std::size_t>(places[k])].ligne(y);
            for (int x = 0; x < w; ++x) {
                const QRgb bleu = src[0] ? tables[0][src[0][x]] : 255u;
                const QRgb vert = src[1] ? tables[1][src[1][x]] : 255u;
                const QRgb rouge = src[2] ? tables[2][src[2][x]] : 255u;
                ligne[x] = 0xFF000000u | (rouge << 16) | (vert << 8) | bleu;
            }
        }
    } else {
        const TableOctets &table = tables[static_cast<std::size_t>(
            places[0] >= 0 ? 0 : (places[1] >= 0 ? 1 : 2))];
        for (int y = 0; y < h; ++y) {
            auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
            const std::uint8_t *src = ref.ligne(y);
            for (int x = 0; x < w; ++x)
                ligne[x] = 0xFF000000u | (0x010101u * table[src[x]]);
        }
    }
}
