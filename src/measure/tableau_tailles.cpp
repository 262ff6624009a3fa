#include "measure/tableau_tailles.h"

#include <QCoreApplication>

#include <algorithm>

TableauTailles::TableauTailles()
{
    lignes_.resize(LignesFixes + 1);
    auto tr = [](const char *texte) { return QCoreApplication::translate("TableauTailles", texte); };
    lignes_[0] = {QString(), tr("Périmètre"), tr("Longueur"), tr("Largeur"), tr("Surface")};
    lignes_[1][0] = tr("unité");
    lignes_[2][0] = tr("Moyenne");
    lignes_[3][0] = tr("écart-type");
    lignes_[4][0] = tr("Valeur mini");
    lignes_[5][0] = tr("Valeur maxi");
}

void TableauTailles::DefinirNbLignes(int n)
{
    lignes_.resize(static_cast<std::size_t>(std::max(n, LignesFixes)));
}

const QString &TableauTailles::Cellule(int colonne, int ligne) const
{
    return lignes_.at(static_cast<std::size_t>(ligne)).at(static_cast<std::size_t>(colonne));
}

void TableauTailles::DefinirCellule(int colonne, int ligne, const QString &texte)
{
    lignes_.at(static_cast<std::size_t>(ligne)).at(static_cast<std::size_t>(colonne)) = texte;
}

void TableauTailles::ViderLigne(int ligne)
{
    lignes_.at(static_cast<std::size_t>(ligne)) = Ligne{};
}

QString TableauTailles::Texte(const QString &titre) const
{
    QString texte = titre + QStringLiteral("\r\n");
    for (const Ligne &ligne : lignes_) {
        QStringList cellules(ligne.begin(), ligne.end());
        texte += cellules.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    }
    return texte;
}
