#include "measure/conditions_surface.h"

#include "drawing/tester_pixel.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("TMesursurf", texte);
}

constexpr int Teinte = 4;

int Modulo360(int v)
{
    return ((v % 360) + 360) % 360;
}

} // namespace

int CodeComposante(int position)
{
    return position < 3 ? position : position < 6 ? position + 1 : position + 4;
}

int PositionComposante(int code)
{
    return code < 3 ? code : code < 10 ? code - 1 : code - 4;
}

int MaxiComposante(int code)
{
    return code == Teinte ? 359 : 255;
}

int DistanceTeinte(int u, int v)
{
    return Modulo360(v - u);
}

std::pair<int, int> UnionArcsTeinte(int a1, int b1, int a2, int b2)
{
    const auto d = DistanceTeinte;
    if (d(a1, a2) < d(a1, b1)) {
        if (d(a2, b2) < d(a2, b1))
            return {a1, b1};
        if (d(b1, a1) < d(b1, b2))
            return {0, 359};
        return {a1, b2};
    }
    if (d(a2, b2) < d(a2, a1))
        return d(a1, b2) < d(a2, b1) ? std::pair{a1, b2} : std::pair{a2, b1};
    return d(a1, b2) >= d(a1, b1) ? std::pair{a2, b2} : std::pair{a2, b1};
}

std::pair<int, int> ArcDesTeintes(std::vector<int> teintes)
{
    if (teintes.empty())
        return {0, 0};
    std::sort(teintes.begin(), teintes.end());
    teintes.erase(std::unique(teintes.begin(), teintes.end()), teintes.end());
    const std::size_t m = teintes.size();
    if (m == 1)
        return {teintes[0], teintes[0]};
    std::size_t meilleur = 0;
    int ecart = -1;
    for (std::size_t i = 0; i < m; ++i) {
        const int e = DistanceTeinte(teintes[(i + m - 1) % m], teintes[i]);
        if (e > ecart) {
            ecart = e;
            meilleur = i;
        }
    }
    return {teintes[meilleur], teintes[(meilleur + m - 1) % m]};
}

bool ConditionImpossible(const TCondicoul &c)
{
    return c.Maxi < c.Mini && c.Composante != Teinte;
}

bool ConditionToujoursVraie(const TCondicoul &c)
{
    return static_cast<int>(c.Maxi) - static_cast<int>(c.Mini) >= MaxiComposante(c.Composante);
}

QString VerificationParentheses::Message() const
{
    const QString n = tr("Condition C") + QString::number(condition);
    switch (etat) {
    case DeuxiemeOuvrante:
        return n + tr(" deuxième parenthèse (") + QLatin1Char('\r') + tr("(un seul niveau de parenthèses autorisé)");
    case FermanteSeule:
        return n + QLatin1Char('\r') + tr(" parenthèse ) sans ( correspondante");
    case OuvranteNonFermee:
        return n + tr(" parenthèse ( sans ) correspondante") + QLatin1Char('\r') + tr("L'ajouter à le fin?");
    default:
        return {};
    }
}

VerificationParentheses VerifierParentheses(std::vector<int> &parentheses)
{
    VerificationParentheses v;
    int ouverte = -1;
    for (int i = 0; i < static_cast<int>(parentheses.size()); ++i) {
        const int p = parentheses[static_cast<std::size_t>(i)];
        if (p == Ouvrante) {
            if (ouverte >= 0)
                return {VerificationParentheses::DeuxiemeOuvrante, i + 1};
            ouverte = i;
        } else if (p == Fermante) {
            if (ouverte < 0)
                return {VerificationParentheses::FermanteSeule, i + 1};
            // A "(" closed on the very next condition keeps its marks: the
            // pair is a group of two, linked to what comes before as a whole
            // ("et non (A ou B)" is not "et non A ou B").
            ouverte = -1;
        }
    }
    if (ouverte >= 0)
        return {VerificationParentheses::OuvranteNonFermee, ouverte + 1};
    return v;
}

