#include "document/grandes_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
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
