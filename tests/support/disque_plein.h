#pragma once
// A disk that fills up during a test: while a DisquePlein lives, no file of
// the process can grow past the given size, and a write beyond it fails as
// it does on a full disk (the signal that would end the process is ignored
// for that time). The former limit and signal handling come back with its
// destruction.

#include <sys/resource.h>

#include <csignal>

class DisquePlein {
public:
    explicit DisquePlein(rlim_t octets)
    {
        getrlimit(RLIMIT_FSIZE, &ancienne_);
        ancienSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = ancienne_;
        limite.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~DisquePlein()
    {
        setrlimit(RLIMIT_FSIZE, &ancienne_);
        std::signal(SIGXFSZ, ancienSignal_);
    }
    DisquePlein(const DisquePlein &) = delete;
    DisquePlein &operator=(const DisquePlein &) = delete;

private:
    rlimit ancienne_{};
    void (*ancienSignal_)(int) = SIG_DFL;
};
