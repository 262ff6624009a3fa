#pragma once
// What a markup button of the text dialog does to the edited text. Each of
// the five buttons toggles between down and up: a click that leaves it down
// inserts its opening tag, a click that leaves it up its closing tag.

#include "drawing/balises_texte.h"

#include <QString>

// The edited text and its selection (start and length, the caret at its end).
struct TexteEdite {
    QString texte;
    int debut = 0;
    int longueur = 0;

    friend bool operator==(const TexteEdite &, const TexteEdite &) = default;
};

// The opening tag of a button's pair and its closing tag.
[[nodiscard]] Balise BaliseFermante(Balise ouvrante);
[[nodiscard]] Balise BaliseOuvrante(Balise fermante);
[[nodiscard]] bool EstFermante(Balise balise);

// Applies a markup button that produced `balise` (an opening tag when the
// button went down, a closing one when it went up), with s the selection
// start and L its length:
// 1. L > 0 and a closing tag: when the opening tag stands just before the
//    selection it is removed, and then the closing tag just after the
//    selection too when it is there; the same text stays selected. Without
//    the opening tag just before, nothing changes.
// 2. Otherwise the tag is inserted at s with the caret after it and, when
//    L > 0, the closing tag right after the selected text; the same text
//    stays selected.
// A selection outside the text is brought back into it.
[[nodiscard]] TexteEdite AppliquerBoutonBalise(const TexteEdite &edite, Balise balise);
