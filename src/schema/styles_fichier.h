#pragma once
// The styles file "stylesdess.sty": plain text, Windows-1252, CR LF, 19 lines
// per style and no header:
//   1      the style's name
//   2, 3   Seuil, Degrad: six numbers 0..255 separated by ","
//          (Bleu, Vert, Rouge, Teinte, Sat, Lum)
//   4      Actif: six flags separated by ","
//   5      SeuilTeinteSat 0..255      6  GrouperRVB (flag)
//   7      ModeLum 0..2               8  MarquerNoir (flag)
//   9, 10  SeuilNoir, DegradNoir 0..255
//   11     MarquerBlanc (flag)        12 LimiteBlanc 0..255
//   13..19 PointsTest, one line per row offset dy = -3..3, seven flags for
//          dx = -3..3
// Every value is a decimal integer; a flag is true when it is 1 and false for
// any other integer. A file that breaks any of these rules is refused whole.

#include "schema/param_style_des.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

inline constexpr const char *kNomFichierStyles = "stylesdess.sty";
// More styles than a list can usefully offer: such a file is refused.
inline constexpr int kStylesMax = 1000;

// The styles the bytes of a file hold, or nothing (with the French reason)
// when the file is refused. Empty bytes give an empty list.
[[nodiscard]] std::optional<std::vector<StyleDes>> AnalyserStyles(const QByteArray &octets, QString *raison = nullptr);

struct LectureStyles {
    std::vector<StyleDes> styles; // never empty
    bool integres = false;        // the built-ins stand for a missing, refused or empty file
    QString raison;               // why a file that exists was refused (French), else empty
};

// The styles of the file; the built-in styles when it is missing, refused or
// holds none. The file is never rewritten here.
[[nodiscard]] LectureStyles LireStyles(const QString &chemin);

// A style name as one line of the file: line breaks and other control
// characters become blanks.
[[nodiscard]] QString NomStyleSurUneLigne(const QString &nom);

// The file's lines for the styles, in list order.
[[nodiscard]] QStringList LignesStyles(const std::vector<StyleDes> &styles);

// Keeps the bytes of a file that was refused at reading under its name
// followed by ".bak" (replacing an older copy), before a save puts the
// window's list in its place; true when the copy is made or there is no
// file to keep.
[[nodiscard]] bool ConserverStylesRefuses(const QString &chemin);

// Rewrites the whole file through the safe writer; throws ErreurFichier with
// the French message and leaves the former file as it was on failure.
void EcrireStyles(const QString &chemin, const std::vector<StyleDes> &styles);
