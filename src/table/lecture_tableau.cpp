#include "table/lecture_tableau.h"

#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "table/tableau_resultats.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("LectureTableau", texte);
}

} // namespace

TexteTableauLu LireTexteTableau(const QByteArray &octets)
{
    if (octets.isEmpty())
        throw ErreurDecodage(tr("Le fichier est vide : il ne contient aucun tableau."));
    if (octets.contains('\0'))
        throw ErreurDecodage(tr("Ce fichier n'est pas un texte de tableau (il contient des octets nuls)."));
    const QStringList lignes = DecouperLignes(DecoderTexte(octets));
    if (lignes.isEmpty())
        throw ErreurDecodage(tr("Le fichier est vide : il ne contient aucun tableau."));
    if (lignes.size() - 1 > kLignesMaxTableau)
        throw ErreurDecodage(tr("Tableau trop long : plus de %1 lignes.").arg(kLignesMaxTableau));
    TexteTableauLu t;
    t.titre = lignes.first();
    // Columns are counted before any line is cut, so that a line of
    // separators never makes a huge list and the padded grid's size is
    // known before it is made.
    for (qsizetype i = 1; i < lignes.size(); ++i) {
        const qsizetype colonnes = lignes[i].count(QLatin1Char('\t')) + 1;
        if (colonnes > kColonnesMaxTableau)
            throw ErreurDecodage(tr("Tableau trop large : plus de %1 colonnes (ligne %2).")
                                     .arg(kColonnesMaxTableau)
                                     .arg(i + 1));
        t.colonnes = std::max(t.colonnes, static_cast<int>(colonnes));
    }
    if (static_cast<qint64>(t.colonnes) * (lignes.size() - 1) > kCellulesMaxTableau)
        throw ErreurDecodage(tr("Tableau trop grand : plus de %1 cellules.").arg(kCellulesMaxTableau));
    t.lignes.reserve(static_cast<std::size_t>(lignes.size() - 1));
    for (qsizetype i = 1; i < lignes.size(); ++i)
        t.lignes.push_back(lignes[i].split(QLatin1Char('\t')));
    t.colonnes = std::max(t.colonnes, 1);
    for (QStringList &l : t.lignes)
        l.resize(t.colonnes);
    return t;
}

void ChargerTableau(TableauResultats &tableau, const TexteTableauLu &texte, int lignesFixes)
{
    if (tableau.Totaux())
        tableau.BasculerTotaux();
    if (tableau.Moyennes())
        tableau.BasculerMoyennes();
    tableau.Titre = texte.titre;
    const int fixes = std::max(lignesFixes, 1);
    const int lignes = std::max(static_cast<int>(texte.lignes.size()), fixes + 1);
    tableau.DefinirTaille(std::max(texte.colonnes, 2), lignes);
    tableau.DefinirLignesFixes(fixes);
    for (int r = 0; r < lignes; ++r)
        for (int c = 0; c < tableau.NbColonnes(); ++c)
            tableau.DefinirCellule(c, r, r < static_cast<int>(texte.lignes.size()) && c < texte.colonnes
                                             ? texte.lignes[static_cast<std::size_t>(r)][c]
                                             : QString());
}
