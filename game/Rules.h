// The game's pure decisions: no window, no clock, just numbers in and numbers out.
#pragma once

#include <array>
#include <cstdint>

// Rounds to the nearest integer, halves to even, as every conversion in the game does.
int32_t round_even(double value);

// A try with success rate `rate` (percent) and draw `u` in [0, 1).
// The product is rounded to a whole number and the try succeeds when that is
// not 0, so a product of exactly 0.5 rounds down to 0 and fails.
bool try_succeeds(int32_t rate, float u, const std::array<float, 10>& success_mul);

// The day counter after one more day. It is 16 bits wide, so a game that
// outlasts day 32,767 keeps showing 32,767 instead of running past the end.
int16_t next_day(int16_t day);

// The action a plan puts into time slot 0, 1 or 2 for the draw r in [0, 1):
// slot 0 takes 0..4 from 4 r, slot 1 5 or 6 from r + 5, slot 2 7..9 from
// 2 r + 7, each rounded halves to even, so the middle choices of slots 0
// and 2 come up more often.
int16_t deal_slot(int slot, float r);
