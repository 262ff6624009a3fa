#include "measure/profil_intensite.h"

#include "document/image_document.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Halves go to the even integer.
std::int64_t Arrondi(double v)
{
    return static_cast<std::int64_t>(std::nearbyint(v));
}

// The band's pixels relative to the sample's pixel (col, row). Since col and
// row are integers, Round(col + t) = col + Round(p + t) - p with p the
// parity of col (shifting by an even integer keeps halves going to the even
// neighbour), so the offsets across the band depend only on the parities of
// col and row and are worked out once per profile.
struct DecalagesBande {
    std::vector<int> dx;
    std::vector<int> dy;
    std::vector<std::int64_t> lineaire; // dy × pixels per line + dx
    int minX = 0;
    int maxX = 0;
    int minY = 0;
    int maxY = 0;
};

DecalagesBande Decalages(bool horizontale, double s, double c, int k, int pc, int pr, std::int64_t parLigne)
{
    DecalagesBande d;
    auto ajouter = [&](double x, double y) {
        const int ox = int(Arrondi(x) - pc);
        const int oy = int(Arrondi(y) - pr);
        d.dx.push_back(ox);
        d.dy.push_back(oy);
        d.lineaire.push_back(std::int64_t(oy) * parLigne + ox);
        d.minX = std::min(d.minX, ox);
        d.maxX = std::max(d.maxX, ox);
        d.minY = std::min(d.minY, oy);
        d.maxY = std::max(d.maxY, oy);
    };
    ajouter(pc, pr);
    for (int j = 1; j <= k; ++j) {
        const double long_ = s * j * c; // along the line's other axis
        const double trav = j * c;
        if (horizontale) {
            ajouter(pc - long_, pr + trav);
            ajouter(pc + long_, pr - trav);
        } else {
            ajouter(pc + trav, pr - long_);
            ajouter(pc - trav, pr + long_);
        }
    }
    return d;
}

} // namespace

EtatProfil EchantillonnerBande(const QImage &source, QPoint a, QPoint b, int k, SommesBande &sortie)
{
    const double dx = double(b.x()) - double(a.x());
    const double dy = double(b.y()) - double(a.y());
    if (std::abs(dx) < 11 && std::abs(dy) < 11)
        return EtatProfil::LigneTropCourte;
    const bool horizontale = std::abs(dx) > std::abs(dy);
    const double s = horizontale ? dy / dx : dx / dy;
    const double c = std::cos(std::atan(s));
    const double longueur = std::abs(horizontale ? dx : dy) / c;
    if (!(longueur < double(NbEchantillonsMax) - 0.5))
        return EtatProfil::LigneTropLongue;
    const int n = int(Arrondi(longueur));
    if (n + 1 > NbEchantillonsMax)
        return EtatProfil::LigneTropLongue;
    k = std::clamp(k, 0, (LargeurBandeMax - 1) / 2);

    QImage converti;
    const QImage *image = &source;
    if (source.format() != QImage::Format_ARGB32 && source.format() != QImage::Format_RGB32
        && source.format() != QImage::Format_ARGB32_Premultiplied) {
        converti = source.convertToFormat(QImage::Format_ARGB32);
        image = &converti;
    }
    const auto *pixels = reinterpret_cast<const QRgb *>(image->constBits());
    const std::int64_t parLigne = image->bytesPerLine() / std::int64_t(sizeof(QRgb));
    const std::int64_t largeur = image->width();
    const std::int64_t hauteur = image->height();

    const double xA = a.x();
    const double yA = a.y();
    const double d = horizontale ? (b.x() > a.x() ? 1.0 : -1.0) : (b.y() > a.y() ? 1.0 : -1.0);
    DecalagesBande decalages[2][2];
    for (int pc = 0; pc < 2; ++pc)
        for (int pr = 0; pr < 2; ++pr)
            decalages[pc][pr] = Decalages(horizontale, s, c, k, pc, pr, parLigne);

    for (auto &canal : sortie.canaux)
        canal.assign(std::size_t(n) + 1, 0);
    sortie.n = n;
    std::uint16_t *sommeR = sortie.canaux[0].data();
    std::uint16_t *sommeV = sortie.canaux[1].data();
    std::uint16_t *sommeB = sortie.canaux[2].data();
    for (int i = 0; i <= n; ++i) {
        std::int64_t col = 0;
        std::int64_t row = 0;
        if (horizontale) {
            const double x = xA + d * i * c;
            col = Arrondi(x);
            row = Arrondi(yA + s * (x - xA));
        } else {
            const double y = yA + d * i * c;
            row = Arrondi(y);
            col = Arrondi(xA + s * (y - yA));
        }
        const DecalagesBande &bande = decalages[col & 1][row & 1];
        std::uint32_t r = 0;
        std::uint32_t v = 0;
        std::uint32_t bl = 0;
        if (col + bande.minX >= 0 && col + bande.maxX < largeur && row + bande.minY >= 0 && row + bande.maxY < hauteur) {
            // The whole band lies inside the picture.
            const QRgb *centre = pixels + row * parLigne + col;
            for (const std::int64_t o : bande.lineaire) {
                const QRgb p = centre[o];
                r += qRed(p);
                v += qGreen(p);
                bl += qBlue(p);
            }
        } else {
            // Pixels outside the picture add nothing.
            for (std::size_t j = 0; j < bande.dx.size(); ++j) {
                const std::int64_t x = col + bande.dx[j];
                const std::int64_t y = row + bande.dy[j];
                if (x < 0 || y < 0 || x >= largeur || y >= hauteur)
                    continue;
                const QRgb p = pixels[y * parLigne + x];
                r += qRed(p);
                v += qGreen(p);
                bl += qBlue(p);
            }
        }
        sommeR[i] = std::uint16_t(r);
        sommeV[i] = std::uint16_t(v);
        sommeB[i] = std::uint16_t(bl);
    }
    return EtatProfil::Echantillonne;
}

