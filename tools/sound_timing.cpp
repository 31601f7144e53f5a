// How long the window waits when the music opens (はじめ), opens again (BGM
// switched back on) and restarts (the watchdog): the longest time its thread
// went without handling events, and how long until the music played; and how
// long the music's own thread read the tune with its SoundFont.
// SDL_SOUNDFONTS chooses the SoundFont.
//   sound_timing [--server-down COMMAND --server-up COMMAND]
// With the commands (run by /bin/sh) that kill the sound server and start it
// again, the watchdog's ticks that find the device lost, find it away and open
// it again with the music are measured too: once with the server restarted
// between two ticks, once with it away for a tick.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "app/Form1.h"
#include "platform/RealHost.h"
#include "sound/SdlLibrary.h"
#include "sound/SdlMediaCommands.h"

namespace {

// A timer that wants to run every millisecond; the gap between two of its runs
// is how long the window could not have answered.
class StallWatch {
public:
    StallWatch()
    {
        tick_.setTimerType(Qt::PreciseTimer);
        tick_.setInterval(1);
        QObject::connect(&tick_, &QTimer::timeout, [this] { lap(); });
        tick_.start();
    }
    void reset()
    {
        longest_ms_ = 0;
        since_.start();
    }
    double longest_ms()
    {
        lap();
        return longest_ms_;
    }

private:
    void lap()
    {
        longest_ms_ = std::max(longest_ms_, since_.nsecsElapsed() / 1e6);
        since_.start();
    }
    QTimer tick_;
    QElapsedTimer since_;
    double longest_ms_ = 0;
};

void measure(const char* what, StallWatch& watch, const std::function<void()>& action)
{
    watch.reset();
    const auto start = std::chrono::steady_clock::now();
    action();
    const auto ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    std::printf("%-22s longest wait of the window %6.1f ms, music playing after "
                "%6.1f ms\n",
                what, watch.longest_ms(), ms.count());
}

constexpr SDL_AudioDeviceID mixer_device = 2;

bool run(const std::string& command)
{
    if (std::system(command.c_str()) == 0)
        return true;
    std::fprintf(stderr, "sound_timing: '%s' failed\n", command.c_str());
    return false;
}

// SDL's own thread finds the server gone at its next write.
bool device_lost(const SdlLibrary& sdl, RealHost& host)
{
    for (int i = 0; i < 300 && sdl.GetAudioDeviceStatus(mixer_device) != SDL_AUDIO_STOPPED; ++i)
        host.sleep_ms(10);
    if (sdl.GetAudioDeviceStatus(mixer_device) == SDL_AUDIO_STOPPED)
        return true;
    std::fprintf(stderr, "sound_timing: the sound device was not lost\n");
    return false;
}

// The watchdog's ticks, a little over a second apart as the device is tried at most once a second.
void tick(const char* what, RealHost& host, Form1& form, StallWatch& watch)
{
    host.sleep_ms(1100);
    measure(what, watch, [&] { form.Timer1_Timer(); });
}

bool music_back(const SdlLibrary& sdl, Form1& form)
{
    if (sdl.GetAudioDeviceStatus(mixer_device) == SDL_AUDIO_PLAYING &&
        form.Midi_Status() == QLatin1String("PLAYING"))
        return true;
    std::fprintf(stderr, "sound_timing: the music did not come back with the device\n");
    return false;
}

// The server restarted between two ticks, and the server away for a tick.
bool measure_lost_device(const std::string& down, const std::string& up, RealHost& host, Form1& form,
                         StallWatch& watch)
{
    std::string why;
    const SdlLibrary* sdl = SdlLibrary::load(why);
    if (!run(down) || !run(up) || !device_lost(*sdl, host))
        return false;
    tick("device lost (tick)", host, form, watch);
    tick("device back (tick)", host, form, watch);
    if (!music_back(*sdl, form) || !run(down) || !device_lost(*sdl, host))
        return false;
    tick("device lost (tick)", host, form, watch);
    tick("device away (tick)", host, form, watch);
    if (!run(up))
        return false;
    tick("device back (tick)", host, form, watch);
    return music_back(*sdl, form);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::string down, up;
    bool understood = argc % 2 == 1;
    for (int i = 1; understood && i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--server-down") == 0)
            down = argv[i + 1];
        else if (std::strcmp(argv[i], "--server-up") == 0)
            up = argv[i + 1];
        else
            understood = false;
    }
    if (!understood || down.empty() != up.empty()) {
        std::fprintf(stderr, "usage: sound_timing [--server-down COMMAND --server-up COMMAND]\n");
        return 2;
    }
    RealHost host;
    SdlMediaCommands mci(host);
    Form1 form(host, mci);
    StallWatch watch;
    const QString tune = QStringLiteral(MOKUTA_SOURCE_DIR "/assets/sounds/mokuta.mid");
    std::printf("SoundFont: %s\n", SdlMediaCommands::choose_soundfont().c_str());
    // As はじめ does: the sound gets ready during the two seconds' greeting.
    mci.get_ready();
    host.sleep_ms(2000);
    measure("first open (はじめ)", watch, [&] { form.Midi_Play(tune); });
    std::printf("%-22s %6.1f ms on the music's own thread\n", "tune and SoundFont read",
                mci.tune_read_ms(tune.toStdString()));
    for (int i = 1; i <= 3; ++i) {
        form.Midi_Stop();
        measure("open again (BGM on)", watch, [&] { form.Midi_Play(tune); });
        measure("restart (watchdog)", watch, [&] { form.Midi_Loop(); });
    }
    if (!down.empty() && !measure_lost_device(down, up, host, form, watch))
        return 1;
    form.Midi_Stop();
    return 0;
}
