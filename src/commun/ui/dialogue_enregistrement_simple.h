#pragma once
// The save dialog of the windows that write one kind of file (an animation
// list, a PDF print): the program's own dialog with French captions, which
// adds the file type's extension to a name typed without it, so that the
// question before replacing a file is asked about the file really written.

#include <QString>

class QWidget;

// Asks for the file to write; `filtre` is the type's caption with its
// pattern, `suffixe` its extension without the dot, `propose` a path shown
// selected at the start (may be empty). Empty when the dialog is cancelled.
QString DemanderFichierAEnregistrer(QWidget *parent, const QString &titre, const QString &filtre,
                                    const QString &suffixe, const QString &propose = {});
