#include "table/mesures_multiples.h"

#include "commun/nombres.h"
#include "plot/graphe.h"
#include "table/tableau_resultats.h"

#include <algorithm>
#include <cmath>

QString NomGrandeurLumiere(int grandeur)
{
    switch (grandeur) {
    case 0:
        return QStringLiteral("luminance");
    case 1:
        return QStringLiteral("absorbance");
    default:
        return QStringLiteral("D.O.");
    }
}

QString UniteGrandeurLumiere(int grandeur)
{
    return grandeur == 2 ? QString() : QStringLiteral("%");
}

QString LibelleGrandeur(const QString &nom, const QString &unite, const QString &parDefaut)
{
    return TitreAxe(nom.isEmpty() ? parDefaut : nom, unite);
}

QString LibelleLongueur(const QString &unite)
{
    const QString debut = QStringLiteral("longueur (");
    constexpr int maxi = 31;
    return debut + unite.left(std::max(0, maxi - static_cast<int>(debut.size()) - 1)) + QLatin1Char(')');
}

QString MesuresMultiples::TexteX() const
{
    QString texte = QString::number(ValX, 'f', DecimalesX());
    // A value rounded to zero is written without its sign.
    if (texte.startsWith(QLatin1Char('-'))
        && std::all_of(texte.begin() + 1, texte.end(), [](QChar c) { return !c.isDigit() || c == QLatin1Char('0'); }))
        texte.remove(0, 1);
    texte.replace(QLatin1Char('.'), SepDecimal());
    return texte;
}

void MesuresMultiples::DefinirX(double x)
{
    if (!std::isfinite(x))
        return;
    const double echelle = std::pow(10.0, DecimalesX());
    const double arrondi = std::nearbyint(x * echelle) / echelle;
    ValX = std::isfinite(arrondi) ? arrondi : x;
}

void MesuresMultiples::Capturer(double valeur)
{
    const int i = Y2Coche ? 2 : 1;
    ValeurYMulti[static_cast<std::size_t>(i)] = valeur * CoeffYMulti[static_cast<std::size_t>(i)];
}

void MesuresMultiples::CapturerRepere(double x, double y1, const QString &uniteX, const QString &uniteY1)
{
    DefinirX(x);
    UniteXMulti = uniteX;
    UniteYMulti[1] = uniteY1;
    ValeurYMulti[1] = y1;
}

void MesuresMultiples::EcrireEntetes(TableauResultats &t, int colonneY) const
{
    const auto i = static_cast<std::size_t>(colonneY);
    t.DefinirCellule(0, 0, NomXMulti);
    t.DefinirCellule(0, 1, UniteXMulti);
    t.DefinirCellule(colonneY, 0, NomYMulti[i]);
    t.DefinirCellule(colonneY, 1, UniteYMulti[i]);
}

bool MesuresMultiples::Envoyer(TableauResultats &t)
{
    const int colonneY = Y2Coche && NbYMulti == 2 ? 2 : 1;
    if (t.NbColonnes() <= colonneY)
        t.DefinirTaille(colonneY + 1, t.NbLignes());
    EcrireEntetes(t, colonneY);
    const int entree = t.DerniereLigneDonnees();
    t.DefinirCellule(0, entree, TexteX());
    t.DefinirCellule(colonneY, entree, FormatGeneral(ValeurYMulti[static_cast<std::size_t>(colonneY)], 3));
    const bool complete = NbYMulti != 2 || colonneY == 2;
    if (complete) {
        t.InsererLigne(entree);
        Y2Coche = false;
        Avancer();
    } else {
        Y2Coche = true;
    }
    t.Recalculer();
    return complete;
}

void MesuresMultiples::EnvoyerCourbe(TableauResultats &t)
{
    t.DefinirCellule(0, 1, UniteXMulti);
    t.DefinirCellule(1, 1, UniteYMulti[1]);
    const int entree = t.DerniereLigneDonnees();
    t.DefinirCellule(0, entree, TexteX());
    t.DefinirCellule(1, entree, FormatGeneral(ValeurYMulti[1], 3));
    t.InsererLigne(entree);
    t.Recalculer();
}

void MesuresMultiples::Avancer()
{
    switch (Mode) {
    case AvanceX::Ajouter:
        DefinirX(ValX + PasXMulti);
        break;
    case AvanceX::Soustraire:
        DefinirX(ValX - PasXMulti);
        break;
    case AvanceX::Multiplier:
        DefinirX(ValX * PasXMulti);
        break;
    case AvanceX::Diviser:
        // The dialog refuses a step of 0 for this mode; X stays rather than
        // becoming infinite.
        if (PasXMulti != 0)
            DefinirX(ValX / PasXMulti);
        break;
    }
}

