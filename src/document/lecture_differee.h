#pragma once
// Channels of a large raster file read after the window shows the others.
// Opening a Landsat scene reads the three bands it shows, shows them, then
// starts reading the other bands on a thread of their own: the picture
// appears in about half the time of a full reading. Whoever needs one of
// these channels before the thread is done waits for it; until then the
// document holds them without bytes (TCanal::complet() is false), so that
// nothing reads a plane being filled.

#include "document/canal.h"

#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class LectureDifferee {
public:
    // Fills the channels (allocating their planes); may throw, the channels
    // are then all zeros.
    using Travail = std::function<void(std::vector<TCanal> &canaux)>;

    LectureDifferee(std::vector<TCanal> canaux, Travail travail);
    ~LectureDifferee(); // waits for the reading to end
    LectureDifferee(const LectureDifferee &) = delete;
    LectureDifferee &operator=(const LectureDifferee &) = delete;

    // Starts the reading on its thread; nothing if already started.
    void Demarrer();

    // The channel with this index in the document's list, once read (the
    // reading is done here if it had not started); null when it is not one
    // of the channels read here.
    [[nodiscard]] const TCanal *Canal(int index);

private:
    void Executer();

    std::mutex garde_;
    std::vector<TCanal> canaux_;
    Travail travail_;
    std::thread fil_;
    bool commence_ = false;
};
