#pragma once
// The remembered standard scales: parallel lists of names and scales, at most
// 21, kept while the program runs, read from "mesechelles.txt" at start-up
// and written back only when the user asks for it. The file holds two lines
// per scale: the name, then the scale's text form.

#include "calibration/echelle.h"

#include <QString>
#include <QStringList>

#include <vector>

inline const QString NomFichierEchellesStandard = QStringLiteral("mesechelles.txt");

struct EchellesStandard {
    static constexpr int NbMax = 21;

    QStringList noms;
    std::vector<TEchelle> echelles;
    int DerniereEchelleChoisie = 0; // index chosen or added last

    [[nodiscard]] int taille() const { return int(echelles.size()); }
    [[nodiscard]] bool pleine() const { return taille() >= NbMax; }

    // Appends a scale and makes it the last chosen. Throws ErreurKaptori with
    // a French message when the list already holds NbMax scales.
    void ajouter(const QString &nom, const TEchelle &echelle);
};

// Reads a list file. A missing file gives an empty list; reading stops at the
// end of the file, at the first entry whose scale does not parse or lacks its
// line, or after NbMax entries, and what was read before stays.
[[nodiscard]] EchellesStandard LireEchellesStandard(const QString &chemin);

// Rewrites the list file with every entry; false when it cannot be written.
[[nodiscard]] bool EcrireEchellesStandard(const QString &chemin, const EchellesStandard &liste);
