#pragma once
// Icons of the tool-bar buttons that the widget style has none for: the ten
// drawing and measuring tools, and the print, copy, paste and crop commands.
// Drawn with simple strokes at 24 × 24 and 48 × 48 pixels, so that the tool
// bars stay narrow enough for a 1024-pixel-wide screen.

#include <QIcon>

// Icon of tool 0..9 (crayon, ligne, forme, gomme, texte, mesure, pot de
// peinture, pipette, sélection, comptage); a null icon for other numbers.
[[nodiscard]] QIcon IconeOutil(int outil);

// The program's own icon, on the frame and every document window's title bar:
// a magnifying glass, as on the about box's built-in logo.
[[nodiscard]] QIcon IconeProgramme();

enum class CommandeBarre { Imprimer, Copier, CopierSelection, Coller, Recadrer };
[[nodiscard]] QIcon IconeCommande(CommandeBarre commande);
