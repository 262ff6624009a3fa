#pragma once
// Large planes and bitmaps (hundreds of megabytes for a Landsat scene) are
// filled once, right after allocation. Asking the system for large memory
// pages there saves most of the page faults of that first fill.

#include <cstddef>

// Advice only: does nothing where the system offers no such pages, and never fails.
void ConseillerGrandesPages(void *debut, std::size_t taille);
