#include "table/tableau_resultats.h"

#include "commun/nombres.h"
#include "table/texte_grille.h"

#include <algorithm>

namespace {

const QString kTotaux = QStringLiteral("totaux");
const QString kPourcent = QStringLiteral("   %");
const QString kMoyennes = QStringLiteral("moyennes");

} // namespace

TableauResultats::TableauResultats()
{
    DefinirTaille(2, 3);
}

void TableauResultats::DefinirTaille(int colonnes, int lignes)
{
    colonnes_ = std::max(colonnes, 1);
    lignes_.resize(static_cast<std::size_t>(std::max(lignes, 1)));
    for (QStringList &l : lignes_)
        l.resize(colonnes_);
}

QString TableauResultats::Cellule(int colonne, int ligne) const
{
    if (colonne < 0 || colonne >= colonnes_ || ligne < 0 || ligne >= NbLignes())
        return {};
    return lignes_[static_cast<std::size_t>(ligne)][colonne];
}

void TableauResultats::DefinirCellule(int colonne, int ligne, const QString &texte)
{
    if (colonne < 0 || colonne >= colonnes_ || ligne < 0 || ligne >= NbLignes())
        return;
    lignes_[static_cast<std::size_t>(ligne)][colonne] = texte;
}

std::optional<double> TableauResultats::LireNombre(int colonne, int ligne)
{
    if (colonne < 0 || colonne >= colonnes_ || ligne < 0 || ligne >= NbLignes())
        return std::nullopt;
    QString &cellule = lignes_[static_cast<std::size_t>(ligne)][colonne];
    if (cellule.isEmpty())
        return std::nullopt;
    if (!SepDecimal.isNull() && !SepAutre.isNull()) {
        const qsizetype i = cellule.indexOf(SepAutre);
        if (i >= 0)
            cellule[i] = SepDecimal;
    }
    bool ok = false;
    const double v = TexteEnReel(cellule, &ok);
    if (!ok)
        return std::nullopt;
    return v;
}

bool TableauResultats::ColonneCalculee(int colonne) const
{
    if (totaux_)
        return colonne >= colonnes_ - 2;
    if (moyennes_)
        return colonne == colonnes_ - 1;
    return false;
}

int TableauResultats::DerniereColonneDonnees() const
{
    return colonnes_ - 1 - (totaux_ ? 2 : moyennes_ ? 1 : 0);
}

int TableauResultats::DerniereLigneDonnees() const
{
    return NbLignes() - 1 - (totaux_ ? 1 : 0);
}

void TableauResultats::CalculerTotaux()
{
    if (!totaux_ || colonnes_ < 3)
        return;
    const int C = colonnes_;
    const int R = NbLignes();
    const int F = fixes_;
    // Each data cell is read once; a cell that does not parse adds nothing.
    const int nbColonnes = C - 3;
    const int nbLignes = std::max(0, R - 1 - F);
    std::vector<double> valeurs(static_cast<std::size_t>(nbColonnes) * static_cast<std::size_t>(nbLignes));
    for (int r = 0; r < nbLignes; ++r)
        for (int c = 0; c < nbColonnes; ++c)
            valeurs[static_cast<std::size_t>(r) * nbColonnes + c] = LireNombre(c + 1, r + F).value_or(0);
    double grandTotal = 0;
    for (int c = 0; c < nbColonnes; ++c) {
        double somme = 0;
        for (int r = 0; r < nbLignes; ++r)
            somme += valeurs[static_cast<std::size_t>(r) * nbColonnes + c];
        DefinirCellule(c + 1, R - 1, FormatGeneral(somme));
        // The grand total adds the totals as they are written.
        grandTotal += LireNombre(c + 1, R - 1).value_or(0);
    }
    DefinirCellule(C - 2, R - 1, FormatGeneral(grandTotal));
    DefinirCellule(C - 1, R - 1, QString());
    for (int r = 0; r < nbLignes; ++r) {
        double somme = 0;
        for (int c = 0; c < nbColonnes; ++c)
            somme += valeurs[static_cast<std::size_t>(r) * nbColonnes + c];
        DefinirCellule(C - 2, r + F, FormatGeneral(somme));
        // Without a grand total no percentage is written, and none is left
        // from an earlier computation.
        DefinirCellule(C - 1, r + F, grandTotal != 0 ? FormatGeneral(somme / grandTotal * 100) : QString());
    }
}

