// Any bytes as a wave file: the check answers without reading past them.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sound/WaveCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::vector<uint8_t> bytes(data, data + size);
    is_wave_file(bytes);
    return 0;
}
