#pragma once
// Splitting a large pass over rows (or any range) between the processor's
// cores. The caller's thread takes the first part; the others run on threads
// of their own and are all joined before returning. The first exception
// thrown by a part is rethrown once every part has ended.

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

// The most parts a pass is split into: four unless lowered (a benchmark
// measuring one thread beside a one-thread reference sets 1).
[[nodiscard]] inline std::atomic<int> &PartsParallelesMaxi()
{
    static std::atomic<int> maxi{4};
    return maxi;
}

// Parts used for a range worth `octets` bytes of work: one below a few
// megabytes (threads would cost more than they save), else one per core,
// at most PartsParallelesMaxi().
[[nodiscard]] inline int PartsParalleles(std::int64_t octets)
{
    constexpr std::int64_t Seuil = std::int64_t{16} << 20;
    if (octets < Seuil)
        return 1;
    const int coeurs = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(coeurs, 1, std::max(1, PartsParallelesMaxi().load()));
}

// Calls travail(debut, fin) on `parts` consecutive slices of [0, n).
template <typename Travail>
void ParcourirEnParallele(int n, int parts, const Travail &travail)
{
    parts = std::clamp(parts, 1, std::max(1, n));
    if (parts == 1) {
        travail(0, n);
        return;
    }
    std::exception_ptr erreur;
    std::mutex garde;
    const auto executer = [&](int debut, int fin) {
        try {
            travail(debut, fin);
        } catch (...) {
            const std::lock_guard<std::mutex> verrou(garde);
            if (!erreur)
                erreur = std::current_exception();
        }
    };
    const auto borne = [&](int k) { return static_cast<int>(static_cast<std::int64_t>(n) * k / parts); };
    std::vector<std::thread> fils;
    fils.reserve(static_cast<std::size_t>(parts - 1));
    try {
        for (int k = 1; k < parts; ++k)
            fils.emplace_back(executer, borne(k), borne(k + 1));
    } catch (...) {
        // No thread could be started: the remaining slices run here.
        for (int k = static_cast<int>(fils.size()) + 1; k < parts; ++k)
            executer(borne(k), borne(k + 1));
    }
    executer(borne(0), borne(1));
    for (std::thread &f : fils)
        f.join();
    if (erreur)
        std::rethrow_exception(erreur);
}
