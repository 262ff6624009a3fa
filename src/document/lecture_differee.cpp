#include "document/lecture_differee.h"

#include <system_error>
#include <utility>

LectureDifferee::LectureDifferee(std::vector<TCanal> canaux, Travail travail)
    : canaux_(std::move(canaux)), travail_(std::move(travail))
{
}

LectureDifferee::~LectureDifferee()
{
    const std::lock_guard<std::mutex> verrou(garde_);
    if (fil_.joinable())
        fil_.join();
}

void LectureDifferee::Demarrer()
{
    const std::lock_guard<std::mutex> verrou(garde_);
    if (commence_)
        return;
    commence_ = true;
    try {
        fil_ = std::thread([this] { Executer(); });
    } catch (const std::system_error &) {
        Executer(); // no thread to be had: read here
    }
}

const TCanal *LectureDifferee::Canal(int index)
{
    const std::lock_guard<std::mutex> verrou(garde_);
    if (!commence_) {
        commence_ = true;
        Executer();
    } else if (fil_.joinable()) {
        fil_.join();
    }
    for (const TCanal &c : canaux_)
        if (c.index == index)
            return &c;
    return nullptr;
}

void LectureDifferee::Executer()
{
    try {
        travail_(canaux_);
    } catch (...) {
        // A file that became unreadable since it was opened: zeros rather
        // than whatever the planes held.
        for (TCanal &c : canaux_)
            c.plan = QByteArray(static_cast<qsizetype>(c.largeur) * c.hauteur, '\0');
    }
    travail_ = nullptr; // closes the file
}
