// How long a MIDI sequence lasts, from its own events and tempo changes.
#include "sound/MidiLength.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <utility>

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

// One track, read an event at a time: the tick it has come to, and the tempo changes it meets.
class Track {
public:
    Track(const std::vector<uint8_t>& bytes, std::size_t begin, std::size_t end) : r_(bytes, begin, end) {}

    // Reads one event; false at the end of the track or where it is broken.
    bool step();
    // Reads on to the next tempo change; false at the end of the track or where it is broken.
    bool next_tempo()
    {
        while (step())
            if (std::exchange(tempo_met_, false))
                return true;
        return false;
    }
    bool broken() const { return broken_; }
    uint64_t tick() const { return tick_; }
    uint32_t tempo() const { return tempo_; }

private:
    Reader r_;
    uint64_t tick_ = 0;
    uint32_t running_ = 0;
    uint32_t tempo_ = 0;  // microseconds per quarter note
    bool tempo_met_ = false;
    bool ended_ = false;
    bool broken_ = false;
};

bool Track::step()
{
    if (ended_ || broken_ || r_.done())
        return false;
    tick_ += r_.quantity();
    const uint32_t status = r_.byte();
    if (status == 0xFF) {
        const uint32_t type = r_.byte();
        const uint32_t length = r_.quantity();
        if (type == 0x51 && length == 3) {
            tempo_ = r_.big_endian(3);
            tempo_met_ = true;
        } else {
            r_.skip(length);
        }
        // The end of the track counts even when its own bytes are cut short.
        if (type == 0x2F)
            return ended_ = true;
    } else if (status == 0xF0 || status == 0xF7) {
        r_.skip(r_.quantity());
    } else if (status & 0x80) {
        running_ = status;
        r_.skip(data_bytes(status));
    } else if (running_ == 0) {
        broken_ = true;
    } else {
        r_.skip(data_bytes(running_) - 1);
    }
    broken_ = broken_ || !r_.ok();
    return !broken_;
}

struct Span {
    std::size_t begin, end;
};

// The tempo changes of all the tracks are taken in order of their ticks, a track at a time
// where they meet on one tick (the last track's change holds), without keeping any of them.
double ticks_to_seconds(const std::vector<uint8_t>& bytes, const std::vector<Span>& tracks,
                        uint64_t ticks, uint32_t division)
{
    if (division & 0x8000) {
        int frames = -static_cast<int8_t>(division >> 8);
        int per_frame = division & 0xFF;
        return static_cast<double>(ticks) / (frames * per_frame);
    }
    std::vector<Track> readers;
    readers.reserve(tracks.size());
    using Next = std::pair<uint64_t, std::size_t>;  // tick, track
    std::priority_queue<Next, std::vector<Next>, std::greater<Next>> next;
    for (const Span& span : tracks) {
        readers.emplace_back(bytes, span.begin, span.end);
        if (readers.back().next_tempo())
            next.emplace(readers.back().tick(), readers.size() - 1);
    }
    double seconds = 0;
    uint64_t at = 0;
    uint32_t tempo = 500000;
    while (!next.empty() && next.top().first < ticks) {
        Track& track = readers[next.top().second];
        next.pop();
        seconds += static_cast<double>(track.tick() - at) * tempo / 1e6 / division;
        at = track.tick();
        tempo = track.tempo();
        if (track.next_tempo())
            next.emplace(track.tick(), static_cast<std::size_t>(&track - readers.data()));
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
    std::vector<Span> tracks;
    uint64_t last_tick = 0;
    while (!chunks.done() && tracks.size() < track_count) {
        uint32_t id = chunks.big_endian(4);
        uint32_t length = chunks.big_endian(4);
        if (!chunks.ok() || length > bytes.size() - chunks.pos())
            return std::nullopt;
        if (id == 0x4D54726B) {  // "MTrk"
            const Span span{chunks.pos(), chunks.pos() + length};
            Track track(bytes, span.begin, span.end);
            while (track.step()) {
            }
            if (track.broken())
                return std::nullopt;
            last_tick = std::max(last_tick, track.tick());
            tracks.push_back(span);
        }
        chunks.skip(length);
    }
    if (tracks.empty())
        return std::nullopt;
    return ticks_to_seconds(bytes, tracks, last_tick, division);
}
