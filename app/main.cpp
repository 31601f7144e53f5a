// The program's entry: the application object, the real host and sound, and the game's own start.
#include <QApplication>

#include "app/Form1.h"
#include "platform/RealHost.h"
#include "sound/SdlMediaCommands.h"

int main(int argc, char* argv[])
{
    // Whole scale factors only: the pictures are pixel art and stay crisp at 2x, not smeared at 1.25x.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    register_typefaces();

    RealHost host;
    SdlMediaCommands sound(host);
    Form1* form = nullptr;
    Main(host, sound, form);
    return app.exec();
}