TTableaudeTableaudeCondicoul ConstruireGroupes(const std::vector<TCondicoul> &conditions,
                                               const std::vector<int> &parentheses)
{
    TTableaudeTableaudeCondicoul groupes;
    bool dansGroupe = false;
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        const int p = i < parentheses.size() ? parentheses[i] : SansParenthese;
        if (p == Ouvrante) {
            groupes.push_back({conditions[i]});
            dansGroupe = true;
        } else if (dansGroupe) {
            groupes.back().push_back(conditions[i]);
            dansGroupe = p != Fermante;
        } else {
            groupes.push_back({conditions[i]});
        }
    }
    return groupes;
}

QString NomOnglet(int n)
{
    return n <= 9 ? QStringLiteral("C") + QString::number(n) : QString::number(n);
}

QString MessageMaximumAtteint()
{
    return tr("Le nombre maximum est atteint");
}

QString MessageUneConditionMinimum()
{
    return tr("Une condition au minimum !");
}

QString MessageConditionImpossible(int n)
{
    return tr("Condition C") + QString::number(n) + tr(" impossible !") + QLatin1Char('\r')
           + tr("Supprimer la condition ?");
}

QString MessageConditionInutile(int n)
{
    return tr("Condition C") + QString::number(n) + tr(" inutile (toujours vraie) !") + QLatin1Char('\r')
           + tr("Supprimer la condition ?");
}

ConditionsSurface::ConditionsSurface()
{
    RAZ();
}

void ConditionsSurface::DefinirNbCanaux(int n)
{
    nbCanaux_ = std::max(0, n);
}

TCondicoul ConditionsSurface::ConditionParDefaut(int position) const
{
    // Without channels the six components come in turn, so that C7 tests
    // blue again; with channels C1 tests the first channel.
    const int longueur = 6 + nbCanaux_;
    const int item = nbCanaux_ == 0 ? position % 6 : (position + 6) % longueur;
    TCondicoul c;
    c.Composante = static_cast<std::uint8_t>(CodeComposante(item));
    c.Mini = 0;
    c.Maxi = static_cast<std::uint16_t>(MaxiComposante(c.Composante));
    return c;
}

void ConditionsSurface::DefinirCondition(int position, const TCondicoul &c, int parenthese)
{
    if (position < 0 || position >= NbConditions())
        return;
    conditions_[static_cast<std::size_t>(position)] = c;
    conditions_[static_cast<std::size_t>(position)].Option = 0;
    parentheses_[static_cast<std::size_t>(position)] = parenthese;
}

void ConditionsSurface::DefinirConditions(std::vector<TCondicoul> conditions, std::vector<int> parentheses)
{
    parentheses.resize(conditions.size(), SansParenthese);
    conditions_ = std::move(conditions);
    parentheses_ = std::move(parentheses);
}

void ConditionsSurface::Inserer(int position)
{
    conditions_.insert(conditions_.begin() + position, ConditionParDefaut(position));
    parentheses_.insert(parentheses_.begin() + position, SansParenthese);
}

std::optional<QString> ConditionsSurface::InsererCondition(int position)
{
    if (NbConditions() >= NbConditionsMaxi)
        return MessageMaximumAtteint();
    Inserer(std::clamp(position, 0, NbConditions()));
    return std::nullopt;
}

std::optional<QString> ConditionsSurface::AjouterCondition()
{
    return InsererCondition(NbConditions());
}

std::optional<QString> ConditionsSurface::SupprimerCondition(int position)
{
    if (NbConditions() <= 1)
        return MessageUneConditionMinimum();
    if (position < 0 || position >= NbConditions())
        return std::nullopt;
    conditions_.erase(conditions_.begin() + position);
    parentheses_.erase(parentheses_.begin() + position);
    return std::nullopt;
}

VerificationParentheses ConditionsSurface::VerifierParenthesesCourantes()
{
    return VerifierParentheses(parentheses_);
}

