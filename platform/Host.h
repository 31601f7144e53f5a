// The one seam between the game and the outside world: time, input, dialogs and the process.
#pragma once

#include <cstdint>
#include <functional>

#include <QString>

class GameTimer;

// What asking for a file's attributes can answer.
enum class FileCheck { Ok, NotFound, OtherError };

class Host {
public:
    virtual ~Host() = default;

    virtual void sleep_ms(int32_t ms) = 0;
    // Lets every pending window event run once.
    virtual void yield() = 0;
    // A 32-bit millisecond clock that may wrap.
    virtual uint32_t clock_ms() = 0;

    virtual void seed_random_from_clock() = 0;
    // Uniform in [0, 1), single precision.
    virtual float random() = 0;

    // A modal box with the text and an OK button; returns when it is closed.
    virtual void message_box(const QString& text) = 0;
    // A line for whoever started the game from a terminal: the detail behind a box.
    virtual void note(const QString& line) = 0;

    // Claims the one running copy; false when another copy holds it.
    virtual bool claim_single_instance() = 0;
    virtual QString program_dir() = 0;
    virtual FileCheck file_attributes(const QString& path) = 0;
    // Why the file cannot be used, in a few words ("is a directory"), for the terminal.
    virtual QString file_problem(const QString& path) = 0;
    // Whether an installed font can show the game's Japanese text.
    virtual bool has_japanese_font() = 0;

    // Timers tick only while the host lets events run.
    virtual void timer_changed(GameTimer& timer) = 0;

    // Input that does not come through the window's own events (an assistive
    // tool's action): it takes effect now, or, while the game is pausing, as
    // soon as it lets events run again. A request to end the game (the close
    // box, a signal, the session ending) never waits: it is acted on at once.
    virtual void deliver_input(std::function<void()> input) = 0;

    // Ends the process at once; never returns to the caller.
    [[noreturn]] virtual void end_process(int status) = 0;
};
