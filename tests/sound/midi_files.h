// Small MIDI files written by the tests themselves.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace midi {

inline void put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(v >> shift));
}

// One track; `events` is the track's bytes from the first delta time up to, not including, the end.
inline std::vector<uint8_t> file(const std::vector<std::vector<uint8_t>>& tracks, uint16_t division = 480)
{
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    out.push_back(static_cast<uint8_t>(tracks.size() >> 8));
    out.push_back(static_cast<uint8_t>(tracks.size()));
    out.push_back(static_cast<uint8_t>(division >> 8));
    out.push_back(static_cast<uint8_t>(division));
    for (const auto& events : tracks) {
        std::vector<uint8_t> body = events;
        body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        put32(out, static_cast<uint32_t>(body.size()));
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

// A piano note of `ticks` at 120 beats a minute (480 ticks a beat), held to the end.
inline std::vector<uint8_t> one_note(uint8_t ticks_hi, uint8_t ticks_lo)
{
    return {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // 500000 us a beat
            0x00, 0xC0, 0x00, 0x00, 0x90, 60, 90,      // note on
            ticks_hi, ticks_lo, 0x80, 60, 0};           // note off after a delta time
}

inline void write(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace midi
