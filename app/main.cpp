// The program's entry: the command line, the application object, the real host and sound,
// the signals that end it, and the game's own start.
#include <memory>

#include <QApplication>

#include "app/CommandLine.h"
#include "app/Form1.h"
#include "platform/RealHost.h"
#include "platform/Signals.h"
#include "sound/SdlMediaCommands.h"

int main(int argc, char* argv[])
{
    if (std::optional<int> status = answer_command_line(argc, argv))
        return *status;

    // Whole scale factors only: the pictures are pixel art and stay crisp at 2x, not smeared at 1.25x.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    register_typefaces();

    RealHost host;
    SdlMediaCommands sound(host);
    std::unique_ptr<Form1> form;
    // A signal closes the game as its window's close box does, whatever it is doing.
    EndingSignals ending_signals([&](int signal) {
        host.deliver_input([&, signal] {
            if (form)
                form->Form_Unload(status_for_signal(signal));
            sound.release();
            host.end_process(status_for_signal(signal));
        });
    });
    Main(host, sound, form);
    return app.exec();
}
