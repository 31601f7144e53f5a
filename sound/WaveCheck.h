// Whether the bytes of a sound file make a wave the mixer can take without trusting it:
// every chunk lies within the file, and what the sound comes to once converted stays small.
#pragma once

#include <cstdint>
#include <vector>

bool is_wave_file(const std::vector<uint8_t>& bytes);
