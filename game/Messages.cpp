// The game's pace: messages typed into the instruction line, and pauses that keep the window alive.
#include "app/Form1.h"
#include "game/Rules.h"

// The ideographic space in front is part of the message's look. In Japanese
// each character takes 50 ms, so a message of k characters takes
// (k + 1) x 50 ms; in every other language the message takes as long as its
// Japanese, its own characters spread evenly over that time.
void Form1::Mes_Show(const Words& message)
{
    const QString s = QString(QChar(0x3000)) + message.text;
    const int16_t n = static_cast<int16_t>(s.size());
    const int32_t total_ms = 50 * (static_cast<int32_t>(message.japanese.size()) + 1);
    el.Help_mes->begin_typing();
    for (int16_t i = 1; i <= n; ++i) {
        el.Help_mes->setText(s.left(i));
        host.yield();
        host.sleep_ms(typing_pause_ms(total_ms, n, i));
    }
    el.Help_mes->end_typing();
    el.Help_mes->setFocus();
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
