#include "document/etirement_contraste.h"

#include "app/nombres.h"
#include "document/canal.h"

#include <algorithm>

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

std::array<std::uint64_t, 256> HistogrammeOctets(const std::uint8_t *octets, std::size_t n)
{
    std::array<std::uint64_t, 256> histogramme{};
    // Four partial tables, so that neighbouring equal bytes do not wait on
    // each other's increment. Their 32-bit counters are emptied into the
    // 64-bit histogram every block, well before they could overflow.
    constexpr std::size_t Bloc = std::size_t{1} << 30;
    std::array<std::array<std::uint32_t, 256>, 4> partiels;
    for (std::size_t debut = 0; debut < n; debut += Bloc) {
        for (auto &t : partiels)
            t.fill(0);
        const std::uint8_t *p = octets + debut;
        const std::size_t m = std::min(Bloc, n - debut);
        std::size_t i = 0;
        for (; i + 4 <= m; i += 4) {
            ++partiels[0][p[i]];
            ++partiels[1][p[i + 1]];
            ++partiels[2][p[i + 2]];
            ++partiels[3][p[i + 3]];
        }
        for (; i < m; ++i)
            ++partiels[0][p[i]];
        for (int v = 0; v < 256; ++v)
            histogramme[v] += std::uint64_t{partiels[0][v]} + partiels[1][v] + partiels[2][v] + partiels[3][v];
    }
    return histogramme;
}

BornesEtirement CalculerEtirement(const TCanal &canal, int e)
{
    if (e <= 0)
        return {};
    return EtirementDeHistogramme(HistogrammeOctets(reinterpret_cast<const std::uint8_t *>(canal.plan.constData()),
                                                    static_cast<std::size_t>(canal.plan.size())),
                                  e);
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
