#pragma once
// The player of the "Animation" window without its window: the current
// frame, the commands of its tool bar with what each leaves enabled, the
// loop toggle, the interval and a clock. The window drives it from its
// timer; tests advance the clock by hand.
//
// Enabling after each command (first = frame 0, last = the last frame):
//   "Retour au début"  "Retour au début", "Précédente" off; "Dernière
//                      image", "Suivante" on
//   "Précédente"       "Dernière image", "Suivante" on; at first the
//                      first two off
//   "Suivante"         "Retour au début", "Précédente" on; at last
//                      "Dernière image", "Suivante" off
//   "Dernière image"   the reverse of "Retour au début"
//   "Avance"           the four step commands off while playing
//   "Pause/Arrêt"      "Retour au début", "Précédente" on unless at first;
//                      "Dernière image", "Suivante" on unless at last, and
//                      on at first in any case
// A tick at the last frame goes back to frame 0 with "Boucle" down and acts
// as "Pause/Arrêt" otherwise; elsewhere it shows the next frame.

#include <functional>

class LecteurAnimation {
public:
    // The interval a loading or a building sets, before the user chooses one.
    static constexpr int kIntervalleInitialMs = 100;
    static constexpr int kPasTemporisationMs = 50;

    // A new animation of nombre frames: frame 0, stopped, the interval back
    // to kIntervalleInitialMs; the loop and the interval field keep their state.
    void Charger(int nombre);

    void RetourAuDebut();
    void Precedente();
    void Suivante();
    void DerniereImage();
    void Avance();       // starts playing
    void PauseArret();   // stops playing
    void Tic();          // one timer tick
    void DefinirBoucle(bool boucle) { boucle_ = boucle; }
    // " Intervalle (x 50 ms)": 1..100 (values outside are brought inside);
    // the interval becomes temporisation × 50 ms at once.
    void DefinirTemporisation(int temporisation);

    // The clock: while playing, ms milliseconds pass and a tick comes at each
    // full interval.
    void Avancer(int ms);

    [[nodiscard]] int index() const { return index_; }
    [[nodiscard]] int nombre() const { return nombre_; }
    [[nodiscard]] bool enLecture() const { return enLecture_; }
    [[nodiscard]] bool boucle() const { return boucle_; }
    [[nodiscard]] int temporisation() const { return temporisation_; }
    [[nodiscard]] int intervalleMs() const { return intervalleMs_; }

    // What the tool bar shows enabled.
    [[nodiscard]] bool retourActif() const { return retour_; }
    [[nodiscard]] bool precedenteActive() const { return precedente_; }
    [[nodiscard]] bool suivanteActive() const { return suivante_; }
    [[nodiscard]] bool derniereActive() const { return derniere_; }

    // Called whenever the shown frame or the state changes.
    std::function<void()> changement;

private:
    void Montrer(int i);
    void Signaler();
    [[nodiscard]] int derniere() const { return nombre_ > 0 ? nombre_ - 1 : 0; }

    int nombre_ = 0;
    int index_ = 0;
    bool enLecture_ = false;
    bool boucle_ = true;
    int temporisation_ = 2;
    int intervalleMs_ = kIntervalleInitialMs;
    int ecouleMs_ = 0;
    bool retour_ = false;
    bool precedente_ = false;
    bool suivante_ = true;
    bool derniere_ = true;
};
