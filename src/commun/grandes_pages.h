#pragma once
// Large planes and bitmaps (hundreds of megabytes for a Landsat scene) are
// filled once, right after allocation. Asking the system for large memory
// pages there saves most of the page faults of that first fill.

#include <cstddef>

// Advice only: does nothing where the system offers no such pages, and never fails.
void ConseillerGrandesPages(void *debut, std::size_t taille);

// For a block about to be written whole: the same advice, then every page of
// the block is made present in one request instead of one fault per page
// (each fault is costly, more so under virtual machines). The contents are
// not changed. Does nothing where the system cannot, and never fails.
void PreparerGrandesPages(void *debut, std::size_t taille);