void TableauResultats::CalculerMoyennes()
{
    if (!moyennes_ || colonnes_ <= 2)
        return;
    const int C = colonnes_;
    for (int r = fixes_; r < NbLignes(); ++r) {
        double somme = 0;
        for (int c = 1; c <= C - 2; ++c)
            somme += LireNombre(c, r).value_or(0);
        DefinirCellule(C - 1, r, FormatGeneral(somme / (C - 2)));
    }
}

void TableauResultats::Recalculer()
{
    if (totaux_)
        CalculerTotaux();
    else if (moyennes_)
        CalculerMoyennes();
}

void TableauResultats::BasculerTotaux()
{
    if (totaux_) {
        RetirerLigne(NbLignes() - 1);
        RetirerColonne(colonnes_ - 1);
        RetirerColonne(colonnes_ - 1);
        totaux_ = false;
        return;
    }
    InsererLigneVide(NbLignes());
    DefinirCellule(0, NbLignes() - 1, kTotaux);
    if (moyennes_) {
        // The means column becomes the totals column.
        InsererColonneVide(colonnes_);
        moyennes_ = false;
    } else {
        InsererColonneVide(colonnes_);
        InsererColonneVide(colonnes_);
    }
    DefinirCellule(colonnes_ - 2, 0, kTotaux);
    DefinirCellule(colonnes_ - 1, 0, kPourcent);
    totaux_ = true;
    CalculerTotaux();
}

void TableauResultats::BasculerMoyennes()
{
    if (moyennes_) {
        RetirerColonne(colonnes_ - 1);
        moyennes_ = false;
        return;
    }
    if (totaux_) {
        // The totals column becomes the means column, the percentages go
        // and the totals row stays as an ordinary line.
        RetirerColonne(colonnes_ - 1);
        totaux_ = false;
    } else {
        InsererColonneVide(colonnes_);
    }
    DefinirCellule(colonnes_ - 1, 0, kMoyennes);
    moyennes_ = true;
    CalculerMoyennes();
}

QStringList TableauResultats::LignesTexte() const
{
    return LignesTexteGrille(Titre, lignes_);
}

QString TableauResultats::TexteTableau() const
{
    return JoindreLignesCrLf(LignesTexte());
}

TableauResultats::EffetTouche TableauResultats::ToucheGrille(Touche touche, int colonne, int ligne)
{
    EffetTouche effet;
    effet.colonne = colonne;
    effet.ligne = ligne;
    if (touche == Touche::Entree)
        Recalculer();
    if (LigneTotaux(ligne) || ColonneCalculee(colonne)) {
        effet.ecartee = true;
        return effet;
    }
    const bool derniereLigne = ligne == DerniereLigneDonnees();
    if (touche == Touche::Entree) {
        if (derniereLigne && colonne == DerniereColonneDonnees()) {
            InsererLigneVide(ligne + 1);
            effet.ligneAjoutee = true;
            effet.colonne = 0;
            effet.ligne = ligne + 1;
            effet.disposer = true;
        }
        effet.rafraichir = true;
        return effet;
    }
    // The grid always keeps one data line.
    if (touche == Touche::RetourArriere && derniereLigne && colonne == 0 && Cellule(0, ligne).isEmpty()
        && ligne > fixes_) {
        RetirerLigne(ligne);
        effet.ligneRetiree = true;
        effet.ligne = ligne - 1;
        effet.disposer = true;
    }
    return effet;
}