std::optional<QString> ConditionsSurface::PreparerGroupes(bool ajouterFermante)
{
    VerificationParentheses v = VerifierParentheses(parentheses_);
    if (v.etat == VerificationParentheses::OuvranteNonFermee && ajouterFermante) {
        // A ")" added on the very condition that opens the group closes a
        // group of one condition, which groups nothing: the "(" goes.
        parentheses_.back() = v.condition == NbConditions() ? SansParenthese : Fermante;
        v = VerifierParentheses(parentheses_);
    }
    if (v.etat != VerificationParentheses::Correct)
        return v.Message();
    groupes_ = ConstruireGroupes(conditions_, parentheses_);
    return std::nullopt;
}

std::optional<QString> ConditionsSurface::Placer(const std::vector<int> &codes, const std::vector<int> &minis,
                                                 const std::vector<int> &maxis)
{
    const int k = static_cast<int>(codes.size());
    if (k == 0)
        return std::nullopt;
    const auto conditionsAvant = conditions_;
    const auto parenthesesAvant = parentheses_;
    const bool inclureAvant = premierClicInclure_, exclureAvant = premierClicExclure_;
    EffetClic e = effet;
    if (modeInclure) {
        if (!premierClicInclure_) {
            premierClicInclure_ = true;
            if (e != Ajoute) {
                if (NbConditions() == 1 && conditions_[0].Mini == 0 && conditions_[0].Maxi == 255)
                    for (int j = 1; j < k; ++j)
                        Inserer(j);
                else
                    for (int j = 0; j < k; ++j)
                        Inserer(j);
                e = Remplace;
            }
        }
    } else if (!premierClicExclure_) {
        premierClicExclure_ = true;
        if (e != Ajoute) {
            for (int j = 0; j < k; ++j)
                Inserer(NbConditions());
            e = Remplace;
        }
    }
    if (e != Ajoute)
        while (NbConditions() < k)
            Inserer(NbConditions());
    if (!modeInclure && e != Ajoute && NbConditions() < k + 1)
        Inserer(k);
    if (e == Ajoute) {
        if (modeInclure) {
            for (int j = 0; j < k; ++j)
                Inserer(j);
        } else {
            conditions_.back().Liaison = 3;
            for (int j = 0; j < k; ++j)
                Inserer(NbConditions());
        }
    }
    if (NbConditions() > NbConditionsMaxi) {
        conditions_ = conditionsAvant;
        parentheses_ = parenthesesAvant;
        premierClicInclure_ = inclureAvant;
        premierClicExclure_ = exclureAvant;
        return MessageMaximumAtteint();
    }
    const int debut = modeInclure ? 0 : NbConditions() - k;
    if (!modeInclure && debut > 0)
        conditions_[static_cast<std::size_t>(debut - 1)].Liaison = 3;
    for (int j = 0; j < k; ++j) {
        TCondicoul &c = conditions_[static_cast<std::size_t>(debut + j)];
        const int code = codes[static_cast<std::size_t>(j)];
        const int mini = minis[static_cast<std::size_t>(j)], maxi = maxis[static_cast<std::size_t>(j)];
        // Widening keeps the old bounds only when they bound the same component.
        if (e == Etend && c.Composante == code) {
            if (code == Teinte) {
                const auto [a, b] = UnionArcsTeinte(c.Mini, c.Maxi, mini, maxi);
                c.Mini = static_cast<std::uint16_t>(a);
                c.Maxi = static_cast<std::uint16_t>(b);
            } else {
                c.Mini = static_cast<std::uint16_t>(std::min<int>(c.Mini, mini));
                c.Maxi = static_cast<std::uint16_t>(std::max<int>(c.Maxi, maxi));
            }
        } else {
            c.Mini = static_cast<std::uint16_t>(mini);
            c.Maxi = static_cast<std::uint16_t>(maxi);
        }
        c.Composante = static_cast<std::uint8_t>(code);
        c.Option = 0;
        if (j < k - 1)
            c.Liaison = 0;
        int &p = parentheses_[static_cast<std::size_t>(debut + j)];
        p = k == 1 ? SansParenthese : j == 0 ? Ouvrante : j == k - 1 ? Fermante : SansParenthese;
    }
    return std::nullopt;
}

std::optional<QString> ConditionsSurface::AjouterConditionsRVB(QRgb mini, QRgb maxi)
{
    return Placer({0, 1, 2}, {qBlue(mini), qGreen(mini), qRed(mini)}, {qBlue(maxi), qGreen(maxi), qRed(maxi)});
}

