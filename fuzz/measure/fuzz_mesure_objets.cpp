// Object measurement with detailed results on random masks up to 64 × 64:
// no crash, no hang; without merging the total is the sum of the objects'
// pixels, every contour starts and ends on its start point, the counts agree.
// Bytes: width, height, options, minimum size, then the mask's bits.

#include "measure/mesure_objets.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    const int l = data[0] % 64 + 1, h = data[1] % 64 + 1;
    const std::uint8_t choix = data[2];
    QImage image(l, h, QImage::Format_ARGB32);
    image.fill(0xFFFFFFFFu);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) {
            const std::size_t bit = static_cast<std::size_t>(y * l + x);
            const std::size_t octet = 4 + bit / 8;
            if (octet < size && (data[octet] >> (bit % 8)) & 1)
                reinterpret_cast<QRgb *>(image.scanLine(y))[x] = 0xFF000000u;
        }
    OptionsObjets options;
    options.ResuStat = true;
    options.TraceLargeur = (choix & 1) != 0;
    options.Marquer = (choix & 2) != 0;
    options.RegroupEmboites = (choix & 4) != 0;
    options.CompteIncomplets = (choix & 8) != 0;
    options.TailleMin = data[3] % 8;
    const TTableaudeTableaudeCondicoul noir = {{{0, 2, 0, 0, 10}}};
    QImage provisoire;
    TableauTailles tableau;
    const ResultatObjets r = MesurerObjets(image, nullptr, noir, options, EchelleObjets{}, provisoire, tableau);
    std::int64_t somme = 0;
    for (const ObjetMesure &o : r.objets) {
        somme += o.pixels;
        if (o.contour.empty() || o.contour.front() != o.contour.back() || o.pixels <= 0)
            std::abort();
        if (!o.contourFerme || o.contourCoupe || o.contourPerdu)
            std::abort();
    }
    if (!options.RegroupEmboites && somme != r.pixelsTotal)
        std::abort();
    if (options.RegroupEmboites && somme > r.pixelsTotal)
        std::abort();
    if (options.CompteIncomplets && r.incomplets != 0)
        std::abort();
    if (!r.objets.empty() && tableau.NbLignes() < TableauTailles::LignesFixes + static_cast<int>(r.objets.size()))
        std::abort();
    if (provisoire.size() != image.size())
        std::abort();
    return 0;
}
