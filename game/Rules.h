// The game's pure decisions: no window, no clock; numbers in, and numbers or the words they
// choose out.
#pragma once

#include <array>
#include <cstdint>

#include <QString>

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

// Hairs won by a slot that succeeds: the amount scaled by motivation / 100.
int32_t slot_gain(int16_t motivation, int32_t amount);
// Hairs lost by a slot that fails: the amount scaled by 2 - health / 150,
// so a healthy hero loses less and a sick one up to twice the amount.
int32_t slot_loss(int16_t health, int32_t amount);

// The hair picture for a hair count: 1 under 15,000, 2 between 15,000 and
// 60,000, 3 over 60,000; exactly 15,000 or 60,000 changes nothing (-1).
int16_t hair_picture_for(int32_t hair_count);

// A count with its thousands separated by commas, at least one digit: "30,000", "0".
QString thousands(int32_t value);

// The hero's remark and look at the close of a day, from the tests below in
// order, a later one overriding an earlier one. -1 leaves a value as it is.
struct DayCloseLook {
    int16_t line = -1;  // index into the lines; -1: the speech line is emptied
    int16_t face = -1;
    int16_t hands = -1;
    bool redraw = false;
};
DayCloseLook day_close_look(int16_t motivation, int16_t health);

// The roulette's length from its one draw: n = r x 10 + 50 rounded, 50 to 60;
// the highlight stops on row n mod 5, and each prize comes up one time in five.
int16_t roulette_steps(float r);
inline int16_t roulette_prize(int16_t steps) { return static_cast<int16_t>(steps % 5); }

// Whether a hair product works without its draw: the spray and the ointment
// always suit a healthy hero, the tonic a keen and healthy one; the growth
// potion never.
bool item_always_works(int16_t prize, int16_t motivation, int16_t health);

// The success rate as the prompt shows it: one blank where a sign would go.
QString rate_text(int32_t rate);

// Whether the day counter stands on a bonus day: every fifth day that is not a caller's.
inline bool is_bonus_day(int16_t day) { return day > 0 && day % 5 == 0 && day % 15 != 0; }

// Who calls: r x 4 cut towards zero, each of the four one time in four.
int16_t caller_for(float r);

// How many of a typed message's n characters step i of its `steps` shows: the same share of
// the message at each step, all of it at the last, and one character a step when n = steps.
int32_t typed_chars(int32_t n, int32_t steps, int32_t i);
