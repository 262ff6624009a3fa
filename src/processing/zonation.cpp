#include "processing/zonation.h"

#include "commun/erreur.h"
#include "commun/nombres.h"
#include "processing/tsv.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("Zonation", texte);
}

// What a distance needs of one colour in a coding, worked out once per pixel.
struct Trait {
    double a = 0, b = 0, c = 0; // RVB: R, G, B; TSV/TSL: H, V or L, S; AV: unit vector; SSp: R, R/B', R/G'
    double n = 0;               // AV: the norm; TSV/TSL: the saturation
};

Trait TraitDe(QRgb p, int codage)
{
    const double R = qRed(p), G = qGreen(p), B = qBlue(p);
    Trait t;
    switch (codage) {
    case CodageTsv: {
        const CouleurTsv c = RvbVersTsv(R / 255, G / 255, B / 255);
        t = {c.H, c.V, c.S, c.S};
        break;
    }
    case CodageTsl: {
        const CouleurTsl c = RvbVersTsl(R / 255, G / 255, B / 255);
        t = {c.H, c.L, c.S, c.S};
        break;
    }
    case CodageAv: {
        const double N = std::sqrt(R * R + G * G + B * B);
        if (N > 0)
            t = {R / N, G / N, B / N, N};
        break;
    }
    case CodageSsp:
        t = {R, R / (B == 0 ? 1 : B), R / (G == 0 ? 1 : G), 0};
        break;
    default:
        t = {R, G, B, 0};
        break;
    }
    return t;
}

double Carre(double v)
{
    return v * v;
}

double Distance2(const Trait &t1, const Trait &t2, int codage, double seuilsat)
{
    switch (codage) {
    case CodageTsv:
    case CodageTsl: {
        double dh = std::abs(t2.a - t1.a);
        if (dh > 180)
            dh = 360 - dh;
        const bool gris1 = t1.n < seuilsat, gris2 = t2.n < seuilsat;
        if (gris1 && gris2)
            dh = 0;
        else if (gris1 || gris2)
            dh /= 2;
        return dh * dh + 14400 * Carre(t1.b - t2.b) + 14400 * Carre(t1.c - t2.c);
    }
    case CodageAv: {
        double theta = 0;
        if (t1.n > 0 && t2.n > 0) {
            const double cosinus = std::clamp(t1.a * t2.a + t1.b * t2.b + t1.c * t2.c, -1.0, 1.0);
            theta = std::acos(cosinus) * 180 / std::numbers::pi;
        }
        return 16 * theta * theta + Carre(t1.n - t2.n);
    }
    default:
        return Carre(t1.a - t2.a) + Carre(t1.b - t2.b) + Carre(t1.c - t2.c);
    }
}

QRgb Opaque(QRgb c)
{
    return c | 0xFF000000u;
}

// Progress over a run made of several scans of the picture.
class Suivi {
public:
    Suivi(const ProgressionZonation &p, int scans, int lignes) : p_(p), total_(std::max(1, scans) * std::max(1, lignes)) {}
    // After each row; false when the caller asked to stop.
    bool ligne()
    {
        ++faites_;
        if (!p_ || faites_ % 32 != 0)
            return true;
        return p_(static_cast<int>(std::min<std::int64_t>(100, faites_ * 100 / total_)));
    }
    void ajouterScans(int scans, int lignes) { total_ += static_cast<std::int64_t>(scans) * lignes; }

private:
    const ProgressionZonation &p_;
    std::int64_t total_;
    std::int64_t faites_ = 0;
};

struct Arret {};

void Suivre(Suivi *suivi)
{
    if (suivi && !suivi->ligne())
        throw Arret{};
}

// Index of a pen colour among the categories, −1 when absent.
int Chercher(const std::vector<QRgb> &couleurs, QRgb c, int &dernier)
{
    if (dernier >= 0 && couleurs[static_cast<std::size_t>(dernier)] == c)
        return dernier;
    for (std::size_t k = 0; k < couleurs.size(); ++k)
        if (couleurs[k] == c)
            return dernier = static_cast<int>(k);
    return -1;
}

// Calls faire(k, pixel) for each painted pixel of category k that
// `garder(k, pixel)` keeps, row by row, following the progress.
template <typename Garder, typename Faire>
void PourChaquePixelPeint(const QImage &image, const QImage &peinture, const CategoriesZonation &cat,
                          const Garder &garder, Suivi *suivi, const Faire &faire)
{
    int dernier = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto *li = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const auto *lp = reinterpret_cast<const QRgb *>(peinture.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(lp[x]) < 1)
                continue;
            const int k = Chercher(cat.CouleursPeintes, Opaque(lp[x]), dernier);
            if (k >= 0 && garder(k, li[x]))
                faire(static_cast<std::size_t>(k), li[x]);
        }
        Suivre(suivi);
    }
}

