// Input that waits while the game pauses: a pause holds back whatever would move the game on,
// and hands it over at the next yield or, when the pause was the last thing the game did
// before going back to the window, at the window's next turn of events.
#pragma once

#include <deque>
#include <functional>

#include <QObject>

class HeldInput {
public:
    bool pausing() const { return pausing_; }
    void begin_pause() { pausing_ = true; }
    // Whatever waited is run at the window's next turn, unless a yield takes it first.
    void end_pause();
    // Runs now, or waits if the game is pausing.
    void deliver(std::function<void()> input);
    void hold(std::function<void()> input) { held_.push_back(std::move(input)); }
    // Taken one at a time: what runs may yield and come back here.
    void run();

private:
    bool pausing_ = false;
    std::deque<std::function<void()>> held_;
    // Calls posted for the window's next turn die with it.
    QObject posted_;
};