std::optional<QString> ConditionsSurface::AjouterConditionsTSL(int teinteMin, int satMin, int lumMin, int teinteMax,
                                                               int satMax, int lumMax)
{
    return Placer({4, 5, 6}, {teinteMin, satMin, lumMin}, {teinteMax, satMax, lumMax});
}

std::optional<QString> ConditionsSurface::AjouterConditionsCanaux(const std::vector<int> &minis,
                                                                  const std::vector<int> &maxis)
{
    std::vector<int> codes;
    for (std::size_t j = 0; j < minis.size(); ++j)
        codes.push_back(10 + static_cast<int>(j));
    return Placer(codes, minis, maxis);
}

std::optional<QString> ConditionsSurface::AjouterConditionsCanauxAffiches(const std::vector<int> &canaux,
                                                                          const std::vector<int> &minis,
                                                                          const std::vector<int> &maxis)
{
    std::vector<int> codes;
    for (const int c : canaux)
        codes.push_back(10 + c);
    return Placer(codes, minis, maxis);
}

int ConditionsSurface::Pas(const TCondicoul &c) const
{
    switch (pas) {
    case DeuxUnites:
        return 1;
    case DixUnites:
        return 5;
    default: {
        const double f = pas == CinqPourcent ? 0.025 : pas == DixPourcent ? 0.05 : 0.1;
        const int etendue = c.Composante == Teinte ? DistanceTeinte(c.Mini, c.Maxi) : c.Maxi - c.Mini;
        return static_cast<int>(std::nearbyint(f * etendue));
    }
    }
}

void ConditionsSurface::Agrandir()
{
    for (TCondicoul &c : conditions_) {
        const int b = Pas(c);
        if (c.Composante == Teinte) {
            if (DistanceTeinte(c.Mini, c.Maxi) < 360 - 2 * b) {
                c.Mini = static_cast<std::uint16_t>(Modulo360(c.Mini - b));
                c.Maxi = static_cast<std::uint16_t>(Modulo360(c.Maxi + b));
            } else {
                c.Mini = 0;
                c.Maxi = 359;
            }
        } else {
            c.Mini = static_cast<std::uint16_t>(std::max(0, c.Mini - b));
            c.Maxi = static_cast<std::uint16_t>(std::min(255, c.Maxi + b));
        }
    }
    SauverAnnulation();
}

void ConditionsSurface::Retrecir()
{
    for (TCondicoul &c : conditions_) {
        const int b = Pas(c);
        if (c.Composante == Teinte) {
            if (2 * b >= DistanceTeinte(c.Mini, c.Maxi)) {
                int milieu;
                if (c.Mini > c.Maxi) {
                    milieu = (c.Mini + c.Maxi - 360) / 2;
                    if (milieu < 0)
                        milieu += 360;
                } else {
                    milieu = (c.Mini + c.Maxi) / 2;
                }
                c.Mini = c.Maxi = static_cast<std::uint16_t>(milieu);
            } else {
                c.Mini = static_cast<std::uint16_t>(Modulo360(c.Mini + b));
                c.Maxi = static_cast<std::uint16_t>(Modulo360(c.Maxi - b));
            }
        } else if (2 * b >= c.Maxi - c.Mini) {
            c.Mini = c.Maxi = static_cast<std::uint16_t>((c.Mini + c.Maxi) / 2);
        } else {
            c.Mini = static_cast<std::uint16_t>(c.Mini + b);
            c.Maxi = static_cast<std::uint16_t>(c.Maxi - b);
        }
    }
    SauverAnnulation();
}

void ConditionsSurface::RAZ()
{
    premierClicInclure_ = false;
    premierClicExclure_ = false;
    modeInclure = true;
    conditions_ = {ConditionParDefaut(0)};
    parentheses_ = {SansParenthese};
}

void ConditionsSurface::SauverAnnulation()
{
    copie_ = Copie{conditions_, parentheses_, groupes_, premierClicInclure_, premierClicExclure_};
}

