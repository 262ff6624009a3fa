#pragma once
// The application's general error handler: a command runs inside it; a file
// or decoding error aborts the command and is shown in an error box, and the
// document stays as it was when the error came.

#include <functional>

class QWidget;

// Runs the command; returns false when it was aborted by an error.
bool ExecuterCommande(QWidget *parent, const std::function<void()> &commande);
