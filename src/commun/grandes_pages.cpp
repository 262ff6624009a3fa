#include "commun/grandes_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

void ConseillerGrandesPages(void *debut, std::size_t taille)
{
#if defined(MADV_HUGEPAGE)
    // Only whole 2 MiB pages inside the block can be large ones.
    constexpr std::uintptr_t Page = std::uintptr_t{2} << 20;
    if (taille < 2 * Page)
        return;
    const auto adresse = reinterpret_cast<std::uintptr_t>(debut);
    const std::uintptr_t premier = (adresse + Page - 1) & ~(Page - 1);
    const std::uintptr_t fin = (adresse + taille) & ~(Page - 1);
    if (fin > premier)
        (void)madvise(reinterpret_cast<void *>(premier), fin - premier, MADV_HUGEPAGE);
#else
    (void)debut;
    (void)taille;
#endif
}

void PreparerGrandesPages(void *debut, std::size_t taille)
{
    ConseillerGrandesPages(debut, taille);
#if defined(MADV_POPULATE_WRITE)
    // Small blocks gain nothing; the request needs a page-aligned start, and
    // the page holding the start already belongs to the block's allocation.
    constexpr std::size_t Seuil = std::size_t{4} << 20;
    if (taille < Seuil)
        return;
    const long page = sysconf(_SC_PAGESIZE);
    if (page <= 0)
        return;
    const auto adresse = reinterpret_cast<std::uintptr_t>(debut);
    const std::uintptr_t premier = adresse & ~(static_cast<std::uintptr_t>(page) - 1);
    // Older kernels refuse the request: the pages then come on first write.
    (void)madvise(reinterpret_cast<void *>(premier), adresse + taille - premier, MADV_POPULATE_WRITE);
#endif
}
