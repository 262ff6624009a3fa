#pragma once
// End of a test binary. A scanner backend's reader thread, stopped by an
// asynchronous cancellation, can leave a C library lock taken (the locale's);
// the libraries' exit handlers then wait for it for ever. Once every test has
// run and reported, the leak check runs here and the process ends without
// those handlers.

#include <cstdio>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define KAPTORI_AVEC_LSAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KAPTORI_AVEC_LSAN 1
#endif
#endif

#ifdef KAPTORI_AVEC_LSAN
#include <sanitizer/lsan_interface.h>
#endif

[[noreturn]] inline void TerminerEssais(int resultat)
{
    std::fflush(nullptr);
#ifdef KAPTORI_AVEC_LSAN
    // Exits with the sanitizer's status when something leaked.
    __lsan_do_leak_check();
#endif
    _exit(resultat);
}
