#pragma once
// The text forms of a grid of cells: the tab-separated text the results
// windows copy and save (the caption line, then one line per row), and the
// HTML table put beside it on the clipboard so that spreadsheets paste
// numbers as numbers whatever their decimal separator.

#include <QString>
#include <QStringList>

#include <vector>

// The caption, then rows 0 and 1 in full and the rows from debut to fin
// (all rows when debut is negative), each as its cells joined by TAB.
[[nodiscard]] QStringList LignesTexteGrille(const QString &titre, const std::vector<QStringList> &lignes,
                                            int debut = -1, int fin = -1);

// The lines each ended by CR LF.
[[nodiscard]] QString JoindreLignesCrLf(const QStringList &lignes);

// An HTML document holding one table: the caption as its caption, one row
// per line (the caption line excluded), each cell's text escaped. A cell
// that is a number (either decimal separator) carries its value with a
// point in the attributes spreadsheets read (x:num, sdval).
[[nodiscard]] QString HtmlGrille(const QString &titre, const std::vector<QStringList> &lignes);
