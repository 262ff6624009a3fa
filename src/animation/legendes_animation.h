#pragma once
// Texts the animation commands make from names: the captions of the
// documents "&Decomposer l'animation" creates, and the lines of the
// documents offered to "Créer une &animation".

#include <QString>

// Caption of the document made from frame i: the list's path without its
// extension, i with at least two digits, then the extension
// (C:\x\serie.anm, 3 → C:\x\serie03.anm); just the digits ("03") for an
// animation that has no list.
[[nodiscard]] QString LegendeDecomposition(const QString &cheminAnimation, int i);

// Line of a document in the chooser: its number (after a blank when below
// 10), a blank and the file-name part of its caption (3, "C:\w\a.jpg" →
// " 3 a.jpg").
[[nodiscard]] QString LigneChoixDocument(int numero, const QString &legende);
