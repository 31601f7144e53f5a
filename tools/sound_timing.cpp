// How long the first music start takes (reading the SoundFont), and the later ones.
#include <chrono>
#include <cstdio>

#include <QApplication>

#include "app/Form1.h"
#include "platform/RealHost.h"
#include "sound/SdlMediaCommands.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    RealHost host;
    SdlMediaCommands mci(host);
    Form1 form(host, mci);
    std::printf("SoundFont: %s\n", SdlMediaCommands::choose_soundfont().c_str());
    for (int i = 0; i < 4; ++i) {
        auto start = std::chrono::steady_clock::now();
        int32_t r = form.Midi_Play(QStringLiteral(MOKUTA_SOURCE_DIR "/assets/sounds/mokuta.mid"));
        auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
        std::printf("Midi_Play %d: %.1f ms (result %d)\n", i + 1, ms.count(), r);
        form.Midi_Stop();
    }
    return 0;
}
