#pragma once
// French messages for the statuses a scanner or camera returns (SANE's own
// texts are English).

#include <QString>

// Where a status came from: a message depends on it for a few statuses.
enum class EtapeSane { Initialisation, Liste, Ouverture, Reglage, Demarrage, Lecture };

[[nodiscard]] QString MessageStatutSane(int statut, EtapeSane etape = EtapeSane::Lecture);

// "Library could not be loaded, check if source is loaded", in French.
[[nodiscard]] QString MessageBibliothequeAbsente();
[[nodiscard]] QString MessageAucunAppareil();
