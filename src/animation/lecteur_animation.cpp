#include "animation/lecteur_animation.h"

#include <algorithm>

void LecteurAnimation::Charger(int nombre)
{
    nombre_ = std::max(0, nombre);
    enLecture_ = false;
    intervalleMs_ = kIntervalleInitialMs;
    ecouleMs_ = 0;
    RetourAuDebut();
}

void LecteurAnimation::Montrer(int i)
{
    index_ = std::clamp(i, 0, derniere());
}

void LecteurAnimation::Signaler()
{
    if (changement)
        changement();
}

void LecteurAnimation::RetourAuDebut()
{
    Montrer(0);
    retour_ = precedente_ = false;
    derniere_ = suivante_ = true;
    Signaler();
}

void LecteurAnimation::Precedente()
{
    if (index_ > 0) {
        Montrer(index_ - 1);
        derniere_ = suivante_ = true;
    }
    if (index_ == 0)
        retour_ = precedente_ = false;
    Signaler();
}

void LecteurAnimation::Suivante()
{
    if (index_ < derniere()) {
        Montrer(index_ + 1);
        retour_ = precedente_ = true;
    }
    if (index_ == derniere())
        derniere_ = suivante_ = false;
    Signaler();
}

void LecteurAnimation::DerniereImage()
{
    Montrer(derniere());
    derniere_ = suivante_ = false;
    retour_ = precedente_ = true;
    Signaler();
}

void LecteurAnimation::Avance()
{
    enLecture_ = true;
    ecouleMs_ = 0;
    retour_ = precedente_ = suivante_ = derniere_ = false;
    Signaler();
}

void LecteurAnimation::PauseArret()
{
    enLecture_ = false;
    ecouleMs_ = 0;
    retour_ = precedente_ = index_ != 0;
    derniere_ = suivante_ = index_ != derniere() || index_ == 0;
    Signaler();
}

void LecteurAnimation::Tic()
{
    if (index_ >= derniere()) {
        if (boucle_) {
            Montrer(0);
            Signaler();
        } else {
            PauseArret();
        }
        return;
    }
    Montrer(index_ + 1);
    Signaler();
}

void LecteurAnimation::DefinirTemporisation(int temporisation)
{
    temporisation_ = std::clamp(temporisation, 1, 100);
    intervalleMs_ = temporisation_ * kPasTemporisationMs;
}

void LecteurAnimation::Avancer(int ms)
{
    if (!enLecture_ || ms <= 0)
        return;
    ecouleMs_ += ms;
    while (enLecture_ && ecouleMs_ >= intervalleMs_) {
        ecouleMs_ -= intervalleMs_;
        Tic();
    }
}
