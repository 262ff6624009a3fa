#pragma once
// The player window "Animation" (TAnimForm): the frame area under a tool bar
// of step commands, "Pause/Arrêt" and "Avance", "Boucle", "Enregistrer" and
// the interval field. The player's state lives in LecteurAnimation; the
// window's timer only advances it. The window exists for the whole run:
// closing hides it and changes nothing else.

#include "animation/animation.h"
#include "animation/lecteur_animation.h"

#include <QWidget>

#include <functional>

class QAction;
class QLabel;
class QScrollArea;
class QSpinBox;
class QTimer;
class QToolBar;

class TAnimForm : public QWidget {
    Q_OBJECT
public:
    explicit TAnimForm(QWidget *parent = nullptr);

    // Takes a new animation (it replaces the previous one entirely): frame 0,
    // stopped, the timer at 100 ms.
    void Installer(Animation animation);
    [[nodiscard]] const Animation &animation() const { return animation_; }
    [[nodiscard]] const LecteurAnimation &lecteur() const { return lecteur_; }

    // Shows the window at its place and size for the current frame: at
    // origine (the frame's client point (0, 31)), client area the frame's
    // size plus 1 × 32, at most the free area less 180 in each direction.
    void Montrer(QPoint origine, QSize espaceLibre);

    // Asks for the list file's name, then saves. Tests replace the question.
    std::function<QString()> demanderFichier;
    // Shows a French error; a plain box when not set.
    std::function<void(const QString &)> signalerErreur;

    QToolBar *barre = nullptr;
    QAction *actRetourDebut = nullptr;
    QAction *actPrecedente = nullptr;
    QAction *actPause = nullptr;
    QAction *actAvance = nullptr;
    QAction *actSuivante = nullptr;
    QAction *actDerniere = nullptr;
    QAction *actBoucle = nullptr;
    QAction *actEnregistrer = nullptr;
    QSpinBox *intervalle = nullptr;
    QTimer *minuterie = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Enregistrer();
    QString DemanderFichierParDialogue();
    void Actualiser();

    Animation animation_;
    LecteurAnimation lecteur_;
    QScrollArea *defilement_ = nullptr;
    class ZoneImage *zone_ = nullptr;
};
