#include "table/tableau_resultats.h"

#include "commun/nombres.h"
#include "table/texte_grille.h"

#include <algorithm>
#include <utility>

namespace {

const QString kTotaux = QStringLiteral("totaux");
const QString kPourcent = QStringLiteral("   %");
const QString kMoyennes = QStringLiteral("moyennes");

// The same text block, hence the same text: a shared text is copied before
// being written to.
bool MemeBloc(const QString &a, const QString &b)
{
    return a.isSharedWith(b) && a.constData() == b.constData() && a.size() == b.size();
}

bool MemeTexte(const QString &a, const QString &b)
{
    return MemeBloc(a, b) || a == b;
}

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

std::optional<double> TableauResultats::NombreCellule(int colonne, int ligne)
{
    if (colonne < 0 || colonne >= colonnes_ || ligne < 0 || ligne >= NbLignes())
        return std::nullopt;
    const std::size_t nbCellules = static_cast<std::size_t>(NbLignes()) * static_cast<std::size_t>(colonnes_);
    if (lectures_.size() != nbCellules || sepLectures_[0] != SepDecimal || sepLectures_[1] != SepAutre) {
        lectures_.assign(nbCellules, {});
        sepLectures_[0] = SepDecimal;
        sepLectures_[1] = SepAutre;
    }
    LectureCellule &lu = lectures_[static_cast<std::size_t>(ligne) * static_cast<std::size_t>(colonnes_)
                                   + static_cast<std::size_t>(colonne)];
    if (!MemeBloc(lu.texte, std::as_const(lignes_)[static_cast<std::size_t>(ligne)][colonne])) {
        // Reading may rewrite the cell: the text kept is the one after it.
        const std::optional<double> v = LireNombre(colonne, ligne);
        lu.texte = std::as_const(lignes_)[static_cast<std::size_t>(ligne)][colonne];
        lu.valeur = v.value_or(0);
        lu.nombre = v.has_value();
    }
    return lu.nombre ? std::optional<double>(lu.valeur) : std::nullopt;
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

bool TableauResultats::ContientDesValeurs() const
{
    for (int l = fixes_; l <= DerniereLigneDonnees(); ++l)
        for (int c = 0; c <= DerniereColonneDonnees(); ++c)
            if (!Cellule(c, l).trimmed().isEmpty())
                return true;
    return false;
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
    std::vector<double> sommesColonnes(static_cast<std::size_t>(nbColonnes), 0.0);
    std::vector<double> sommesLignes(static_cast<std::size_t>(nbLignes), 0.0);
    for (int r = 0; r < nbLignes; ++r) {
        double somme = 0;
        for (int c = 0; c < nbColonnes; ++c) {
            const double v = NombreCellule(c + 1, r + F).value_or(0);
            sommesColonnes[static_cast<std::size_t>(c)] += v;
            somme += v;
        }
        sommesLignes[static_cast<std::size_t>(r)] = somme;
    }
    double grandTotal = 0;
    for (int c = 0; c < nbColonnes; ++c) {
        DefinirCellule(c + 1, R - 1, FormatGeneral(sommesColonnes[static_cast<std::size_t>(c)]));
        // The grand total adds the totals as they are written.
        grandTotal += LireNombre(c + 1, R - 1).value_or(0);
    }
    DefinirCellule(C - 2, R - 1, FormatGeneral(grandTotal));
    DefinirCellule(C - 1, R - 1, QString());
    if (sepCalculs_ != ::SepDecimal()) {
        calculs_.clear();
        sepCalculs_ = ::SepDecimal();
    }
    calculs_.resize(static_cast<std::size_t>(nbLignes));
    for (int r = 0; r < nbLignes; ++r) {
        const double somme = sommesLignes[static_cast<std::size_t>(r)];
        QStringList &ligne = lignes_[static_cast<std::size_t>(r + F)];
        CalculLigne &memo = calculs_[static_cast<std::size_t>(r)];
        QString &total = ligne[C - 2];
        if (!memo.ecrit || memo.total != somme || !MemeTexte(total, memo.texteTotal)) {
            total = FormatGeneral(somme);
            memo.total = somme;
            memo.texteTotal = total;
        }
        // Without a grand total no percentage is written, and none is left
        // from an earlier computation.
        QString &pourcent = ligne[C - 1];
        if (grandTotal == 0) {
            if (!pourcent.isEmpty())
                pourcent = QString();
        } else {
            const double p = somme / grandTotal * 100;
            if (!memo.ecrit || memo.pourcent != p || !MemeTexte(pourcent, memo.textePourcent)) {
                pourcent = FormatGeneral(p);
                memo.pourcent = p;
                memo.textePourcent = pourcent;
            }
        }
        memo.ecrit = true;
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
    return colonnes_ >= 3 && colonne > 0 && colonne < colonnes_ && !ColonneCalculee(colonne)
           && DerniereColonneDonnees() >= 2;
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
        if (colonne == 1) {
            // What is left is Y2: it becomes the Y variable.
            NomOrdonnee[1] = NomOrdonnee[2];
            UniteOrdonnee[1] = UniteOrdonnee[2];
        }
        NomOrdonnee[2].clear();
        UniteOrdonnee[2].clear();
    } else if (NbSeries > 1) {
        --NbSeries;
        serieRetiree = NbSeries + 1;
    }
    if (ModeSeries) {
        // The Y name and unit stand over the first series column.
        DefinirCellule(1, 0, NomOrdonnee[1]);
        if (XNumerique)
            DefinirCellule(1, 1, UniteOrdonnee[1]);
    }
    Recalculer();
    return serieRetiree;
}

void TableauResultats::ToutEffacer()
{
    NbY = 1;
    NbSeries = 1;
    ModeSeries = false;
    SeriesParParametre = false;
    XNumerique = true;
    totaux_ = false;
    moyennes_ = false;
    lignes_.clear();
    calculs_.clear();
    lectures_.clear();
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

namespace {

enum class RoleEntete { Noms, Unites, Series };

std::vector<RoleEntete> Disposition(bool modeSeries, bool xNumerique)
{
    if (!modeSeries)
        return {RoleEntete::Noms, RoleEntete::Unites};
    if (xNumerique)
        return {RoleEntete::Noms, RoleEntete::Unites, RoleEntete::Series};
    return {RoleEntete::Noms, RoleEntete::Series};
}

} // namespace

void TableauResultats::ChangerDisposition(bool modeSeries, bool xNumerique)
{
    const std::vector<RoleEntete> avant = Disposition(ModeSeries, XNumerique);
    const std::vector<RoleEntete> apres = Disposition(modeSeries, xNumerique);
    ModeSeries = modeSeries;
    XNumerique = xNumerique;
    if (static_cast<int>(avant.size()) != fixes_ || fixes_ > NbLignes()) {
        fixes_ = static_cast<int>(apres.size());
        return;
    }
    std::vector<QStringList> lignes;
    lignes.reserve(lignes_.size() + 1);
    for (RoleEntete role : apres) {
        const auto it = std::find(avant.begin(), avant.end(), role);
        if (it != avant.end()) {
            lignes.push_back(std::move(lignes_[static_cast<std::size_t>(it - avant.begin())]));
        } else {
            QStringList vide;
            vide.resize(colonnes_);
            lignes.push_back(vide);
        }
    }
    for (std::size_t r = static_cast<std::size_t>(fixes_); r < lignes_.size(); ++r)
        lignes.push_back(std::move(lignes_[r]));
    lignes_ = std::move(lignes);
    fixes_ = static_cast<int>(apres.size());
    calculs_.clear();
    lectures_.clear();
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