// Means and thresholds of the categories named by `peintes` from the painted
// pixels that `garder(k, trait)` keeps.
template <typename Garder>
void Moyennes(const QImage &image, const QImage &peinture, CategoriesZonation &cat, double seuilsigma,
              double seuilsat, int codage, const Garder &garder, Suivi *suivi)
{
    const std::size_t n = cat.CouleursPeintes.size();
    std::vector<std::int64_t> effectifs(n, 0);
    std::vector<std::array<double, 3>> sommes(n, {0, 0, 0});
    PourChaquePixelPeint(image, peinture, cat, garder, suivi, [&](std::size_t i, QRgb c) {
        ++effectifs[i];
        sommes[i][0] += qRed(c);
        sommes[i][1] += qGreen(c);
        sommes[i][2] += qBlue(c);
    });
    cat.CouleursMoyennes.assign(n, 0xFF000000u);
    std::vector<Trait> traits(n);
    for (std::size_t k = 0; k < n; ++k) {
        const double e = static_cast<double>(std::max<std::int64_t>(1, effectifs[k]));
        cat.CouleursMoyennes[k] = qRgb(static_cast<int>(Arrondi(sommes[k][0] / e)),
                                       static_cast<int>(Arrondi(sommes[k][1] / e)),
                                       static_cast<int>(Arrondi(sommes[k][2] / e)));
        traits[k] = TraitDe(cat.CouleursMoyennes[k], codage);
    }
    std::vector<double> dmax(n, 0), sd(n, 0), sd2(n, 0);
    PourChaquePixelPeint(image, peinture, cat, garder, suivi, [&](std::size_t i, QRgb c) {
        const double d2 = Distance2(TraitDe(c, codage), traits[i], codage, seuilsat);
        const double d = std::sqrt(d2);
        dmax[i] = std::max(dmax[i], d);
        sd[i] += d;
        sd2[i] += d2;
    });
    cat.Seuils.assign(n, 0);
    for (std::size_t k = 0; k < n; ++k) {
        const double e = static_cast<double>(std::max<std::int64_t>(1, effectifs[k]));
        const double m = sd[k] / e;
        const double sigma = std::sqrt(std::max(0.0, sd2[k] / e - m * m));
        cat.Seuils[k] = std::min(dmax[k], seuilsigma * sigma + m);
    }
}

CategoriesZonation Statistiques(const QImage &image, const QImage &peinture, double seuilsigma, double seuilsat,
                                int codage, bool eliminer, Suivi *suivi)
{
    CategoriesZonation cat;
    if (image.isNull() || peinture.isNull() || image.size() != peinture.size()) {
        cat.NbCategories = -1;
        return cat;
    }
    const QImage i32 = image.convertToFormat(QImage::Format_ARGB32);
    const QImage p32 = peinture.convertToFormat(QImage::Format_ARGB32);
    int dernier = -1;
    for (int y = 0; y < p32.height(); ++y) {
        const auto *lp = reinterpret_cast<const QRgb *>(p32.constScanLine(y));
        for (int x = 0; x < p32.width(); ++x) {
            if (qAlpha(lp[x]) < 1)
                continue;
            const QRgb c = Opaque(lp[x]);
            if (Chercher(cat.CouleursPeintes, c, dernier) >= 0)
                continue;
            if (static_cast<int>(cat.CouleursPeintes.size()) == MaxCategoriesZonation) {
                cat = CategoriesZonation{};
                cat.tropDeCouleurs = true;
                return cat;
            }
            cat.CouleursPeintes.push_back(c);
            dernier = static_cast<int>(cat.CouleursPeintes.size()) - 1;
        }
        Suivre(suivi);
    }
    cat.NbCategories = static_cast<int>(cat.CouleursPeintes.size());
    if (cat.NbCategories == 0)
        return cat;
    Moyennes(i32, p32, cat, seuilsigma, seuilsat, codage, [](int, QRgb) { return true; }, suivi);
    if (eliminer) {
        const CategoriesZonation premiere = cat;
        std::vector<Trait> traits;
        for (QRgb m : premiere.CouleursMoyennes)
            traits.push_back(TraitDe(m, codage));
        const auto garder = [&](int k, QRgb p) {
            const auto i = static_cast<std::size_t>(k);
            return std::sqrt(Distance2(TraitDe(p, codage), traits[i], codage, seuilsat)) <= premiere.Seuils[i];
        };
        Moyennes(i32, p32, cat, seuilsigma, seuilsat, codage, garder, suivi);
    }
    cat.Effectifs.assign(cat.CouleursPeintes.size(), 0);
    return cat;
}