EtatProfil EchantillonnerProfil(ImageDocument &document, int k)
{
    SommesBande sommes;
    const EtatProfil etat =
        EchantillonnerBande(document.image, document.mesure.pointAppui, document.mesure.pointCourant, k, sommes);
    if (etat == EtatProfil::Echantillonne) {
        document.SommesProfil = std::move(sommes.canaux);
        document.LongueurProfil = sommes.n;
    }
    return etat;
}

QString MessageProfil(EtatProfil etat)
{
    switch (etat) {
    case EtatProfil::Echantillonne:
        return {};
    case EtatProfil::LigneTropCourte:
        return QCoreApplication::translate("Profil", "La ligne est trop courte : elle doit s'étendre sur 11 pixels au "
                                                     "moins en largeur ou en hauteur.");
    case EtatProfil::LigneTropLongue:
        return QCoreApplication::translate("Profil", "La ligne est trop longue : un profil compte au plus %1 "
                                                     "échantillons.")
            .arg(NbEchantillonsMax);
    }
    return {};
}

std::uint32_t SommeCanal(const SommesBande &sommes, int canal, int i)
{
    if (i < 0 || i > sommes.n)
        return 0;
    const auto at = [&](int c) {
        const auto &v = sommes.canaux[std::size_t(c)];
        return std::size_t(i) < v.size() ? std::uint32_t(v[std::size_t(i)]) : 0u;
    };
    if (canal == CanalTout)
        return at(0) + at(1) + at(2);
    return at(std::clamp(canal, 0, 2));
}

double QuantiteProfil(ModeProfil mode, int canal, std::uint32_t somme, int w)
{
    const double plein = 255.0 * (canal == CanalTout ? 3 : 1) * w;
    switch (mode) {
    case ModeProfil::Emission:
        return somme / plein * 100.0;
    case ModeProfil::Absorption:
        return 100.0 - somme / plein * 100.0;
    case ModeProfil::DensiteOptique:
        return somme == 0 ? std::log10(plein) : std::log10(plein / somme);
    }
    return 0;
}

double BrutConversion(ModeProfil mode, int canal, std::uint32_t somme, int w)
{
    if (mode == ModeProfil::DensiteOptique)
        return QuantiteProfil(mode, canal, somme, w);
    return somme;
}

double ValeurAvecZero(double quantite, double zero)
{
    const double v = quantite - zero;
    return v > 0 ? v : 0;
}

std::optional<ConversionOrdonnee> CalculerConversion(int P, double V, int R, double Z, ModeProfil mode, bool modeLog,
                                                     int canal, int w)
{
    if (P == R)
        return std::nullopt;
    ConversionOrdonnee c;
    const double k = (V - Z) / double(P - R);
    c.ConvMin = Z + double(LigneBasProfil - R) * k;
    c.ConvMax = Z + double(MargeHautProfil - R) * k;
    const double plein = 255.0 * (canal == CanalTout ? 3 : 1) * w;
    double r0 = 0;
    double r1 = plein;
    if (mode == ModeProfil::Absorption) {
        r0 = plein;
        r1 = 0;
    } else if (mode == ModeProfil::DensiteOptique) {
        r1 = std::log10(255.0 * w);
    }
    c.ConvA = (c.ConvMax - c.ConvMin) / (r1 - r0);
    c.ConvB = c.ConvMin - c.ConvA * r0;
    c.ConvLog = modeLog;
    return c;
}

double SurfaceEntreLimites(const std::vector<double> &valeurs, int a, int b)
{
    const int n = int(valeurs.size()) - 1;
    double t = 0;
    for (int i = std::max(0, a); i <= std::min(n, b); ++i)
        t += valeurs[std::size_t(i)];
    return t;
}
