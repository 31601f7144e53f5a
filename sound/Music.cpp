// The music switch and the watchdog that starts the tune again when it has come to its end.
#include "app/Form1.h"

// A click that comes while the switch is still stopping or starting the music
// changes only the box: the switch under way follows the box once it is done,
// so the music never opens twice and never ends up other than the box shows.
void Form1::Check1_Click()
{
    ++music_switches_;
    if (music_switching_)
        return;
    music_switching_ = true;
    bool on = false;
    do {
        on = el.Check1->isChecked();
        Midi_Stop();
        if (on)
            Midi_Play(st.App_Dir + QStringLiteral("mokuta.mid"));
    } while (el.Check1->isChecked() != on);
    music_switching_ = false;
}

// Any mode but "STOPPED" (playing, paused, or no sequence at all) is left alone.
void Form1::Timer1_Timer()
{
    if (Midi_Status() == QLatin1String("STOPPED"))
        Midi_Loop();
}
