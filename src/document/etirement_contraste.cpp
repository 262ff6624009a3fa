#include "document/etirement_contraste.h"

#include "app/nombres.h"
#include "document/canal.h"

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

BornesEtirement CalculerEtirement(const TCanal &canal, int e)
{
    if (e <= 0)
        return {};
    // Four partial histograms break the dependency between neighbouring bytes.
    std::array<std::array<std::uint64_t, 256>, 4> partiels{};
    const auto *p = reinterpret_cast<const std::uint8_t *>(canal.plan.constData());
    const qsizetype n = canal.plan.size();
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        ++partiels[0][p[i]];
        ++partiels[1][p[i + 1]];
        ++partiels[2][p[i + 2]];
        ++partiels[3][p[i + 3]];
    }
    for (; i < n; ++i)
        ++partiels[0][p[i]];
    std::array<std::uint64_t, 256> histogramme{};
    for (int v = 0; v < 256; ++v)
        histogramme[v] = partiels[0][v] + partiels[1][v] + partiels[2][v] + partiels[3][v];
    return EtirementDeHistogramme(histogramme, e);
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
