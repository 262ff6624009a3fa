#pragma once
// Drives the modal dialogs that an action of the frame opens, as a user
// answers them: each step recognises its dialog and acts on it. A dialog that
// no step expects is closed, so that a failing test ends instead of waiting.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class PiloteDialogues {
public:
    using Etape = std::function<bool(QWidget &)>; // false: not the expected dialog

    // A step answering a dialog of the given class.
    template <class Dialogue>
    static Etape Quand(std::function<void(Dialogue &)> reponse)
    {
        return [reponse](QWidget &w) {
            auto *d = qobject_cast<Dialogue *>(&w);
            if (d == nullptr)
                return false;
            reponse(*d);
            return true;
        };
    }

    // Triggers the action and answers its dialogs; true when each step met
    // its dialog and no other dialog came.
    static bool Executer(QAction *action, const std::vector<Etape> &etapes)
    {
        std::size_t suivante = 0;
        int inattendus = 0;
        QTimer minuterie;
        minuterie.setInterval(10);
        QObject::connect(&minuterie, &QTimer::timeout, [&] {
            QWidget *w = QApplication::activeModalWidget();
            if (w == nullptr || !w->isVisible())
                return;
            if (suivante < etapes.size() && etapes[suivante](*w)) {
                ++suivante;
                return;
            }
            ++inattendus;
            if (auto *d = qobject_cast<QDialog *>(w))
                d->reject();
            else
                w->close();
        });
        minuterie.start();
        action->trigger();
        minuterie.stop();
        return suivante == etapes.size() && inattendus == 0;
    }
};
