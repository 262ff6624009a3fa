#pragma once
// The reason a file could not be opened, read or written, as the French
// messages show it. Qt gives the system's reason in English ("Permission
// denied", "No space left on device"), whatever the user's language.

#include <QString>

// The French text of a reason Qt gives for a failed file operation; a reason
// it does not know is returned as it is.
[[nodiscard]] QString RaisonFichier(const QString &raison);

// Same for a write that failed. Qt often loses the system's reason when a
// write stops short, which on a file means that the disk is full or gone:
// an unknown reason is said so.
[[nodiscard]] QString RaisonEcriture(const QString &raison);
