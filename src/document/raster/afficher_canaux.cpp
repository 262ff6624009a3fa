// Showing channels of a multichannel document in the image bitmap, with the
// contrast stretch. The channels keep their raw values; only the bitmap shows
// them stretched.

#include "document/raster/composition_canaux.h"
#include "document/raster/etirement_contraste.h"
#include "document/raster/etirement_queues.h"
#include "commun/grandes_pages.h"
#include "document/image_document.h"
#include "commun/travail_parallele.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

// Channel shown in a slot: the index when it names an existing channel of the
// reference size, otherwise none (-1).
int CanalAffichable(const std::vector<TCanal> &canaux, int index)
{
    if (index < 0 || index >= static_cast<int>(canaux.size()))
        return -1;
    return canaux[static_cast<std::size_t>(index)].complet() ? index : -1;
}

// Default symbol colours of the slots: blue slot green, green slot red, red slot black.
constexpr std::array<CouleurWin, 3> CouleursParDefaut{CouleurRvb(0, 255, 0), CouleurRvb(255, 0, 0),
                                                      CouleurRvb(0, 0, 0)};

CouleurWin CouleurNeutreWin()
{
    return CouleurRvb(qRed(ImageDocument::CouleurNeutre), qGreen(ImageDocument::CouleurNeutre),
                      qBlue(ImageDocument::CouleurNeutre));
}

QString TexteCode(const QString &texte)
{
    return texte.left(LongueurMaxTexteCode);
}

// The colour code describing the shown channels. Colour mode: kind 0, each
// slot named after its channel (or the dialog's designation) with its symbol
// colour; a slot without channel gets no name and the neutral colour. Its
// raw-value range is 0..255 for a shown slot (the stretch narrows it
// afterwards): a range left from an earlier stretch would misread the
// bitmap once exported. Grey mode: kind 2 from black to white over 0..255.
void DecrireCanaux(TCodeCouleur &code, bool modeCouleur, const std::array<int, 3> &places,
                   const std::vector<TCanal> &canaux, const DesignationsCanaux *designations)
{
    code.Definie = 1;
    if (modeCouleur) {
        code.TypeCodage = CodageTroisCanaux;
        for (int k = 0; k < 3; ++k) {
            if (places[k] < 0) {
                code.NomC[k].clear();
                code.CouleurC[k] = CouleurNeutreWin();
                continue;
            }
            code.NomC[k] = TexteCode(designations ? designations->noms[k] : canaux[static_cast<std::size_t>(places[k])].nom);
            code.CouleurC[k] = designations ? designations->couleurs[k] : CouleursParDefaut[k];
            code.MiniC[k] = 0;
            code.MaxiC[k] = 255;
        }
        return;
    }
    int k = 0;
    while (places[k] < 0)
        ++k;
    code.TypeCodage = CodageDeuxCouleurs;
    code.CouleurMin = CouleurRvb(0, 0, 0);
    code.CouleurMax = CouleurRvb(255, 255, 255);
    code.ValeurMin = 0;
    code.ValeurMax = 255;
    code.Logarithmique = false;
    code.Grandeur = TexteCode(designations ? designations->noms[k] : canaux[static_cast<std::size_t>(places[k])].nom);
    code.UniteCode.clear();
}

// Records the raw values that the displayed 0 and 255 stand for, so that the
// decoding panel reads raw values.
void NoterBornes(TCodeCouleur &code, int k, const BornesEtirement &bornes)
{
    if (code.Definie != 1)
        return;
    switch (code.TypeCodage) {
    case CodageTroisCanaux:
        code.MiniC[k] = bornes.mini;
        code.MaxiC[k] = bornes.maxi;
        break;
    case CodageArcEnCiel:
    case CodageDeuxCouleurs:
        code.ValeurMin = bornes.mini;
        code.ValeurMax = bornes.maxi;
        break;
    default:
        code.Definie = 0;
        break;
    }
}

} // namespace

