#include "app/cli/options_couleurs_cli.h"

#include "commun/nombres.h"

#include <QStringList>

#include <cmath>
#include <limits>

std::optional<std::vector<int>> EntiersCli(const QString &texte)
{
    std::vector<int> v;
    for (const QString &champ : texte.split(QLatin1Char(','))) {
        bool ok = false;
        const std::int64_t e = TexteEnEntier(champ, &ok);
        if (!ok || e < std::numeric_limits<int>::min() || e > std::numeric_limits<int>::max())
            return std::nullopt;
        v.push_back(static_cast<int>(e));
    }
    return v;
}

std::optional<QRgb> CouleurCli(const QString &texte)
{
    const auto v = EntiersCli(texte);
    if (!v || v->size() != 3)
        return std::nullopt;
    for (int c : *v)
        if (c < 0 || c > 255)
            return std::nullopt;
    return qRgb((*v)[0], (*v)[1], (*v)[2]);
}

std::optional<double> ReelCli(const QString &texte)
{
    bool ok = false;
    const double v = TexteEnReel(RemplacerSepAutre(texte.trimmed()), &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}
