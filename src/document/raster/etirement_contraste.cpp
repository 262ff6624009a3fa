#include "document/raster/etirement_contraste.h"

#include "commun/nombres.h"
#include "document/raster/canal.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

BornesEtirement EtirementDeHistogramme(const std::array<std::uint64_t, 256> &histogramme, int e)
{
    BornesEtirement bornes;
    if (e <= 0)
        return bornes;
    std::uint64_t total = 0;
    int vraiMin = -1;
    int vraiMax = -1;
    for (int v = 0; v < 256; ++v) {
        if (histogramme[v] == 0)
            continue;
        total += histogramme[v];
        if (vraiMin < 0)
            vraiMin = v;
        vraiMax = v;
    }
    if (vraiMin < 0 || vraiMin == vraiMax)
        return bornes;

    // 2000 div e is 0 for e > 2000: no pixel may be left out then.
    const std::uint64_t diviseur = static_cast<std::uint64_t>(2000 / e);
    const std::uint64_t seuil = diviseur == 0 ? 0 : total / diviseur;
    int mini = vraiMin;
    int maxi = vraiMax;
    std::uint64_t bas = 0;
    std::uint64_t haut = 0;
    for (int i = 1; i <= 254; ++i) {
        bas += histogramme[i];
        haut += histogramme[255 - i];
        if (bas < seuil)
            mini = i;
        if (haut < seuil)
            maxi = 255 - i;
    }
    if (mini < maxi) {
        bornes.applique = true;
        bornes.mini = mini;
        bornes.maxi = maxi;
    }
    return bornes;
}

namespace {

using Histogramme = std::array<std::uint64_t, 256>;

// Small blocks: four partial tables of single bytes, so that neighbouring
// equal bytes do not wait on each other's increment.
void CompterOctets(const std::uint8_t *p, std::size_t n, Histogramme &histogramme)
{
    std::array<std::array<std::uint32_t, 256>, 4> partiels{};
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        ++partiels[0][p[i]];
        ++partiels[1][p[i + 1]];
        ++partiels[2][p[i + 2]];
        ++partiels[3][p[i + 3]];
    }
    for (; i < n; ++i)
        ++partiels[0][p[i]];
    for (int v = 0; v < 256; ++v)
        histogramme[v] += std::uint64_t{partiels[0][v]} + partiels[1][v] + partiels[2][v] + partiels[3][v];
}

// Large blocks: pairs of neighbouring bytes counted in a table of 65536
// entries, then each pair added to the counts of both its bytes. Half as
// many increments, and the pairs of a picture's smooth areas stay in the
// processor's cache. The table is emptied into the counts before its 32-bit
// counters could overflow (2^31 bytes).
class CompteurPaires {
public:
    explicit CompteurPaires(Histogramme &histogramme) : histogramme_(histogramme), paires_(NbPaires, 0u) {}
    CompteurPaires(const CompteurPaires &) = delete;
    CompteurPaires &operator=(const CompteurPaires &) = delete;
    ~CompteurPaires() { Vider(); }

    void Compter(const std::uint8_t *p, std::size_t n)
    {
        for (std::size_t debut = 0; debut < n; debut += Bloc) {
            const std::uint8_t *q = p + debut;
            const std::size_t m = std::min(Bloc, n - debut);
            if (comptes_ + m > Bloc)
                Vider();
            comptes_ += m;
            std::uint32_t *paires = paires_.data();
            std::size_t i = 0;
            for (; i + 8 <= m; i += 8) {
                std::uint16_t a;
                std::uint16_t b;
                std::uint16_t c;
                std::uint16_t d;
                std::memcpy(&a, q + i, 2);
                std::memcpy(&b, q + i + 2, 2);
                std::memcpy(&c, q + i + 4, 2);
                std::memcpy(&d, q + i + 6, 2);
                ++paires[a];
                ++paires[b];
                ++paires[c];
                ++paires[d];
            }
            for (; i < m; ++i)
                ++histogramme_[q[i]];
        }
    }

private:
    static constexpr std::size_t NbPaires = 65536;
    static constexpr std::size_t Bloc = std::size_t{1} << 31;

    void Vider()
    {
        if (comptes_ == 0)
            return;
        for (std::size_t v = 0; v < NbPaires; ++v) {
            const std::uint32_t k = paires_[v];
            histogramme_[v & 0xFF] += k;
            histogramme_[v >> 8] += k;
        }
        std::fill(paires_.begin(), paires_.end(), 0u);
        comptes_ = 0;
    }

    Histogramme &histogramme_;
    std::vector<std::uint32_t> paires_;
    std::size_t comptes_ = 0;
};

// Below a megabyte, preparing the table of pairs would cost more than it saves.
constexpr std::size_t SeuilPaires = std::size_t{1} << 20;

} // namespace

std::array<std::uint64_t, 256> HistogrammeOctets(const std::uint8_t *octets, std::size_t n)
{
    Histogramme histogramme{};
    if (n < SeuilPaires)
        CompterOctets(octets, n, histogramme);
    else
        CompteurPaires(histogramme).Compter(octets, n);
    return histogramme;
}

std::array<std::uint64_t, 256> HistogrammeCanal(const TCanal &canal, int debut, int fin)
{
    debut = std::max(debut, 0);
    fin = std::min(fin, canal.hauteur);
    if (fin <= debut || !canal.complet())
        return {};
    const auto largeur = static_cast<std::size_t>(canal.largeur);
    const auto octets = largeur * static_cast<std::size_t>(fin - debut);
    if (canal.pasLigne() == canal.largeur)
        return HistogrammeOctets(canal.ligne(debut), octets);
    // Rows apart from each other (bands alternating row by row in one block).
    Histogramme histogramme{};
    if (octets < SeuilPaires) {
        for (int y = debut; y < fin; ++y)
            CompterOctets(canal.ligne(y), largeur, histogramme);
    } else {
        CompteurPaires compteur(histogramme);
        for (int y = debut; y < fin; ++y)
            compteur.Compter(canal.ligne(y), largeur);
    }
    return histogramme;
}

std::array<std::array<std::uint64_t, 256>, 3> HistogrammesCanaux(const std::array<const TCanal *, 3> &canaux, int debut,
                                                                  int fin)
{
    std::array<Histogramme, 3> histogrammes{};
    for (std::size_t k = 0; k < 3; ++k)
        if (canaux[k])
            histogrammes[k] = HistogrammeCanal(*canaux[k], debut, fin);
    return histogrammes;
}

BornesEtirement CalculerEtirement(const TCanal &canal, int e)
{
    if (e <= 0)
        return {};
    return EtirementDeHistogramme(HistogrammeCanal(canal, 0, canal.hauteur), e);
}

std::array<std::uint8_t, 256> TableEtirement(int mini, int maxi)
{
    std::array<std::uint8_t, 256> table{};
    if (maxi <= mini) {
        for (int v = 0; v < 256; ++v)
            table[v] = static_cast<std::uint8_t>(v);
        return table;
    }
    const double ecart = maxi - mini;
    const double decalage = mini * 255.0 / ecart;
    for (int v = 0; v < 256; ++v)
        table[v] = static_cast<std::uint8_t>(ArrondiBorne(v * 255.0 / ecart - decalage, 0, 255));
    return table;
}
