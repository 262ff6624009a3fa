// kaptori-cli axe VALEUR... [--pas-min N] [--pas-max N]: the automatic axis
// (range and steps on) a graph gives to these values, as five lines:
//   min: -20
//   max: 120
//   pas: 20
//   decimales: 0
//   graduations: -20; 0; 20; 40; 60; 80; 100; 120
// Bounds and step with 15 significant digits, labels with the axis's
// decimals; numbers with the user's decimal separator. A refusal of the
// rule is printed on the error stream with status 1.

#include "app/cli/commandes_cli.h"
#include "commun/nombres.h"
#include "plot/graphe.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("CommandeAxe", texte);
}

} // namespace

int CommandeAxe(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    std::vector<double> valeurs;
    std::optional<int> pasMin;
    std::optional<int> pasMax;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--pas-min") || a == QLatin1String("--pas-max")) {
            bool ok = false;
            const qint64 n = i + 1 < arguments.size() ? TexteEnEntier(arguments[i + 1], &ok) : 0;
            if (!ok || n < 0 || n > 100000) {
                erreurs << tr("L'option %1 attend un nombre entier de graduations.\n").arg(a);
                return 1;
            }
            (a == QLatin1String("--pas-min") ? pasMin : pasMax) = static_cast<int>(n);
            ++i;
            continue;
        }
        if (a.startsWith(QLatin1String("--"))) {
            erreurs << tr("Option inconnue : %1\n").arg(a);
            return 1;
        }
        bool ok = false;
        const double v = TexteEnReel(RemplacerSepAutre(a), &ok);
        if (!ok) {
            erreurs << tr("« %1 » n'est pas un nombre.\n").arg(a);
            return 1;
        }
        valeurs.push_back(v);
    }
    if (valeurs.empty()) {
        erreurs << tr("Usage : kaptori-cli axe VALEUR... [--pas-min N] [--pas-max N]\n");
        return 1;
    }

    // The graph's acceptance rules hold; the maximum is tried again after
    // the minimum, so that both orders of a compatible pair are taken.
    TGraphe graphe;
    bool maxPris = !pasMax || graphe.DefinirMaxSteps(*pasMax);
    const bool minPris = !pasMin || graphe.DefinirMinSteps(*pasMin);
    if (!maxPris)
        maxPris = graphe.DefinirMaxSteps(*pasMax);
    if (!minPris || !maxPris) {
        erreurs << tr("Graduations refusées : le minimum (%1) doit être non nul et inférieur au maximum divisé par "
                      "2,5 ; le maximum (%2) doit dépasser 2,5 fois le minimum et valoir au plus 90.\n")
                       .arg(pasMin.value_or(graphe.MinSteps()))
                       .arg(pasMax.value_or(graphe.MaxSteps()));
        return 1;
    }

    const auto [mini, maxi] = std::minmax_element(valeurs.begin(), valeurs.end());
    const AxeCalcule axe = CalculerAxe(graphe.Axe(AxeId::Y).reglage, true, *mini, *maxi, graphe.MinSteps(),
                                       graphe.MaxSteps());
    if (!axe.ok()) {
        erreurs << axe.erreur << QLatin1Char('\n');
        return 1;
    }
    QStringList etiquettes;
    for (double v : Graduations(axe.Min, axe.Max, axe.Pas))
        etiquettes << TexteGraduation(v, axe.Decimales);
    sortie << "min: " << FormatGeneral(axe.Min, 15) << '\n';
    sortie << "max: " << FormatGeneral(axe.Max, 15) << '\n';
    sortie << "pas: " << FormatGeneral(axe.Pas, 15) << '\n';
    sortie << "decimales: " << axe.Decimales << '\n';
    sortie << "graduations: " << etiquettes.join(QStringLiteral("; ")) << '\n';
    return 0;
}
