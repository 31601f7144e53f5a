// How long a MIDI sequence lasts, from its own events and tempo changes.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// Seconds from the first tick to the last event of the longest track, or
// nothing when the bytes are not a standard MIDI file.
std::optional<double> midi_length_seconds(const std::vector<uint8_t>& bytes);