// Nearest-category searches over a picture, one result per distinct colour:
// a large picture keeps what each 24-bit colour gave in a table.
class Classeur {
public:
    static constexpr std::uint8_t Inconnu = 0xFF;
    static constexpr std::uint8_t Aucune = 0xFE;

    Classeur(const QImage &image, const CategoriesZonation &cat, int codage, double seuilsat)
        : codage_(codage), seuilsat_(seuilsat)
    {
        for (QRgb m : cat.CouleursMoyennes)
            traits_.push_back(TraitDe(m, codage));
        if (static_cast<std::int64_t>(image.width()) * image.height() >= (std::int64_t{1} << 20))
            cache_.assign(std::size_t{1} << 24, Inconnu);
    }

    template <typename Choisir>
    std::uint8_t classer(QRgb p, const Choisir &choisir)
    {
        const std::uint32_t cle = p & 0x00FFFFFFu;
        if (!cache_.empty() && cache_[cle] != Inconnu)
            return cache_[cle];
        const Trait t = TraitDe(p, codage_);
        const std::uint8_t k = choisir(t);
        if (!cache_.empty())
            cache_[cle] = k;
        return k;
    }

    [[nodiscard]] double d2(const Trait &t, std::size_t k) const { return Distance2(t, traits_[k], codage_, seuilsat_); }
    [[nodiscard]] std::size_t taille() const { return traits_.size(); }

private:
    int codage_;
    double seuilsat_;
    std::vector<Trait> traits_;
    std::vector<std::uint8_t> cache_;
};

void Etendre(const QImage &image, QImage &peinture, const CategoriesZonation &cat, double seuilsat, int codage,
             double delta, Suivi *suivi)
{
    const QImage i32 = image.convertToFormat(QImage::Format_ARGB32);
    if (peinture.format() != QImage::Format_ARGB32)
        peinture = peinture.convertToFormat(QImage::Format_ARGB32);
    Classeur classeur(i32, cat, codage, seuilsat);
    const auto choisir = [&](const Trait &t) {
        std::uint8_t meilleure = Classeur::Aucune;
        double b = DistanceMaxZonation;
        for (std::size_t k = 0; k < classeur.taille(); ++k) {
            const double d2 = classeur.d2(t, k);
            if (d2 < b * b) {
                const double d = std::sqrt(d2);
                if (b - d > delta) {
                    b = d;
                    meilleure = static_cast<std::uint8_t>(k);
                } else {
                    meilleure = Classeur::Aucune;
                }
            }
        }
        return meilleure;
    };
    for (int y = 0; y < i32.height(); ++y) {
        const auto *li = reinterpret_cast<const QRgb *>(i32.constScanLine(y));
        auto *lp = reinterpret_cast<QRgb *>(peinture.scanLine(y));
        for (int x = 0; x < i32.width(); ++x) {
            const std::uint8_t k = classeur.classer(li[x], choisir);
            lp[x] = k == Classeur::Aucune ? 0u : cat.CouleursPeintes[k];
        }
        Suivre(suivi);
    }
}

QImage Classer(const QImage &image, CategoriesZonation &cat, double seuilsat, int codage, bool peindreMoyennes,
               QRgb fond, Suivi *suivi)
{
    const QImage i32 = image.convertToFormat(QImage::Format_ARGB32);
    QImage resultat(i32.size(), QImage::Format_ARGB32);
    const std::size_t n = cat.CouleursPeintes.size();
    cat.Effectifs.assign(n, 0);
    std::vector<double> seuils2;
    for (std::size_t k = 0; k < n; ++k)
        seuils2.push_back(cat.Seuils[k] * cat.Seuils[k]);
    const auto &couleurs = peindreMoyennes ? cat.CouleursMoyennes : cat.CouleursPeintes;
    const QRgb vide = fond & 0x00FFFFFFu;
    Classeur classeur(i32, cat, codage, seuilsat);
    const auto choisir = [&](const Trait &t) {
        std::uint8_t meilleure = Classeur::Aucune;
        double b2 = DistanceMaxZonation * DistanceMaxZonation;
        for (std::size_t k = 0; k < n; ++k) {
            const double d2 = classeur.d2(t, k);
            if (d2 <= seuils2[k] && d2 < b2) {
                b2 = d2;
                meilleure = static_cast<std::uint8_t>(k);
            }
        }
        return meilleure;
    };
    for (int y = 0; y < i32.height(); ++y) {
        const auto *li = reinterpret_cast<const QRgb *>(i32.constScanLine(y));
        auto *lr = reinterpret_cast<QRgb *>(resultat.scanLine(y));
        for (int x = 0; x < i32.width(); ++x) {
            const std::uint8_t k = classeur.classer(li[x], choisir);
            if (k == Classeur::Aucune) {
                lr[x] = vide;
            } else {
                lr[x] = Opaque(couleurs[k]);
                ++cat.Effectifs[k];
            }
        }
        Suivre(suivi);
    }
    return resultat;
}

} // namespace

