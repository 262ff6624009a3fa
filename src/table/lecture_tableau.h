#pragma once
// Reading a table text as "le &Tableau" saves it: a caption line, then one
// line per grid row with its cells separated by TAB characters. Any line
// end is accepted; rows shorter than the longest are padded with empty
// cells. Encoding as for the program's text files (UTF-8 when the bytes are
// valid UTF-8 with a multi-byte sequence, Windows-1252 otherwise).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class TableauResultats;

// Limits of a table read from a file; beyond them the file is refused.
inline constexpr int kColonnesMaxTableau = 1000;
inline constexpr int kLignesMaxTableau = 1000000;
// Rows are padded to the widest: their product is held too, so that a few
// wide lines among many short ones cannot make a huge grid.
inline constexpr qint64 kCellulesMaxTableau = 4000000;

struct TexteTableauLu {
    QString titre;
    std::vector<QStringList> lignes; // every row padded to `colonnes` cells
    int colonnes = 0;
};

// Throws ErreurDecodage with a French message for an empty file, bytes that
// are not text (a NUL byte), more than kColonnesMaxTableau columns,
// kLignesMaxTableau rows or kCellulesMaxTableau cells.
[[nodiscard]] TexteTableauLu LireTexteTableau(const QByteArray &octets);

// Puts a table text into the model: caption, cells, `lignesFixes` header
// rows (at least one data row follows them), totals and means off.
void ChargerTableau(TableauResultats &tableau, const TexteTableauLu &texte, int lignesFixes);
