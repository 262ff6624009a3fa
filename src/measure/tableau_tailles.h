#pragma once
// The object table of the surface window: 5 columns, 6 fixed rows (titles,
// units, mean, standard deviation, minimum, maximum), then one row per
// measured object.

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class TableauTailles {
public:
    static constexpr int NbColonnes = 5;
    static constexpr int LignesFixes = 6;
    using Ligne = std::array<QString, NbColonnes>;

    // The titles and the first column of the fixed rows, 7 rows.
    TableauTailles();

    [[nodiscard]] int NbLignes() const { return static_cast<int>(lignes_.size()); }
    void DefinirNbLignes(int n);
    [[nodiscard]] const QString &Cellule(int colonne, int ligne) const;
    void DefinirCellule(int colonne, int ligne, const QString &texte);
    void ViderLigne(int ligne);

    // The text "C&opier le tableau" places on the clipboard: the caption,
    // then every row with its cells joined by tabs, lines ended by CR LF.
    [[nodiscard]] QString Texte(const QString &titre) const;

private:
    std::vector<Ligne> lignes_;
};
