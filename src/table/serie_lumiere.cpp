#include "table/serie_lumiere.h"

#include "commun/nombres.h"
#include "plot/graphe.h"
#include "table/graphe_tableau.h"
#include "table/tableau_resultats.h"

#include <cmath>

namespace {

// The component's value c (0..255) and its full scale, L being the sum of
// the three on 765.
struct Composante {
    int valeur = 0;
    int plein = 255;
};

Composante ComposanteDe(CouleurWin couleur, int composante)
{
    switch (composante) {
    case 0:
        return {RougeWin(couleur), 255};
    case 1:
        return {VertWin(couleur), 255};
    case 2:
        return {BleuWin(couleur), 255};
    default:
        return {RougeWin(couleur) + VertWin(couleur) + BleuWin(couleur), 765};
    }
}

} // namespace

QString LigneImageSerie(int numero, const QString &titre)
{
    QString nom = titre;
    nom.replace(QLatin1Char('\\'), QLatin1Char('/'));
    nom = nom.mid(nom.lastIndexOf(QLatin1Char('/')) + 1);
    return QStringLiteral("%1 %2").arg(numero, 2).arg(nom);
}

int NumeroLigneImage(const QString &ligne)
{
    bool ok = false;
    const int n = ligne.left(2).trimmed().toInt(&ok);
    return ok ? n : 0;
}

QString ValeurSerieLumiere(const ParametresSerie &p, double zero, CouleurWin couleur)
{
    const Composante c = ComposanteDe(couleur, p.composante);
    if (p.grandeur == 2) {
        // A black component reads one step darker than the darkest grey.
        const double d = c.valeur == 0 ? std::log10(c.plein + c.plein / 255.0) : std::log10(double(c.plein) / c.valeur);
        return FormatGeneral(d - zero, 3);
    }
    const int brute = p.grandeur == 0 ? c.valeur : c.plein - c.valeur;
    if (p.pourcent)
        return FormatGeneral(brute * 100.0 / c.plein - zero, 3);
    return QString::number(brute - Arrondi(zero * c.plein / 100.0));
}

void RemplirSerieLumiere(TableauResultats &t, const ParametresSerie &p, const std::array<double, 4> &zeros,
                         const std::vector<std::optional<CouleurWin>> &moyennes)
{
    static const char *const suffixes[] = {" (R)", " (V)", " (B)", ""};
    const QString suffixe = QString::fromLatin1(suffixes[std::clamp(p.composante, 0, 3)]);
    QString nom;
    QString titre;
    QString unite;
    switch (p.grandeur) {
    case 0:
        nom = QStringLiteral("I");
        titre = p.pourcent ? QStringLiteral("Intensité (%)") : QStringLiteral("Intensité (u.arb.)");
        unite = p.pourcent ? QStringLiteral("%") : QStringLiteral("u.arb.");
        break;
    case 1:
        nom = QStringLiteral("A");
        titre = p.pourcent ? QStringLiteral("Absorption (%)") : QStringLiteral("Absorption (u.arb.)");
        unite = p.pourcent ? QStringLiteral("%") : QStringLiteral("u.arb.");
        break;
    default:
        nom = QStringLiteral("D.O.");
        titre = QStringLiteral("D.O.");
        break;
    }

    if (t.Totaux())
        t.BasculerTotaux();
    if (t.Moyennes())
        t.BasculerMoyennes();
    const int n = static_cast<int>(moyennes.size());
    t.DefinirTaille(2, n + 2);
    t.DefinirLignesFixes(2);
    t.Titre = titre;
    t.DefinirCellule(0, 0, p.grandeurX);
    t.DefinirCellule(0, 1, p.uniteX);
    t.DefinirCellule(1, 0, nom + suffixe);
    t.DefinirCellule(1, 1, unite);
    const double zero = zeros[static_cast<std::size_t>(std::clamp(p.composante, 0, 3))];
    for (int i = 0; i < n; ++i) {
        t.DefinirCellule(0, i + 2, FormatGeneral(p.premier + i * p.ecart, 3));
        const auto &m = moyennes[static_cast<std::size_t>(i)];
        t.DefinirCellule(1, i + 2, m ? ValeurSerieLumiere(p, zero, *m) : QString());
    }
}

void PreparerGrapheSerie(TableauResultats &t, TGraphe &graphe)
{
    ChoixTableau choix;
    choix.titre = t.Titre;
    choix.series = false;
    choix.xNumerique = true;
    choix.nbY = 1;
    choix.noms[0] = t.Cellule(0, 0);
    choix.unites[0] = t.Cellule(0, 1);
    choix.noms[1] = t.Cellule(1, 0);
    choix.unites[1] = t.Cellule(1, 1);
    choix.largeurColonne = 120;
    for (int axe = 0; axe < 3; ++axe)
        graphe.DefinirAutomatique(static_cast<AxeId>(axe), true, true);
    graphe.CrossAtZero = false;
    AppliquerReglage(t, graphe, choix);
}