void ConditionsSurface::Annule()
{
    if (!copie_)
        return;
    conditions_ = copie_->conditions;
    parentheses_ = copie_->parentheses;
    groupes_ = copie_->groupes;
    premierClicInclure_ = copie_->premierClicInclure;
    premierClicExclure_ = copie_->premierClicExclure;
}

std::vector<QRgb> PixelsZone(const QImage &image, const QImage &provisoire, int x, int y)
{
    std::vector<QRgb> pixels;
    if (image.isNull() || provisoire.size() != image.size())
        return pixels;
    const QImage source = image.format() == QImage::Format_ARGB32 ? image : image.convertToFormat(QImage::Format_ARGB32);
    const QImage couche =
        provisoire.format() == QImage::Format_ARGB32 ? provisoire : provisoire.convertToFormat(QImage::Format_ARGB32);
    for (int yy = std::max(0, y - 13); yy <= std::min(image.height() - 1, y + 12); ++yy) {
        const auto *s = reinterpret_cast<const QRgb *>(source.constScanLine(yy));
        const auto *c = reinterpret_cast<const QRgb *>(couche.constScanLine(yy));
        for (int xx = std::max(0, x - 13); xx <= std::min(image.width() - 1, x + 12); ++xx)
            if (qAlpha(c[xx]) > 0)
                pixels.push_back(s[xx]);
    }
    return pixels;
}

std::pair<QRgb, QRgb> BornesRVB(const std::vector<QRgb> &pixels)
{
    int mini[3] = {255, 255, 255}, maxi[3] = {0, 0, 0};
    for (const QRgb p : pixels) {
        const int v[3] = {qRed(p), qGreen(p), qBlue(p)};
        for (int i = 0; i < 3; ++i) {
            mini[i] = std::min(mini[i], v[i]);
            maxi[i] = std::max(maxi[i], v[i]);
        }
    }
    return {qRgba(mini[0], mini[1], mini[2], 255), qRgba(maxi[0], maxi[1], maxi[2], 255)};
}

BornesTsl BornesTSL(const std::vector<QRgb> &pixels)
{
    BornesTsl b;
    if (pixels.empty())
        return b;
    std::vector<int> teintes;
    b.saturationMin = b.luminositeMin = 255;
    for (const QRgb p : pixels) {
        const Tsl t = RvbVersTslCondition(p);
        teintes.push_back(t.teinte);
        b.saturationMin = std::min(b.saturationMin, t.saturation);
        b.saturationMax = std::max(b.saturationMax, t.saturation);
        b.luminositeMin = std::min(b.luminositeMin, t.luminosite);
        b.luminositeMax = std::max(b.luminositeMax, t.luminosite);
    }
    std::tie(b.teinteMin, b.teinteMax) = ArcDesTeintes(std::move(teintes));
    return b;
}

BornesCanaux BornesCanauxZone(const PlansCanaux &plans, const std::vector<int> &indices, const QImage &provisoire,
                              int x, int y)
{
    BornesCanaux b{std::vector<int>(indices.size(), 255), std::vector<int>(indices.size(), 0)};
    if (provisoire.isNull())
        return b;
    const QImage couche =
        provisoire.format() == QImage::Format_ARGB32 ? provisoire : provisoire.convertToFormat(QImage::Format_ARGB32);
    for (int yy = std::max(0, y - 13); yy <= std::min(couche.height() - 1, y + 12); ++yy) {
        const auto *c = reinterpret_cast<const QRgb *>(couche.constScanLine(yy));
        for (int xx = std::max(0, x - 13); xx <= std::min(couche.width() - 1, x + 12); ++xx) {
            if (qAlpha(c[xx]) == 0)
                continue;
            for (std::size_t j = 0; j < indices.size(); ++j) {
                const PlanCanal &plan = plans.plans[static_cast<std::size_t>(indices[j])];
                const int v = plan.debut[static_cast<std::ptrdiff_t>(yy) * plan.pas + xx];
                b.minis[j] = std::min(b.minis[j], v);
                b.maxis[j] = std::max(b.maxis[j], v);
            }
        }
    }
    return b;
}
