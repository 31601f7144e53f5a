// The yardstick for the game's start-up and memory: the least a Qt window of the game's size
// costs. A 515 x 305 window with one label, one button and one painted picture, in the Fusion
// style and with the same whole-factor scaling as the game.
//
// Built with -DBARE_WINDOW_MIDI (and SDL2_mixer) it also takes `--midi FILE`: a click on the
// button then plays FILE through SDL2_mixer's FluidSynth the way the game's sound player does:
// the device opened on first use with the same Mix_OpenAudio parameters, the same SoundFont
// choice, one mixing channel.
//
// tools/compare_startup builds and runs it; it is not part of the game's build.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

#ifdef BARE_WINDOW_MIDI
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <SDL.h>
#include <SDL_mixer.h>

#include "sound/SoundFonts.h"
#endif

namespace {

// One picture the size of the game's title, drawn once at start and painted from then on.
class Picture : public QWidget {
public:
    explicit Picture(QWidget* parent) : QWidget(parent), image_(515, 250, QImage::Format_RGB32)
    {
        QPainter p(&image_);
        QLinearGradient sky(0, 0, 0, image_.height());
        sky.setColorAt(0, QColor(120, 170, 230));
        sky.setColorAt(1, QColor(250, 240, 200));
        p.fillRect(image_.rect(), sky);
        p.setBrush(QColor(90, 60, 40));
        p.drawEllipse(QPoint(400, 140), 60, 80);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).drawImage(0, 0, image_);
    }

private:
    QImage image_;
};

#ifdef BARE_WINDOW_MIDI
bool file_exists(const char* path)
{
    return static_cast<bool>(std::ifstream(path));
}

// The game's order of SoundFonts: the one named in SDL_SOUNDFONTS, else the first Debian has.
std::string choose_soundfont()
{
    if (const char* chosen = std::getenv("SDL_SOUNDFONTS"); chosen && *chosen)
        return chosen;
    for (const char* candidate : debian_soundfonts)
        if (file_exists(candidate))
            return candidate;
    return {};
}

bool play_midi(const char* path)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        std::fprintf(stderr, "bare_window: no audio: %s\n", SDL_GetError());
        return false;
    }
    Mix_AllocateChannels(1);
    const std::string soundfont = choose_soundfont();
    if (!soundfont.empty())
        Mix_SetSoundFonts(soundfont.c_str());
    Mix_Music* music = Mix_LoadMUS(path);
    if (!music || Mix_PlayMusic(music, -1) != 0) {
        std::fprintf(stderr, "bare_window: cannot play %s: %s\n", path, Mix_GetError());
        return false;
    }
    return true;
}
#endif

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(515, 305);
    auto* picture = new Picture(&window);
    picture->setGeometry(0, 0, 515, 250);
    auto* label = new QLabel(QStringLiteral("A bare window"), &window);
    label->setGeometry(16, 270, 200, 20);
    // Where the game's start button is, so that the same click starts the music in both.
    auto* button = new QPushButton(QStringLiteral("Start"), &window);
    button->setGeometry(232, 264, 73, 41);

#ifdef BARE_WINDOW_MIDI
    const char* midi = nullptr;
    for (int i = 1; i + 1 < argc; ++i)
        if (QLatin1String(argv[i]) == QLatin1String("--midi"))
            midi = argv[i + 1];
    if (midi)
        QObject::connect(button, &QPushButton::clicked, [midi, button] {
            button->setEnabled(false);
            if (!play_midi(midi))
                QCoreApplication::exit(1);
        });
#endif

    window.show();
    const int status = app.exec();
#ifdef BARE_WINDOW_MIDI
    if (midi) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
#endif
    return status;
}
