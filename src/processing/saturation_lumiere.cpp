#include "processing/saturation_lumiere.h"

#include "commun/erreur.h"
#include "processing/histogrammes.h"
#include "processing/tsv.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

std::uint32_t Octet(double v)
{
    return static_cast<std::uint32_t>(std::clamp(std::nearbyint(255.0 * v), 0.0, 255.0));
}

} // namespace

QImage SaturationLumiere(const QImage &image, int saturation, int lumiere)
{
    for (const auto &[nom, v] : {std::pair{"Saturation", saturation}, std::pair{"Lumière", lumiere}})
        if (v < -100 || v > 100)
            throw ErreurKaptori(QCoreApplication::translate("Traitements", "%1 invalide : %2 (de -100 à 100).")
                                    .arg(QCoreApplication::translate("Traitements", nom))
                                    .arg(v));
    const double fs = 1 + saturation / 100.0;
    const double fl = 1 + lumiere / 100.0;
    QImage resultat = ImageVingtQuatreBits(image);
    // Photographs repeat their colours: each distinct colour is converted once.
    std::unordered_map<QRgb, QRgb> deja;
    const int w = resultat.width();
    for (int y = 0; y < resultat.height(); ++y) {
        auto *p = reinterpret_cast<QRgb *>(resultat.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = p[x];
            if (const auto it = deja.find(c); it != deja.end()) {
                p[x] = it->second;
                continue;
            }
            const CouleurTsv t = RvbVersTsv(qRed(c) / 255.0, qGreen(c) / 255.0, qBlue(c) / 255.0);
            const CouleurRvbReelle r =
                TsvVersRvb(t.H, std::clamp(t.S * fs, 0.0, 1.0), std::clamp(t.V * fl, 0.0, 1.0));
            const QRgb n = 0xFF000000u | (Octet(r.r) << 16) | (Octet(r.g) << 8) | Octet(r.b);
            if (deja.size() < (1u << 20))
                deja.emplace(c, n);
            p[x] = n;
        }
    }
    return resultat;
}