int TableauResultats::InsererLigne(int ligneCurseur)
{
    if (LigneTotaux(ligneCurseur))
        --ligneCurseur;
    ligneCurseur = std::clamp(ligneCurseur, fixes_ - 1, NbLignes() - 1);
    InsererLigneVide(ligneCurseur + 1);
    return ligneCurseur + 1;
}

int TableauResultats::InsererColonneSerie(int colonneCurseur)
{
    if (!ModeSeries)
        return -1;
    int c = std::clamp(colonneCurseur, 0, colonnes_ - 1);
    if (c == 0)
        c = colonnes_ - 1;
    if (moyennes_ && c == colonnes_ - 1)
        c = colonnes_ - 2;
    if (totaux_ && c >= colonnes_ - 2)
        c = colonnes_ - 3;
    c = std::max(c, 0);
    InsererColonneVide(c + 1);
    ++NbSeries;
    DefinirCellule(1, 0, NomOrdonnee[1]);
    if (XNumerique)
        DefinirCellule(1, 1, UniteOrdonnee[1]);
    return c + 1;
}

bool TableauResultats::LigneSupprimable(int ligne) const
{
    return ligne >= fixes_ && ligne < NbLignes() && !LigneTotaux(ligne);
}

bool TableauResultats::SupprimerLigne(int ligne)
{
    if (!LigneSupprimable(ligne))
        return false;
    if (DerniereLigneDonnees() == fixes_) {
        for (int c = 0; c < colonnes_; ++c)
            if (!ColonneCalculee(c))
                DefinirCellule(c, ligne, QString());
    } else {
        RetirerLigne(ligne);
    }
    Recalculer();
    return true;
}

bool TableauResultats::ColonneSupprimable(int colonne) const
{
    return colonnes_ >= 3 && colonne > 0 && colonne < colonnes_ && !ColonneCalculee(colonne);
}

int TableauResultats::SupprimerColonne(int colonne)
{
    if (!ColonneSupprimable(colonne))
        return 0;
    RetirerColonne(colonne);
    int serieRetiree = 0;
    if (!ModeSeries && NbY == 2) {
        NbY = 1;
        serieRetiree = 2;
    } else if (NbSeries > 1) {
        --NbSeries;
        serieRetiree = NbSeries + 1;
    }
    Recalculer();
    return serieRetiree;
}

void TableauResultats::ToutEffacer()
{
    NbY = 1;
    NbSeries = 1;
    totaux_ = false;
    moyennes_ = false;
    lignes_.clear();
    fixes_ = 2;
    DefinirTaille(2, 3);
}

QString TableauResultats::LibelleSeries() const
{
    if (!SeriesParParametre)
        return QStringLiteral("///série");
    QString libelle = QStringLiteral("//") + NomParametre;
    if (!UniteParametre.isEmpty())
        libelle += QStringLiteral(" (") + UniteParametre + QLatin1Char(')');
    return libelle;
}

int TableauResultats::LigneSeries() const
{
    if (!ModeSeries)
        return -1;
    return XNumerique ? 2 : 1;
}

void TableauResultats::InsererLigneVide(int position)
{
    position = std::clamp(position, 0, NbLignes());
    QStringList vide;
    vide.resize(colonnes_);
    lignes_.insert(lignes_.begin() + position, vide);
}

void TableauResultats::RetirerLigne(int ligne)
{
    if (ligne < 0 || ligne >= NbLignes() || NbLignes() <= 1)
        return;
    lignes_.erase(lignes_.begin() + ligne);
}

void TableauResultats::InsererColonneVide(int position)
{
    position = std::clamp(position, 0, colonnes_);
    for (QStringList &l : lignes_)
        l.insert(position, QString());
    ++colonnes_;
}

void TableauResultats::RetirerColonne(int colonne)
{
    if (colonne < 0 || colonne >= colonnes_ || colonnes_ <= 1)
        return;
    for (QStringList &l : lignes_)
        l.removeAt(colonne);
    --colonnes_;
}
