// The program's entry: the command line, the application object, the real host and sound,
// the ways the game can end from outside, and the game's own start.
#include <cstdlib>
#include <memory>

#include <QApplication>

#include "app/CommandLine.h"
#include "app/Form1.h"
#include "platform/Language.h"
#include "platform/Locale.h"
#include "platform/RealHost.h"
#include "platform/Session.h"
#include "platform/Signals.h"
#include "render/Pictures.h"
#include "sound/SdlMediaCommands.h"

namespace {

// The toolkit ends the process itself when the display goes away (status 1 on
// X11, after a warning on Wayland); the sound is closed on the way out all the same.
MediaCommands* sound_at_exit = nullptr;

void display_lost()
{
    if (!sound_at_exit)
        return;
    sound_at_exit->release();
    say_the_display_went_away();
}

// A test that must soon meet a bonus day or a caller names the first day in MOKUTA_FIRST_DAY
// (MOKUTA_SEED fixes the draws); the title still waits for はじめ, which opens that day.
void start_on_a_test_day(Form1& form)
{
    bool given = false;
    const int day = qEnvironmentVariableIntValue("MOKUTA_FIRST_DAY", &given);
    if (given && day >= 1 && day <= 9999)
        form.st.Day_Count = static_cast<int16_t>(day - 1);
}

} // namespace

int main(int argc, char* argv[])
{
    use_utf8_characters();
    QString language;
    if (std::optional<int> status = answer_command_line(argc, argv, language))
        return *status;
    use_only_an_existing_session_bus();
    draw_without_gl();
    SdlMediaCommands::show_the_icon_in_the_mixer();
    // The environment is as the game wants it: from here on threads read it, and a variable
    // added under a reading thread could pull the old list from under it.
    start_reading_font_configuration();

    // Whole scale factors only: the pictures are pixel art and stay crisp at 2x, not smeared at 1.25x.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // One name everywhere: the Wayland app id is the desktop entry's, the X11 class is mokuta.
    QCoreApplication::setApplicationName(QStringLiteral("mokuta"));
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.mokuta_kun.mokuta"));
    auto display_check = std::make_unique<DisplayCheck>();
    QApplication app(argc, argv);
    display_check.reset();
    speak(language.isEmpty() ? language_from_environment() : language);
    start_decoding_title_pictures();
    QApplication::setStyle(QStringLiteral("Fusion"));
    wait_for_font_configuration();
    // The game's own window font for everything, message boxes included: the
    // toolkit's default face would be looked up only to be replaced.
    QApplication::setFont(window_font_in_language());

    RealHost host;
    SdlMediaCommands sound(host);
    std::unique_ptr<Form1> form;
    // A signal or a window destroyed from outside closes the game as its close box does,
    // at once, whatever the game is in the middle of.
    auto close_with = [&](int status) {
        if (form)
            form->Form_Unload(status);
        sound.release();
        host.end_process(status);
    };
    EndingSignals ending_signals([&](int signal) { close_with(status_for_signal(signal)); });
    sound_at_exit = &sound;
    std::atexit(display_lost);
    on_display_lost(display_lost);

    Main(host, sound, form);
    const std::string name = form->el.Form1->windowTitle().toStdString();
    sound.name_the_stream(name, name);
    start_on_a_test_day(*form);
    WindowEndWatch window_end(*form->el.Form1, [&] { close_with(0); });
    const int status = app.exec();
    sound_at_exit = nullptr;
    return status;
}
