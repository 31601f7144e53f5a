// The game's pure decisions: no window, no clock, just numbers in and numbers out.
#include "game/Rules.h"

#include <cassert>
#include <cmath>
#include <limits>

int32_t round_even(double value)
{
    return static_cast<int32_t>(std::nearbyint(value));
}

bool try_succeeds(int32_t rate, float u, const std::array<float, 10>& success_mul)
{
    int32_t step = round_even(rate / 10.0);
    assert(step >= 0 && step < static_cast<int32_t>(success_mul.size()));
    double product = static_cast<double>(u) * static_cast<double>(success_mul[step]);
    return round_even(product) != 0;
}

int16_t next_day(int16_t day)
{
    if (day == std::numeric_limits<int16_t>::max())
        return day;
    return static_cast<int16_t>(day + 1);
}

int16_t deal_slot(int slot, float r)
{
    const double x = r;
    switch (slot) {
    case 0:
        return static_cast<int16_t>(round_even(4.0 * x));
    case 1:
        return static_cast<int16_t>(round_even(x + 5.0));
    default:
        assert(slot == 2);
        return static_cast<int16_t>(round_even(2.0 * x + 7.0));
    }
}