void ImageDocument::AfficherCanaux(int b, int v, int r, int e, const DesignationsCanaux *designations)
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

    // Planes are only read here: through a const view, a plane shared with
    // another document is never copied.
    const std::vector<TCanal> &lus = canaux;
    std::array<const TCanal *, 3> montres{};
    for (int k = 0; k < 3; ++k)
        montres[k] = places[k] >= 0 ? &lus[static_cast<std::size_t>(places[k])] : nullptr;
    const TCanal &ref = lus[static_cast<std::size_t>(reference)];
    const int w = ref.largeur;
    const int h = ref.hauteur;
    // A new bitmap's memory is made present by the slice of rows that writes
    // it, so that on several cores the kernel's page clearing is shared too.
    bool nouvelle = false;
    if (image.width() != w || image.height() != h || image.format() != QImage::Format_ARGB32) {
        image = QImage(w, h, QImage::Format_ARGB32);
        ConseillerGrandesPages(image.bits(), static_cast<std::size_t>(image.sizeInBytes()));
        nouvelle = true;
    }

    const std::int64_t octetsPlan = static_cast<std::int64_t>(w) * h;
    const std::array<BornesEtirement, 3> bornes = EtirementsCanaux(montres, etirement);
    std::array<TableAffichage, 3> tables{};
    for (int k = 0; k < 3; ++k)
        tables[k] = bornes[k].applique ? TableEtirement(bornes[k].mini, bornes[k].maxi) : TableEtirement(0, 0);
    uchar *const bits = image.bits();
    const qsizetype pas = image.bytesPerLine();
    const auto preparer = [&](int debut, int fin) {
        if (nouvelle)
            PreparerGrandesPages(bits + debut * pas, static_cast<std::size_t>((fin - debut) * pas));
    };

    // Every pixel is written below, so the bitmap needs no clearing first.

    if (modeCouleur) {
        // A slot without a channel keeps 255 in its byte: it reads a row of
        // zeros through a table giving 255. The bitmap is opaque so that it
        // shows and exports as the composite it is.
        const std::vector<std::uint8_t> zeros(static_cast<std::size_t>(w), 0);
        std::array<TableAffichage, 3> affichage = tables;
        for (int k = 0; k < 3; ++k)
            if (places[k] < 0)
                affichage[k].fill(255);
        const CompositeurCanaux compositeur(affichage);
        ParcourirEnParallele(h, PartsParalleles(octetsPlan * 4), [&](int debut, int fin) {
            preparer(debut, fin);
            for (int y = debut; y < fin; ++y) {
                std::array<const std::uint8_t *, 3> src{};
                for (int k = 0; k < 3; ++k)
                    src[k] = montres[k] ? montres[k]->ligne(y) : zeros.data();
                compositeur.Ligne(reinterpret_cast<QRgb *>(bits + y * pas), src[0], src[1], src[2], w);
            }
        });
    } else {
        std::array<QRgb, 256> gris{};
        const TableAffichage &table = tables[static_cast<std::size_t>(
            places[0] >= 0 ? 0 : (places[1] >= 0 ? 1 : 2))];
        for (int v = 0; v < 256; ++v)
            gris[v] = 0xFF000000u | (0x010101u * table[v]);
        ParcourirEnParallele(h, PartsParalleles(octetsPlan * 4), [&](int debut, int fin) {
            preparer(debut, fin);
            for (int y = debut; y < fin; ++y) {
                auto *ligne = reinterpret_cast<QRgb *>(bits + y * pas);
                const std::uint8_t *src = ref.ligne(y);
                for (int x = 0; x < w; ++x)
                    ligne[x] = gris[src[x]];
            }
        });
    }

    DecrireCanaux(codeCouleur, modeCouleur, places, canaux, designations);
    for (int k = 0; k < 3; ++k)
        if (places[k] >= 0 && bornes[k].applique)
            NoterBornes(codeCouleur, k, bornes[k]);
}
