#pragma once
// The binary record of a drawn element and the drawing block of the document
// file. Little-endian; texts in Windows-1252 (UTF-8 accepted on reading).
//
// Block: u16 count N, then N times a length byte, the name and the record.
// Record: Genre, Fleche, Style, Motif, Transparent (1 byte each); X1, Y1, X2,
// Y2, XAncre, YAncre, Rayon (i16); Epaisseur, Alignement, Opacite (1 byte);
// Reserve1, Couleur, CouleurFond (4 bytes); then per kind: texts (5) and
// legends (7) their font and lines or unit; fills (6) and zone fills (9)
// their conditions, where only the low byte of each upper bound is kept;
// pencil strokes (0) and zone fills (9) their polygon, whose 16-bit points
// are signed pixels.

#include "drawing/liste_dessins.h"

#include <QIODevice>
#include <QString>

// Writes the record of one element.
void Ecrire(const TDessin &dessin, QIODevice &flux);

// Reads the record of one element into a default element. Throws
// ErreurDecodage on a truncated record, a kind out of range or a count that
// the remaining bytes cannot hold; ErreurFichier when the device fails.
void Lire(TDessin &dessin, QIODevice &flux);

// Writes the drawing block. Fill elements tied to image channels (a condition
// on a component above 9) cannot be kept and are left out; returns how many
// were left out, for the caller to warn with MessageRemplissagesCanaux().
[[nodiscard]] int EcrireDessins(QIODevice &flux, const TListeDessins &dessins);

// Empties the list, then reads the block into it. On an error the elements
// read before it stay in the list and the error is thrown.
void LireDessins(QIODevice &flux, TListeDessins &dessins);

// "Les remplissages liés aux canaux ne peuvent être enregistrés"
[[nodiscard]] QString MessageRemplissagesCanaux();

// True when the element is a fill with a condition on an image channel.
[[nodiscard]] bool RemplissageLieAuxCanaux(const TDessin &dessin);
