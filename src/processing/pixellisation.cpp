#include "processing/pixellisation.h"

#include "commun/erreur.h"

#include <QCoreApplication>
#include <QRgb>

#include <array>
#include <cmath>
#include <cstdint>

int PasMaxPixellisation(QSize taille)
{
    int cote = std::max(taille.width(), taille.height());
    int n = 0;
    while (cote >= 2) {
        cote /= 2;
        ++n;
    }
    return n;
}

QSize BlocsPixellisation(QSize taille, int n)
{
    return {std::max(1, taille.width() >> n), std::max(1, taille.height() >> n)};
}

std::vector<int> BornesBlocs(int cote, int blocs)
{
    std::vector<int> bornes(static_cast<std::size_t>(blocs) + 1);
    for (int b = 0; b <= blocs; ++b)
        bornes[static_cast<std::size_t>(b)] =
            static_cast<int>(std::nearbyint(static_cast<double>(cote) * b / blocs));
    return bornes;
}

QImage Pixelliser(const QImage &image, int n)
{
    QImage resultat = image.convertToFormat(QImage::Format_ARGB32);
    if (resultat.isNull())
        return resultat;
    if (n < 0 || n > PasMaxPixellisation(resultat.size()))
        throw ErreurKaptori(QCoreApplication::translate("Traitements", "Résolution de pixellisation hors limites (0 à %1).")
                                .arg(PasMaxPixellisation(resultat.size())));
    if (n == 0)
        return resultat;
    const QSize blocs = BlocsPixellisation(resultat.size(), n);
    const std::vector<int> colonnes = BornesBlocs(resultat.width(), blocs.width());
    const std::vector<int> rangees = BornesBlocs(resultat.height(), blocs.height());
    std::vector<std::array<std::uint64_t, 4>> sommes(static_cast<std::size_t>(blocs.width()));
    std::vector<QRgb> couleurs(static_cast<std::size_t>(blocs.width()));
    for (int r = 0; r < blocs.height(); ++r) {
        const int y0 = rangees[static_cast<std::size_t>(r)], y1 = rangees[static_cast<std::size_t>(r) + 1];
        std::fill(sommes.begin(), sommes.end(), std::array<std::uint64_t, 4>{});
        for (int y = y0; y < y1; ++y) {
            const auto *ligne = reinterpret_cast<const QRgb *>(resultat.constScanLine(y));
            for (std::size_t c = 0; c < sommes.size(); ++c) {
                std::array<std::uint64_t, 4> &s = sommes[c];
                for (int x = colonnes[c]; x < colonnes[c + 1]; ++x) {
                    const QRgb p = ligne[x];
                    s[0] += qAlpha(p);
                    s[1] += qRed(p);
                    s[2] += qGreen(p);
                    s[3] += qBlue(p);
                }
            }
        }
        for (std::size_t c = 0; c < sommes.size(); ++c) {
            const double nombre = static_cast<double>(colonnes[c + 1] - colonnes[c]) * (y1 - y0);
            auto moyenne = [&](int k) {
                return static_cast<std::uint32_t>(std::nearbyint(static_cast<double>(sommes[c][static_cast<std::size_t>(k)]) / nombre));
            };
            couleurs[c] = (moyenne(0) << 24) | (moyenne(1) << 16) | (moyenne(2) << 8) | moyenne(3);
        }
        for (int y = y0; y < y1; ++y) {
            auto *ligne = reinterpret_cast<QRgb *>(resultat.scanLine(y));
            for (std::size_t c = 0; c < couleurs.size(); ++c)
                std::fill(ligne + colonnes[c], ligne + colonnes[c + 1], couleurs[c]);
        }
    }
    return resultat;
}
