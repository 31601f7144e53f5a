// How long the window waits when the music opens (はじめ), opens again (BGM
// switched back on) and restarts (the watchdog): the longest time its thread
// went without handling events, and how long until the music played.
// SDL_SOUNDFONTS chooses the SoundFont.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "app/Form1.h"
#include "platform/RealHost.h"
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

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    RealHost host;
    SdlMediaCommands mci(host);
    Form1 form(host, mci);
    StallWatch watch;
    const QString tune = QStringLiteral(MOKUTA_SOURCE_DIR "/assets/sounds/mokuta.mid");
    std::printf("SoundFont: %s\n", SdlMediaCommands::choose_soundfont().c_str());
    host.sleep_ms(50);
    measure("first open (はじめ)", watch, [&] { form.Midi_Play(tune); });
    for (int i = 1; i <= 3; ++i) {
        form.Midi_Stop();
        measure("open again (BGM on)", watch, [&] { form.Midi_Play(tune); });
        measure("restart (watchdog)", watch, [&] { form.Midi_Loop(); });
    }
    form.Midi_Stop();
    return 0;
}