CouleurTsl RvbVersTsl(double r, double g, double b)
{
    const double mx = std::max({r, g, b});
    const double mn = std::min({r, g, b});
    CouleurTsl c;
    c.L = (mx + mn) / 2;
    if (mx == mn)
        return c;
    const double d = mx - mn;
    c.S = c.L <= 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
    if (r == mx)
        c.H = 60 * (g - b) / d;
    else if (g == mx)
        c.H = 120 + 60 * (b - r) / d;
    else
        c.H = 240 + 60 * (r - g) / d;
    if (c.H < 0)
        c.H += 360;
    return c;
}

DistanceCouleur DistanceCouleurs(QRgb c1, QRgb c2, int codage, double seuilsat)
{
    DistanceCouleur d;
    d.d2 = Distance2(TraitDe(c1, codage), TraitDe(c2, codage), codage, seuilsat);
    d.d = std::sqrt(d.d2);
    return d;
}

CategoriesZonation StatistiquesClasses(const QImage &image, const QImage &peinture, double seuilsigma,
                                       double seuilsat, int codage, bool eliminer)
{
    return Statistiques(image, peinture, seuilsigma, seuilsat, codage, eliminer, nullptr);
}

void EtendreClasses(const QImage &image, QImage &peinture, const CategoriesZonation &categories, double seuilsat,
                    int codage, double delta)
{
    if (image.size() != peinture.size())
        return;
    Etendre(image, peinture, categories, seuilsat, codage, delta, nullptr);
}

QImage ClasserImage(const QImage &image, CategoriesZonation &categories, double seuilsat, int codage,
                    bool peindreMoyennes, QRgb fond)
{
    return Classer(image, categories, seuilsat, codage, peindreMoyennes, fond, nullptr);
}

ResultatZonation CalculerZonation(const QImage &image, const QImage &peinture, const ParametresZonation &p,
                                  const ProgressionZonation &progression)
{
    if (image.isNull() || peinture.size() != image.size())
        throw ErreurKaptori(Tr("La peinture des zones n'a pas la taille de l'image (%1 × %2 au lieu de %3 × %4).")
                                .arg(peinture.width())
                                .arg(peinture.height())
                                .arg(image.width())
                                .arg(image.height()));
    ResultatZonation r;
    const int iterations = std::max(1, p.nbIterations);
    Suivi suivi(progression, p.eliminer ? 5 : 3, image.height());
    try {
        r.categories = Statistiques(image, peinture, p.seuilsigma, p.seuilsat, p.codage, p.eliminer, &suivi);
        if (r.categories.NbCategories > 0 && p.etendre && r.categories.NbCategories > 1) {
            suivi.ajouterScans(iterations * (p.eliminer ? 6 : 4), image.height());
            QImage croissance = peinture.convertToFormat(QImage::Format_ARGB32);
            for (int i = 0; i < iterations; ++i) {
                if (r.categories.NbCategories > 0)
                    Etendre(image, croissance, r.categories, p.seuilsat, p.codage, p.delta, &suivi);
                else
                    croissance.fill(0u);
                r.categories =
                    Statistiques(image, croissance, p.seuilsigma, p.seuilsat, p.codage, p.eliminer, &suivi);
            }
            std::fill(r.categories.Seuils.begin(), r.categories.Seuils.end(), DistanceMaxZonation);
        }
        if (r.categories.tropDeCouleurs)
            r.message = Tr("La peinture compte plus de %1 couleurs : aucune zone n'a été classée.")
                            .arg(MaxCategoriesZonation);
        else if (r.categories.NbCategories <= 0)
            r.message = Tr("Aucune catégorie : aucune partie de l'image n'est peinte, aucun point n'a été classé.");
        r.image = Classer(image, r.categories, p.seuilsat, p.codage, p.peindreMoyennes, p.fond, &suivi);
    } catch (const Arret &) {
        return {};
    }
    return r;
}

QString LegendeResultatZonation(std::int64_t effectif, std::int64_t total, const TEchelle &echelle)
{
    double facteur = 1.0;
    QString unite = QStringLiteral("pixels");
    if (echelle.Definie && echelle.Mode == TEchelle::Longueur) {
        facteur = echelle.Facteur;
        unite = echelle.Unite;
    }
    const double part = total > 0 ? static_cast<double>(effectif) / static_cast<double>(total) * 100 : 0;
    QString texte = FormatGeneral(part, 3) + QStringLiteral(" % (")
                    + FormatGeneral(static_cast<double>(effectif) * facteur * facteur, 6) + QLatin1Char(' ') + unite;
    texte += !unite.isEmpty() && unite != QLatin1String("pixels") ? QStringLiteral("2)") : QStringLiteral(")");
    return texte;
}
