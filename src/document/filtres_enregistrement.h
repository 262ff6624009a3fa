#pragma once
// Rules of the save dialog that do not need a window: its filter list, the
// name it proposes, and the extension added to a name typed without one.

#include <QString>
#include <QStringList>

#include <vector>

struct FiltreEnregistrement {
    QString libelle;   // as shown in the list
    QString motifs;    // patterns separated by ";", e.g. "*.kpt"
};

// The filter list in the dialog's order. Before the main window's first
// activation (avecGif false) the GIF patterns and the GIF entry are absent.
[[nodiscard]] std::vector<FiltreEnregistrement> FiltresEnregistrement(bool avecGif);

// Index of the entry selected when the dialog is first shown: "Fichiers Kaptori".
inline constexpr int kFiltreInitial = 1;

// The name proposed for a document: the file-name part of its file name cut
// before its first "." (essai.v2.jpg proposes essai); empty for a new image.
[[nodiscard]] QString NomPropose(const QString &nomFichier);

// A chosen name without extension gets the extension of the selected entry:
// its first pattern without the leading "*" when that begins with ".",
// otherwise ".jpg" (the first entry gives ".kpt"). A name with an extension
// is kept as it is.
[[nodiscard]] QString NomAvecExtension(const QString &nom, const QString &motifs);
