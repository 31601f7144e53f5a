// The music switch and the watchdog that starts the tune again when it has come to its end.
#include "app/Form1.h"

void Form1::Check1_Click()
{
    Midi_Stop();
    if (el.Check1->isChecked())
        Midi_Play(QStringLiteral("mokuta.mid"));
}

// Any mode but "STOPPED" (playing, paused, or no sequence at all) is left alone.
void Form1::Timer1_Timer()
{
    if (Midi_Status() == QLatin1String("STOPPED"))
        Midi_Loop();
}
