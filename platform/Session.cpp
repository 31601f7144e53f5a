// The game's place in the desktop session: its display, its window, the session bus.
#include "platform/Session.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QStringList>
#include <QWidget>
#include <xcb/xcb.h>

namespace {

// The bus's address language keeps a few bytes as they are and writes every other as %xx.
std::string escaped_for_bus_address(const std::string& value)
{
    static const char hex[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : value) {
        const bool plain = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (plain || std::strchr("-_/.\\*", c))
            out += static_cast<char>(c);
        else
            out += {'%', hex[c >> 4], hex[c & 15]};
    }
    return out;
}

} // namespace

void use_only_an_existing_session_bus()
{
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string bus = runtime ? std::string(runtime) + "/bus" : std::string();
    struct stat info {};
    if (!bus.empty() && ::stat(bus.c_str(), &info) == 0 && S_ISSOCK(info.st_mode))
        ::setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + escaped_for_bus_address(bus)).c_str(), 1);
    else
        ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

namespace {

QStringList& held_messages()
{
    static QStringList held;
    return held;
}

std::string variable(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? std::string(name) + "=" + value : std::string(name) + " not set";
}

// Set when the game, not the player, turned the GL buffers off on Wayland.
bool chose_no_gl = false;

// Without GL the toolkit finds no buffer integration by that name and says so in two lines;
// drawing in memory is what the game asked for, so they are not passed on.
bool says_no_gl_integration(const QMessageLogContext& context, const QString& message)
{
    return chose_no_gl && context.category && std::strcmp(context.category, "qt.qpa.wayland") == 0 &&
           (message.startsWith(QLatin1String("Failed to load client buffer integration")) ||
            message.startsWith(QLatin1String("Available client buffer integrations")));
}

// When the connection to the display breaks the toolkit warns and then ends the process itself
// (on Wayland past the exit handlers): this warning is the game's one chance to end in its own words.
bool says_connection_lost(const QString& message)
{
    return message.startsWith(QLatin1String("The Wayland connection broke")) ||
           message.startsWith(QLatin1String("The Wayland connection experienced a fatal error")) ||
           message.startsWith(QLatin1String("The X11 connection broke"));
}

// One line: what was tried, and the toolkit's own words for why it failed.
void while_starting(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (says_no_gl_integration(context, message))
        return;
    if (type != QtFatalMsg) {
        held_messages() << message;
        return;
    }
    QStringList reasons = held_messages();
    reasons << message.section(QLatin1Char('\n'), 0, 0);
    std::fprintf(stderr,
                 "mokuta: no display could be opened (tried X11 with %s and Wayland with %s; "
                 "the toolkit said: %s): start the game from a desktop session\n",
                 variable("DISPLAY").c_str(), variable("WAYLAND_DISPLAY").c_str(),
                 reasons.join(QStringLiteral("; ")).simplified().toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

void (*display_ended)() = nullptr;

// The toolkit gives up with a fatal message (or a warning before it ends the process) when the
// connection to the display breaks; the game closes its sound, says so once and ends. Wayland's
// reading thread and the window's thread can both meet the broken connection at once: the first
// one ends the game, and only the window's thread, which plays the sound, may close it.
void while_running(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (says_no_gl_integration(context, message))
        return;
    if (type != QtFatalMsg && !says_connection_lost(message)) {
        std::fprintf(stderr, "%s\n",
                     qFormatLogMessage(type, context, message).toLocal8Bit().constData());
        return;
    }
    static std::atomic_flag ending = ATOMIC_FLAG_INIT;
    if (ending.test_and_set())
        for (;;)
            ::pause();
    if (!display_ended)
        std::fprintf(stderr, "mokuta: %s\n", message.toLocal8Bit().constData());
    else if (::gettid() == ::getpid())
        display_ended();
    else
        say_the_display_went_away();
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

void draw_without_gl()
{
    // The window is drawn in memory and handed over whole; the GL drivers
    // the toolkit would load for it anyway cost more than the game itself.
    chose_no_gl = !std::getenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION");
    ::setenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "shm", 0);
    ::setenv("QT_XCB_GL_INTEGRATION", "none", 0);
}

void say_the_display_went_away()
{
    std::fputs("mokuta: the display went away, so the game has ended\n", stderr);
    std::fflush(stderr);
}

void on_display_lost(void (*ended)())
{
    display_ended = ended;
    qInstallMessageHandler(&while_running);
}

DisplayCheck::DisplayCheck()
{
    qInstallMessageHandler(&while_starting);
}

DisplayCheck::~DisplayCheck()
{
    qInstallMessageHandler(nullptr);
    for (const QString& message : held_messages())
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    held_messages().clear();
}

WindowEndWatch::WindowEndWatch(QWidget& window, std::function<void()> ended)
    : window_(window), ended_(std::move(ended))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowEndWatch::~WindowEndWatch()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowEndWatch::nativeEventFilter(const QByteArray& type, void* message, qintptr*)
{
    if (type != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
        return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (destroyed->window == static_cast<xcb_window_t>(window_.effectiveWinId()))
        ended_();
    return false;
}
