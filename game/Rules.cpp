// The game's pure decisions: no window, no clock, just numbers in and numbers out.
#include "game/Rules.h"
#include "game/Verify.h"

#include <cmath>
#include <limits>

int32_t round_even(double value)
{
    return static_cast<int32_t>(std::nearbyint(value));
}

bool try_succeeds(int32_t rate, float u, const std::array<float, 10>& success_mul)
{
    int32_t step = round_even(rate / 10.0);
    MOKUTA_VERIFY(step >= 0 && step < static_cast<int32_t>(success_mul.size()),
                  "a success rate outside the table");
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
        MOKUTA_VERIFY(slot == 2, "a plan has three slots");
        return static_cast<int16_t>(round_even(2.0 * x + 7.0));
    }
}

int32_t slot_gain(int16_t motivation, int32_t amount)
{
    return round_even(motivation / 100.0 * amount);
}

int32_t slot_loss(int16_t health, int32_t amount)
{
    return round_even((2.0 - health / 150.0) * amount);
}

int16_t hair_picture_for(int32_t hair_count)
{
    if (hair_count < 15000)
        return 1;
    if (hair_count > 15000 && hair_count < 60000)
        return 2;
    if (hair_count > 60000)
        return 3;
    return -1;
}

QString thousands(int32_t value)
{
    const bool negative = value < 0;
    QString digits = QString::number(negative ? -static_cast<int64_t>(value) : value);
    for (int at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QChar(','));
    return negative ? QStringLiteral("-") + digits : digits;
}

DayCloseLook day_close_look(int16_t motivation, int16_t health)
{
    DayCloseLook look;
    auto apply = [&look](int16_t line, int16_t face, int16_t hands) {
        if (line >= 0)
            look.line = line;
        look.face = face;
        if (hands >= 0)
            look.hands = hands;
        look.redraw = true;
    };
    if (motivation >= 101 && health >= 101)
        apply(-1, 0, -1);
    if (motivation > 180)
        apply(15, 11, 0);
    if (health > 180)
        apply(16, 11, 0);
    if (motivation < 50)
        apply(2, 1, 1);
    if (health < 50)
        apply(3, 3, 0);
    if (health < 10)
        apply(4, 4, 0);
    return look;
}

int16_t roulette_steps(float r)
{
    return static_cast<int16_t>(round_even(static_cast<double>(r) * 10.0 + 50.0));
}

bool item_always_works(int16_t prize, int16_t motivation, int16_t health)
{
    if (health > 99 && (prize == 1 || prize == 4))
        return true;
    return motivation > 150 && health > 150 && prize == 2;
}

QString rate_text(int32_t rate)
{
    return (rate < 0 ? QString() : QStringLiteral(" ")) + QString::number(rate);
}

int16_t caller_for(float r)
{
    return static_cast<int16_t>(std::trunc(static_cast<double>(r) * 4.0));
}

int32_t typed_chars(int32_t n, int32_t steps, int32_t i)
{
    return static_cast<int32_t>((static_cast<int64_t>(i) * n + steps - 1) / steps);
}
