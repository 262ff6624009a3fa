// The ".ima" reader and the display of its channels on arbitrary bytes.

#include "fuzz_raster_commun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return fuzz_raster::Ouvrir("entree.ima", data, size);
}
