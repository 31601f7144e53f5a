// Any bytes as a MIDI file: its length is measured, or it is refused, never more.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sound/MidiLength.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::vector<uint8_t> bytes(data, data + size);
    midi_length_seconds(bytes);
    return 0;
}
