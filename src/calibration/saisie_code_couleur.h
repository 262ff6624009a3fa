#pragma once
// What the colour-code definition window holds, and the code its OK builds.
// Headless so that the rules of OK (bounds put in order or replaced by their
// defaults, logarithmic minimum) are tested without the window.

#include "calibration/code_couleur.h"

#include <QString>

#include <array>

struct SaisieCodeCouleur {
    int type = CodageTroisCanaux;

    // Kind 0: names, colours and the texts of the minimum and maximum edits.
    std::array<QString, 3> noms;
    std::array<CouleurWin, 3> couleurs{0, 0, 0};
    std::array<QString, 3> minis;
    std::array<QString, 3> maxis;

    // Kind 1.
    int ordre = 0;
    QString grandeurArcEnCiel, uniteArcEnCiel, minArcEnCiel, maxArcEnCiel;
    bool logArcEnCiel = false;

    // Kind 2.
    CouleurWin couleurMin = 0;
    CouleurWin couleurMax = 0;
    QString grandeurDeuxCouleurs, uniteDeuxCouleurs, minDeuxCouleurs, maxDeuxCouleurs;
    bool logDeuxCouleurs = false;

    // Kind 3, entries in code order (entry 0 is the bottom row of the table).
    int nombre = 8;
    QString grandeurTableau, uniteTableau;
    std::array<QString, MaxEntreesTableau> libelles;
    std::array<CouleurWin, MaxEntreesTableau> couleursTableau{};
};

// The defined code of the chosen kind. Each minimum/maximum pair that does not
// read as two numbers with minimum < maximum becomes the kind's default range
// (0..255 for channels and two colours, 0..1020 for the rainbow). A
// logarithmic scale whose minimum is 0 or below starts at maximum / 1020
// (rainbow) or maximum / 255 (two colours), one step of the scale above 0.
// Texts lose the character ";", which would break the text form, and are
// cut to 20 characters; the count is kept to 4..16.
[[nodiscard]] TCodeCouleur CodeDeSaisie(const SaisieCodeCouleur &saisie);

// The window's controls for a code (the inverse of CodeDeSaisie for the
// code's kind); the other kinds keep the values already in saisie.
void RemplirSaisie(SaisieCodeCouleur &saisie, const TCodeCouleur &code);

// Default values of every kind, as the window shows them when it opens.
[[nodiscard]] SaisieCodeCouleur SaisieParDefaut();

// The three channels of kind 0 as true colours (those of the default code:
// blue, green and red) or as false colours ("Vert", "Rouge" and
// "Infra-Rouge", shown green, red and black); the other values stay.
void DefinirComposantes(SaisieCodeCouleur &saisie, bool vraies);
// Whether the channels' names and colours are the true colours'.
[[nodiscard]] bool ComposantesVraies(const SaisieCodeCouleur &saisie);
