// The game's pace: messages typed into the instruction line, and pauses that keep the window alive.
#include "app/Form1.h"
#include "game/Rules.h"
#include "render/Keyboard.h"

// The ideographic space in front is part of the message's look. A message
// types in the steps of its Japanese, one character a step there, 50 ms each,
// so a message of k Japanese characters takes (k + 1) x 50 ms in every
// language; in another, each step shows as much more of its own words.
void Form1::Mes_Show(const Words& message)
{
    const QString s = QString(QChar(0x3000)) + message.text;
    const int16_t n = static_cast<int16_t>(s.size());
    const int16_t steps = static_cast<int16_t>(message.japanese.size() + 1);
    el.Help_mes->begin_message(s);
    for (int16_t i = 1; i <= steps; ++i) {
        el.Help_mes->setText(s.left(typed_chars(n, steps, i)));
        host.yield();
        host.sleep_ms(50);
    }
    el.Help_mes->message_complete();
    el.keyboard().focus_unless_placed(el.Help_mes);
}

void Form1::Wait_Time(int32_t ms)
{
    const int16_t n = static_cast<int16_t>(round_even(ms / 100.0));
    for (int16_t i = 0; i < n; ++i) {
        host.yield();
        host.sleep_ms(100);
    }
}

// A question, a spin or the quit button: the game waits, letting events run,
// until the click it waits for has set its flag.
void Form1::wait_until(const std::function<bool()>& done)
{
    while (!done()) {
        host.yield();
        host.sleep_ms(100);
    }
}
