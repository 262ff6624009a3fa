#pragma once
// What the results windows ask of the frame: its Yes/No questions, its
// general error handler and its print-choice dialog. The frame installs its
// own (app/ui/branchement_tableau.cpp); the defaults are plain French boxes
// and no picture printing, so that the windows also work on their own.

#include <QImage>
#include <QString>

#include <functional>

class QWidget;

struct ServicesTableau {
    // A question with Yes and No (a warning, or an information when
    // `information`); true for Yes.
    std::function<bool(QWidget *parent, const QString &texte, bool information)> PoserQuestion;
    // Runs a command; a file or decoding error ends it and is shown. False
    // when the command was ended by an error.
    std::function<bool(QWidget *parent, const std::function<void()> &commande)> Executer;
    // Prints a picture of this height/width ratio through the print choices.
    std::function<void(QWidget *parent, double rapport, const QImage &image)> ImprimerImage;

    // The defaults described above.
    [[nodiscard]] static ServicesTableau ParDefaut();
};
