// How long a MIDI sequence lasts, from its own events and tempo changes.
#include "sound/MidiLength.h"

#include <algorithm>
#include <map>

namespace {

class Reader {
public:
    Reader(const std::vector<uint8_t>& bytes, std::size_t begin, std::size_t end)
        : bytes_(bytes), pos_(begin), end_(end)
    {
    }

    bool done() const { return pos_ >= end_; }
    bool ok() const { return ok_; }

    uint32_t byte()
    {
        if (pos_ >= end_) {
            ok_ = false;
            return 0;
        }
        return bytes_[pos_++];
    }

    uint32_t big_endian(int count)
    {
        uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = (value << 8) | byte();
        return value;
    }

    // A variable-length quantity: seven bits a byte, at most four bytes.
    uint32_t quantity()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            uint32_t b = byte();
            value = (value << 7) | (b & 0x7F);
            if ((b & 0x80) == 0)
                return value;
        }
        ok_ = false;
        return value;
    }

    void skip(uint32_t count)
    {
        if (count > end_ - pos_) {
            ok_ = false;
            pos_ = end_;
            return;
        }
        pos_ += count;
    }

    std::size_t pos() const { return pos_; }

private:
    const std::vector<uint8_t>& bytes_;
    std::size_t pos_;
    std::size_t end_;
    bool ok_ = true;
};

using TempoMap = std::map<uint64_t, uint32_t>;  // tick -> microseconds per quarter note

int data_bytes(uint32_t status)
{
    switch (status & 0xF0) {
    case 0xC0:
    case 0xD0:
        return 1;
    default:
        return 2;
    }
}

// Reads one track; returns the tick of its last event, or nothing if it is broken.
std::optional<uint64_t> read_track(Reader& r, TempoMap& tempos)
{
    uint64_t tick = 0;
    uint32_t running = 0;
    while (!r.done()) {
        tick += r.quantity();
        uint32_t status = r.byte();
        if (status == 0xFF) {
            uint32_t type = r.byte();
            uint32_t length = r.quantity();
            if (type == 0x51 && length == 3) {
                tempos[tick] = r.big_endian(3);
            } else {
                r.skip(length);
            }
            if (type == 0x2F)
                break;
        } else if (status == 0xF0 || status == 0xF7) {
            r.skip(r.quantity());
        } else if (status & 0x80) {
            running = status;
            r.skip(data_bytes(status));
        } else {
            if (running == 0)
                return std::nullopt;
            r.skip(data_bytes(running) - 1);
        }
        if (!r.ok())
            return std::nullopt;
    }
    return tick;
}

double ticks_to_seconds(uint64_t ticks, uint32_t division, const TempoMap& tempos)
{
    if (division & 0x8000) {
        int frames = -static_cast<int8_t>(division >> 8);
        int per_frame = division & 0xFF;
        return static_cast<double>(ticks) / (frames * per_frame);
    }
    double seconds = 0;
    uint64_t at = 0;
    uint32_t tempo = 500000;
    for (const auto& [change_tick, change_tempo] : tempos) {
        if (change_tick >= ticks)
            break;
        seconds += static_cast<double>(change_tick - at) * tempo / 1e6 / division;
        at = change_tick;
        tempo = change_tempo;
    }
    seconds += static_cast<double>(ticks - at) * tempo / 1e6 / division;
    return seconds;
}

} // namespace

std::optional<double> midi_length_seconds(const std::vector<uint8_t>& bytes)
{
    Reader header(bytes, 0, bytes.size());
    if (header.big_endian(4) != 0x4D546864 || header.big_endian(4) < 6)  // "MThd"
        return std::nullopt;
    header.big_endian(2);
    uint32_t track_count = header.big_endian(2);
    uint32_t division = header.big_endian(2);
    if (!header.ok() || track_count == 0 || (division & 0x7FFF) == 0)
        return std::nullopt;
    if ((division & 0x8000) && ((division & 0xFF) == 0 || -static_cast<int8_t>(division >> 8) <= 0))
        return std::nullopt;

    Reader chunks(bytes, 14, bytes.size());
    TempoMap tempos;
    uint64_t last_tick = 0;
    uint32_t tracks_read = 0;
    while (!chunks.done() && tracks_read < track_count) {
        uint32_t id = chunks.big_endian(4);
        uint32_t length = chunks.big_endian(4);
        if (!chunks.ok() || length > bytes.size() - chunks.pos())
            return std::nullopt;
        if (id == 0x4D54726B) {  // "MTrk"
            Reader track(bytes, chunks.pos(), chunks.pos() + length);
            std::optional<uint64_t> end = read_track(track, tempos);
            if (!end)
                return std::nullopt;
            last_tick = std::max(last_tick, *end);
            ++tracks_read;
        }
        chunks.skip(length);
    }
    if (tracks_read == 0)
        return std::nullopt;
    return ticks_to_seconds(last_tick, division, tempos);
}
