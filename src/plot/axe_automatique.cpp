#include "plot/axe_automatique.h"

#include "commun/nombres.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("AxeAutomatique", texte);
}

QString MessageMinMax()
{
    return tr("Impossible : le minimum des données dépasse leur maximum.");
}

QString MessagePas()
{
    return tr("Calcul du pas d'un axe sur un intervalle incorrect.");
}

QString MessageBornes()
{
    return tr("Les bornes de l'axe n'ont pas pu être fixées.");
}

// Rule 5's rounding of the data bounds to multiples of the step: a free step
// below data that start on a tick and above data that end on one.
void ArrondirBornes(AxeCalcule &r, double oMin, double oMax)
{
    const double pas = r.Pas;
    r.Min = std::trunc(oMin / pas) * pas;
    if (oMin < 0)
        r.Min -= pas;
    if (oMin - 0.01 * pas < r.Min)
        r.Min -= pas;
    r.Max = std::trunc(oMax / pas) * pas + pas;
    if (oMax < 0)
        r.Max -= pas;
    if (oMax + 0.01 * pas > r.Max)
        r.Max += pas;
}

} // namespace

double PasDeGamme(double d, int minSteps, QString *erreur)
{
    if (!(d > 0) || !std::isfinite(d)) {
        if (erreur)
            *erreur = MessagePas();
        return 0;
    }
    double L = std::log10(d);
    if (L < 0)
        L -= 1;
    const double g = std::pow(10.0, std::trunc(1.001 * L));
    static constexpr double kDiviseurs[] = {1, 2, 5, 10, 20, 50};
    for (double diviseur : kDiviseurs) {
        const double pas = g / diviseur;
        if (d / pas >= minSteps)
            return pas;
    }
    return g / 100;
}

int DecimalesEtiquettes(double pas)
{
    if (!(pas > 0) || !std::isfinite(pas))
        return 0;
    const double t = std::log10(1.01 * 1.01 * pas);
    const double d = t >= 0 ? -std::trunc(t) : 1 - std::trunc(t);
    return static_cast<int>(std::clamp(d, 0.0, 20.0));
}

AxeCalcule CalculerAxe(const EntreeAxe &axe, bool avecDonnees, double oMin, double oMax, int minSteps,
                       int maxSteps)
{
    AxeCalcule r;
    auto echec = [&r](const QString &message) {
        r.erreur = message;
        return r;
    };
    auto pas = [&](double a, double b) {
        QString erreur;
        const double p = PasDeGamme(b - a, minSteps, &erreur);
        if (!erreur.isEmpty())
            r.erreur = erreur;
        return p;
    };
    auto finir = [&r] {
        r.Decimales = DecimalesEtiquettes(r.Pas);
        return r;
    };

    if (!axe.AutoEchelle) {
        // The set range stays; the step too unless it must be computed.
        r.Min = axe.Min;
        r.Max = axe.Max;
        r.Pas = axe.Pas;
        if (axe.AutoPas || !(axe.Pas > 0)) {
            r.Pas = pas(r.Min, r.Max);
            if (!r.ok())
                return r;
        }
        return finir();
    }

    // Rule 1: a range shorter than the minimum scale length is widened (a
    // range out of order is left to be refused below).
    if (oMin <= oMax && oMax - oMin < axe.LongueurMin)
        oMax = oMin + axe.LongueurMin;

    // Rule 2: no data against the axis: the set bounds, in order.
    if (!avecDonnees) {
        double a = std::min(axe.Min, axe.Max);
        double b = std::max(axe.Min, axe.Max);
        if (a == b) {
            if (a == 0) {
                a = -1;
                b = 1;
            } else {
                a = std::min(0.0, b);
                b = std::max(0.0, b);
            }
        }
        r.Min = a;
        r.Max = b;
        r.Pas = pas(a, b);
        if (!r.ok())
            return r;
        return finir();
    }

    // Rule 3: one value, or none in order.
    if (!(oMin <= oMax))
        return echec(MessageMinMax());
    if (oMin == oMax) {
        if (oMin == 0) {
            r.Min = -1;
            r.Max = 1;
        } else if (oMin > 0) {
            r.Min = 0;
            r.Max = 1.2 * oMax;
        } else {
            r.Min = 1.2 * oMin;
            r.Max = 0;
        }
        r.Pas = pas(r.Min, r.Max);
        if (!r.ok())
            return r;
        r.Max = std::trunc(r.Max / r.Pas) * r.Pas;
        return finir();
    }

    // Rule 5: the step, then the bounds rounded out to it.
    r.Pas = axe.Pas;
    if (axe.AutoPas || !(r.Pas > 0) || (oMax - oMin) / r.Pas > maxSteps) {
        r.Pas = pas(oMin, oMax);
        if (!r.ok())
            return r;
    }
    ArrondirBornes(r, oMin, oMax);

    // Rule 6: zero taken in when the data lie close enough to it.
    if (oMin > 0 && oMin / (r.Max - r.Min) < 0.25)
        r.Min = 0;
    else if (oMax < 0 && -oMax / (r.Max - r.Min) < 0.25)
        r.Max = 0;
    if (!(r.Min < r.Max) || !std::isfinite(r.Max - r.Min))
        return echec(MessageBornes());
    if (axe.AutoPas) {
        r.Pas = pas(r.Min, r.Max);
        if (!r.ok())
            return r;
        ArrondirBornes(r, oMin, oMax);
    }
    return finir();
}

std::vector<double> Graduations(double min, double max, double pas, int maxGraduations)
{
    std::vector<double> valeurs;
    if (!(pas > 0) || !std::isfinite(min) || !std::isfinite(max) || !(min <= max))
        return valeurs;
    const double premier = std::ceil(min / pas - 0.01);
    const double dernier = std::floor(max / pas + 0.01);
    if (!(dernier - premier < maxGraduations))
        return valeurs;
    for (double k = premier; k <= dernier; k += 1)
        valeurs.push_back(k * pas);
    return valeurs;
}

QString TexteGraduation(double valeur, int decimales)
{
    QString texte = QString::number(valeur, 'f', std::clamp(decimales, 0, 20));
    if (texte.startsWith(QLatin1Char('-'))) {
        bool zero = true;
        for (qsizetype i = 1; i < texte.size() && zero; ++i)
            zero = texte[i] == QLatin1Char('0') || texte[i] == QLatin1Char('.');
        if (zero)
            texte.remove(0, 1);
    }
    if (SepDecimal() != QLatin1Char('.'))
        texte.replace(QLatin1Char('.'), SepDecimal());
    return texte;
}
