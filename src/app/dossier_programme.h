#pragma once
// Where the program finds the files it reads at start-up ("kpr.cfg", the help
// lists, "mesechelles.txt", the help documents and the sample pictures), and
// where it writes the list of remembered scales.
//
// Run from a build or an unpacked folder, the program's folder is the current
// directory at start-up. Installed, the executable lies in <prefix>/bin and
// its files in <prefix>/share/kaptori, whatever folder the desktop starts it
// in; that folder is read-only, so the scales the user saves go to the user's
// own data folder instead, and are read back from there first.

#include <QString>

struct DossiersProgramme {
    QString programme; // DossierProgramme, ending with '/'
    QString ecriture;  // where "mesechelles.txt" is written, ending with '/'
};

// The installed data folder of an executable lying in `dossierExecutable`
// (`<prefix>/bin` gives `<prefix>/share/kaptori/`), or empty text when that
// folder does not exist.
[[nodiscard]] QString DossierDonneesInstallees(const QString &dossierExecutable);

// The installed data folder when there is one, with `dossierUtilisateur` for
// writing; otherwise `dossierCourant` for both. Every folder returned ends
// with '/'.
[[nodiscard]] DossiersProgramme DossiersDepuis(const QString &dossierExecutable, const QString &dossierCourant,
                                               const QString &dossierUtilisateur);

// The file `nom` to read: the one in `ecriture` when it exists (the user's own
// copy), otherwise the one in `programme`.
[[nodiscard]] QString FichierALire(const DossiersProgramme &dossiers, const QString &nom);