void MesuresMultiples::EffacerTableau(TableauResultats &t) const
{
    if (t.Totaux())
        t.BasculerTotaux();
    if (t.Moyennes())
        t.BasculerMoyennes();
    t.DefinirTaille(NbYMulti + 1, 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c <= NbYMulti; ++c)
            t.DefinirCellule(c, r, QString());
    t.DefinirLignesFixes(2);
    t.DefinirCellule(0, 0, NomXMulti);
    t.DefinirCellule(0, 1, UniteXMulti);
    for (int i = 1; i <= NbYMulti; ++i) {
        t.DefinirCellule(i, 0, NomYMulti[static_cast<std::size_t>(i)]);
        t.DefinirCellule(i, 1, UniteYMulti[static_cast<std::size_t>(i)]);
    }
}

bool MesuresMultiples::ColonnePerdue(const ParametresMesMult &p, const TableauResultats &t) const
{
    const int colonnesY = t.NbColonnes() - 1 - (t.Totaux() ? 2 : 0) - (t.Moyennes() ? 1 : 0);
    return p.nbY < colonnesY;
}

void MesuresMultiples::PrendreParametres(const ParametresMesMult &p)
{
    NbYMulti = std::clamp(p.nbY, 1, 2);
    NomXMulti = p.nomX.isEmpty() ? QStringLiteral("Valeur X") : p.nomX;
    UniteXMulti = p.uniteX;
    PasXMulti = p.pas;
    for (std::size_t i = 1; i <= 2; ++i) {
        NomYMulti[i] = p.nomY[i];
        UniteYMulti[i] = p.uniteY[i];
        CoeffYMulti[i] = p.coeff[i];
    }
    if (NomYMulti[2].isEmpty())
        NomYMulti[2] = QStringLiteral("Valeur Y2");
    DecimalesPas = p.reel ? std::clamp(p.decimales, 0, 6) : 0;
    Mode = p.mode;
    if (NbYMulti == 1)
        Y2Coche = false;
    DefinirX(ValX);
}

ChoixTableau MesuresMultiples::ChoixPourTableau(const QString &titre, int largeurColonne) const
{
    ChoixTableau c;
    c.titre = titre;
    c.series = false;
    c.xNumerique = true;
    c.nbY = NbYMulti;
    c.noms[0] = NomXMulti;
    c.unites[0] = UniteXMulti;
    for (std::size_t i = 1; i <= 2; ++i) {
        c.noms[i] = NomYMulti[i];
        c.unites[i] = UniteYMulti[i];
    }
    c.largeurColonne = largeurColonne;
    return c;
}

QString MesuresMultiples::LibelleX() const
{
    return LibelleGrandeur(NomXMulti, UniteXMulti, QStringLiteral("Valeur X"));
}

QString MesuresMultiples::LibelleY(int i) const
{
    const auto k = static_cast<std::size_t>(std::clamp(i, 1, 2));
    if (NomYMulti[k] == QLatin1String("longueur"))
        return LibelleLongueur(UniteYMulti[k]);
    return LibelleGrandeur(NomYMulti[k], UniteYMulti[k], k == 1 ? QStringLiteral("Valeur Y1") : QStringLiteral("Valeur Y2"));
}

QString MesuresMultiples::TexteY(int i) const
{
    return FormatGeneral(ValeurYMulti[static_cast<std::size_t>(std::clamp(i, 1, 2))], 3);
}

void AppliquerParametresMesMult(MesuresMultiples &etat, TableauResultats &tableau, TGraphe &graphe,
                                const ParametresMesMult &p, int largeurColonne)
{
    etat.PrendreParametres(p);
    // Names and units as the dialog gives them: an empty Y1 name stays empty
    // in the headers.
    ChoixTableau choix = etat.ChoixPourTableau(p.titre, largeurColonne);
    choix.noms[2] = p.nomY[2].isEmpty() ? etat.NomYMulti[2] : p.nomY[2];
    for (int axe = 0; axe < 3; ++axe)
        graphe.DefinirAutomatique(static_cast<AxeId>(axe), true, true);
    graphe.CrossAtZero = false;
    AppliquerReglage(tableau, graphe, choix);
}
