// The game's place in the desktop session: its display, its window, the session bus.
#pragma once

#include <functional>

#include <QAbstractNativeEventFilter>

class QWidget;

// Without a session bus of its own, the toolkit would start one (and leave it
// running after the game); the game takes the session's bus when there is
// one in the runtime folder, and none otherwise.
void use_only_an_existing_session_bus();

// Set before the application object: a window drawn without GL loads no GL,
// unless the player asked for it.
void draw_without_gl();

// A connection to the display that breaks under the running game: `ended`
// (which closes the sound and says so), then status 1.
void on_display_lost(void (*ended)());

// The one line a lost display leaves on stderr.
void say_the_display_went_away();

// While the application object comes up: when no display can be opened, one
// clear line and exit status 1, instead of the toolkit's abort.
class DisplayCheck {
public:
    DisplayCheck();
    ~DisplayCheck();  // the toolkit's own messages are told again once it is up
};

// The window destroyed from outside (a window manager that crashed, a tool
// that destroys windows) is the end of the game, as its close box is.
class WindowEndWatch : public QAbstractNativeEventFilter {
public:
    WindowEndWatch(QWidget& window, std::function<void()> ended);
    ~WindowEndWatch() override;
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    QWidget& window_;
    std::function<void()> ended_;
};
