#pragma once
// A long piece of work (saving a large picture) run on a thread of its own
// while the frame keeps painting itself. Until it ends, the user's input is
// held back and delivered afterwards, and no window may be closed, so the
// document the work reads cannot change or vanish meanwhile. Past half a
// second, the status bar shows what is being done beside a busy bar.

#include <QString>

#include <functional>

class QStatusBar;

// Delay after which the status bar shows the work, in milliseconds.
inline constexpr int kDelaiIndicateurTravail = 500;

// Runs travail on another thread and returns once it has ended, rethrowing
// on the caller's thread the exception it ended with. message is the text
// the status bar shows (an empty bar shows nothing).
void ExecuterEnFond(QStatusBar *barre, const QString &message, const std::function<void()> &travail);
