// The sound player: one wave effect at a time, and the looping music with its timer.
#include "app/Form1.h"

namespace {

std::string open_command(const QString& path, const char* type, const char* alias)
{
    return "open \"" + path.toStdString() + "\" type " + type + " alias " + alias;
}

// The waits for the music to start give up after this long: a sequencer that
// never reports playing must not leave the game waiting for ever.
constexpr int longest_start_wait_ms = 5000;

// The box keeps the game's own words; the terminal also hears why.
void music_failed(Form1& f, const char* box, const std::string& why)
{
    f.host.message_box(QString::fromLatin1(box));
    f.host.note(QStringLiteral("the music could not be played: ") + QString::fromStdString(why));
}

} // namespace

void Form1::Wave_Play(const QString& path)
{
    mci.send("close waveaudio");
    mci.send("close waveaudio");
    mci.send(open_command(path, "waveaudio", "waveaudio"));
    mci.send("play waveaudio from 0");
}


void Form1::Wave_Stop()
{
    mci.send("close waveaudio");
}

int32_t Form1::Midi_Play(const QString& path)
{
    el.Timer1.set_enabled(false);
    uint32_t r = 0;
    if (!path.isEmpty())
        r = mci.send(open_command(path, "sequencer", "midifile"));
    if (r != 0) {
        music_failed(*this, "MCI(midi_open) error.", mci.last_error());
        return static_cast<int32_t>(r);
    }
    r = mci.send("play midifile from 0");
    if (r != 0) {
        music_failed(*this, "MCI(midi_play) error.", mci.last_error());
        return static_cast<int32_t>(r);
    }
    for (int waited_ms = 0;; waited_ms += 100) {
        host.yield();
        if (Midi_Status() == QLatin1String("PLAYING"))
            break;
        if (waited_ms >= longest_start_wait_ms) {
            music_failed(*this, "MCI(midi_play) error.", "the sequencer never started playing");
            return static_cast<int32_t>(media_error::no_audio_device);
        }
        host.sleep_ms(100);
    }
    el.Timer1.set_enabled(true);
    return 0;
}

void Form1::Midi_Stop()
{
    el.Timer1.set_enabled(false);
    mci.send("stop midifile ");
    host.sleep_ms(100);
    host.yield();
    mci.send("close midifile");
    host.yield();
}

// A click on the music switch while the tune is being restarted takes the
// music over: the restart then leaves it to the switch.
void Form1::Midi_Loop()
{
    const int switches = music_switches_;
    el.Timer1.set_enabled(false);
    mci.send("stop midifile ");
    host.sleep_ms(100);
    host.yield();
    if (music_switches_ != switches)
        return;
    uint32_t r = mci.send("play midifile from 0");
    if (r != 0) {
        music_failed(*this, "MCI(midi_loop) error.", mci.last_error());
        return;
    }
    for (int waited_ms = 0; Midi_Status() != QLatin1String("PLAYING"); waited_ms += 200) {
        if (waited_ms >= longest_start_wait_ms) {
            music_failed(*this, "MCI(midi_loop) error.", "the sequencer never started playing");
            return;
        }
        host.sleep_ms(200);
        host.yield();
        if (music_switches_ != switches)
            return;
    }
    el.Timer1.set_enabled(true);
}

QString Form1::Midi_Status()
{
    std::string answer(16, '\0');
    mci.send("status midifile mode", &answer, 15);
    return QString::fromStdString(answer.substr(0, answer.find('\0'))).toUpper();
}
