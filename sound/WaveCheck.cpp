// The wave check: the sizes a file claims are held against the size it has.
#include "sound/WaveCheck.h"

#include <cstring>

namespace {

// What a wave may come to once the mixer has it as 44.1 kHz 16-bit stereo.
constexpr uint64_t largest_converted_bytes = 48u << 20;

uint32_t little_endian(const uint8_t* p, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

struct Chunks {
    const uint8_t* format = nullptr;
    uint32_t format_size = 0;
    uint32_t data_size = 0;
    bool data_found = false;
};

// Walks the chunks of the RIFF body; false when one claims more than the file holds.
bool read_chunks(const uint8_t* body, uint64_t size, Chunks& found)
{
    for (uint64_t at = 0; at + 8 <= size;) {
        const uint32_t length = little_endian(body + at + 4, 4);
        if (length > size - at - 8)
            return false;
        if (std::memcmp(body + at, "fmt ", 4) == 0) {
            found.format = body + at + 8;
            found.format_size = length;
        } else if (std::memcmp(body + at, "data", 4) == 0) {
            found.data_size = length;
            found.data_found = true;
        }
        at += 8 + static_cast<uint64_t>(length) + (length & 1);
    }
    return true;
}

// Plain samples have a known size; packed ones give at most two samples a byte.
bool converts_small(const Chunks& c)
{
    if (!c.format || c.format_size < 16 || !c.data_found)
        return false;
    const uint32_t coding = little_endian(c.format, 2);
    const uint32_t channels = little_endian(c.format + 2, 2);
    const uint32_t rate = little_endian(c.format + 4, 4);
    const uint32_t bits = little_endian(c.format + 14, 2);
    if (channels == 0 || rate < 1000 || rate > 384000)
        return false;
    const bool plain = (coding == 1 || coding == 3) && bits >= 8 && bits % 8 == 0;
    const uint64_t frames = plain ? c.data_size / (channels * (bits / 8)) : uint64_t{c.data_size} * 2 / channels;
    return frames * 44100 / rate * 4 <= largest_converted_bytes;
}

} // namespace

bool is_wave_file(const std::vector<uint8_t>& bytes)
{
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return false;
    const uint32_t riff_size = little_endian(bytes.data() + 4, 4);
    if (riff_size < 4 || riff_size > bytes.size() - 8)
        return false;
    Chunks chunks;
    return read_chunks(bytes.data() + 12, riff_size - 4, chunks) && converts_small(chunks);
}
